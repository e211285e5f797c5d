#include "ui/dialogs/dialogsupport.h"

#include "ui/main/frminvestdata.h"

#include <QFocusEvent>
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
    dialog->deleteLater();
    if (frmInvestData *main = frmInvestData::instance())
        main->activateWindow();
}

bool isOwnFocusChange(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace ui::dialogs
