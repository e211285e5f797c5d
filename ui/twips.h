#pragma once

#include <QRect>
#include <QSize>
#include <QtMath>

// The reference layout is in twips; 15 twips make one pixel at 96 dpi.
namespace ui {

constexpr int TwipsPerPixel = 15;

inline int px(int twips)
{
    return qRound(double(twips) / TwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QSize twipsSize(int width, int height)
{
    return QSize(px(width), px(height));
}

} // namespace ui
