#include "ui/index/indexmenus.h"

#include "ui/index/aboutdialog.h"
#include "ui/index/importpriceindexdialog.h"
#include "ui/index/priceindexdialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace ui::index {

void addPriceIndexMenus(QMainWindow *window, QMenu *fileMenu, QAction *beforeInFile, QMenu *helpMenu)
{
    auto *import = new QAction(QCoreApplication::translate("frmInvestData", "&Import Price Index…"), fileMenu);
    import->setObjectName(QStringLiteral("mnuFileImportIndex"));
    fileMenu->insertAction(beforeInFile, import);
    QObject::connect(import, &QAction::triggered, window, [window] { importPriceIndex(window); });

    QMenuBar *bar = window->menuBar();
    auto *view = bar->findChild<QMenu *>(QStringLiteral("mnuView"), Qt::FindDirectChildrenOnly);
    if (!view) {
        view = new QMenu(QCoreApplication::translate("frmInvestData", "&View"), bar);
        view->setObjectName(QStringLiteral("mnuView"));
        bar->insertMenu(helpMenu->menuAction(), view);
    }
    QAction *choose = view->addAction(QCoreApplication::translate("frmInvestData", "Price &Index…"));
    choose->setObjectName(QStringLiteral("mnuViewPriceIndex"));
    QObject::connect(choose, &QAction::triggered, window, [window] { choosePriceIndex(window); });

    QAction *about = helpMenu->addAction(QCoreApplication::translate("frmInvestData", "About Plumbline…"));
    about->setObjectName(QStringLiteral("mnuHelpAbout"));
    QObject::connect(about, &QAction::triggered, window, [window] { showAbout(window); });
}

void importPriceIndex(QMainWindow *window)
{
    ImportPriceIndexDialog::start(window);
}

void choosePriceIndex(QMainWindow *window)
{
    auto *dialog = new PriceIndexDialog(window);
    dialog->open();
}

void showAbout(QMainWindow *window)
{
    auto *dialog = new AboutDialog(window);
    dialog->open();
}

} // namespace ui::index
