// Every rewrite of the two data files that the main window runs: the investment
// delete with its copy-out, rebuild and history rewrite, and the split and rebuild of
// the history for the data record commands.
#include "ui/main/frminvestdata.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/locale.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/rewrites.h"
#include "storage/transaction.h"
#include "ui/dialogs/frminvestentry.h"
#include "ui/dialogs/frmneweditdata.h"
#include "ui/versions/keptchange.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace modPlMainMod;

namespace {

// A failure that its procedure has shown already.
struct ReportedFailure
{
};

} // namespace

void frmInvestData::cmdDeleteRec_Click()
{
    try {
        intInvestRecCount = storage::recordCount(storage::lof(1));
        // No investment shown (an empty file): nothing to delete.
        if (intInvestRecNum < 1 || intInvestRecNum > intInvestRecCount)
            return;
        if (platform::confirmDelete(tr("Are you sure you want to Delete this record?\r\n"
                                       "If you delete it, all the corresponding records\r\n"
                                       "In it's data file will be\r\n"
                                       "deleted too.")) != platform::MsgResult::Yes)
            return;
        intDelInvestNum = intInvestRecNum;
        // The state before is kept first; a failure there (shown below) changes nothing.
        ui::versions::KeptChange kept;
        storage::ChangeDescription change = ui::versions::investmentChange(
            storage::ChangeKind::DeleteInvestment, txtInvestment->text(), txtInstitution->text());
        // The records it takes away, which the page file holds, spare the store a count of
        // the whole new history.
        if (QFile::exists(storage::programFile(storage::HistFileName)))
            change.count = ui::versions::recordCountIn(storage::programFile(storage::PageFileName));
        kept.begin(change);

        // Both new files are written completely beside the old ones, then put in place
        // together under a commit marker, so whatever stops the delete, the two files
        // are both old or both new.
        if (!DelDataRec()) {
            ShowInvestAgain();
            return;
        }
        try {
            m_blnHistPrepared = storage::prepareInvestHist();
        } catch (const RuntimeError &error) {
            m_blnHistPrepared = false;
            platform::showStandardError(error);
            UndoInvestDelete();
            return;
        }

        storage::close(1);
        if (!TransTempToData()) {
            UndoInvestDelete();
            return;
        }
        DelInvestHist();
        if (m_blnHistFailed) {
            if (!m_blnExiting)
                ShowInvestAgain();
            return;
        }
        kept.commit();
        ShowAfterInvestDelete();
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
    }
}

void frmInvestData::UndoInvestDelete()
{
    m_blnHistPrepared = false;
    try {
        storage::abandonInvestDelete();
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
    }
    ShowInvestAgain();
}

void frmInvestData::ShowInvestAgain()
{
    // The copy-out and the rebuild run intInvestRecNum over the file.
    intInvestRecNum = intDelInvestNum;
    GetRecord();
    LoadParInfoInVars();
    LoadParVarsInLbls();
}

void frmInvestData::ShowAfterInvestDelete()
{
    // A pending choice of a data record belonged to the deleted investment.
    if (Record->isEnabled())
        ResetRecChoice();

    intInvestRecCount = storage::recordCount(storage::lof(1));
    if (intInvestRecCount == 0) {
        // The empty state of a first run: no investment shown, only a new one possible.
        intInvestRecNum = 0;
        for (QPushButton *button : {cmdFirst, cmdPrevious, cmdNext, cmdLast, cmdEditRec, cmdDeleteRec, cmdAddNew,
                                    cmdInsertNew, cmdDelete, cmdEdit, cmdPrint})
            button->setEnabled(false);
    } else {
        intInvestRecNum = intDelInvestNum >= 2 ? intDelInvestNum - 1 : 1;
        cmdFirst->setEnabled(intInvestRecNum > 1);
        cmdPrevious->setEnabled(intInvestRecNum > 1);
        cmdNext->setEnabled(intInvestRecNum < intInvestRecCount);
        cmdLast->setEnabled(intInvestRecNum < intInvestRecCount);
    }
    GetRecord();
    LoadParInfoInVars();
    LoadParVarsInLbls();

    // The grid of the investment now shown, from its first page.
    PrepGetHistRecs();
    Clearboxes();
    GetHistRecs();
}

