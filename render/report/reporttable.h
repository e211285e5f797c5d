#pragma once

#include "render/report/reportglyphs.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QList>
#include <QString>
#include <QStringList>

class QPainter;
class QPaintDevice;

namespace render {

// Texts wrapped to a width: at word boundaries where it can, anywhere where a word is wider
// than the width, so nothing is ever cut.
class TextWrapper
{
public:
    TextWrapper(const QFont &font, QPaintDevice *device);

    const QFont &font() const { return m_font; }
    QPaintDevice *device() const { return m_device; }
    const QFontMetricsF &metrics() const { return m_metrics; }
    qreal lineHeight() const { return m_lineHeight; }

    QStringList lines(const QString &text, qreal width) const;
    // Height of the wrapped text.
    qreal height(const QString &text, qreal width) const;
    // Draws the wrapped text from `top`, each line aligned left, right or centred in [left, left + width].
    // Returns the height used.
    qreal draw(QPainter &painter, qreal left, qreal top, qreal width, const QString &text,
               Qt::Alignment alignment) const;

private:
    QFont m_font;
    QPaintDevice *m_device;
    QFontMetricsF m_metrics;
    qreal m_lineHeight;
    qreal m_widestChar; // of the characters amounts and dates are made of
};

// A text wrapped and shaped once, drawn many times: footers and continued headings come back
// on every page of a long report.
class LaidOutText
{
public:
    LaidOutText() = default;
    // Each line aligned left, right or centred in [0, width].
    LaidOutText(const TextWrapper &wrapper, const QString &text, qreal width, Qt::Alignment alignment);

    qreal height() const { return m_height; }
    void draw(QPainter &painter, qreal left, qreal top) const;

private:
    QList<QGlyphRun> m_runs;
    qreal m_height = 0;
};

// A table of fixed columns whose cells wrap; the heading row is drawn again on every page.
class ReportTable
{
public:
    struct Column
    {
        QString heading;
        qreal weight; // share of the table's width
        Qt::Alignment alignment;
    };

    ReportTable(const QList<Column> &columns, const QFont &font, const QFont &headingFont, QPaintDevice *device,
                qreal width);

    int columnCount() const { return int(m_columns.size()); }
    qreal width() const { return m_width; }
    qreal headingHeight() const { return m_headingHeight; }
    qreal rowHeight(const QStringList &cells) const;
    qreal rowHeightBold(const QStringList &cells) const;

    // Record rows laid out away from the painter. Safe to call from another thread while the
    // painter's thread draws with the table: it reads only what the constructor set.
    // Returns false when a cell needs the full text layout (drawRow then lays it out).
    bool layOutQuickRow(const QStringList &cells, QList<quint32> &glyphs, QList<QPointF> &positions) const;
    qreal quickRowHeight() const { return m_body.lineHeight() + 2 * m_padding; }
    // A row from layOutQuickRow: positions along a baseline at 0, the row's top at `top`.
    void drawQuickRow(QPainter &painter, qreal top, const QList<quint32> &glyphs, const QList<QPointF> &positions,
                      bool shaded) const;

    void drawHeading(QPainter &painter, qreal top) const;
    // A row with its top at `top`; `emphasis` draws it bold with a rule above (totals).
    void drawRow(QPainter &painter, qreal top, const QStringList &cells, bool shaded, bool emphasis = false) const;

private:
    qreal heightWith(const TextWrapper &wrapper, const QStringList &cells) const;
    void layOutHeadings();
    // The cells' left edges when every cell fits on one line from cached glyphs; empty otherwise.
    QList<qreal> quickLayout(const QStringList &cells) const;

    QList<Column> m_columns;
    QList<qreal> m_left;
    QList<qreal> m_cellWidth;
    TextWrapper m_body;
    TextWrapper m_bold;
    TextWrapper m_heading;
    GlyphCache m_glyphs;
    QList<LaidOutText> m_headings;
    QList<qreal> m_headingTops;
    qreal m_width;
    qreal m_padding;
    qreal m_headingHeight;
};

} // namespace render
