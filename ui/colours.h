#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// Forced colours that stay readable whatever palette the desktop sets: a control whose
// background the program fixes gets a text colour that reads on it too, or a dark
// desktop palette would draw its light text on the program's pastel backgrounds.
namespace ui {

// The contrast ratio of two colours as the accessibility guidelines define it, 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);

// The least contrast a forced background gets with its text (normal text).
inline constexpr double MinimumContrast = 4.5;

// Sets `background` for `role` (Base for a text box, Window for a label) in every colour
// group and, with it, the text colour of that role: the palette's own where it reads on
// the background, else black or white. The disabled group gets a greyed text that still
// reads. A label's background is filled.
void setForcedBackground(QWidget *widget, QPalette::ColorRole role, const QColor &background);

// The text role drawn on a background role (Text on Base, WindowText on Window).
QPalette::ColorRole textRoleOn(QPalette::ColorRole backgroundRole);

} // namespace ui
