#pragma once

#include "core/chartseries.h"
#include "render/chart/inflationchartpainter.h"

#include <QWidget>

// The chart on screen. Painting is InflationChartPainter's; the widget adds reading values:
// hovering a record, or Left/Right (Home/End) moving along the records, picks the record
// whose figures the window shows.
class InflationChart : public QWidget
{
    Q_OBJECT

public:
    explicit InflationChart(QWidget *parent = nullptr);

    // Takes the new figures; the picked record is kept when the investment is the same and
    // the record still exists.
    void setSeries(ChartSeries series);
    const ChartSeries &series() const { return m_series; }
    void setMessage(const QString &message);
    const InflationChartPainter &painter() const { return m_painter; }

    // What the chart shows, in a sentence or two: the screen reader's description of it.
    QString summary() const;

    int currentPoint() const { return m_current; }
    void setCurrentPoint(int index);
    // Where a record is drawn in the widget (its Current Amount), for tests and the hover.
    QPointF pointPosition(int index) const;

signals:
    void currentPointChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    InflationChartPainter::Geometry currentGeometry() const;
    void describeForScreenReaders();

    ChartSeries m_series;
    InflationChartPainter m_painter{m_series};
    int m_current = -1;
};
