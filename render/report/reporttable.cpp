#include "render/report/reporttable.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace render {

namespace {

// Points to the device's pixels (the PDF writer draws at 1,200 dpi).
qreal points(QPaintDevice *device, qreal pt)
{
    return pt * device->logicalDpiY() / 72.0;
}

QFont bolder(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

TextWrapper::TextWrapper(const QFont &font, QPaintDevice *device)
    : m_font(font), m_device(device), m_metrics(font, device), m_lineHeight(m_metrics.lineSpacing()), m_widestChar(0)
{
    for (const QChar c : QStringLiteral("0123456789$,.()-/ "))
        m_widestChar = std::max(m_widestChar, m_metrics.horizontalAdvance(c));
}

QStringList TextWrapper::lines(const QString &text, qreal width) const
{
    // Most cells are short amounts and dates: they fit without measuring.
    bool plain = true;
    for (const QChar c : text) {
        if (!c.isDigit() && !QStringLiteral("$,.()-/ ").contains(c)) {
            plain = false;
            break;
        }
    }
    if ((plain && text.size() * m_widestChar <= width) || m_metrics.horizontalAdvance(text) <= width)
        return {text};

    QStringList result;
    QTextLayout layout(text, m_font, m_device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        result.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    // A line still too wide for the device (rounding between resolutions) is split by hand.
    QStringList fitted;
    for (const QString &line : std::as_const(result)) {
        QString rest = line;
        while (rest.size() > 1 && m_metrics.horizontalAdvance(rest) > width) {
            qsizetype n = rest.size() - 1;
            while (n > 1 && m_metrics.horizontalAdvance(rest.left(n)) > width)
                --n;
            fitted.append(rest.left(n));
            rest = rest.mid(n).trimmed();
        }
        fitted.append(rest);
    }
    return fitted;
}

qreal TextWrapper::height(const QString &text, qreal width) const
{
    return m_lineHeight * qreal(std::max<qsizetype>(1, lines(text, width).size()));
}

qreal TextWrapper::draw(QPainter &painter, qreal left, qreal top, qreal width, const QString &text,
                        Qt::Alignment alignment) const
{
    painter.setFont(m_font);
    const QStringList wrapped = lines(text, width);
    qreal baseline = top + m_metrics.ascent();
    for (const QString &line : wrapped) {
        qreal x = left;
        if (alignment & (Qt::AlignRight | Qt::AlignHCenter)) {
            const qreal advance = m_metrics.horizontalAdvance(line);
            x = alignment & Qt::AlignRight ? left + width - advance : left + (width - advance) / 2;
        }
        painter.drawText(QPointF(x, baseline), line);
        baseline += m_lineHeight;
    }
    return m_lineHeight * qreal(std::max<qsizetype>(1, wrapped.size()));
}

LaidOutText::LaidOutText(const TextWrapper &wrapper, const QString &text, qreal width, Qt::Alignment alignment)
{
    const QStringList lines = wrapper.lines(text, width);
    qreal lineTop = 0;
    for (const QString &line : lines) {
        qreal x = 0;
        if (alignment & (Qt::AlignRight | Qt::AlignHCenter)) {
            const qreal advance = wrapper.metrics().horizontalAdvance(line);
            x = alignment & Qt::AlignRight ? width - advance : (width - advance) / 2;
        }
        QTextLayout layout(line, wrapper.font(), wrapper.device());
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine textLine = layout.createLine();
        textLine.setLineWidth(width);
        layout.endLayout();
        // The baseline where TextWrapper::draw puts it.
        const QPointF shift(x, lineTop + wrapper.metrics().ascent() - textLine.ascent());
        for (QGlyphRun run : layout.glyphRuns()) {
            QList<QPointF> positions = run.positions();
            for (QPointF &position : positions)
                position += shift;
            run.setPositions(positions);
            m_runs.append(run);
        }
        lineTop += wrapper.lineHeight();
    }
    m_height = wrapper.lineHeight() * qreal(std::max<qsizetype>(1, lines.size()));
}

void LaidOutText::draw(QPainter &painter, qreal left, qreal top) const
{
    painter.setPen(Qt::black);
    for (const QGlyphRun &run : m_runs)
        painter.drawGlyphRun(QPointF(left, top), run);
}

ReportTable::ReportTable(const QList<Column> &columns, const QFont &font, const QFont &headingFont,
                         QPaintDevice *device, qreal width)
    : m_columns(columns), m_body(font, device), m_bold(bolder(font), device), m_heading(headingFont, device),
      m_glyphs(font, device), m_width(width), m_padding(points(device, 2.5))
{
    qreal total = 0;
    for (const Column &column : columns)
        total += column.weight;
    qreal left = 0;
    for (const Column &column : columns) {
        const qreal w = width * column.weight / total;
        m_left.append(left + m_padding);
        m_cellWidth.append(w - 2 * m_padding);
        left += w;
    }
    qreal tallest = 0;
    for (int i = 0; i < columnCount(); ++i)
        tallest = std::max(tallest, m_heading.height(m_columns.at(i).heading, m_cellWidth.at(i)));
    m_headingHeight = tallest + 2 * m_padding;
    layOutHeadings();
}

qreal ReportTable::heightWith(const TextWrapper &wrapper, const QStringList &cells) const
{
    qreal tallest = wrapper.lineHeight();
    for (int i = 0; i < columnCount() && i < cells.size(); ++i)
        tallest = std::max(tallest, wrapper.height(cells.at(i), m_cellWidth.at(i)));
    return tallest + 2 * m_padding;
}

qreal ReportTable::rowHeight(const QStringList &cells) const
{
    if (!quickLayout(cells).isEmpty())
        return m_body.lineHeight() + 2 * m_padding;
    return heightWith(m_body, cells);
}

QList<qreal> ReportTable::quickLayout(const QStringList &cells) const
{
    QList<qreal> lefts;
    if (cells.size() > columnCount())
        return lefts;
    lefts.reserve(cells.size());
    for (int i = 0; i < int(cells.size()); ++i) {
        const qreal w = m_glyphs.width(cells.at(i));
        if (w < 0 || w > m_cellWidth.at(i))
            return {};
        const Qt::Alignment alignment = m_columns.at(i).alignment;
        qreal x = m_left.at(i);
        if (alignment & Qt::AlignRight)
            x += m_cellWidth.at(i) - w;
        else if (alignment & Qt::AlignHCenter)
            x += (m_cellWidth.at(i) - w) / 2;
        lefts.append(x);
    }
    return lefts;
}

bool ReportTable::layOutQuickRow(const QStringList &cells, QList<quint32> &glyphs, QList<QPointF> &positions) const
{
    const QList<qreal> lefts = quickLayout(cells);
    if (lefts.isEmpty())
        return false;
    glyphs.reserve(128);
    positions.reserve(128);
    for (int i = 0; i < int(cells.size()); ++i)
        m_glyphs.append(cells.at(i), lefts.at(i), 0, glyphs, positions);
    return true;
}

// The row's text in one glyph run: one text object per row in the page instead of one per cell.
void ReportTable::drawQuickRow(QPainter &painter, qreal top, const QList<quint32> &glyphs,
                               const QList<QPointF> &positions, bool shaded) const
{
    if (shaded)
        painter.fillRect(QRectF(0, top, m_width, quickRowHeight()), QColor(0xF4, 0xF6, 0xF8));
    painter.setPen(Qt::black);
    // Whole device pixels keep the positions the PDF engine writes per glyph short.
    m_glyphs.draw(painter, QPointF(0, std::round(top + m_padding + m_body.metrics().ascent())), glyphs, positions);
}

qreal ReportTable::rowHeightBold(const QStringList &cells) const
{
    return heightWith(m_bold, cells);
}

void ReportTable::drawHeading(QPainter &painter, qreal top) const
{
    const QRectF band(0, top, m_width, m_headingHeight);
    painter.fillRect(band, QColor(0xE4, 0xE8, 0xEE));
    painter.setPen(Qt::black);
    for (int i = 0; i < columnCount(); ++i)
        m_headings.at(i).draw(painter, m_left.at(i), top + m_headingTops.at(i));
    painter.drawLine(QPointF(0, top + m_headingHeight), QPointF(m_width, top + m_headingHeight));
}

void ReportTable::layOutHeadings()
{
    // Laid out once: the headings come back on every page of a long table.
    for (int i = 0; i < columnCount(); ++i) {
        const QString &heading = m_columns.at(i).heading;
        m_headings.append(LaidOutText(m_heading, heading, m_cellWidth.at(i), m_columns.at(i).alignment));
        // Headings sit at the bottom of their band, as the grid's two-line headings do.
        m_headingTops.append(m_headingHeight - m_padding - m_headings.last().height());
    }
}

void ReportTable::drawRow(QPainter &painter, qreal top, const QStringList &cells, bool shaded, bool emphasis) const
{
    if (!emphasis) {
        QList<quint32> glyphs;
        QList<QPointF> positions;
        if (layOutQuickRow(cells, glyphs, positions)) {
            drawQuickRow(painter, top, glyphs, positions, shaded);
            return;
        }
    }
    const TextWrapper &wrapper = emphasis ? m_bold : m_body;
    const qreal height = heightWith(wrapper, cells);
    if (shaded)
        painter.fillRect(QRectF(0, top, m_width, height), QColor(0xF4, 0xF6, 0xF8));
    painter.setPen(Qt::black);
    if (emphasis)
        painter.drawLine(QPointF(0, top), QPointF(m_width, top));
    for (int i = 0; i < columnCount() && i < cells.size(); ++i)
        wrapper.draw(painter, m_left.at(i), top + m_padding, m_cellWidth.at(i), cells.at(i), m_columns.at(i).alignment);
}

} // namespace render
