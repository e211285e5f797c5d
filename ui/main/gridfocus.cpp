#include "ui/main/frminvestdata.h"

#include "core/plmainmod.h"
#include "platform/messagebox.h"
#include "ui/boxtext.h"
#include "ui/maskededit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using namespace modPlMainMod;

void frmInvestData::installGridFocusHandlers()
{
    for (int i = 0; i < GridRows; ++i) {
        for (QWidget *cell : std::initializer_list<QWidget *>{
                 txtRecordNumber[i], txtDate[i], metOriginalAmount[i], metCurrentAmount[i], metIncDec[i],
                 metProfitLoss[i], txtInflRate[i], metLossToInfl[i], metCurAmntAFI[i], metProfLossAFI[i]})
            cell->installEventFilter(this);
    }
    txtInvestment->installEventFilter(this);
    txtInstitution->installEventFilter(this);
}

bool frmInvestData::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn: {
        // The focus coming back with the window is no new visit of the box; the focus the
        // window starts with is the first visit, so Copy works from that box at once.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const bool topBox = watched == txtInvestment || watched == txtInstitution;
        if ((reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) && (!topBox || m_blnBoxVisited))
            break;
        if (topBox) {
            m_blnBoxVisited = true;
            auto *box = static_cast<QLineEdit *>(watched);
            intCopySource = watched == txtInvestment ? 1 : 2;
            ui::selectWholeText(box);
            // Again once the click that gave the focus has placed the cursor.
            QPointer<QLineEdit> guarded(box);
            QMetaObject::invokeMethod(
                this,
                [guarded] {
                    if (guarded && guarded->hasFocus())
                        ui::selectWholeText(guarded);
                },
                Qt::QueuedConnection);
        } else if (watched != this && watched != centralWidget()) {
            auto *cell = static_cast<QWidget *>(watched);
            // After the cell has taken the focus; the handler may show a box and moves the focus on.
            QPointer<QWidget> guarded(cell);
            QMetaObject::invokeMethod(
                this,
                [this, guarded] {
                    if (guarded && !m_blnExiting)
                        gridCellGotFocus(guarded);
                },
                Qt::QueuedConnection);
        }
        break;
    }
    case QEvent::KeyPress: {
        // Enter presses the default button, Exit, unless a button with the focus took it.
        if (watched == centralWidget()) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && cmdDone->isEnabled() && cmdDone->isVisible()) {
                cmdDone->animateClick();
                return true;
            }
            if (pageKeyPressed(key))
                return true;
        }
        break;
    }
    case QEvent::Hide:
        if (watched == this)
            m_blnActivatePending = true; // shown again later, it reloads
        break;
    case QEvent::Show:
        // Shown again while its window kept the activation: no activation change follows.
        if (watched == this)
            QMetaObject::invokeMethod(this, &frmInvestData::activateIfDue, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmInvestData::gridCellGotFocus(QWidget *cell)
{
    for (int i = 0; i < GridRows; ++i) {
        if (cell == txtDate[i]) {
            cmdDone->setFocus(); // the date cells send the focus to Exit without a message
            return;
        }
    }
    runTrapped([this] { NoEntryMessg(); });
}

void frmInvestData::NoEntryMessg()
{
    platform::msgBox(tr("Sorry, you can't edit or create a new record from the data grid. If you want to "
                        "edit a record,\r\n"
                        "click on 'Edit' and choose the record you want to change from the drop down box\r\n"
                        "next to it. If you want to create a new record, click on 'Add New'."),
                     platform::MsgIcon::Information);
    // Edit cannot take the focus while it is disabled (no investments, or a choice
    // pending); Exit, where the date cells send it, always can.
    if (cmdEdit->isEnabled() && cmdEdit->isVisible())
        cmdEdit->setFocus();
    else
        cmdDone->setFocus();
}
