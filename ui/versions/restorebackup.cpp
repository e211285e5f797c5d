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

#include <QCoreApplication>
#include <QDir>

namespace ui::versions {

namespace {

QString title()
{
    return QCoreApplication::translate("Versions", "Restore from Backup");
}

// What a backup holds, as the question before restoring it names it.
QString contentsText(const storage::VersionStore::BackupContents &contents)
{
    const QLocale locale = platform::LocaleServices::locale();
    const QString investments = locale.toString(contents.investments);
    const bool oneInvestment = contents.investments == 1;
    if (contents.records == 0 || !contents.newest.isValid())
        return (oneInvestment ? QCoreApplication::translate("Versions", "%1 investment and no data records")
                              : QCoreApplication::translate("Versions", "%1 investments and no data records"))
            .arg(investments);
    //: %1 and %2 are counts, %3 a date
    QString text = QCoreApplication::translate("Versions", "%1 investments and %2 data records, the newest dated %3");
    if (oneInvestment && contents.records == 1)
        text = QCoreApplication::translate("Versions", "%1 investment and %2 data record, the newest dated %3");
    else if (oneInvestment)
        text = QCoreApplication::translate("Versions", "%1 investment and %2 data records, the newest dated %3");
    else if (contents.records == 1)
        text = QCoreApplication::translate("Versions", "%1 investments and %2 data record, the newest dated %3");
    return text.arg(investments, locale.toString(contents.records),
                    platform::LocaleServices::shortDate(Date::fromQDate(contents.newest)));
}

} // namespace

void restoreFromBackup(frmInvestData *window)
{
    if (!window->isEnabled())
        return;
    const QString folder = platform::FileChooser::instance().existingFolder(
        window, QCoreApplication::translate("Versions", "Choose the Folder of the Backup"), QDir::homePath());
    if (folder.isEmpty())
        return;
    const QString shown = QDir::toNativeSeparators(folder);
    // The data folder under any name holds the files in use, not a backup of them.
    if (ui::backup::clashWithLiveData(QDir(folder).filePath(storage::InvestFileName), storage::programFolder()) !=
        ui::backup::TargetClash::None) {
        platform::msgBox(QCoreApplication::translate(
                             "Versions", "\"%1\" is the data folder Plumbline 3.5 works with, not a backup.\r\n"
                                         "Choose the folder your backup copies are in.")
                             .arg(shown),
                         platform::MsgIcon::Exclamation, platform::MsgButtons::OK, title());
        return;
    }

    storage::VersionStore store(storage::programFolder());
    storage::VersionStore::BackupContents contents;
    try {
        contents = store.checkBackup(folder);
    } catch (const RuntimeError &error) {
        platform::msgBox(QCoreApplication::translate("Versions", "The backup in \"%1\" cannot be restored:\r\n"
                                                                 "%2\r\n"
                                                                 "Your data files are unchanged.")
                             .arg(shown, error.description()),
                         platform::MsgIcon::Exclamation, platform::MsgButtons::OK, title());
        return;
    }
    if (platform::msgBox(QCoreApplication::translate(
                             "Versions", "The backup in \"%1\" holds %2.\r\n"
                                         "Make it your data? Your data as it is now is kept: Edit, Undo brings it "
                                         "back.")
                             .arg(shown, contentsText(contents)),
                         platform::MsgIcon::Question, platform::MsgButtons::YesNo, title()) != platform::MsgResult::Yes)
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
