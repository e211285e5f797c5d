#pragma once

#include <QIcon>
#include <QString>

namespace ui {

// imlToolbarIcons: the 16 x 16 picture under a toolbar key ("New", "Open", "Save",
// "Print", "Cut", "Copy", "Paste", "Delete", "Help", "Chart", "Portfolio"), from the desktop's icon theme
// where it has one, otherwise drawn by the program.
QIcon imlToolbarIcons(const QString &key);

// The text a toolbar button shows for its key (its tooltip where it has no other), in the
// user's language; the key itself stays the button's name.
QString toolbarKeyText(const QString &key);

} // namespace ui
