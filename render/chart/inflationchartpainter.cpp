#include "render/chart/inflationchartpainter.h"

#include "render/chart/chartsizes.h"

#include "platform/locale.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <cmath>

using chartaxes::DateUnit;

namespace {

using namespace chartsizes;

QFont chartFont(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    // No ligatures, so the text of a PDF page reads and searches as typed ("fl" stays two letters).
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Fonts are measured on an image of the target's resolution, never on the screen.
QFontMetricsF metricsAt(const QFont &font, qreal dpi)
{
    static QImage probe;
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    if (probe.isNull())
        probe = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
    if (probe.dotsPerMeterX() != dotsPerMeter || probe.dotsPerMeterY() != dotsPerMeter) {
        probe.setDotsPerMeterX(dotsPerMeter);
        probe.setDotsPerMeterY(dotsPerMeter);
    }
    return QFontMetricsF(font, &probe);
}

qreal deviceDpi(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    return device && device->logicalDpiY() > 0 ? qreal(device->logicalDpiY()) : 96.0;
}

enum class Swatch { SolidLine, DashedLine, Band, HollowMarker, SkipMark };

struct LegendEntry
{
    QString text;
    Swatch swatch;
    QColor colour;
    QColor edge = QColor(); // a band swatch's outline, so a pale fill still shows
};

std::vector<LegendEntry> legendEntries(const ChartSeries &series, const InflationChartPainter::Colours &c)
{
    std::vector<LegendEntry> entries{
        {QCoreApplication::translate("Chart", "Current Amount"), Swatch::SolidLine, c.current},
        //: AFI = adjusted for inflation
        {QCoreApplication::translate("Chart", "Current Amount AFI"), Swatch::SolidLine, c.afi},
        {QCoreApplication::translate("Chart", "Original Amount"), Swatch::DashedLine, c.original}};
    if (series.lossRecords() > 0)
        entries.push_back({QCoreApplication::translate("Chart", "Lost to inflation"), Swatch::Band, c.band, c.afi});
    if (series.gainRecords() > 0)
        entries.push_back(
            {QCoreApplication::translate("Chart", "Gained from falling prices"), Swatch::Band, c.gainBand, c.gain});
    bool carried = false;
    bool skipped = false;
    const std::vector<ChartPoint> &points = series.points();
    for (std::size_t i = 0; i < points.size(); ++i) {
        carried = carried || (points[i].state == PointState::Carried && series.hasAfi(i));
        skipped = skipped || points[i].state == PointState::Skipped;
    }
    if (carried)
        //: AFI = adjusted for inflation
        entries.push_back({QCoreApplication::translate("Chart", "AFI carried (no rate)"), Swatch::HollowMarker, c.afi});
    if (skipped)
        entries.push_back({QCoreApplication::translate("Chart", "Skipped record"), Swatch::SkipMark, c.skipped});
    return entries;
}

} // namespace

// ---- Colours -------------------------------------------------------------------------------

InflationChartPainter::Colours InflationChartPainter::Colours::light()
{
    Colours c;
    c.background = Qt::white;
    c.text = QColor(20, 20, 20);
    c.grid = QColor(222, 222, 222);
    c.current = QColor(0, 114, 178);
    c.afi = QColor(204, 102, 0); // at least 3 : 1 on white, as a line must be to be seen
    c.original = QColor(110, 110, 110);
    c.band = QColor(204, 102, 0, 56);
    c.gain = QColor(0, 140, 100);
    c.gainBand = QColor(0, 140, 100, 56);
    c.skipped = QColor(200, 30, 30);
    return c;
}

InflationChartPainter::Colours InflationChartPainter::Colours::dark()
{
    Colours c;
    c.background = QColor(30, 30, 32);
    c.text = QColor(232, 232, 232);
    c.grid = QColor(70, 70, 74);
    c.current = QColor(86, 180, 233);
    c.afi = QColor(240, 170, 40);
    c.original = QColor(170, 170, 170);
    c.band = QColor(240, 170, 40, 64);
    c.gain = QColor(0, 190, 140);
    c.gainBand = QColor(0, 190, 140, 64);
    c.skipped = QColor(255, 110, 110);
    return c;
}

InflationChartPainter::Colours InflationChartPainter::Colours::forPalette(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    Colours c = base.lightness() < 128 ? dark() : light();
    c.background = base;
    c.text = palette.color(QPalette::Text);
    return c;
}

// ---- Geometry ------------------------------------------------------------------------------

qreal InflationChartPainter::Geometry::xOf(double serial) const
{
    const double span = dates.range.span();
    return plot.left() + (span > 0 ? (serial - dates.range.min) / span : 0.5) * plot.width();
}

qreal InflationChartPainter::Geometry::yOf(double amount) const
{
    const double span = amounts.range.span();
    return plot.bottom() - (span > 0 ? (amount - amounts.range.min) / span : 0.5) * plot.height();
}

double InflationChartPainter::Geometry::serialAt(qreal x) const
{
    if (plot.width() <= 0)
        return dates.range.min;
    return dates.range.min + (x - plot.left()) / plot.width() * dates.range.span();
}

InflationChartPainter::InflationChartPainter(const ChartSeries &series) : m_series(series) {}

QString InflationChartPainter::sentenceFor(ChartSeries::Emptiness emptiness)
{
    switch (emptiness) {
    case ChartSeries::Emptiness::NoRecords:
        return QCoreApplication::translate("Chart",
                                           "This investment has no data records yet, so there is nothing to draw. "
                                           "Add a record with Add New under the grid.");
    case ChartSeries::Emptiness::NoAmounts:
        return QCoreApplication::translate("Chart", "No data record of this investment has both amounts above 0, "
                                                    "so there is nothing to draw.");
    case ChartSeries::Emptiness::NoAfi:
        return QCoreApplication::translate("Chart", "No inflation rate has been entered for this investment yet, "
                                                    "so there is no amount adjusted for inflation to draw.");
    case ChartSeries::Emptiness::None:
        break;
    }
    return QString();
}

QString InflationChartPainter::emptySentence() const
{
    if (!m_message.isEmpty())
        return m_message;
    return sentenceFor(m_series.emptiness());
}

QString InflationChartPainter::title() const
{
    return m_series.caption();
}

QStringList InflationChartPainter::legendTexts() const
{
    QStringList texts;
    for (const LegendEntry &entry : legendEntries(m_series, m_colours))
        texts << entry.text;
    return texts;
}

QString InflationChartPainter::amountLabel(double amount)
{
    return platform::LocaleServices::displayFormat(Currency::fromDouble(amount).toPlainString());
}

QString InflationChartPainter::dateLabel(const chartaxes::DateTick &tick, DateUnit unit)
{
    switch (unit) {
    case DateUnit::Month:
        return platform::LocaleServices::locale().monthName(tick.month, QLocale::ShortFormat) + QLatin1Char(' ') +
               QString::number(tick.year);
    case DateUnit::Quarter:
        //: A quarter on the date axis: %1 the quarter (1 to 4), %2 the year
        return QCoreApplication::translate("Chart", "Q%1 %2").arg((tick.month - 1) / 3 + 1).arg(tick.year);
    case DateUnit::Year:
        break;
    }
    return QString::number(tick.year);
}

// ---- Header: title and legend --------------------------------------------------------------

qreal InflationChartPainter::paintHeader(QPainter *painter, const QRectF &target, qreal pt) const
{
    const qreal dpi = pt * 72;
    const QFont titleFont = chartFont(TitleSize, true);
    const QFontMetricsF titleMetrics = metricsAt(titleFont, dpi);
    qreal y = target.top() + Margin * pt;
    const qreal width = target.width() - 2 * Margin * pt;
    if (painter) {
        painter->setFont(titleFont);
        painter->setPen(m_colours.text);
        const QString text = titleMetrics.elidedText(title(), Qt::ElideRight, width);
        painter->drawText(QRectF(target.left() + Margin * pt, y, width, titleMetrics.height()),
                          Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    y += titleMetrics.height() + 3 * pt;
    if (!emptySentence().isEmpty())
        return y;

    const QFont font = chartFont(TextSize);
    const QFontMetricsF metrics = metricsAt(font, dpi);
    const std::vector<LegendEntry> entries = legendEntries(m_series, m_colours);
    const qreal swatchWidth = 18 * pt;
    const qreal rowHeight = metrics.height() + 2 * pt;
    qreal x = target.left() + Margin * pt;
    const qreal right = target.right() - Margin * pt;
    if (painter)
        painter->setFont(font);
    for (const LegendEntry &entry : entries) {
        const qreal itemWidth = swatchWidth + 4 * pt + metrics.horizontalAdvance(entry.text) + 12 * pt;
        if (x + itemWidth - 12 * pt > right && x > target.left() + Margin * pt) {
            x = target.left() + Margin * pt;
            y += rowHeight;
        }
        if (painter) {
            const qreal mid = y + rowHeight / 2;
            switch (entry.swatch) {
            case Swatch::SolidLine:
            case Swatch::DashedLine:
                painter->setPen(QPen(entry.colour, LineWidth * pt,
                                     entry.swatch == Swatch::DashedLine ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap));
                painter->drawLine(QPointF(x, mid), QPointF(x + swatchWidth, mid));
                break;
            case Swatch::Band:
                painter->setPen(QPen(entry.edge, 1 * pt));
                painter->setBrush(entry.colour);
                painter->drawRect(QRectF(x, mid - 4 * pt, swatchWidth, 8 * pt));
                painter->setBrush(Qt::NoBrush);
                break;
            case Swatch::HollowMarker:
                painter->setPen(QPen(entry.colour, 1.2 * pt));
                painter->setBrush(m_colours.background);
                painter->drawEllipse(QPointF(x + swatchWidth / 2, mid), MarkerRadius * 1.3 * pt,
                                     MarkerRadius * 1.3 * pt);
                painter->setBrush(Qt::NoBrush);
                break;
            case Swatch::SkipMark: {
                painter->setPen(Qt::NoPen);
                painter->setBrush(entry.colour);
                const qreal c = x + swatchWidth / 2;
                painter->drawPolygon(QPolygonF(
                    {QPointF(c, mid - 3 * pt), QPointF(c - 3 * pt, mid + 3 * pt), QPointF(c + 3 * pt, mid + 3 * pt)}));
                painter->setBrush(Qt::NoBrush);
                break;
            }
            }
            painter->setPen(m_colours.text);
            painter->drawText(QRectF(x + swatchWidth + 4 * pt, y, right - x, rowHeight),
                              Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        }
        x += itemWidth;
    }
    return y + rowHeight + 4 * pt;
}

// ---- Layout --------------------------------------------------------------------------------

InflationChartPainter::Geometry InflationChartPainter::geometry(const QRectF &target, qreal dpi) const
{
    Geometry g;
    g.target = target;
    g.pixelsPerPoint = dpi / 72.0;
    const qreal pt = g.pixelsPerPoint;
    const qreal headerBottom = paintHeader(nullptr, target, pt);

    const QFontMetricsF metrics = metricsAt(chartFont(TextSize), dpi);
    const qreal textHeight = metrics.height();
    QRectF area(target.left() + Margin * pt, headerBottom, target.width() - 2 * Margin * pt,
                target.bottom() - Margin * pt - headerBottom);
    if (!emptySentence().isEmpty() || area.width() <= 0 || area.height() <= 0) {
        g.plot = area.isValid() ? area : QRectF();
        g.axes = false;
        return g;
    }

    const qreal plotTop = headerBottom + textHeight / 2;
    const qreal plotBottom = target.bottom() - Margin * pt - textHeight - (TickLength + 2) * pt;
    const qreal plotHeight = std::max<qreal>(plotBottom - plotTop, 1);
    // A little room above and below, so no line runs along the axis and hides in it.
    ValueRange amounts = m_series.amountRange();
    const double room = amounts.span() * 0.03;
    amounts.min -= room;
    amounts.max += room;
    g.amounts = chartaxes::amountAxis(amounts, int(std::max<qreal>(2, plotHeight / (textHeight * 2.2))));
    qreal labelWidth = 0;
    for (double tick : g.amounts.ticks)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(amountLabel(tick)));

    const qreal dateLabelWidth = metrics.horizontalAdvance(QStringLiteral("Sep 0000"));
    const qreal plotLeft = target.left() + Margin * pt + labelWidth + (TickLength + 3) * pt;
    const qreal plotRight = target.right() - Margin * pt - dateLabelWidth / 2;
    const qreal plotWidth = std::max<qreal>(plotRight - plotLeft, 1);
    g.plot = QRectF(plotLeft, plotTop, plotWidth, plotHeight);

    // Labels of years are narrower, but one width keeps the choice simple and never crowded.
    const int maxDateTicks = int(plotWidth / (dateLabelWidth + 10 * pt)) + 1;
    ValueRange dates = m_series.dateRange();
    if (dates.span() < 1) {
        // One date: half a month either side, so the record stands inside the axis.
        dates.min -= 15;
        dates.max += 15;
    }
    g.dates = chartaxes::dateAxis(dates, maxDateTicks);
    g.axes = true;
    return g;
}

int InflationChartPainter::pointAt(const Geometry &geometry, qreal x) const
{
    if (!geometry.axes || m_series.isEmpty())
        return -1;
    return m_series.nearestPoint(std::floor(geometry.serialAt(x) + 0.5));
}

// ---- Painting ------------------------------------------------------------------------------

void InflationChartPainter::paint(QPainter &painter, const QRectF &target) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(target, m_colours.background);
    painter.setClipRect(target);

    const Geometry g = geometry(target, deviceDpi(painter));
    paintHeader(&painter, target, g.pixelsPerPoint);
    const QString sentence = emptySentence();
    if (!g.axes) {
        paintSentence(painter, g, sentence);
    } else {
        paintAxes(painter, g);
        painter.save();
        painter.setClipRect(g.plot.adjusted(-MarkerRadius * 2 * g.pixelsPerPoint, -MarkerRadius * 2 * g.pixelsPerPoint,
                                            MarkerRadius * 2 * g.pixelsPerPoint, 0));
        paintSeries(painter, g);
        painter.restore();
        paintMarkers(painter, g);
    }
    painter.restore();
}

void InflationChartPainter::paintSentence(QPainter &painter, const Geometry &g, const QString &sentence) const
{
    if (g.plot.isEmpty())
        return;
    const qreal pt = g.pixelsPerPoint;
    painter.setPen(QPen(m_colours.grid, 1 * pt));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(g.plot);
    QFont font = chartFont(TextSize + 2);
    painter.setFont(font);
    painter.setPen(m_colours.text);
    painter.drawText(g.plot.adjusted(16 * pt, 16 * pt, -16 * pt, -16 * pt), Qt::AlignCenter | Qt::TextWordWrap,
                     sentence);
}

void InflationChartPainter::paintAxes(QPainter &painter, const Geometry &g) const
{
    const qreal pt = g.pixelsPerPoint;
    const QFont font = chartFont(TextSize);
    const QFontMetricsF metrics = metricsAt(font, pt * 72);
    painter.setFont(font);

    // Amounts: grid lines across, labels at the left.
    for (double tick : g.amounts.ticks) {
        const qreal y = g.yOf(tick);
        painter.setPen(QPen(m_colours.grid, 0.8 * pt));
        painter.drawLine(QPointF(g.plot.left(), y), QPointF(g.plot.right(), y));
        painter.setPen(QPen(m_colours.text, 0.8 * pt));
        painter.drawLine(QPointF(g.plot.left() - TickLength * pt, y), QPointF(g.plot.left(), y));
        const QRectF label(g.target.left(), y - metrics.height() / 2,
                           g.plot.left() - (TickLength + 2) * pt - g.target.left(), metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, amountLabel(tick));
    }
    // Dates: grid lines down, labels under the axis.
    for (const chartaxes::DateTick &tick : g.dates.ticks) {
        const qreal x = g.xOf(tick.serial);
        painter.setPen(QPen(m_colours.grid, 0.8 * pt));
        painter.drawLine(QPointF(x, g.plot.top()), QPointF(x, g.plot.bottom()));
        painter.setPen(QPen(m_colours.text, 0.8 * pt));
        painter.drawLine(QPointF(x, g.plot.bottom()), QPointF(x, g.plot.bottom() + TickLength * pt));
        const QString text = dateLabel(tick, g.dates.unit);
        const qreal w = metrics.horizontalAdvance(text) + 2 * pt;
        painter.drawText(QRectF(x - w / 2, g.plot.bottom() + (TickLength + 1) * pt, w, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, text);
    }
    painter.setPen(QPen(m_colours.text, 1 * pt));
    painter.drawLine(g.plot.bottomLeft(), g.plot.bottomRight());
    painter.drawLine(g.plot.bottomLeft(), g.plot.topLeft());
}
