#pragma once

#include <QColor>
#include <QString>

class QWidget;
class QFocusEvent;
class QEvent;
class QKeyEvent;
class QPushButton;

// What the two entry dialogs share: their colours and the way they hand the main
// window back.
namespace ui::dialogs {

inline const QColor LightYellow(255, 255, 192);

// The back colour of a text box (all colour groups) or of a label.
void setBoxColour(QWidget *box, const QColor &colour);
void setLabelColour(QWidget *label, const QColor &colour);

// Gives the main window back after a dialog: enables it, puts the dialog away for
// deletion once its handler has returned, and activates the main window, whose
// Form_Activate then reloads.
void returnToMainWindow(QWidget *dialog);

// The keys of an entry dialog: Esc is Cancel's; Enter is the focused button's, or
// else Done's, with the cursor still in its box. True when the key was taken.
bool handleDialogKey(QWidget *dialog, QKeyEvent *event, QPushButton *done, QPushButton *cancel);

// Whether a focus change is a visit of the box by the user (Tab, a click, the
// program moving the focus), not the window losing or regaining the activation or
// the menu bar borrowing the focus.
bool isOwnFocusChange(const QEvent *event);

} // namespace ui::dialogs
