#pragma once

class frmInvestData;

namespace ui::versions {

// File, Restore from Backup…: the user picks a folder holding both data files (one that
// Backup Data Files wrote to, or a copy of a data folder); both files are read completely
// before anything changes, a damaged one is refused with its line, and otherwise the user
// is told what the backup holds and asked. The files replaced stay kept: Undo brings them back.
void restoreFromBackup(frmInvestData *window);

} // namespace ui::versions
