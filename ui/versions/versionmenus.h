#pragma once

class frmInvestData;
class QAction;
class QMenu;

// The main window's entries for the kept versions of the data files: Edit, Undo and Redo
// (with the change's name), File, Restore Earlier Version… and Restore from Backup….
namespace ui::versions {

// Undo and Redo go at the top of `editMenu` (Ctrl+Z; Ctrl+Y or Ctrl+Shift+Z), the two
// restore entries into `fileMenu` before `beforeInFile`.
void addVersionMenus(frmInvestData *window, QMenu *fileMenu, QAction *beforeInFile, QMenu *editMenu);

// Undo and Redo say what they would take back now, and are disabled while there is
// nothing or while a dialog holds the main window. Called after every change.
void refreshVersionMenus();

// The handlers, public for tests.
void undo(frmInvestData *window);
void redo(frmInvestData *window);

} // namespace ui::versions
