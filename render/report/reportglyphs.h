#pragma once

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <array>

class QPaintDevice;
class QPainter;

namespace render {

// The glyphs and advances of the printable ASCII characters of a font at a device's resolution.
// The records table has tens of thousands of rows of short amounts, dates and numbers; laying
// them out from this table skips the text shaping a drawText call pays for every cell.
class GlyphCache
{
public:
    GlyphCache(const QFont &font, QPaintDevice *device);

    const QRawFont &rawFont() const { return m_raw; }
    // The advance of `text`, or -1 when a character of it is not in the table (it then
    // needs the full text layout).
    qreal width(const QString &text) const;
    // Appends the glyphs of `text` (every character in the table) from `x` along `baseline`.
    void append(const QString &text, qreal x, qreal baseline, QList<quint32> &glyphs, QList<QPointF> &positions) const;
    // Draws what append() laid out, shifted by `origin`, as one glyph run.
    void draw(QPainter &painter, const QPointF &origin, const QList<quint32> &glyphs,
              const QList<QPointF> &positions) const;

private:
    static constexpr int First = 0x20;
    static constexpr int Last = 0x7e;

    QRawFont m_raw;
    std::array<quint32, Last - First + 1> m_glyph{};
    std::array<qreal, Last - First + 1> m_advance{};
    std::array<bool, Last - First + 1> m_known{};
};

} // namespace render
