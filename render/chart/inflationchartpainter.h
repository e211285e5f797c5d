#pragma once

#include "core/chartaxes.h"
#include "core/chartseries.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;
class QPalette;

// Draws one investment's chart: Current Amount and Current Amount AFI as solid lines, the band
// between them ("Lost to inflation" where the AFI lies below, "Gained from falling prices"
// where it lies above, split where the lines cross), Original Amount as a dashed step line,
// date and amount axes, a legend and a title. The same routine paints the widget, a QImage and a PDF page:
// every size is in points, turned into device pixels through the painter's device resolution,
// and the layout comes from the target rectangle alone.
class InflationChartPainter
{
public:
    struct Colours
    {
        QColor background;
        QColor text;
        QColor grid;
        QColor current;  // blue
        QColor afi;      // orange: told apart from the blue by colour-blind readers too
        QColor original; // grey, dashed
        QColor band;     // translucent: what inflation took
        QColor gain;     // bluish green, at least 3 : 1: the edge of the gain's legend swatch
        QColor gainBand; // translucent gain: what falling prices gave
        QColor skipped;

        static Colours light();
        static Colours dark();
        // Light or dark after the palette's base colour, the background taken from it.
        static Colours forPalette(const QPalette &palette);
    };

    // Where things fall in a target rectangle, in the painter's device pixels.
    struct Geometry
    {
        QRectF target;
        QRectF plot;       // the plot area; it holds the sentence when there is no chart
        bool axes = false; // false when a sentence stands in for the chart
        chartaxes::DateAxis dates;
        chartaxes::AmountAxis amounts;
        qreal pixelsPerPoint = 1;

        qreal xOf(double serial) const;
        qreal yOf(double amount) const;
        double serialAt(qreal x) const;
    };

    // The series must outlive the painter.
    explicit InflationChartPainter(const ChartSeries &series);

    void setColours(const Colours &colours) { m_colours = colours; }
    const Colours &colours() const { return m_colours; }
    // A sentence shown in the plot area instead of the chart (a history that cannot be read).
    void setMessage(const QString &message) { m_message = message; }
    const QString &message() const { return m_message; }
    // The record to mark with a guide line, -1 for none.
    void setHighlighted(int index) { m_highlighted = index; }
    int highlighted() const { return m_highlighted; }

    void paint(QPainter &painter, const QRectF &target) const;

    // The layout paint() uses for a target on a device of `dpi` dots per inch.
    Geometry geometry(const QRectF &target, qreal dpi) const;
    // The sentence the plot area shows instead of the chart, empty when the chart is drawn.
    QString emptySentence() const;
    // The title line: the investment's type and institution.
    QString title() const;
    // The legend's entries, in order; the band's parts, carried and skipped records only
    // when the chart has them.
    QStringList legendTexts() const;
    // The nearest record to a device x inside the plot, -1 when none.
    int pointAt(const Geometry &geometry, qreal x) const;

    static QString sentenceFor(ChartSeries::Emptiness emptiness);
    // An axis label: the grid's currency form, and the date in months, quarters or years.
    static QString amountLabel(double amount);
    static QString dateLabel(const chartaxes::DateTick &tick, chartaxes::DateUnit unit);

private:
    void paintSentence(QPainter &painter, const Geometry &g, const QString &sentence) const;
    void paintAxes(QPainter &painter, const Geometry &g) const;
    void paintSeries(QPainter &painter, const Geometry &g) const;
    void paintMarkers(QPainter &painter, const Geometry &g) const;
    // Title and legend; only measures when painter is null. Returns the bottom of the legend.
    qreal paintHeader(QPainter *painter, const QRectF &target, qreal pt) const;

    const ChartSeries &m_series;
    Colours m_colours = Colours::light();
    QString m_message;
    int m_highlighted = -1;
};
