#pragma once

#include <QString>

class QWidget;

// The place of a window of its own (the chart, the portfolio) kept in the settings store,
// application "PLUMBLINE", under `section`, keys "WindowSize" and "WindowPosition".
namespace ui {

// Keeps the window's size and place; a settings file that cannot be written costs the window
// its place next time, no message (it is closing).
void keepWindowPlace(const QWidget &window, const QString &section);

// Moves the window, not yet shown, back where it was kept while its title strip is still on a
// screen; otherwise beside `mainWindow` (ui/chart/windowplacement.h).
void placeWindow(QWidget &window, const QString &section, const QWidget *mainWindow);

} // namespace ui
