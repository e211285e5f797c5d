// The lines, band and markers of InflationChartPainter, thinned to the plot's pixel columns.
#include "render/chart/inflationchartpainter.h"

#include "render/chart/chartsizes.h"

#include "core/chartband.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

using namespace chartsizes;

using Amount = Currency ChartPoint::*;

// Indices of [first, last] worth drawing for one amount: first/min/max/last per pixel column.
std::vector<int> thinned(const std::vector<ChartPoint> &points, const std::vector<double> &xs, int first, int last,
                         Amount amount)
{
    std::vector<double> x(xs.begin() + first, xs.begin() + last + 1);
    std::vector<double> y;
    y.reserve(x.size());
    for (int i = first; i <= last; ++i)
        y.push_back((points[std::size_t(i)].*amount).toDouble());
    std::vector<int> kept = chartaxes::reduceToColumns(x, y);
    for (int &k : kept)
        k += first;
    return kept;
}

// Runs of consecutive records that are drawn; a skipped record breaks the lines.
template <typename Keep> std::vector<std::pair<int, int>> runs(std::size_t count, Keep keep)
{
    std::vector<std::pair<int, int>> out;
    int start = -1;
    for (int i = 0; i <= int(count); ++i) {
        const bool in = i < int(count) && keep(std::size_t(i));
        if (in && start < 0)
            start = i;
        if (!in && start >= 0) {
            out.emplace_back(start, i - 1);
            start = -1;
        }
    }
    return out;
}

} // namespace

