#pragma once

class QMainWindow;
class QMenu;
class QAction;

namespace ui::index {

// The price-index entries of the main window's menus: File "&Import Price Index…"
// (before `beforeInFile`), View "Price &Index…" (the View menu is made between Edit and
// Help when there is none) and Help "About Plumbline…".
void addPriceIndexMenus(QMainWindow *window, QMenu *fileMenu, QAction *beforeInFile, QMenu *helpMenu);

// The handlers, public for the toolbar and tests alike.
void importPriceIndex(QMainWindow *window);
void choosePriceIndex(QMainWindow *window);
void showAbout(QMainWindow *window);

} // namespace ui::index
