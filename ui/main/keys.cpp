// The keys every desktop program answers, added beside the window's own access keys.
#include "ui/main/frminvestdata.h"

#include "ui/linklabel.h"

#include <QAction>

void frmInvestData::installStandardKeys()
{
    // On the menu entries themselves, so the keys take the entries' own path and show in the menus.
    mnuHelpInstruct->setShortcut(QKeySequence(Qt::Key_F1));
    mnuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

bool frmInvestData::pageKeyPressed(int key)
{
    // Only while the link is shown: the keys do what a click on it does, and nothing otherwise.
    ui::LinkLabel *link = key == Qt::Key_PageDown ? lblNextPg : key == Qt::Key_PageUp ? lblPreviousPg : nullptr;
    if (!link || !link->isVisible())
        return false;
    runTrapped([this, link] { link == lblNextPg ? lblNextPg_Click() : lblPreviousPg_Click(); });
    return true;
}
