#include "render/report/reportglyphs.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace render {

GlyphCache::GlyphCache(const QFont &font, QPaintDevice *device) : m_raw(QRawFont::fromFont(QFont(font, device)))
{
    if (!m_raw.isValid())
        return;
    m_raw.setPixelSize(font.pointSizeF() * device->logicalDpiY() / 72.0);
    // The font's letter spacing keeps text drawn either way the same width.
    const qreal spacing = font.letterSpacingType() == QFont::AbsoluteSpacing ? font.letterSpacing() : 0;
    QString all;
    for (int c = First; c <= Last; ++c)
        all.append(QChar(c));
    const QList<quint32> glyphs = m_raw.glyphIndexesForString(all);
    if (glyphs.size() != all.size())
        return;
    const QList<QPointF> advances = m_raw.advancesForGlyphIndexes(glyphs);
    for (int i = 0; i < int(glyphs.size()); ++i) {
        // Glyph 0 is the font's "missing" box: such a character goes through the full layout.
        m_known[i] = glyphs.at(i) != 0 && i < int(advances.size());
        if (m_known[i]) {
            m_glyph[i] = glyphs.at(i);
            // Whole device pixels (1/1200 inch on the PDF writer): the positions the PDF engine
            // writes per glyph stay short, which keeps the page streams small and quick to compress.
            m_advance[i] = std::round(advances.at(i).x() + spacing);
        }
    }
}

qreal GlyphCache::width(const QString &text) const
{
    qreal total = 0;
    for (const QChar c : text) {
        const int i = c.unicode() - First;
        if (i < 0 || c.unicode() > Last || !m_known[i])
            return -1;
        total += m_advance[i];
    }
    return total;
}

void GlyphCache::append(const QString &text, qreal x, qreal baseline, QList<quint32> &glyphs,
                        QList<QPointF> &positions) const
{
    x = std::round(x);
    baseline = std::round(baseline);
    for (const QChar c : text) {
        const int i = c.unicode() - First;
        glyphs.append(m_glyph[i]);
        positions.append(QPointF(x, baseline));
        x += m_advance[i];
    }
}

void GlyphCache::draw(QPainter &painter, const QPointF &origin, const QList<quint32> &glyphs,
                      const QList<QPointF> &positions) const
{
    if (glyphs.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(m_raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(origin, run);
}

} // namespace render
