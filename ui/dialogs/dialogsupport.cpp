#include "ui/dialogs/dialogsupport.h"

#include "ui/colours.h"
#include "ui/forms.h"
#include "ui/main/frminvestdata.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace ui::dialogs {

void setBoxColour(QWidget *box, const QColor &colour)
{
    ui::setForcedBackground(box, QPalette::Base, colour);
}

void setLabelColour(QWidget *label, const QColor &colour)
{
    ui::setForcedBackground(label, QPalette::Window, colour);
}

void returnToMainWindow(QWidget *dialog)
{
    if (frmInvestData *main = frmInvestData::instance())
        main->setEnabled(true);
    dialog->hide();
    ui::destroyWhenIdle(dialog);
    if (frmInvestData *main = frmInvestData::instance())
        main->activateWindow();
}

bool handleDialogKey(QWidget *dialog, QKeyEvent *event, QPushButton *done, QPushButton *cancel)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        if (cancel->isEnabled())
            cancel->click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() & ~(Qt::KeypadModifier))
            return false;
        if (auto *button = qobject_cast<QPushButton *>(dialog->focusWidget()))
            button->click();
        else if (done->isEnabled())
            done->click();
        return true;
    default:
        return false;
    }
}

bool isOwnFocusChange(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    // The menu bar takes the focus while its menus are worked from the keyboard and gives
    // it back when Esc closes them: no visit of a box either way.
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason;
}

} // namespace ui::dialogs
