#pragma once

class QWidget;

// Names and descriptions a screen reader speaks for the controls of the program's
// windows. The captions stay as they are; a control whose caption says little on its
// own ("Next", a grid cell, a box without a caption) gets a name that says what it is.
namespace ui::accessibility {

// Gives every control of the window (found by its object name) its accessible name
// and description. Called once when a window is created; safe to call again.
void describe(QWidget *window);

} // namespace ui::accessibility
