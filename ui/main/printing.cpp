// Printing the page of the grid that is on screen.
#include "ui/main/frminvestdata.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/locale.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "storage/filetable.h"

#include <QLabel>

using namespace modPlMainMod;
using platform::LocaleServices;
using platform::PrintLine;

namespace {

// Heading line 2, the rows and the page line start with this lead-in, so "Record"
// and the record numbers begin in the same column.
const QString LeadIn = QStringLiteral("  ");

} // namespace

void frmInvestData::cmdPrint_Click()
{
    platform::Printer &printer = platform::Printer::instance();
    if (!printer.showPrintDialog(QStringLiteral("Print Investment Data History"), this)) {
        platform::msgBox(QStringLiteral("Printout has been canceled"), platform::MsgIcon::Exclamation);
        return;
    }
    try {
        // The first record of the page on screen; the pass calculates the ones before
        // it without printing them.
        intPageFirstRec = intHistCounter - (intRowNum - 1);
        intFirstRecToShow = intPageFirstRec;
        intHistCounter = 1;
        storage::close(2);
        storage::close(5);
        m_blnPageFileOpen = false;
        blnPrintMode = true;
        PrintHeadings();
        ResetCalcState();
        PreRecLoop();
        printer.printLine(QString());
        printer.printLine(PrintLine().text(LeadIn).text(QStringLiteral("Pg ")).text(lblPageNum->text()).line());
        printer.endDoc();
        blnPrintMode = false;
    } catch (const RuntimeError &error) {
        blnPrintMode = false;
        printer.killDoc();
        platform::showStandardError(error);
    } catch (const std::exception &error) {
        blnPrintMode = false;
        printer.killDoc();
        platform::showStandardError(51, QString::fromLocal8Bit(error.what()));
    }
}

void frmInvestData::PrintHeadings()
{
    platform::Printer &printer = platform::Printer::instance();
    printer.printLine(QString());
    printer.printLine(QString());
    printer.printLine(PrintLine()
                          .zone(2)
                          .text(QStringLiteral("Investment Record "))
                          .number(static_cast<long long>(intInvestRecNum))
                          .text(QStringLiteral(":  "))
                          .text(strInvestType)
                          .text(QStringLiteral("  "))
                          .text(strInstitution)
                          .line());
    printer.printLine(QString());
    printer.printLine(PrintLine()
                          .zone(3)
                          .text(QStringLiteral("Original"))
                          .zone(4)
                          .text(QStringLiteral("Current"))
                          .zone(6)
                          .text(QStringLiteral("Profit/"))
                          .zone(7)
                          .text(QStringLiteral("Inflation"))
                          .zone(8)
                          .text(QStringLiteral("Loss To"))
                          .zone(9)
                          .text(QStringLiteral("Current"))
                          .zone(10)
                          .text(QStringLiteral("Profit/"))
                          .line());
    printer.printLine(PrintLine()
                          .text(LeadIn)
                          .text(QStringLiteral("Record"))
                          .zone(2)
                          .text(QStringLiteral("Date"))
                          .zone(3)
                          .text(QStringLiteral("Amount"))
                          .zone(4)
                          .text(QStringLiteral("Amount"))
                          .zone(5)
                          .text(QStringLiteral("Inc/Dec"))
                          .zone(6)
                          .text(QStringLiteral("Loss"))
                          .zone(7)
                          .text(QStringLiteral("Rate (%)"))
                          .zone(8)
                          .text(QStringLiteral("Inflation"))
                          .zone(9)
                          .text(QStringLiteral("Amnt AFI"))
                          .zone(10)
                          .text(QStringLiteral("Loss AFI"))
                          .line());
    printer.printLine(QString());
}

void frmInvestData::PrintCalcs()
{
    const QString date = LocaleServices::shortDate(dtmRecDate);
    const QString originalAmount = LocaleServices::currencyFormat(curOriginalAmount);
    const QString currentAmount = LocaleServices::currencyFormat(curCurrentAmount);
    const QString incDec = LocaleServices::currencyFormat(curIncDec);
    const QString profitLoss = LocaleServices::currencyFormat(curProfitLoss);
    const QString lossToInfl = LocaleServices::currencyFormat(curLossToInfl);
    const QString curAmntAFI = LocaleServices::currencyFormat(curCurAmntAFI);
    const QString profLossAFI = LocaleServices::currencyFormat(curProfLossAFI);

    // Each value goes to the next zone, so one wider than its zone pushes the rest along.
    platform::Printer::instance().printLine(PrintLine()
                                                .text(LeadIn)
                                                .number(static_cast<long long>(intHistCounter))
                                                .nextZone()
                                                .text(date)
                                                .nextZone()
                                                .text(originalAmount)
                                                .nextZone()
                                                .text(currentAmount)
                                                .nextZone()
                                                .text(incDec)
                                                .nextZone()
                                                .text(profitLoss)
                                                .nextZone()
                                                .number(singleToText(sngInflRate))
                                                .nextZone()
                                                .text(lossToInfl)
                                                .nextZone()
                                                .text(curAmntAFI)
                                                .nextZone()
                                                .text(profLossAFI)
                                                .line());
}
