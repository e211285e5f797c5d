#pragma once

#include "core/chartseries.h"
#include "core/returns.h"
#include "storage/investrecords.h"
#include "storage/toolguard.h"

#include <QString>

#include <vector>

namespace storage {

// What every investment of a data folder came to, from one pass over its history: each
// investment's returns, those of all of them, and the amounts of all of them over time.
struct Portfolio
{
    std::vector<InvestmentInfo> investments;
    std::vector<InvestmentReturns> returns; // one per investment, in the same order
    PortfolioReturns all;
    // At each date a record of some investment falls on: the sum of every investment's latest
    // current amount and of its latest adjusted amount (the records the calculation counts).
    ChartSeries overTime;
    UnownedLines unowned;
};

// Reads the investment file and the history of the program folder once. `series` deflates the
// flows of all investments (nullptr: no real figure for them). A damaged line raises
// HistoryPassError, an unreadable file RuntimeError; a missing history has no records.
Portfolio readPortfolio(const PriceIndex *series);

} // namespace storage
