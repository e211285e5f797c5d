#include "ui/main/frminvestdata.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/locale.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "ui/boxtext.h"
#include "ui/chart/chartwindow.h"
#include "ui/dialogs/frmneweditdata.h"
#include "ui/linklabel.h"
#include "ui/maskededit.h"
#include "ui/portfolio/portfoliowindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

using namespace modPlMainMod;

void frmInvestData::PrepGetHistRecs()
{
    intPageNum = 1;
    intFirstRecToShow = 0;
    ResetCalcState();
    lblPreviousPg->hide();
    lblNextPg->show();
}

void frmInvestData::GetHistRecs()
{
    ChartWindow::mainWindowChanged();
    PortfolioWindow::mainWindowChanged();
    m_blnPassFailed = false;
    try {
        ResetCalcState();
        // The page file may still be open from the pass before.
        storage::close(5);
        m_blnPageFileOpen = false;

        storage::open(2, storage::programFile(storage::HistFileName), storage::OpenMode::Input);
        storage::open(5, storage::programFile(storage::PageFileName), storage::OpenMode::Output);
        intHistCounter = 1;
        while (!storage::eof(2)) {
            storage::inputHistRecord(2);
            if (intHistInvestNum == intInvestRecNum)
                storage::writeHistRecord(5);
        }
        storage::close(2);
        storage::close(5);
    } catch (const RuntimeError &e) {
        // Both files are closed before the report, so the next pass can open them again.
        storage::discard(2);
        storage::discard(5);
        m_blnPassFailed = true;
        if (e.number() == RuntimeError::FileNotFound) {
            lblNextPg->hide(); // no history yet
            return;
        }
        platform::showStandardError(e);
        return;
    }
    PreRecLoop();
}

void frmInvestData::PreRecLoop()
{
    try {
        storage::open(5, storage::programFile(storage::PageFileName), storage::OpenMode::Input);
    } catch (const RuntimeError &e) {
        m_blnPassFailed = true;
        platform::showStandardError(e);
        return;
    }
    GetRecLoop();
}

void frmInvestData::GetRecLoop()
{
    try {
        intRowNum = 1;
        for (;;) {
            if (storage::eof(5)) {
                storage::close(5);
                m_blnPageFileOpen = false;
                ResetCalcState();
                lblNextPg->hide();
                lblPageNum->setText(QString::number(intPageNum));
                return;
            }
            if (intRowNum > GridRows) {
                // The page is full and more records follow: the file stays open at the next one.
                m_blnPageFileOpen = true;
                if (lblNextPg->isHidden())
                    lblNextPg->show();
                lblPageNum->setText(QString::number(intPageNum));
                return;
            }
            storage::inputHistRecord(5);
            if (intHistCounter < intFirstRecToShow) {
                CalculateRecord();
            } else {
                if (intHistCounter == 1)
                    curPrevAmount = Currency();
                CalculateRecord();
                if (blnPrintMode)
                    PrintCalcs();
                else
                    DisplayCalcs();
                intRowNum += 1;
            }
            intHistCounter += 1;
        }
    } catch (const RuntimeError &e) {
        // Closed here too, so the next pass can open the page file again.
        storage::discard(5);
        m_blnPageFileOpen = false;
        m_blnPassFailed = true;
        if (e.number() == RuntimeError::FileNotFound) {
            platform::msgBox(tr("Investment Data History information cannot be displayed\r\n"
                                "because the Data History file doesn't exist yet.\r\n"
                                "(No information has been entered.)"),
                             platform::MsgIcon::Exclamation);
        } else {
            platform::showStandardError(e);
        }
    }
}

