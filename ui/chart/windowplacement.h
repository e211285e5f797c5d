#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Where the chart window opens: beside the main window rather than over it, and back where
// the user left it as long as that place is still on a screen. Rectangles are window frames
// and screens' available areas (without panels), in desktop coordinates.
namespace windowplacement {

// The top left of a frame of `size` beside `main` on `screen`: to its right where the
// screen has room, else to its left, else cascaded down and right from the main window's
// corner. The frame's top stays level with the main window's, moved up only as far as needed
// to fit the screen.
QPoint besideMain(const QRect &main, const QSize &size, const QRect &screen);

// Whether a frame at `frame` can still be reached: its title strip lies on one of the
// screens, wide enough to grab (a screen taken away leaves a remembered place on none).
bool onScreen(const QRect &frame, const QList<QRect> &screens);

// "X,Y" as kept in the settings store, and back; an unreadable text gives false.
QString positionText(const QPoint &at);
bool readPosition(const QString &text, QPoint *at);

} // namespace windowplacement
