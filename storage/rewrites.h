#pragma once

#include <QString>
#include <functional>

// The rewrites of the two data files, on the shared state, one record at a time.
// Each new file is written completely under another name, flushed to disk and only
// then put in place of the old one by a rename, so a failure or a crash at any step
// leaves the complete old file; the work files of a failed rewrite are removed and
// the error is raised again for the caller to report. Work files always start empty:
// a leftover from an interrupted run is never merged into the history.
namespace storage {

// Appends the data record in hand as a line of investment intInvestRecNum. The new
// history (old bytes unchanged, then the new line) replaces the old one as a whole.
void appendHistRecord();

// Splits the history into "SuccesToHist.txt" (other investments) and
// "RecsDisplayed.txt" (the investment in hand), dropping the chosen record for
// "DELETE"; `showChosen` runs when the chosen record of an "EDIT" is reached.
// Closes file numbers 2 and 5 first.
void createTwoFiles(const std::function<void()> &showChosen);
// Rebuilds the history from the two work files with the edit or insert applied
// (`loadValues` fills the data record from the dialog; an exception from it stops
// the rebuild with the history unchanged) and deletes the work files.
void createHistFile(const std::function<void()> &loadValues);
// Deletes both work files of a split; missing ones are no error.
void deleteSplitFiles();
// Whether both work files of a split are there.
bool splitFilesExist();

// Copy-out: every investment but intDelInvestNum into "TempData.txt", renumbered.
void delDataRec();
// Rebuild: "TempData.txt" into a new investment file (or, in backup mode, into
// the copy at strInvestBackupPath on file number 3, which stays open until the
// caller closes it), calling `loadInDataFile` for each record; deletes
// "TempData.txt" and reopens file number 1. File number 1 must be closed first
// unless in backup mode. A missing "TempData.txt" is an error: the old file stays.
void transTempToData(const std::function<void()> &loadInDataFile);
// History without the lines of intDelInvestNum, higher numbers moved down by one.
// Raises 53 when there is no history yet.
void delInvestHist();
// The same in two steps, so the investment file can be rebuilt in between:
// prepareInvestHist writes the new history completely to "TempHist.txt" (false,
// with nothing written, when there is no history yet); commitInvestHist puts it in
// place of the history; dropInvestHist removes it.
bool prepareInvestHist();
void commitInvestHist();
void dropInvestHist();
// A copy of the investment file as it stands, so a delete whose history rewrite
// fails can put the old file back (restoreInvestFile closes and reopens file
// number 1); dropKeptFile removes the copy.
QString keepInvestFile();
void restoreInvestFile(const QString &kept);
void dropKeptFile(const QString &kept);
// Writes the investment in hand as record intInvestRecNum of file number 1, or of
// file number 3 in backup mode.
void writeInvestRecord();
// Copies the history line by line to `target`.
void copyHistory(const QString &target);

// Removes what an interrupted run may have left in the program folder: the hidden
// temporary files of unfinished rewrites and the work files. Only for a program that
// holds the folder alone.
void removeLeftovers();

// Number of data records of investment `investNum` in the whole history (0 when
// there is no history). Leaves the data record in hand as it was.
int countHistRecords(int investNum);

} // namespace storage
