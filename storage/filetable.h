#pragma once

#include "core/investrecord.h"
#include "core/valuetypes.h"
#include "storage/investrecords.h"

#include <QString>

#include <functional>

// The program's file numbers: 1 the investment file, 2 the history or a file being
// read, 3 and 4 the work files of a rewrite or a backup copy, 5 the grid's page file.
// Every failure raises a RuntimeError with its classic number.
namespace storage {

enum class OpenMode {
    Input,          // sequential read; a missing file is error 53
    Output,         // sequential write; creates or empties the file
    Append,         // sequential write at the end; creates the file
    Random,         // 102-byte records, read and write; creates the file
    RandomReadOnly, // 102-byte records, read only; a missing file is error 53
};

inline constexpr int MaxFileNumber = 5;

// Opens a file on a number that must not be in use (error 55). With `replace`,
// an Output or Random file is written under a temporary name in the same folder
// and only put in place of `path` by close(): flushed to disk, then renamed
// atomically, so the folder always holds the complete old or the complete new file.
// The new file gets the old one's permissions, owner and group; a `path` that is a
// symbolic link is rewritten at its target; one the user may not write raises 75.
// Without `replace`, Output creates the file fresh (a file or link of that name is
// removed first); every file the program creates is readable by the user only.
void open(int number, const QString &path, OpenMode mode, bool replace = false);
// Closes a number; closing one that is not open does nothing. A replacing file is
// committed here (error raised if the commit fails; the old file then stays).
void close(int number);
// Closes a replacing file without putting it in place: flushed to disk and left under
// its temporary name, for a rewrite of two files that must change together.
struct StagedFile
{
    QString path;   // the new file
    QString target; // the file it is to take the place of (a link's target)
};
StagedFile closeStaged(int number);
// Closes a number and drops an uncommitted replacing file (for error paths).
void discard(int number);
void discardAll();
bool isOpen(int number);
// Narrows the permissions of the new file open on `number` to those of `source`, so a
// copy is never more readable than what it copies.
void limitPermissionsTo(int number, const QString &source);
bool eof(int number);
long long lof(int number); // length in bytes of the open file

// Record `position` (1-based) of a Random file into `record`. A position past the
// end, or a record that cannot be decoded, yields RecNum 0 and blank texts and
// returns false.
bool getRecord(int number, long long position, InvestRecord &record);
// All or nothing: a write that fails part way leaves the file as it was (61).
void putRecord(int number, long long position, const InvestRecord &record);
// Writes `bytes` (at most 102) as record `position`, all or nothing.
void putRawRecord(int number, long long position, const QByteArray &bytes);

// One data history line into, or from, the shared data record variables
// (intHistInvestNum, dtmRecDate, curOriginalAmount, curCurrentAmount, sngInflRate).
// A damaged line raises 13 (Type mismatch) or 62 (Input past end of file).
void inputHistRecord(int number);
// The next history line, decoded as inputHistRecord decodes it only when it begins with an
// investment number (digits, then a comma) that `wanted` accepts, or does not begin with one,
// so its damage is reported. Returns whether the line was decoded; a line passed over is
// read up to its end and counted, nothing more. An empty `wanted` decodes every line.
bool inputHistRecordIf(int number, const std::function<bool(int)> &wanted);
void writeHistRecord(int number);
// The rest of work file `from` onto `to`, as inputHistRecord and writeHistRecord line
// by line would copy it, leaving the last line in the shared variables. Only for files
// this program has just written: their lines are already in the form written, so
// their bytes go across as they are.
void copyHistRecords(int from, int to);
// The lines of `from` that belong to investments other than `investNum` onto `to`, up to
// the first line of that investment, the end, or a line not in the form written (left
// for inputHistRecord). Each line is decoded and checked as inputHistRecord does and put
// out as writeHistRecord would put it; the last line taken is left in the shared variables.
void copyOtherInvestments(int from, int to, int investNum);
// The lines of `from` onto `to` as the delete's loop puts them: none of investment
// `investNum`, later investments' numbers one lower. Each is decoded and checked as
// inputHistRecord does; a line not in the form written is left for inputHistRecord.
void copyWithoutInvestment(int from, int to, int investNum);
// One "TempData.txt" line into, or from, intTempRecNum, strInvestType, strInstitution.
void inputTempDataRecord(int number);
void writeTempDataRecord(int number);
// 1-based number of the line last read on a sequential file (for messages).
long long lineNumber(int number);

// Deletes a file (error 53 when missing); puts `from` in place of `to` atomically.
void kill(const QString &path);
void replaceFile(const QString &from, const QString &to);
bool fileExists(const QString &path);

} // namespace storage
