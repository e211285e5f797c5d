#include "ui/main/leftovermessage.h"

#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/leftovers.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace ui {

bool setAsideLeftovers()
{
    storage::LeftoverReport report;
    try {
        report = storage::cleanUpLeftovers();
    } catch (const RuntimeError &e) {
        platform::msgBox(QStringLiteral("Plumbline 3.5 was interrupted while it changed its data files, and what it "
                                        "left in the data folder \"%1\" cannot be set aside:\r\n"
                                        "%2\r\n"
                                        "Nothing was deleted. Plumbline 3.5 ends now.")
                             .arg(QDir::toNativeSeparators(storage::programFolder()), e.description()),
                         platform::MsgIcon::Critical);
        return false;
    }
    if (report.recoveredFolder.isEmpty())
        return true;

    QStringList lines;
    const QDir recovered(report.recoveredFolder);
    for (const QString &name : report.recoveredNames) {
        const qint64 size = QFileInfo(recovered.filePath(name)).size();
        lines.append(QStringLiteral("%1 (%2 bytes): %3")
                         .arg(name, QLocale::c().toString(size), storage::leftoverDescription(name)));
    }
    // An interrupted delete that could not be completed is said first: it decides what
    // the data files now are.
    const QString note = storage::pendingChangeNote(report);
    const QString opening =
        note.isEmpty() ? QStringLiteral("Plumbline 3.5 was interrupted while it changed its data files, and the files "
                                        "it left may hold data that \"%1\" and \"%2\" do not.")
                             .arg(storage::InvestFileName, storage::HistFileName)
                       : QStringLiteral("Plumbline 3.5 was interrupted while it deleted an investment.\r\n") + note;
    const QString closing = report.renames == storage::PendingOutcome::Unfinishable
                                ? QStringLiteral("Plumbline 3.5 now goes on without data files. To have your data "
                                                 "back as it was, restore the data folder from a backup.")
                                : QStringLiteral("Plumbline 3.5 now goes on with the data files as they are.");
    platform::msgBox(QStringLiteral("%1\r\n"
                                    "Nothing was deleted: they were moved into the folder \"%2\":\r\n"
                                    "%3\r\n"
                                    "%4")
                         .arg(opening, QDir::toNativeSeparators(report.recoveredFolder),
                              lines.join(QStringLiteral("\r\n")), closing),
                     platform::MsgIcon::Exclamation);
    return true;
}

} // namespace ui
