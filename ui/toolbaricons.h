#pragma once

#include <QIcon>
#include <QString>

namespace ui {

// imlToolbarIcons: the 16 x 16 picture under a toolbar key ("New", "Open", "Save",
// "Print", "Cut", "Copy", "Paste", "Delete", "Help", "Chart", "Portfolio"), from the desktop's icon theme
// where it has one, otherwise drawn by the program.
QIcon imlToolbarIcons(const QString &key);

} // namespace ui
