#include "ui/dialogs/dialogsupport.h"

#include "ui/forms.h"
#include "ui/main/frminvestdata.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace ui::dialogs {

void setBoxColour(QWidget *box, const QColor &colour)
{
    QPalette palette = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    box->setPalette(palette);
}

void setLabelColour(QWidget *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
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
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace ui::dialogs
