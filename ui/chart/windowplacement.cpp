#include "ui/chart/windowplacement.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace windowplacement {

namespace {

constexpr int Gap = 8;          // between the two windows, so their frames do not merge
constexpr int CascadeStep = 40; // about a title bar down and right
constexpr int TitleStrip = 24;  // the part of a frame that must be on a screen to be dragged
constexpr int GrabWidth = 100;  // ... and how much of its width

int clampInto(int value, int low, int high)
{
    return high < low ? low : std::clamp(value, low, high);
}

} // namespace

QPoint besideMain(const QRect &main, const QSize &size, const QRect &screen)
{
    const int top = clampInto(main.top(), screen.top(), screen.bottom() + 1 - size.height());
    const int right = main.right() + 1 + Gap;
    if (right + size.width() <= screen.right() + 1)
        return QPoint(right, top);
    const int left = main.left() - Gap - size.width();
    if (left >= screen.left())
        return QPoint(left, top);
    return QPoint(clampInto(main.left() + CascadeStep, screen.left(), screen.right() + 1 - size.width()),
                  clampInto(main.top() + CascadeStep, screen.top(), screen.bottom() + 1 - size.height()));
}

bool onScreen(const QRect &frame, const QList<QRect> &screens)
{
    const QRect strip(frame.left(), frame.top(), frame.width(), TitleStrip);
    const int wanted = std::min(GrabWidth, frame.width());
    return std::any_of(screens.begin(), screens.end(), [&](const QRect &screen) {
        const QRect shown = strip.intersected(screen);
        return shown.height() == TitleStrip && shown.width() >= wanted;
    });
}

QString positionText(const QPoint &at)
{
    return QStringLiteral("%1,%2").arg(at.x()).arg(at.y());
}

bool readPosition(const QString &text, QPoint *at)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return false;
    bool xRead = false;
    bool yRead = false;
    const int x = parts[0].trimmed().toInt(&xRead);
    const int y = parts[1].trimmed().toInt(&yRead);
    // Further out than any desktop reaches is damage, not a place.
    if (!xRead || !yRead || std::abs(x) > 100000 || std::abs(y) > 100000)
        return false;
    *at = QPoint(x, y);
    return true;
}

} // namespace windowplacement
