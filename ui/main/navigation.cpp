#include "ui/main/frminvestdata.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "storage/filetable.h"
#include "ui/boxtext.h"
#include "ui/chart/chartwindow.h"
#include "ui/linklabel.h"
#include "ui/portfolio/portfoliowindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace modPlMainMod;

void frmInvestData::cmdFirst_Click()
{
    strNavDirection = QStringLiteral("FIRST");
    NavigateRecs();
    GetRecord();
    LoadParInfoInVars();
    LoadParVarsInLbls();
}

void frmInvestData::cmdPrevious_Click()
{
    strNavDirection = QStringLiteral("PREVIOUS");
    NavigateRecs();
    GetRecord();
    LoadParInfoInVars();
    LoadParVarsInLbls();
}

void frmInvestData::cmdNext_Click()
{
    strNavDirection = QStringLiteral("NEXT");
    NavigateRecs();
    GetRecord();
    LoadParInfoInVars();
    LoadParVarsInLbls();
}

void frmInvestData::cmdLast_Click()
{
    strNavDirection = QStringLiteral("LAST");
    NavigateRecs();
    GetRecord();
    LoadParInfoInVars();
    LoadParVarsInLbls();
}

void frmInvestData::showInvestment(int number)
{
    intInvestRecCount = storage::recordCount(storage::lof(1));
    if (number < 1 || number > intInvestRecCount)
        return;
    // The buttons as First, Previous, Next and Last leave them at that investment.
    intInvestRecNum = number;
    cmdFirst->setEnabled(number > 1);
    cmdPrevious->setEnabled(number > 1);
    cmdNext->setEnabled(number < intInvestRecCount);
    cmdLast->setEnabled(number < intInvestRecCount);
    intFirstRecToShow = 0;
    intPageNum = 1;
    Clearboxes();
    lblPreviousPg->hide();
    GetHistRecs();
    GetRecord();
    LoadParInfoInVars();
    LoadParVarsInLbls();
}

void frmInvestData::NavigateRecs()
{
    intInvestRecCount = storage::recordCount(storage::lof(1));

    if (strNavDirection == QLatin1String("NEXT")) {
        if (intInvestRecNum >= intInvestRecCount)
            return;
        if (!cmdPrevious->isEnabled())
            cmdPrevious->setEnabled(true);
        if (!cmdFirst->isEnabled())
            cmdFirst->setEnabled(true);
        intInvestRecNum += 1;
        if (intInvestRecNum == intInvestRecCount) {
            if (cmdNext->isEnabled())
                cmdNext->setEnabled(false);
            if (cmdLast->isEnabled())
                cmdLast->setEnabled(false);
            cmdPrevious->setFocus();
        }
    }
    if (strNavDirection == QLatin1String("LAST") && intInvestRecNum < intInvestRecCount) {
        if (!cmdPrevious->isEnabled())
            cmdPrevious->setEnabled(true);
        if (!cmdFirst->isEnabled())
            cmdFirst->setEnabled(true);
        intInvestRecNum = intInvestRecCount;
        cmdNext->setEnabled(false);
        cmdLast->setEnabled(false);
        cmdPrevious->setFocus();
    }
    if (strNavDirection == QLatin1String("PREVIOUS")) {
        if (intInvestRecNum <= 1)
            return;
        if (!cmdNext->isEnabled())
            cmdNext->setEnabled(true);
        if (!cmdLast->isEnabled())
            cmdLast->setEnabled(true);
        intInvestRecNum -= 1;
        if (intInvestRecNum == 1) {
            if (cmdPrevious->isEnabled())
                cmdPrevious->setEnabled(false);
            if (cmdFirst->isEnabled())
                cmdFirst->setEnabled(false);
            cmdNext->setFocus();
        }
    }
    if (strNavDirection == QLatin1String("FIRST") && intInvestRecNum > 1) {
        if (!cmdNext->isEnabled())
            cmdNext->setEnabled(true);
        if (!cmdLast->isEnabled())
            cmdLast->setEnabled(true);
        intInvestRecNum = 1;
        cmdPrevious->setEnabled(false);
        cmdFirst->setEnabled(false);
        cmdNext->setFocus();
    }

    // The (new) investment's grid starts on its first page.
    intFirstRecToShow = 0;
    intPageNum = 1;
    Clearboxes();
    lblPreviousPg->hide();
    GetHistRecs();
}

void frmInvestData::GetRecord()
{
    try {
        lblInvestRecNum->setText(QString::number(intInvestRecNum));
        // Position 0 (an empty file) holds no record, like a position past the end.
        if (intInvestRecNum < 1) {
            InvestRec = InvestRecord();
            InvestRec.RecNum = 0;
            return;
        }
        storage::getRecord(1, intInvestRecNum, InvestRec);
    } catch (const RuntimeError &e) {
        platform::showStandardError(e);
    }
}

// A read that found no stored record (past the end of the file, or a damaged record)
// leaves RecNum 0 in InvestRec: no investment is shown, and the position stays the
// one that was read, so the navigation goes on from there.
void frmInvestData::LoadParInfoInVars()
{
    m_blnNoInvestShown = InvestRec.RecNum < 1;
    if (m_blnNoInvestShown) {
        strInvestType.clear();
        strInstitution.clear();
        return;
    }
    intInvestRecNum = InvestRec.RecNum;
    strInvestType = InvestRec.InvestType.text();
    strInstitution = InvestRec.Institution.text();
}

void frmInvestData::LoadParVarsInLbls()
{
    ChartWindow::mainWindowChanged();
    PortfolioWindow::mainWindowChanged();
    lblInvestRecNum->setText(m_blnNoInvestShown ? QString() : QString::number(intInvestRecNum));
    ui::setBoxText(txtInvestment, strInvestType);
    ui::setBoxText(txtInstitution, strInstitution);
}
