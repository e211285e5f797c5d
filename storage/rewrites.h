#pragma once

#include <QString>
#include <functional>

// The rewrites of the two data files, on the shared state, one record at a time.
// Each new file is written completely under another name and only then put in
// place of the old one, so a failure at any step leaves the old file whole; the
// work files of a failed rewrite are removed and the error is raised again for
// the caller to report.
namespace storage {

// Appends the data record in hand as a line of investment intInvestRecNum.
// On failure the history is cut back to its former length.
void appendHistRecord();

// Splits the history into "SuccesToHist.txt" (other investments) and
// "RecsDisplayed.txt" (the investment in hand), dropping the chosen record for
// "DELETE"; `showChosen` runs when the chosen record of an "EDIT" is reached.
void createTwoFiles(const std::function<void()> &showChosen);
// Rebuilds the history from the two work files with the edit or insert applied
// (`loadValues` fills the data record from the dialog) and deletes the work files.
void createHistFile(const std::function<void()> &loadValues);
// Deletes both work files of a split; missing ones are no error.
void deleteSplitFiles();

// Copy-out: every investment but intDelInvestNum into "TempData.txt", renumbered.
void delDataRec();
// Rebuild: "TempData.txt" into a new investment file (or, in backup mode, into
// the copy at strInvestBackupPath on file number 3, which stays open), calling
// `loadInDataFile` for each record; deletes "TempData.txt" and reopens file number 1.
// Error 53 in a step is passed over, as the classic rebuild does.
void transTempToData(const std::function<void()> &loadInDataFile);
// History without the lines of intDelInvestNum, higher numbers moved down by one.
// Raises 53 when there is no history yet.
void delInvestHist();
// Writes the investment in hand as record intInvestRecNum of file number 1, or of
// file number 3 in backup mode.
void writeInvestRecord();
// Copies the history line by line to `target`.
void copyHistory(const QString &target);

} // namespace storage
