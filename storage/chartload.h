#pragma once

#include "core/chartseries.h"
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
// is as it was afterwards.
ChartSeries loadChartSeries(const QString &historyPath, int investment);

// One record of a pass as the chart keeps it.
ChartPoint chartPoint(const RecordFigures &figures);

} // namespace storage
