#pragma once

#include <QIcon>

// What the desktop knows the program by: the application id names the desktop entry,
// the icon in the hicolor theme and the AppStream metadata alike.
namespace ui {

inline constexpr char ApplicationId[] = "io.github.plumbline.Plumbline";

// The program's icon at every size it is drawn in (16 to 256 pixels).
QIcon applicationIcon();

// Name, version, desktop entry and window icon of the running program; call once the
// QApplication exists and before the first window opens.
void setUpApplication();

} // namespace ui
