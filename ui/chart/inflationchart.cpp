#include "ui/chart/inflationchart.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

InflationChart::InflationChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("chart"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_painter.setColours(InflationChartPainter::Colours::forPalette(palette()));
}

void InflationChart::setSeries(ChartSeries series)
{
    const bool same = series.investment == m_series.investment;
    m_series = std::move(series);
    m_painter.setMessage(QString());
    const int keep = same && m_current < int(m_series.size()) ? m_current : -1;
    m_current = -2; // so the signal goes out even when the index stays
    setCurrentPoint(keep);
    update();
}

void InflationChart::setMessage(const QString &message)
{
    m_painter.setMessage(message);
    update();
}

void InflationChart::setCurrentPoint(int index)
{
    if (index < -1 || index >= int(m_series.size()))
        index = -1;
    if (index == m_current)
        return;
    m_current = index;
    m_painter.setHighlighted(index);
    update();
    emit currentPointChanged(index);
}

InflationChartPainter::Geometry InflationChart::currentGeometry() const
{
    return m_painter.geometry(QRectF(rect()), qreal(logicalDpiY()));
}

QPointF InflationChart::pointPosition(int index) const
{
    if (index < 0 || index >= int(m_series.size()))
        return QPointF();
    const InflationChartPainter::Geometry g = currentGeometry();
    const ChartPoint &p = m_series.points()[std::size_t(index)];
    return QPointF(g.xOf(std::floor(p.date.serial())), g.yOf(p.current.toDouble()));
}

void InflationChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_painter.paint(painter, QRectF(rect()));
}

void InflationChart::mouseMoveEvent(QMouseEvent *event)
{
    const InflationChartPainter::Geometry g = currentGeometry();
    const QPointF at = event->position();
    if (!g.axes || !g.plot.adjusted(-8, -8, 8, 8).contains(at))
        return;
    setCurrentPoint(m_painter.pointAt(g, at.x()));
}

void InflationChart::keyPressEvent(QKeyEvent *event)
{
    const int last = int(m_series.size()) - 1;
    if (last < 0 || !currentGeometry().axes) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrentPoint(m_current < 0 ? last : std::max(0, m_current - 1));
        break;
    case Qt::Key_Right:
        setCurrentPoint(m_current < 0 ? 0 : std::min(last, m_current + 1));
        break;
    case Qt::Key_Home:
        setCurrentPoint(0);
        break;
    case Qt::Key_End:
        setCurrentPoint(last);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void InflationChart::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        m_painter.setColours(InflationChartPainter::Colours::forPalette(palette()));
        update();
    }
}

QSize InflationChart::sizeHint() const
{
    return QSize(720, 420);
}

QSize InflationChart::minimumSizeHint() const
{
    return QSize(320, 200);
}
