#pragma once

#include "core/returns.h"
#include "core/valuetypes.h"
#include "storage/historypass.h"

#include <QList>
#include <QString>
#include <functional>
#include <map>
#include <vector>

namespace storage {

// What one investment's records come to: the first and last of its history and the sum of
// what inflation took.
struct InvestmentSummary
{
    int investment = 0;
    QString type;        // trailing padding removed
    QString institution; // trailing padding removed
    int records = 0;
    // Some record had both amounts above 0. The amounts and figures below come from the last
    // of those (a skipped record computes nothing), so they add up as in the grid's row:
    // lastCurrent - lastOriginal = profitLoss, lastAFI - lastOriginal = lastProfitLossAFI.
    bool hasFigures = false;
    Date firstDate;
    Date lastDate;
    Currency lastOriginal;
    Currency lastCurrent;
    Currency profitLoss; // the last record's profit or loss, as the grid shows it
    Currency lastAFI;
    Currency lastProfitLossAFI;
    // Loss to inflation summed over the records that computed it; a figure carried from an
    // earlier record counts once, where it was computed.
    Currency lossToInflation;
    // The same losses by the calendar year of the record's date; a year without a computed
    // record has no entry.
    std::map<int, Currency> lossByYear;

    void add(const RecordFigures &figures);
};

struct ReportTotals
{
    int investments = 0;
    int records = 0;
    Currency lastOriginal;
    Currency lastCurrent;
    Currency profitLoss;
    Currency lastAFI;
    Currency lastProfitLossAFI;
    Currency lossToInflation;
    std::map<int, Currency> lossByYear; // every investment's, year by year

    void add(const InvestmentSummary &summary);
};

struct ReportSummary
{
    QList<InvestmentSummary> investments;
    std::vector<InvestmentReturns> returns; // one per investment, in the same order
    ReportTotals totals;
};

// Summarises investment `investment` of the program folder, or every investment when it is
// 0, in one pass over the history. A damaged history line raises HistoryPassError, a
// damaged or missing investment file RuntimeError. A missing history is a history without
// records. Only reads.
// `each`, when given, also sees every record of the pass with its investment's summary so far.
ReportSummary
summarizeInvestments(int investment,
                     const std::function<void(const InvestmentSummary &, const RecordFigures &)> &each = nullptr);

// Number of investments in the program folder's investment file (0 when there is none).
int investmentCount();

// Type and institution of investment `investment` (trailing padding removed), read from the
// investment file; raises as summarizeInvestments does.
InvestmentSummary investmentNames(int investment);

} // namespace storage
