#include "ui/versions/restorebackup.h"

#include "core/runtimeerror.h"
#include "platform/filechooser.h"
#include "platform/locale.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/versions.h"
#include "ui/main/frminvestdata.h"
#include "ui/tools/backuptarget.h"
#include "ui/versions/versionmenus.h"

#include <QDir>

namespace ui::versions {

namespace {

const QString Title = QStringLiteral("Restore from Backup");

QString counted(long long n, const QString &one, const QString &many)
{
    return QStringLiteral("%1 %2").arg(platform::LocaleServices::locale().toString(n), n == 1 ? one : many);
}

QString contentsText(const storage::VersionStore::BackupContents &contents)
{
    const QString investments =
        counted(contents.investments, QStringLiteral("investment"), QStringLiteral("investments"));
    if (contents.records == 0 || !contents.newest.isValid())
        return QStringLiteral("%1 and no data records").arg(investments);
    return QStringLiteral("%1 and %2, the newest dated %3")
        .arg(investments, counted(contents.records, QStringLiteral("data record"), QStringLiteral("data records")),
             platform::LocaleServices::shortDate(Date::fromQDate(contents.newest)));
}

} // namespace

void restoreFromBackup(frmInvestData *window)
{
    if (!window->isEnabled())
        return;
    const QString folder = platform::FileChooser::instance().existingFolder(
        window, QStringLiteral("Choose the Folder of the Backup"), QDir::homePath());
    if (folder.isEmpty())
        return;
    const QString shown = QDir::toNativeSeparators(folder);
    // The data folder under any name holds the files in use, not a backup of them.
    if (ui::backup::clashWithLiveData(QDir(folder).filePath(storage::InvestFileName), storage::programFolder()) !=
        ui::backup::TargetClash::None) {
        platform::msgBox(QStringLiteral("\"%1\" is the data folder Plumbline 3.5 works with, not a backup.\r\n"
                                        "Choose the folder your backup copies are in.")
                             .arg(shown),
                         platform::MsgIcon::Exclamation, platform::MsgButtons::OK, Title);
        return;
    }

    storage::VersionStore store(storage::programFolder());
    storage::VersionStore::BackupContents contents;
    try {
        contents = store.checkBackup(folder);
    } catch (const RuntimeError &error) {
        platform::msgBox(QStringLiteral("The backup in \"%1\" cannot be restored:\r\n"
                                        "%2\r\n"
                                        "Your data files are unchanged.")
                             .arg(shown, error.description()),
                         platform::MsgIcon::Exclamation, platform::MsgButtons::OK, Title);
        return;
    }
    if (platform::msgBox(QStringLiteral("The backup in \"%1\" holds %2.\r\n"
                                        "Make it your data? Your data as it is now is kept: Edit, Undo brings it "
                                        "back.")
                             .arg(shown, contentsText(contents)),
                         platform::MsgIcon::Question, platform::MsgButtons::YesNo, Title) != platform::MsgResult::Yes)
        return;
    try {
        window->ReplaceDataFiles([&store, &folder] { store.restoreBackup(folder); });
    } catch (...) {
        refreshVersionMenus();
        throw;
    }
    refreshVersionMenus();
}

} // namespace ui::versions
