#include "ui/main/leftovermessage.h"

#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/leftovers.h"

#include <QCoreApplication>
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
        //: %1 is the data folder's path, %2 the error's description
        platform::msgBox(
            QCoreApplication::translate("frmInvestData",
                                        "Plumbline 3.5 was interrupted while it changed its data files, and what it "
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
        //: One file set aside: %1 its name, %2 its size in bytes, %3 what it holds
        lines.append(QCoreApplication::translate("frmInvestData", "%1 (%2 bytes): %3")
                         .arg(name, QLocale::c().toString(size), storage::leftoverDescription(name)));
    }
    // An interrupted delete that could not be completed is said first: it decides what
    // the data files now are.
    const QString note = storage::pendingChangeNote(report);
    const QString opening =
        note.isEmpty()
            //: %1 and %2 are the names of the two data files
            ? QCoreApplication::translate(
                  "frmInvestData", "Plumbline 3.5 was interrupted while it changed its data files, and the files "
                                   "it left may hold data that \"%1\" and \"%2\" do not.")
                  .arg(storage::InvestFileName, storage::HistFileName)
            //: %1 is a sentence on what became of the interrupted delete
            : QCoreApplication::translate("frmInvestData",
                                          "Plumbline 3.5 was interrupted while it deleted an investment.\r\n%1")
                  .arg(note);
    const QString closing =
        report.renames == storage::PendingOutcome::Unfinishable
            ? QCoreApplication::translate("frmInvestData",
                                          "Plumbline 3.5 now goes on without data files. To have your data "
                                          "back as it was, restore the data folder from a backup.")
            : QCoreApplication::translate("frmInvestData",
                                          "Plumbline 3.5 now goes on with the data files as they are.");
    //: %1 is the opening sentence above, %2 the folder's path, %3 the list of files, one a line, %4 the closing
    //: sentence
    platform::msgBox(QCoreApplication::translate("frmInvestData",
                                                 "%1\r\n"
                                                 "Nothing was deleted: they were moved into the folder \"%2\":\r\n"
                                                 "%3\r\n"
                                                 "%4")
                         .arg(opening, QDir::toNativeSeparators(report.recoveredFolder),
                              lines.join(QStringLiteral("\r\n")), closing),
                     platform::MsgIcon::Exclamation);
    return true;
}

} // namespace ui
