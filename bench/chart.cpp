// The chart of the shown investment: its data pass over the whole history and one paint at
// a window's size, compared with the grid's reload of the same folder.
#include "benchsupport.h"

#include "core/plmainmod.h"
#include "render/chart/inflationchartpainter.h"
#include "storage/chartload.h"
#include "storage/datafolder.h"

#include <QImage>
#include <QPainter>

#include <memory>

namespace bench {

namespace {

std::unique_ptr<QImage> g_canvas;

void chartPassAndPaint(long long lines)
{
    ChartSeries series =
        storage::loadChartSeries(storage::programFile(storage::HistFileName), modPlMainMod::intInvestRecNum);
    series.setInvestment(modPlMainMod::intInvestRecNum, modPlMainMod::strInvestType, modPlMainMod::strInstitution);
    if ((long long)series.size() != shownRecords(lines))
        die("the chart's pass did not read every record of the investment");
    InflationChartPainter painter(series);
    QPainter p(g_canvas.get());
    painter.paint(p, QRectF(g_canvas->rect()));
}

} // namespace

Operation chartOperation()
{
    return {"chart", "grid reload",
            [](long long lines) {
                loadWindow(workFolder(lines));
                // The size of the chart in its window, at the screen's 96 dots per inch.
                g_canvas = std::make_unique<QImage>(800, 480, QImage::Format_ARGB32_Premultiplied);
                g_canvas->setDotsPerMeterX(3780);
                g_canvas->setDotsPerMeterY(3780);
            },
            chartPassAndPaint, nullptr};
}

} // namespace bench
