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
// caller closes it), calling `loadInDataFile` for each record (a record the copy-out
// could not read keeps its own bytes, with its new number); deletes
// "TempData.txt" and reopens file number 1. File number 1 must be closed first
// unless in backup mode. A missing "TempData.txt" is an error: the old file stays.
void transTempToData(const std::function<void()> &loadInDataFile);
// History without the lines of intDelInvestNum, higher numbers moved down by one.
// Raises 53 when there is no history yet.
void delInvestHist();
// The same in two steps: prepareInvestHist writes the new history completely to
// "TempHist.txt" (beside the history's target when the history is a link elsewhere),
// false with nothing written when there is no history yet; commitInvestHist puts it in
// place of the history on its own; dropInvestHist removes it.
bool prepareInvestHist();
void commitInvestHist();
void dropInvestHist();

// The investment delete as one transaction over both files, after delDataRec and
// prepareInvestHist. A damaged record is carried across with its own bytes (only the
// record number changes), never blanked.
// stageInvestFile: the rebuild into a new file beside the investment file, complete and
// on disk, channel 1 closed (it must be closed first).
void stageInvestFile(const std::function<void()> &loadInDataFile);
// Both new files in place together (storage/transaction.h) and channel 1 reopened. A
// failure leaves both old files and removes the new ones, except CommitLeftPending:
// then the next start completes the delete, and until then nothing else may be written.
void commitInvestDelete();
// Removes what the delete prepared and reopens channel 1 on the old file.
void abandonInvestDelete();
// Writes the investment in hand as record intInvestRecNum of file number 1, or of
// file number 3 in backup mode.
void writeInvestRecord();
// Copies the history line by line to `target`.
void copyHistory(const QString &target);

// Number of data records of investment `investNum` in the whole history (0 when
// there is no history). Leaves the data record in hand as it was.
int countHistRecords(int investNum);

} // namespace storage
