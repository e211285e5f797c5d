#include "ui/report/reportchart.h"

#include "ui/chart/inflationchartpainter.h"

#include <QPainter>

namespace ui::report {

void paintInvestmentChart(QPainter &painter, const QRectF &rect, const ChartSeries &series)
{
    InflationChartPainter chart(series);
    chart.setColours(InflationChartPainter::Colours::light());
    painter.save();
    chart.paint(painter, rect);
    painter.restore();
}

} // namespace ui::report
