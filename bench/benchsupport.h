#pragma once

// What the benchmark's files share: the operation table's row and the fixture's helpers
// (bench/main.cpp), and the operations kept in files of their own.
#include <QString>

#include <functional>
#include <string>
#include <vector>

class frmInvestData;

namespace bench {

// One operation: `prepare` puts the folder and the program in the state the operation
// starts from (not timed), `run` is what is timed, `again` makes the next run possible
// (not timed).
struct Operation
{
    const char *name;
    const char *baseline; // another operation's name; empty for a baseline itself
    std::function<void(long long lines)> prepare;
    std::function<void(long long lines)> run;
    std::function<void(long long lines)> again;
};

constexpr int kShown = 1; // the investment the main window shows after loading

[[noreturn]] void die(const std::string &what);
// The folder an operation works on, for a history of `lines` lines, and the generated data
// it is restored from.
QString workFolder(long long lines);
QString pristineFolder(long long lines);
// Puts the work folder back to the generated data; the program's work files go.
void restoreFolder(const QString &pristine, const QString &work);
// The program in this process works on `folder` (the main window unloaded when it changes).
void useFolder(const QString &folder);
// The main window unloaded and every file number let go.
void unloadWindow();
// The main window on that folder, loaded once and kept.
frmInvestData *loadWindow(const QString &folder);
// Records of the shown investment in a history of `lines` lines.
long long shownRecords(long long lines);

// bench/chart.cpp: the chart's data pass and one paint.
Operation chartOperation();
// bench/portfolio.cpp: the portfolio window opened.
Operation portfolioOperation();
// bench/versions.cpp: the edit and delete rewrites with their versions kept, and the undo of
// an investment delete.
std::vector<Operation> versionsOperations();

// bench/rewrites.cpp: the rewrites as the main window runs them, on the work folder restored
// from its pristine copy.
void prepareRewrite(long long lines);
void runEditRewrite();   // the shown investment's record intSelRecNum
void runDeleteRewrite(); // the shown investment, file number 1 open
void openShownInvestFile();
// bench/import.cpp: 100,000 rows imported, 10,000 rates filled.
Operation importOperation();
Operation fillRatesOperation();

} // namespace bench
