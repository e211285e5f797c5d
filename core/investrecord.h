#pragma once

#include "core/valuetypes.h"

#include <QString>

// A fixed text field: storing left-aligns, pads with blanks to Width and cuts past it;
// reading yields all Width characters, padding included.
template <int Width> class FixedString
{
public:
    FixedString() : m_text(Width, QLatin1Char(' ')) {}
    FixedString(const QString &text) { assign(text); } // NOLINT
    FixedString &operator=(const QString &text)
    {
        assign(text);
        return *this;
    }
    const QString &text() const { return m_text; }
    operator const QString &() const { return m_text; } // NOLINT
    static constexpr int width() { return Width; }

private:
    void assign(const QString &text) { m_text = text.left(Width).leftJustified(Width, QLatin1Char(' ')); }
    QString m_text;
};

// One investment, the in-memory image of a 102-byte record of the investment file.
struct InvestRecord
{
    Integer RecNum;
    FixedString<50> InvestType;
    FixedString<50> Institution;
};