void frmInvestData::DisplayCalcs()
{
    try {
        const int i = intRowNum - 1;
        if (i < 0 || i >= GridRows)
            throw RuntimeError(9, QCoreApplication::translate("RuntimeError", "Subscript out of range"));
        ui::setBoxText(txtRecordNumber[i], QString::number(intHistCounter));
        ui::setBoxText(txtDate[i], platform::LocaleServices::shortDate(dtmRecDate));
        metOriginalAmount[i]->setPlainText(curOriginalAmount.toPlainString());
        metCurrentAmount[i]->setPlainText(curCurrentAmount.toPlainString());
        metIncDec[i]->setPlainText(curIncDec.toPlainString());
        metProfitLoss[i]->setPlainText(curProfitLoss.toPlainString());
        ui::setBoxText(txtInflRate[i], singleToText(sngInflRate));
        metLossToInfl[i]->setPlainText(curLossToInfl.toPlainString());
        metCurAmntAFI[i]->setPlainText(curCurAmntAFI.toPlainString());
        metProfLossAFI[i]->setPlainText(curProfLossAFI.toPlainString());
    } catch (const RuntimeError &e) {
        platform::showStandardError(e);
    }
}

void frmInvestData::Clearboxes()
{
    try {
        for (int i = 0; i < GridRows; ++i) {
            txtRecordNumber[i]->clear();
            txtDate[i]->clear();
            metOriginalAmount[i]->setPlainText(QString());
            metCurrentAmount[i]->setPlainText(QString());
            metIncDec[i]->setPlainText(QString());
            metProfitLoss[i]->setPlainText(QString());
            txtInflRate[i]->clear();
            metLossToInfl[i]->setPlainText(QString());
            metCurAmntAFI[i]->setPlainText(QString());
            metProfLossAFI[i]->setPlainText(QString());
        }
    } catch (const RuntimeError &e) {
        platform::showStandardError(e);
    }
}

void frmInvestData::lblNextPg_Click()
{
    if (lblPreviousPg->isHidden())
        lblPreviousPg->show();
    intPageNum += 1;
    Clearboxes();
    GetRecLoop();
}

void frmInvestData::lblPreviousPg_Click()
{
    if (intPageNum <= 2)
        lblPreviousPg->hide();
    if (lblNextPg->isHidden())
        lblNextPg->show();
    intPageFirstRec = intHistCounter - (intRowNum - 1);
    intPrevPageFirstRec = intPageFirstRec - GridRows;
    intFirstRecToShow = intPrevPageFirstRec;
    intPageNum -= 1;
    intHistCounter = 1;
    storage::close(5);
    m_blnPageFileOpen = false;
    ResetCalcState();
    Clearboxes();
    PreRecLoop();
}

// The reload after a data record was added, edited or inserted shows the page that was
// on screen, computed again from the investment's first record; when that page has no
// records any more, the last page. Rows, page number and links then agree.
void frmInvestData::ReloadShownPage()
{
    int page = intPageNum < 1 ? 1 : int(intPageNum);
    for (int attempt = 0; attempt < 2; ++attempt) {
        intPageNum = page;
        intFirstRecToShow = page > 1 ? (page - 1) * GridRows + 1 : 0;
        Clearboxes();
        lblPreviousPg->setVisible(page > 1);
        GetHistRecs();
        if (page == 1 || m_blnPassFailed || !txtRecordNumber[0]->text().isEmpty())
            break;
        const int records = intHistCounter - 1;
        page = records > 0 ? (records - 1) / GridRows + 1 : 1;
    }
    if (m_blnPassFailed && intPageNum > 1) {
        // Nothing could be shown: back to an empty first page.
        intPageNum = 1;
        intFirstRecToShow = 0;
        lblPreviousPg->hide();
        lblNextPg->hide();
        lblPageNum->setText(QString::number(intPageNum));
    }
}

void frmInvestData::LoadInfoInNEDText()
{
    frmNewEditData *dialog = frmNewEditData::instance();
    if (!dialog)
        dialog = frmNewEditData::Load();
    if (!dialog)
        return;
    if (dialog->txtDate)
        ui::setBoxText(dialog->txtDate, platform::LocaleServices::shortDate(dtmRecDate));
    if (dialog->metOriginalAmount)
        dialog->metOriginalAmount->setPlainText(curOriginalAmount.toPlainString());
    if (dialog->txtInflRate)
        ui::setBoxText(dialog->txtInflRate, singleToText(sngInflRate));
    if (dialog->metCurrentAmount)
        dialog->metCurrentAmount->setPlainText(curCurrentAmount.toPlainString());
}
