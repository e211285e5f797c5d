// The investment and data record commands, and the choice of a data record from the
// Record list.
#include "ui/main/frminvestdata.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "storage/filetable.h"
#include "storage/rewrites.h"
#include "ui/dialogs/frminvestentry.h"
#include "ui/dialogs/frmneweditdata.h"

#include <QComboBox>
#include <QPushButton>

using namespace modPlMainMod;

void frmInvestData::OpenDialog(const std::function<QWidget *()> &load)
{
    setEnabled(false);
    QWidget *dialog = nullptr;
    try {
        dialog = load();
    } catch (...) {
        setEnabled(true);
        throw;
    }
    // A dialog that could not go on has given the window back already.
    if (!dialog)
        setEnabled(true);
}

// ---- Investment commands

void frmInvestData::cmdAddNewRec_Click()
{
    try {
        intInvestRecCount = storage::recordCount(storage::lof(1));
        intInvestRecNum = intInvestRecCount + 1;
        strOperation = QStringLiteral("ADDNEWREC");
        OpenDialog([] { return frmInvestEntry::Load(); });
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
    }
}

void frmInvestData::cmdEditRec_Click()
{
    try {
        strOperation = QStringLiteral("EDITREC");
        OpenDialog([] { return frmInvestEntry::Load(); });
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
    }
}

// ---- Data record commands

void frmInvestData::cmdAddNew_Click()
{
    try {
        strOperation = QStringLiteral("ADDNEW");
        OpenDialog([] { return frmNewEditData::Load(); });
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
    }
}

void frmInvestData::cmdInsertNew_Click()
{
    StartRecChoice(QStringLiteral("INSERT"));
}

void frmInvestData::cmdEdit_Click()
{
    StartRecChoice(QStringLiteral("EDIT"));
}

void frmInvestData::cmdDelete_Click()
{
    StartRecChoice(QStringLiteral("DELETE"));
}

void frmInvestData::StartRecChoice(const QString &operation)
{
    try {
        // All of the investment's records, not only those up to the page shown.
        m_intRecordCount = intInvestRecNum >= 1 ? storage::countHistRecords(intInvestRecNum) : 0;
        if (m_intRecordCount == 0) {
            NoDataRecsMessg();
            return;
        }
        strOperation = operation;
        // A choice left pending by another command starts afresh.
        Record->clear();
        AddInRecList();
        // Nothing is chosen until the user picks an item.
        Record->setCurrentIndex(-1);
        DisableRecButtons();
        Record->setFocus();
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
    }
}

void frmInvestData::AddInRecList()
{
    Record->setEnabled(true);
    for (int n = 1; n <= m_intRecordCount; ++n)
        Record->addItem(QString::number(n));
}

void frmInvestData::DisableRecButtons()
{
    cmdDelete->setEnabled(false);
    cmdEdit->setEnabled(false);
    cmdInsertNew->setEnabled(false);
}

void frmInvestData::ResetRecChoice()
{
    cmdDelete->setEnabled(true);
    cmdEdit->setEnabled(true);
    cmdInsertNew->setEnabled(true);
    intSelRecNum = 0;
    Record->clear();
    Record->setEnabled(false);
}

void frmInvestData::Record_Click()
{
    const int position = Record->currentIndex();
    if (position < 0)
        return;
    try {
        if (strOperation == QLatin1String("DELETE")) {
            if (platform::confirmDelete(tr("Are you sure you want to delete this data record?")) !=
                platform::MsgResult::Yes) {
                ResetRecChoice();
                return;
            }
            intSelRecNum = position + 1;
            try {
                CreateTwoFiles();
                CreateHistFile();
            } catch (const RuntimeError &error) {
                // The history is as it was; the choice ends and the grid is shown again.
                platform::showStandardError(error);
                ResetRecChoice();
            }
            Clearboxes();
            PrepGetHistRecs();
            GetHistRecs();
        } else if (strOperation == QLatin1String("EDIT")) {
            intSelRecNum = position + 1;
            OpenDialog([] { return frmNewEditData::Load(); });
        } else if (strOperation == QLatin1String("INSERT")) {
            intSelRecNum = position + 1;
            if (intSelRecNum >= Record->count()) {
                platform::msgBox(tr("You cannot insert a new record after the last one.\r\n"
                                    "Click on 'Add New' to add a new record to the end of the file."),
                                 platform::MsgIcon::Exclamation, platform::MsgButtons::OK, tr("New Record"));
                ResetRecChoice();
                return;
            }
            OpenDialog([] { return frmNewEditData::Load(); });
        }
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
    }
}

void frmInvestData::NoDataRecsMessg()
{
    platform::msgBox(tr("There are no data records under this investment to perform operations on.\r\n"
                        "If you want to create a data record, click on the 'Add New' button under "
                        "the data grid."),
                     platform::MsgIcon::Exclamation, platform::MsgButtons::OK, tr("No Data Records"));
}
