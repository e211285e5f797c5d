#include "render/report/reportchart.h"

#include "render/chart/inflationchartpainter.h"

#include <QPainter>

namespace render {

void paintInvestmentChart(QPainter &painter, const QRectF &rect, const ChartSeries &series)
{
    InflationChartPainter chart(series);
    chart.setColours(InflationChartPainter::Colours::light());
    painter.save();
    chart.paint(painter, rect);
    painter.restore();
}

} // namespace render
