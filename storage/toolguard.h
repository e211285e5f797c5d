#pragma once

#include <QList>
#include <QString>

// What a command-line tool checks before it reads a data folder, and the warning it gives
// about history lines no investment owns. The windows check the same at start-up
// (storage/leftovers.h, the main window's open of each file); a tool only reads, so it
// refuses where the program would first have to repair.
namespace storage {

// Empty when the data folder may be read; otherwise why not, as one line for the tool's
// error output. A tool never reads the two data files while an investment delete over
// them is unfinished (they may be half changed), nor a folder (or a pipe, or anything
// else but a file) where a data file belongs: error 75, as the windows report a folder.
QString readingRefusal(const QString &folder);

// History lines whose investment number names no investment of the file (0, negative,
// past the last): the grid never shows them, and neither does a tool.
struct UnownedLines
{
    static constexpr int Listed = 10;
    long long count = 0;
    QList<long long> first; // line numbers, at most Listed

    // Whether a line of `investment` is one of them; counted if so.
    bool check(int investment, long long line, int investCount);
};

// Reads the whole history with a reader of its own; a damaged line raises HistoryPassError.
// A missing history has no lines.
UnownedLines findUnownedLines(const QString &historyPath, int investCount);

// Where the lines are left out of: what the warning says became of them.
enum class LeftOut { Exported, InReport, Counted };

// "3 lines of "FILE" name no investment (investments are numbered 1 to 2) and are not
// exported: lines 4, 7, 9"; `leftOut` says where they are missing ("exported").
QString unownedLinesWarning(const UnownedLines &unowned, const QString &historyPath, int investCount, LeftOut leftOut);

} // namespace storage
