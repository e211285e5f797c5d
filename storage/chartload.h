#pragma once

#include "core/chartseries.h"
#include "core/returns.h"
#include "core/runtimeerror.h"
#include "storage/historypass.h"

#include <QString>

namespace storage {

// A line of the history that stopped the pass.
struct ChartLoadError
{
    QString file;
    long long line = 0; // 0 when the file could not be opened
    RuntimeError error;
};

// The investment's records in file order with the figures the grid computes for them. A
// missing history gives no points; a damaged line raises ChartLoadError. The shared state
// is as it was afterwards. `returns`, when given, gets the investment's returns from the same
// pass (no records: none can be given).
ChartSeries loadChartSeries(const QString &historyPath, int investment, InvestmentReturns *returns = nullptr);

// One record of a pass as the chart keeps it.
ChartPoint chartPoint(const RecordFigures &figures);

} // namespace storage
