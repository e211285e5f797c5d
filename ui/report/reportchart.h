#pragma once

#include <QRectF>

class QPainter;

namespace ui::report {

// The investment's chart in `rect` of a report page.
void paintInvestmentChart(QPainter &painter, const QRectF &rect, int investment);

} // namespace ui::report
