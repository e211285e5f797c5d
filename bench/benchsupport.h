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
// The folder an operation works on, for a history of `lines` lines.
QString workFolder(long long lines);
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

// The rewrites as the main window runs them, on the work folder restored from its pristine copy.
void prepareRewrite(long long lines);
void runEditRewrite();   // the shown investment's record intSelRecNum
void runDeleteRewrite(); // the shown investment, file number 1 open
void openShownInvestFile();

} // namespace bench
