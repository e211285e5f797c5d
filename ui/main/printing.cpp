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
    if (!printer.showPrintDialog(tr("Print Investment Data History"), this)) {
        platform::msgBox(tr("Printout has been canceled"), platform::MsgIcon::Exclamation);
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
        //: Printed under the rows: "Pg" = page, %1 the number of the grid page printed
        printer.printLine(PrintLine().text(LeadIn).text(tr("Pg %1").arg(lblPageNum->text())).line());
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
    //: Printed title: %1 the investment's number with a blank each side, %2 its type, %3 its institution
    const QString title =
        tr("Investment Record %1:  %2  %3")
            .arg(PrintLine().number(static_cast<long long>(intInvestRecNum)).line(), strInvestType, strInstitution);
    // The headings only the printout has; the others are the grid's.
    //: Printed column heading, top line of "Profit/Loss" and of "Profit/Loss AFI"
    const QString profitTop = tr("Profit/");
    //: Printed column heading: the data record's number
    const QString record = tr("Record");
    //: Printed column heading, bottom line of "Profit/Loss"
    const QString loss = tr("Loss");
    //: Printed column heading under "Current": amount adjusted for inflation
    const QString amountAFI = tr("Amnt AFI");
    //: Printed column heading under "Profit/": loss adjusted for inflation
    const QString lossAFI = tr("Loss AFI");

    platform::Printer &printer = platform::Printer::instance();
    printer.printLine(QString());
    printer.printLine(QString());
    printer.printLine(PrintLine().zone(2).text(title).line());
    printer.printLine(QString());
    printer.printLine(PrintLine()
                          .zone(3)
                          .text(tr("Original"))
                          .zone(4)
                          .text(tr("Current"))
                          .zone(6)
                          .text(profitTop)
                          .zone(7)
                          .text(tr("Inflation"))
                          .zone(8)
                          .text(tr("Loss To"))
                          .zone(9)
                          .text(tr("Current"))
                          .zone(10)
                          .text(profitTop)
                          .line());
    printer.printLine(PrintLine()
                          .text(LeadIn)
                          .text(record)
                          .zone(2)
                          .text(tr("Date"))
                          .zone(3)
                          .text(tr("Amount"))
                          .zone(4)
                          .text(tr("Amount"))
                          .zone(5)
                          .text(tr("Inc/Dec"))
                          .zone(6)
                          .text(loss)
                          .zone(7)
                          .text(tr("Rate (%)"))
                          .zone(8)
                          .text(tr("Inflation"))
                          .zone(9)
                          .text(amountAFI)
                          .zone(10)
                          .text(lossAFI)
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
