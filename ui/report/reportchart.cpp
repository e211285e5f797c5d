#include "ui/report/reportchart.h"

#include <QPainter>

namespace ui::report {

void paintInvestmentChart(QPainter &painter, const QRectF &rect, int investment)
{
    // CHART GOES HERE: the inflation chart's painter (ui/chart) draws into `rect` once it is
    // merged. Until then the place it takes is only framed.
    Q_UNUSED(investment);
    painter.save();
    painter.setPen(QPen(Qt::lightGray, 0));
    painter.drawRect(rect);
    painter.restore();
}

} // namespace ui::report
