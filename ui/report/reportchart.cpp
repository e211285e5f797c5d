#include "ui/report/reportchart.h"

#include "storage/chartload.h"
#include "storage/datafolder.h"
#include "storage/historypass.h"
#include "ui/chart/inflationchartpainter.h"

#include <QPainter>

namespace ui::report {

void paintInvestmentChart(QPainter &painter, const QRectF &rect, int investment, const QString &type,
                          const QString &institution)
{
    ChartSeries series;
    try {
        series = storage::loadChartSeries(storage::programFile(storage::HistFileName), investment);
    } catch (const storage::ChartLoadError &failure) {
        throw storage::HistoryPassError{failure.file, failure.line, failure.error};
    }
    series.setInvestment(investment, type, institution);
    InflationChartPainter chart(series);
    chart.setColours(InflationChartPainter::Colours::light());
    painter.save();
    chart.paint(painter, rect);
    painter.restore();
}

} // namespace ui::report