void InflationChartPainter::paintSeries(QPainter &painter, const Geometry &g) const
{
    const qreal pt = g.pixelsPerPoint;
    const std::vector<ChartPoint> &points = m_series.points();
    std::vector<double> xs(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        xs[i] = g.xOf(std::floor(points[i].date.serial()));
    const auto pointOf = [&](int i, Amount amount) {
        return QPointF(xs[std::size_t(i)], g.yOf((points[std::size_t(i)].*amount).toDouble()));
    };

    const auto drawnRuns = runs(points.size(), [&](std::size_t i) { return m_series.isDrawn(i); });
    const auto afiRuns = runs(points.size(), [&](std::size_t i) { return m_series.hasAfi(i); });

    // The band between Current Amount and AFI, under the lines: what inflation took in one
    // colour, what falling prices gave in another, split where the two lines cross.
    painter.setPen(Qt::NoPen);
    std::vector<chartband::BandPoint> run;
    std::vector<double> x;
    std::vector<double> current;
    std::vector<double> afi;
    for (const auto &[first, last] : afiRuns) {
        run.clear();
        for (int i = first; i <= last; ++i) {
            const ChartPoint &p = points[std::size_t(i)];
            run.push_back({xs[std::size_t(i)], p.current.toDouble(), p.currentAfi.toDouble()});
        }
        for (const chartband::BandPart &part : chartband::splitBand(run)) {
            x.clear();
            current.clear();
            afi.clear();
            for (const chartband::BandPoint &p : part.points) {
                x.push_back(p.x);
                current.push_back(p.current);
                afi.push_back(p.afi);
            }
            std::vector<int> kept = chartaxes::reduceToColumns(x, current);
            const std::vector<int> afiKept = chartaxes::reduceToColumns(x, afi);
            kept.insert(kept.end(), afiKept.begin(), afiKept.end());
            std::sort(kept.begin(), kept.end());
            kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
            QPolygonF band;
            band.reserve(int(kept.size() * 2));
            for (int k : kept)
                band << QPointF(x[std::size_t(k)], g.yOf(current[std::size_t(k)]));
            for (auto it = kept.rbegin(); it != kept.rend(); ++it)
                band << QPointF(x[std::size_t(*it)], g.yOf(afi[std::size_t(*it)]));
            painter.setBrush(part.side == chartband::Side::Gain ? m_colours.gainBand : m_colours.band);
            painter.drawPolygon(band);
        }
    }
    painter.setBrush(Qt::NoBrush);

    // Original Amount: a dashed step line, the amount holding until the next record.
    QPen originalPen(m_colours.original, LineWidth * 0.8 * pt, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin);
    painter.setPen(originalPen);
    for (const auto &[first, last] : drawnRuns) {
        const std::vector<int> kept = thinned(points, xs, first, last, &ChartPoint::original);
        if (kept.size() == 1) {
            // A record on its own: a short dash at its amount.
            const QPointF at = pointOf(kept.front(), &ChartPoint::original);
            painter.drawLine(at - QPointF(8 * pt, 0), at + QPointF(8 * pt, 0));
            continue;
        }
        QPainterPath path(pointOf(kept.front(), &ChartPoint::original));
        for (std::size_t k = 1; k < kept.size(); ++k) {
            const QPointF to = pointOf(kept[k], &ChartPoint::original);
            path.lineTo(to.x(), path.currentPosition().y());
            path.lineTo(to);
        }
        painter.drawPath(path);
    }

    const auto drawLine = [&](const std::vector<std::pair<int, int>> &parts, Amount amount, const QColor &colour) {
        painter.setPen(QPen(colour, LineWidth * pt, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const auto &[first, last] : parts) {
            const std::vector<int> kept = thinned(points, xs, first, last, amount);
            QPolygonF line;
            line.reserve(int(kept.size()));
            for (int i : kept)
                line << pointOf(i, amount);
            if (line.size() == 1)
                painter.drawPoint(line.front());
            else
                painter.drawPolyline(line);
        }
    };
    drawLine(afiRuns, &ChartPoint::currentAfi, m_colours.afi);
    drawLine(drawnRuns, &ChartPoint::current, m_colours.current);
}

void InflationChartPainter::paintMarkers(QPainter &painter, const Geometry &g) const
{
    const qreal pt = g.pixelsPerPoint;
    const std::vector<ChartPoint> &points = m_series.points();
    const qreal radius = MarkerRadius * pt;
    const bool sparse = points.empty() || g.plot.width() / qreal(points.size()) >= SparseSpacing * pt;

    // Markers land on whole pixel columns; a column marked once is not marked again.
    std::vector<bool> skippedColumn(std::size_t(std::max<qreal>(g.target.width(), 0)) + 2, false);
    // Where records crowd, carried records are marked a ring's width apart, a chain of rings
    // rather than a smear; the chain still shows where no rate was entered.
    qreal lastCarriedX = -1e9;
    const auto firstInColumn = [&](std::vector<bool> &columns, qreal x) {
        const long long c = std::llround(x - g.target.left());
        if (c < 0 || c >= (long long)columns.size())
            return true;
        if (columns[std::size_t(c)])
            return false;
        columns[std::size_t(c)] = true;
        return true;
    };

    for (std::size_t i = 0; i < points.size(); ++i) {
        const ChartPoint &p = points[i];
        const qreal x = g.xOf(std::floor(p.date.serial()));
        if (p.state == PointState::Skipped) {
            // A gap in the lines, marked under the date axis.
            if (!firstInColumn(skippedColumn, x))
                continue;
            const qreal y = g.plot.bottom();
            painter.setPen(Qt::NoPen);
            painter.setBrush(m_colours.skipped);
            painter.drawPolygon(
                QPolygonF({QPointF(x, y - 3 * pt), QPointF(x - 3 * pt, y + 3 * pt), QPointF(x + 3 * pt, y + 3 * pt)}));
            continue;
        }
        if (sparse) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(m_colours.current);
            painter.drawEllipse(QPointF(x, g.yOf(p.current.toDouble())), radius, radius);
        }
        if (!m_series.hasAfi(i))
            continue;
        const QPointF afi(x, g.yOf(p.currentAfi.toDouble()));
        if (p.state == PointState::Carried) {
            // Hollow: the AFI was carried from the record before, not computed here.
            if (!sparse && std::fabs(x - lastCarriedX) < radius * 3)
                continue;
            lastCarriedX = x;
            painter.setPen(QPen(m_colours.afi, 1.2 * pt));
            painter.setBrush(m_colours.background);
            painter.drawEllipse(afi, radius * 1.3, radius * 1.3);
        } else if (sparse) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(m_colours.afi);
            painter.drawEllipse(afi, radius, radius);
        }
    }
    painter.setBrush(Qt::NoBrush);

    if (m_highlighted >= 0 && std::size_t(m_highlighted) < points.size()) {
        const ChartPoint &p = points[std::size_t(m_highlighted)];
        const qreal x = g.xOf(std::floor(p.date.serial()));
        painter.setPen(QPen(m_colours.text, 0.8 * pt, Qt::DotLine));
        painter.drawLine(QPointF(x, g.plot.top()), QPointF(x, g.plot.bottom()));
        if (p.state != PointState::Skipped) {
            painter.setPen(QPen(m_colours.text, 1.2 * pt));
            painter.drawEllipse(QPointF(x, g.yOf(p.current.toDouble())), radius * 2, radius * 2);
            if (m_series.hasAfi(std::size_t(m_highlighted)))
                painter.drawEllipse(QPointF(x, g.yOf(p.currentAfi.toDouble())), radius * 2, radius * 2);
        }
    }
}
