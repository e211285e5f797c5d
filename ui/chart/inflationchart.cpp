#include "ui/chart/inflationchart.h"

#include "platform/locale.h"

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
    setAccessibleName(tr("Chart of the investment"));
    describeForScreenReaders();
}

void InflationChart::setSeries(ChartSeries series)
{
    const bool same = series.investment == m_series.investment;
    m_series = std::move(series);
    m_painter.setMessage(QString());
    const int keep = same && m_current < int(m_series.size()) ? m_current : -1;
    m_current = -2; // so the signal goes out even when the index stays
    setCurrentPoint(keep);
    describeForScreenReaders();
    update();
}

void InflationChart::setMessage(const QString &message)
{
    m_painter.setMessage(message);
    describeForScreenReaders();
    update();
}

QString InflationChart::summary() const
{
    const QString empty = m_painter.emptySentence();
    if (!empty.isEmpty())
        return empty;
    const auto money = [](Currency amount) { return platform::LocaleServices::displayFormat(amount.toPlainString()); };
    const std::vector<ChartPoint> &points = m_series.points();
    const ChartPoint &first = points.front();
    const ChartPoint &last = points.back();
    const int count = int(points.size());
    //: Stands for %1 in the chart's description when the investment has no type or institution
    const QString name = m_series.caption().isEmpty() ? tr("the investment") : m_series.caption();
    //: AFI = adjusted for inflation; %1 the investment, %2 the number of records, %3 and %4 dates
    QString text = count == 1 ? tr("Current Amount and Current Amount AFI of %1 over %2 record from %3 to %4. ")
                              : tr("Current Amount and Current Amount AFI of %1 over %2 records from %3 to %4. ");
    text = text.arg(name).arg(count).arg(platform::LocaleServices::shortDate(first.date),
                                         platform::LocaleServices::shortDate(last.date));
    // An empty sentence means at least one AFI was computed, and the last record carries it.
    //: AFI = adjusted for inflation; %1 to %3 amounts
    text += tr("Last record: Current Amount %1, Current Amount AFI %2, Profit/Loss AFI %3.")
                .arg(money(last.current), money(last.currentAfi), money(last.profitLossAfi));
    // The band's gain part, which only its colour tells apart on screen.
    const std::size_t gains = m_series.gainRecords();
    if (gains > 0) {
        text += QLatin1Char(' ');
        if (gains < points.size())
            //: AFI = adjusted for inflation; %1 and %2 numbers of records
            text += tr("Current Amount AFI lies above Current Amount at %1 of the %2 records: a gain from falling "
                       "prices.")
                        .arg(gains)
                        .arg(count);
        else if (count == 1)
            text += tr("Current Amount AFI lies above Current Amount at its record: a gain from falling prices.");
        else
            text += tr("Current Amount AFI lies above Current Amount at every record: a gain from falling prices.");
    }
    text += QLatin1Char(' ') + tr("Left and Right move from record to record.");
    return text;
}

void InflationChart::describeForScreenReaders()
{
    const QString text = summary();
    if (accessibleDescription() != text)
        setAccessibleDescription(text);
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