bool frmInvestData::DelDataRec()
{
    try {
        storage::delDataRec();
        return true;
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
        return false;
    }
}

bool frmInvestData::TransTempToData()
{
    try {
        // A record that cannot be written stops the rebuild: a file with a record
        // missing would put every later investment under the wrong number. The new file
        // waits beside the old one until DelInvestHist puts both files in place.
        storage::stageInvestFile([] {
            if (!frmInvestEntry::LoadInDataFile())
                throw ReportedFailure();
        });
        return true;
    } catch (const ReportedFailure &) {
        return false;
    } catch (const RuntimeError &error) {
        if (error.number() == RuntimeError::DiskNotReady)
            platform::msgBox(tr("There is no disk in the drive.\r\nPlease insert one and try again"));
        else
            platform::showStandardError(error);
        return false;
    }
}

void frmInvestData::DelInvestHist()
{
    m_blnHistFailed = false;
    m_blnHistPrepared = false;
    try {
        storage::commitInvestDelete();
    } catch (const storage::CommitLeftPending &error) {
        // Half the files are new: going on could attach records to the wrong investment.
        m_blnHistFailed = true;
        platform::showStandardError(error);
        platform::msgBox(tr("The investment delete could not be completed. Plumbline 3.5 completes it "
                            "when it starts next time, and ends now."),
                         platform::MsgIcon::Critical);
        endProgram();
    } catch (const RuntimeError &error) {
        // Both old files are in place again.
        m_blnHistFailed = true;
        platform::showStandardError(error);
    }
}

void frmInvestData::CreateTwoFiles()
{
    // The split closes the page file first.
    m_blnPageFileOpen = false;
    storage::createTwoFiles([this] { LoadInfoInNEDText(); });
}

void frmInvestData::CreateHistFile()
{
    const bool deleting = strOperation == QLatin1String("DELETE");
    const bool inserting = strOperation == QLatin1String("INSERT");
    // The new record's date as typed; a deleted record's from the page file, which holds the
    // records of the investment shown.
    QDate date;
    if (deleting) {
        date = ui::versions::recordDateIn(storage::programFile(storage::PageFileName), intSelRecNum);
    } else if (frmNewEditData *dialog = frmNewEditData::instance()) {
        Date typed;
        if (platform::LocaleServices::dateValue(dialog->txtDate->text(), typed))
            date = typed.toQDate();
    }
    ui::versions::KeptChange kept;
    try {
        kept.begin(ui::versions::recordChange(deleting    ? storage::ChangeKind::DeleteRecord
                                              : inserting ? storage::ChangeKind::InsertRecord
                                                          : storage::ChangeKind::EditRecord,
                                              strInvestType, strInstitution,
                                              inserting ? int(intSelRecNum) + 1 : int(intSelRecNum), date));
    } catch (...) {
        // Nothing is written: the work files of the split go as after a failed rewrite.
        storage::deleteSplitFiles();
        throw;
    }
    storage::createHistFile([] {
        frmNewEditData *dialog = frmNewEditData::instance();
        // LoadValues has shown its error; the rebuild stops with nothing written.
        if (!dialog || !dialog->LoadValues())
            throw RuntimeError(RuntimeError::InvalidProcedureCall, tr("The data record's values could not be read."));
    });
    kept.commit();
    // The record choice is over.
    if (strOperation == QLatin1String("DELETE"))
        cmdDelete->setEnabled(true);
    cmdEdit->setEnabled(true);
    cmdInsertNew->setEnabled(true);
    intSelRecNum = 0;
    Record->clear();
    Record->setEnabled(false);
}
