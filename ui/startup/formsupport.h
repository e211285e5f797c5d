#pragma once

#include <functional>

class QLabel;
class QLineEdit;
class QWidget;

// Small helpers the start-up and tool windows share.
namespace ui::forms {

// Puts a window in the middle of the screen it is on (the primary screen before it is shown).
void centreOnScreen(QWidget *window);

// The reference layout is drawn for an 8-point system font.
void useLayoutFont(QWidget *window);

// A one-line label keeps its place but grows to the right when the font at hand runs
// wider than the one the layout was drawn for.
void fitLabelWidth(QLabel *label);

// A password box that echoes every character as "*", whatever the style's own mark.
void useStarEcho(QLineEdit *box);

// Ends the program from a window that is not the main window: every window goes and
// the event loop stops once it runs. The caller unloads itself first.
void endProgram();
// What ends the event loop; tests replace it so the process lives on (nullptr
// restores the default).
void setEndHandler(void (*handler)());

// Runs a handler so that no error escapes into the event loop: a run-time error the
// handler did not trap is shown in the standard error box.
void guard(const std::function<void()> &handler);

} // namespace ui::forms
