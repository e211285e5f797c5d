#pragma once

#include "core/chartseries.h"

#include <QRectF>

class QPainter;

namespace render {

// The investment's inflation chart, drawn into `rect` of a report page in the light colours of
// paper; `series` carries the investment's number and texts.
void paintInvestmentChart(QPainter &painter, const QRectF &rect, const ChartSeries &series);

} // namespace render
