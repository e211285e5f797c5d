#pragma once
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QString;

namespace ui::import {

// What the import asks of the main window, which alone holds its investment file open.
struct MainWindowHooks
{
    // The investment on screen, 0 when none is.
    std::function<int()> shownInvestment;
    // Before a change that replaces the investment file: let go of it.
    std::function<void()> releaseInvestFile;
    // After a change (or its failure, with 0): take the investment file again and, for a
    // number above 0, show that investment's last page.
    std::function<void(int)> changed;
};

// File "Import Recor&ds…" (before `beforeInFile`), Edit "&Fill Missing Rates…", and a CSV
// file dropped onto the window opening the import of that file.
void addImportMenus(QMainWindow *window, QMenu *fileMenu, QAction *beforeInFile, QMenu *editMenu,
                    MainWindowHooks hooks);

// The commands, public for tests.
void importRecords(QMainWindow *window, const MainWindowHooks &hooks);
void importFile(QMainWindow *window, const MainWindowHooks &hooks, const QString &path);
void fillMissingRates(QMainWindow *window, const MainWindowHooks &hooks);

} // namespace ui::import
