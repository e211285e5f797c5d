// Both data files replaced under the window by undo, redo or a restore: file number 1 is
// closed while they are put in place, and the window then reads them as after any change.
#include "ui/main/frminvestdata.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>

#include <exception>

using namespace modPlMainMod;

void frmInvestData::ReplaceDataFiles(const std::function<void()> &replace)
{
    const int shown = intInvestRecNum;
    // A choice of a data record belonged to the files before.
    if (Record->isEnabled())
        ResetRecChoice();
    storage::close(5);
    m_blnPageFileOpen = false;
    storage::close(1);
    std::exception_ptr failure;
    try {
        replace();
    } catch (...) {
        failure = std::current_exception();
    }
    try {
        storage::open(1, storage::programFile(storage::InvestFileName), storage::OpenMode::Random);
    } catch (const RuntimeError &e) {
        storage::discard(1);
        platform::msgBox(
            //: %1 is the investment file's name, %2 the data folder's path, %3 the error's description
            tr("The investment file \"%1\" in the data folder \"%2\" cannot be opened:\r\n"
               "%3\r\n"
               "Plumbline 3.5 cannot run without it and ends now.")
                .arg(storage::InvestFileName, QDir::toNativeSeparators(storage::programFolder()), e.description()),
            platform::MsgIcon::Critical);
        endProgram();
        return;
    }
    ShowReplacedFiles(shown);
    if (failure)
        std::rethrow_exception(failure);
}

void frmInvestData::ShowReplacedFiles(int shown)
{
    // The command that loaded the last dialog no longer describes the files.
    strOperation.clear();
    intInvestRecCount = storage::recordCount(storage::lof(1));
    const QList<QPushButton *> investmentButtons{cmdEditRec, cmdDeleteRec, cmdAddNew, cmdInsertNew,
                                                 cmdDelete,  cmdEdit,      cmdPrint};
    if (intInvestRecCount == 0) {
        // The empty state of a first run: no investment shown, only a new one possible.
        intInvestRecNum = 0;
        for (QPushButton *button : investmentButtons)
            button->setEnabled(false);
        for (QPushButton *button : {cmdFirst, cmdPrevious, cmdNext, cmdLast})
            button->setEnabled(false);
    } else {
        intInvestRecNum = shown >= 1 && shown <= intInvestRecCount ? shown : 1;
        for (QPushButton *button : investmentButtons)
            button->setEnabled(true);
        cmdFirst->setEnabled(intInvestRecNum > 1);
        cmdPrevious->setEnabled(intInvestRecNum > 1);
        cmdNext->setEnabled(intInvestRecNum < intInvestRecCount);
        cmdLast->setEnabled(intInvestRecNum < intInvestRecCount);
    }
    GetRecord();
    LoadParInfoInVars();
    LoadParVarsInLbls();

    // The grid of the investment shown, from its first page.
    PrepGetHistRecs();
    Clearboxes();
    GetHistRecs();
}
