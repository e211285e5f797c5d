// plumbline-bench: times the program's passes over large data folders against plain
// baselines on the same files, and measures the peak memory of every operation.
//
// Folders of 10,000 and 1,000,000 history lines (investment 1, the one the main window
// shows, holding 1% of them) are generated with plumbline-gendata into a temporary folder.
// Read-side operations are compared with `grep '^1,'` into a file, the rewrites with a
// plain copy of the history (read, write, fsync). Each operation also runs once in a child
// process of its own, whose peak resident memory is read from the kernel.
//
// Extra options, besides Google Benchmark's own:
//   --plumbline-lines=10000,1000000   history sizes
//   --plumbline-data=DIR              generate (or reuse) the folders in DIR
//   --plumbline-gendata=PATH          the generator to run
//   --plumbline-no-memory             skip the memory measurements
#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/transaction.h"
#include "ui/linklabel.h"
#include "ui/main/frminvestdata.h"

#include "benchhelp.h"
#include "benchsupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace modPlMainMod;

using namespace bench;

// ---- Message boxes never block here; any box means the operation failed. ----

class RecordingBoxes : public platform::MessageBoxes
{
public:
    platform::MsgResult show(const platform::MessageBoxCall &call) override
    {
        texts.push_back(call.text.toStdString());
        return call.buttons == platform::MsgButtons::YesNo ? platform::MsgResult::Yes : platform::MsgResult::OK;
    }
    std::vector<std::string> texts;
};

RecordingBoxes g_boxes;

// ---- Files ------------------------------------------------------------------

void copyFile(const QString &from, const QString &to)
{
    QFile::remove(to);
    if (!QFile::copy(from, to))
        die("cannot copy " + from.toStdString() + " to " + to.toStdString());
}

long long fileSize(const QString &path)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (long long)st.st_size : -1;
}

// Processor time of the programs this one ran (grep), added up.
double g_childCpuSeconds = 0;

// Processor time, user and system, of this process and the programs it ran.
double cpuSeconds()
{
    struct rusage usage
    {
    };
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6 + g_childCpuSeconds;
}

// Runs a program and waits for it; stdout into `outPath` (or a pipe read into `output`).
int runProcess(const std::vector<std::string> &args, const char *outPath, std::string *output, long *maxRssKb)
{
    std::vector<char *> argv;
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeFds[2] = {-1, -1};
    if (outPath) {
        posix_spawn_file_actions_addopen(&actions, 1, outPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    } else if (output) {
        if (::pipe(pipeFds) != 0)
            die("pipe failed");
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    }
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        die("cannot start " + args[0] + ": " + std::strerror(spawned));
    if (output && !outPath) {
        ::close(pipeFds[1]);
        char buffer[4096];
        ssize_t got = 0;
        while ((got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
            output->append(buffer, size_t(got));
        ::close(pipeFds[0]);
    }
    int status = 0;
    struct rusage usage
    {
    };
    while (::wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR)
            die("wait4 failed");
    }
    if (maxRssKb)
        *maxRssKb = usage.ru_maxrss;
    g_childCpuSeconds += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// ---- The data folders -----------------------------------------------------------

struct Options
{
    std::vector<long long> lines{10000, 1000000};
    std::string dataDir;
    std::string gendata = PLUMBLINE_GENDATA_BIN;
    bool memory = true;
};

Options g_options;
std::unique_ptr<QTemporaryDir> g_tempDir;
QString g_base;

} // namespace

namespace bench {

QString pristineFolder(long long lines)
{
    return g_base + QStringLiteral("/pristine-%1").arg(lines);
}

[[noreturn]] void die(const std::string &what)
{
    std::fprintf(stderr, "plumbline-bench: %s\n", what.c_str());
    std::exit(1);
}

QString workFolder(long long lines)
{
    return g_base + QStringLiteral("/work-%1").arg(lines);
}

} // namespace bench

namespace {

void generate(long long lines)
{
    const QString folder = pristineFolder(lines);
    if (QFile::exists(folder + QLatin1Char('/') + storage::HistFileName) &&
        QFile::exists(folder + QLatin1Char('/') + storage::InvestFileName))
        return;
    std::string output;
    const int rc = runProcess({g_options.gendata, "--out", folder.toStdString(), "--lines", std::to_string(lines),
                               "--shown", std::to_string(kShown), "--shown-share", "0.01", "--seed", "35"},
                              nullptr, &output, nullptr);
    if (rc != 0)
        die("the generator failed");
    std::fprintf(stderr, "%s", output.c_str());
}

QString g_folderInUse;

} // namespace

namespace bench {

// Puts the work folder back to the generated data; the program's work files go.
void restoreFolder(const QString &pristine, const QString &work)
{
    QDir().mkpath(work);
    for (const QString &name : {storage::PageFileName, storage::TempDataFileName, storage::TempHistFileName,
                                storage::SuccesFileName, storage::RecsDisplayedFileName})
        QFile::remove(work + QLatin1Char('/') + name);
    copyFile(pristine + QLatin1Char('/') + storage::InvestFileName, work + QLatin1Char('/') + storage::InvestFileName);
    copyFile(pristine + QLatin1Char('/') + storage::HistFileName, work + QLatin1Char('/') + storage::HistFileName);
}

// ---- The program's state in this process -------------------------------------------

void unloadWindow()
{
    if (frmInvestData::instance()) {
        frmInvestData::Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    storage::discardAll();
}

void useFolder(const QString &folder)
{
    if (g_folderInUse == folder)
        return;
    unloadWindow();
    storage::setProgramFolder(folder);
    g_folderInUse = folder;
}

frmInvestData *loadWindow(const QString &folder)
{
    useFolder(folder);
    if (frmInvestData *w = frmInvestData::instance())
        return w;
    // An operation without the window (the rewrites) may have left its own files open.
    storage::discardAll();
    modPlMainMod::ResetAll();
    frmInvestData *w = frmInvestData::Load();
    if (!w || int(intInvestRecNum) != kShown)
        die("the main window did not load the generated folder");
    return w;
}

} // namespace bench

namespace {

std::string takeBoxes()
{
    std::string all;
    for (const std::string &t : g_boxes.texts)
        all += (all.empty() ? "" : " | ") + t;
    g_boxes.texts.clear();
    return all;
}

// ---- Operations -------------------------------------------------------------------

void grepShown(long long lines)
{
    const std::string work = workFolder(lines).toStdString();
    const std::string out = work + "/grep-out.txt";
    const int rc = runProcess({"/bin/grep", "^" + std::to_string(kShown) + ",", work + "/PlDataHist.txt"}, out.c_str(),
                              nullptr, nullptr);
    if (rc != 0)
        die("grep failed");
}

void copyHistory(long long lines)
{
    const QByteArray from = QFile::encodeName(workFolder(lines) + QStringLiteral("/PlDataHist.txt"));
    const QByteArray to = QFile::encodeName(workFolder(lines) + QStringLiteral("/copy-out.txt"));
    ::unlink(to.constData());
    const int in = ::open(from.constData(), O_RDONLY);
    const int out = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (in < 0 || out < 0)
        die("cannot open the files of the copy");
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0)
            die("read failed");
        if (got == 0)
            break;
        if (::write(out, buffer.data(), size_t(got)) != got)
            die("write failed");
    }
    if (::fsync(out) != 0)
        die("fsync failed");
    ::close(in);
    ::close(out);
}

void pageToLast(frmInvestData *w)
{
    w->PrepGetHistRecs();
    w->GetHistRecs();
    while (!w->lblNextPg->isHidden())
        w->lblNextPg_Click();
}

long long calculationPass()
{
    // The pass the grid and the printout make: every record of the investment, in file
    // order, from a reset state.
    storage::open(4, storage::programFile(storage::PageFileName), storage::OpenMode::Input);
    ResetCalcState();
    long long counter = 1;
    while (!storage::eof(4)) {
        storage::inputHistRecord(4);
        if (counter == 1)
            curPrevAmount = Currency();
        CalculateRecord();
        ++counter;
    }
    storage::close(4);
    ResetCalcState();
    return counter - 1;
}

} // namespace

namespace bench {

long long shownRecords(long long lines)
{
    return lines / 100;
}

} // namespace bench

namespace {

std::vector<Operation> operations()
{
    std::vector<Operation> ops;
    ops.push_back({"grep", "", [](long long lines) { useFolder(workFolder(lines)); }, grepShown, nullptr});
    ops.push_back({"copy", "", [](long long lines) { useFolder(workFolder(lines)); }, copyHistory, nullptr});
    ops.push_back({"grid reload", "grep",
                   [](long long lines) {
                       frmInvestData *w = loadWindow(workFolder(lines));
                       w->PrepGetHistRecs();
                   },
                   [](long long) { frmInvestData::instance()->GetHistRecs(); },
                   [](long long lines) {
                       frmInvestData *w = frmInvestData::instance();
                       if (w->txtRecordNumber[0]->text() != QLatin1String("1") ||
                           (shownRecords(lines) > 12 && w->lblNextPg->isHidden()))
                           die("the reload did not show the first page");
                       w->PrepGetHistRecs();
                   }});
    ops.push_back({"paging back", "grep", [](long long lines) { pageToLast(loadWindow(workFolder(lines))); },
                   [](long long) { frmInvestData::instance()->lblPreviousPg_Click(); },
                   [](long long lines) {
                       frmInvestData *w = frmInvestData::instance();
                       const long long lastPage = (shownRecords(lines) + 11) / 12;
                       if (w->lblPageNum->text() != QString::number(lastPage - 1) || w->lblNextPg->isHidden())
                           die("paging back did not show the page before the last");
                       w->lblNextPg_Click();
                   }});
    ops.push_back({"calculation pass", "grep", [](long long lines) { loadWindow(workFolder(lines)); },
                   [](long long lines) {
                       if (calculationPass() != shownRecords(lines))
                           die("the calculation pass did not read every record of the investment");
                   },
                   nullptr});
    ops.push_back({"edit rewrite", "copy",
                   [](long long lines) {
                       useFolder(workFolder(lines));
                       unloadWindow();
                       intSelRecNum = int(shownRecords(lines) / 2);
                   },
                   [](long long) { runEditRewrite(); },
                   [](long long lines) {
                       // One amount grew by 1: the history is as long within a few bytes.
                       const long long before = fileSize(pristineFolder(lines) + QStringLiteral("/PlDataHist.txt"));
                       const long long after = fileSize(workFolder(lines) + QStringLiteral("/PlDataHist.txt"));
                       if (after < before || after > before + 8 ||
                           storage::fileExists(storage::programFile(storage::SuccesFileName)))
                           die("the edit rewrite did not leave the expected history");
                       restoreFolder(pristineFolder(lines), workFolder(lines));
                       intSelRecNum = int(shownRecords(lines) / 2);
                   }});
    ops.push_back({"delete rewrite", "copy",
                   [](long long lines) {
                       useFolder(workFolder(lines));
                       unloadWindow();
                       restoreFolder(pristineFolder(lines), workFolder(lines));
                       openShownInvestFile();
                   },
                   [](long long) { runDeleteRewrite(); },
                   [](long long lines) {
                       const QString pristine = pristineFolder(lines) + QLatin1Char('/');
                       const QString work = workFolder(lines) + QLatin1Char('/');
                       if (fileSize(work + storage::InvestFileName) !=
                               fileSize(pristine + storage::InvestFileName) - storage::InvestRecordLength ||
                           fileSize(work + storage::HistFileName) >= fileSize(pristine + storage::HistFileName) ||
                           storage::fileExists(work + storage::CommitMarkerName))
                           die("the delete rewrite did not leave the expected files");
                       storage::discardAll();
                       restoreFolder(pristineFolder(lines), workFolder(lines));
                       openShownInvestFile();
                   }});
    ops.push_back(chartOperation());
    ops.push_back(portfolioOperation());
    for (Operation &op : versionsOperations())
        ops.push_back(std::move(op));
    ops.push_back(importOperation());
    ops.push_back(fillRatesOperation());
    return ops;
}

// ---- Results ------------------------------------------------------------------------

struct Result
{
    double seconds = 0;    // median of the runs, wall clock
    double cpuSeconds = 0; // median of the runs, processor time
    long peakKb = -1;      // peak resident memory while the operation ran
    long processKb = -1;
};
std::map<std::pair<std::string, long long>, Result> g_results;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void runBenchmark(benchmark::State &state, const Operation &op, long long lines)
{
    op.prepare(lines);
    takeBoxes();
    std::vector<double> times, cpuTimes;
    for (auto _ : state) {
        const double cpuStart = cpuSeconds();
        const auto start = Clock::now();
        op.run(lines);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        cpuTimes.push_back(cpuSeconds() - cpuStart);
        state.SetIterationTime(seconds);
        times.push_back(seconds);
        const std::string boxes = takeBoxes();
        if (!boxes.empty()) {
            state.SkipWithError(("message box: " + boxes).c_str());
            break;
        }
        if (op.again)
            op.again(lines);
    }
    if (times.empty())
        return;
    Result &r = g_results[{op.name, lines}];
    r.seconds = median(times);
    r.cpuSeconds = median(cpuTimes);
    state.counters["lines"] = double(lines);
    state.counters["median_ms"] = r.seconds * 1e3;
    state.counters["cpu_ms"] = r.cpuSeconds * 1e3;
    if (*op.baseline) {
        const auto base = g_results.find({op.baseline, lines});
        if (base != g_results.end() && base->second.seconds > 0) {
            state.counters[std::string("x_") + op.baseline] = r.seconds / base->second.seconds;
            state.counters[std::string("cpu_x_") + op.baseline] = r.cpuSeconds / base->second.cpuSeconds;
        }
    }
}

// ---- Memory: each operation once in a child process of its own ----------------------------

long readStatusKb(const char *key)
{
    FILE *f = std::fopen("/proc/self/status", "r");
    if (!f)
        return -1;
    char line[256];
    long value = -1;
    const size_t keyLength = std::strlen(key);
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, key, keyLength) == 0) {
            value = std::strtol(line + keyLength, nullptr, 10);
            break;
        }
    }
    std::fclose(f);
    return value;
}

void resetPeak()
{
    // Writing 5 to clear_refs starts the peak resident size (VmHWM) afresh.
    FILE *f = std::fopen("/proc/self/clear_refs", "w");
    if (f) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

int measureChild(const std::string &opName, long long lines)
{
    for (const Operation &op : operations()) {
        if (opName != op.name)
            continue;
        op.prepare(lines);
        takeBoxes();
        resetPeak();
        const long before = readStatusKb("VmRSS:");
        op.run(lines);
        const long peak = readStatusKb("VmHWM:");
        const std::string boxes = takeBoxes();
        if (!boxes.empty())
            die("message box: " + boxes);
        std::printf("peak_kb=%ld before_kb=%ld\n", peak, before);
        unloadWindow();
        return 0;
    }
    die("unknown operation " + opName);
}

void measureMemory(const std::string &self)
{
    for (long long lines : g_options.lines) {
        for (const Operation &op : operations()) {
            if (!*op.baseline)
                continue;
            restoreFolder(pristineFolder(lines), workFolder(lines));
            std::string output;
            long maxRss = -1;
            const int rc =
                runProcess({self, "--plumbline-measure", op.name, std::to_string(lines), g_base.toStdString()}, nullptr,
                           &output, &maxRss);
            long peak = -1;
            if (rc != 0 || std::sscanf(output.c_str(), "peak_kb=%ld", &peak) != 1)
                die(std::string("the memory run of ") + op.name + " failed");
            Result &r = g_results[{op.name, lines}];
            r.peakKb = peak;
            r.processKb = maxRss;
        }
        restoreFolder(pristineFolder(lines), workFolder(lines));
    }
}

// ---- Report ---------------------------------------------------------------------------

std::string formatSeconds(double s)
{
    char buffer[32];
    if (s >= 1.0)
        std::snprintf(buffer, sizeof buffer, "%.2f s", s);
    else if (s >= 0.001)
        std::snprintf(buffer, sizeof buffer, "%.1f ms", s * 1e3);
    else
        std::snprintf(buffer, sizeof buffer, "%.0f us", s * 1e6);
    return buffer;
}

void printTable()
{
    std::printf("\n| operation | history lines | time | baseline | baseline time | ratio | processor time | "
                "processor ratio | peak memory |\n");
    std::printf("|---|---:|---:|---|---:|---:|---:|---:|---:|\n");
    for (long long lines : g_options.lines) {
        for (const Operation &op : operations()) {
            const auto it = g_results.find({op.name, lines});
            if (it == g_results.end() || it->second.seconds <= 0)
                continue;
            const Result &r = it->second;
            std::string baseline = "-", baseTime = "-", ratio = "-", cpuRatio = "-", memory = "-";
            if (*op.baseline) {
                const auto base = g_results.find({op.baseline, lines});
                if (base != g_results.end() && base->second.seconds > 0) {
                    baseline = op.baseline;
                    baseTime = formatSeconds(base->second.seconds);
                    char buffer[32];
                    std::snprintf(buffer, sizeof buffer, "%.2f x", r.seconds / base->second.seconds);
                    ratio = buffer;
                    if (base->second.cpuSeconds > 0) {
                        std::snprintf(buffer, sizeof buffer, "%.2f x", r.cpuSeconds / base->second.cpuSeconds);
                        cpuRatio = buffer;
                    }
                }
            }
            if (r.peakKb >= 0) {
                char buffer[48];
                std::snprintf(buffer, sizeof buffer, "%.1f MB", double(r.peakKb) / 1024.0);
                memory = buffer;
            }
            std::printf("| %s | %lld | %s | %s | %s | %s | %s | %s | %s |\n", op.name, lines,
                        formatSeconds(r.seconds).c_str(), baseline.c_str(), baseTime.c_str(), ratio.c_str(),
                        formatSeconds(r.cpuSeconds).c_str(), cpuRatio.c_str(), memory.c_str());
        }
    }

    // The targets, on the largest history, and the memory growth between the sizes.
    const long long largest = g_options.lines.back();
    const long long smallest = g_options.lines.front();
    std::printf("\nTargets on %lld lines:\n", largest);
    const struct
    {
        const char *name;
        double limit;
    } targets[] = {{"grid reload", 3.0},
                   {"edit rewrite", 4.0},
                   {"delete rewrite", 4.0},
                   {"chart", 2.0},
                   {"portfolio", 2.0},
                   {"undo delete", 2.0},
                   {"edit rewrite + version", 1.1},
                   {"delete rewrite + version", 1.1},
                   {"import 100,000 rows", 3.0},
                   {"fill 10,000 rates", 3.0}};
    for (const auto &t : targets) {
        for (const Operation &op : operations()) {
            if (std::strcmp(op.name, t.name) != 0)
                continue;
            const auto it = g_results.find({op.name, largest});
            const auto base = g_results.find({op.baseline, largest});
            if (it == g_results.end() || base == g_results.end() || base->second.seconds <= 0)
                continue;
            const double ratio = it->second.seconds / base->second.seconds;
            const double cpuRatio = base->second.cpuSeconds > 0 ? it->second.cpuSeconds / base->second.cpuSeconds : 0.0;
            std::printf("  %-16s %.2f x %s (at most %g x): %s   [processor time %.2f x]\n", op.name, ratio, op.baseline,
                        t.limit, ratio <= t.limit ? "met" : "MISSED", cpuRatio);
        }
    }
    if (g_options.memory && largest != smallest) {
        std::printf("Peak memory, %lld against %lld lines (at most 10 MB more):\n", largest, smallest);
        for (const Operation &op : operations()) {
            const auto a = g_results.find({op.name, smallest});
            const auto b = g_results.find({op.name, largest});
            if (!*op.baseline || a == g_results.end() || b == g_results.end() || a->second.peakKb < 0 ||
                b->second.peakKb < 0)
                continue;
            const double growth = double(b->second.peakKb - a->second.peakKb) / 1024.0;
            std::printf("  %-16s %+.1f MB (process peak %.1f MB and %.1f MB): %s\n", op.name, growth,
                        double(a->second.processKb) / 1024.0, double(b->second.processKb) / 1024.0,
                        growth <= 10.0 ? "met" : "MISSED");
        }
    }
    std::fflush(stdout);
}

// ---- Options ------------------------------------------------------------------------

void takeOwnOptions(int &argc, char **argv)
{
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char *prefix) -> const char * {
            const size_t n = std::strlen(prefix);
            return arg.compare(0, n, prefix) == 0 ? argv[i] + n : nullptr;
        };
        if (const char *v = value("--plumbline-lines=")) {
            g_options.lines.clear();
            for (const QString &part : QString::fromLatin1(v).split(QLatin1Char(','), Qt::SkipEmptyParts))
                g_options.lines.push_back(part.toLongLong());
        } else if (const char *v = value("--plumbline-data=")) {
            g_options.dataDir = v;
        } else if (const char *v = value("--plumbline-gendata=")) {
            g_options.gendata = v;
        } else if (arg == "--plumbline-no-memory") {
            g_options.memory = false;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    for (long long lines : g_options.lines) {
        if (lines < 100)
            die("every history size must be at least 100 lines");
    }
}

std::string selfPath()
{
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        die("cannot find the program's own path");
    return std::string(buffer, size_t(n));
}

} // namespace

int main(int argc, char **argv)
{
    if (bench::answeredHelpOrVersion(
            argc, argv, "plumbline-bench",
            "Times the program's passes over generated data folders against plain baselines on the same\n"
            "files, and the peak memory of every operation (docs/performance.md).\n\n"
            "  --plumbline-lines=N,M     history sizes, each at least 100 (default 10000,1000000)\n"
            "  --plumbline-data=DIR      generate (or reuse) the folders in DIR (default: a temporary folder)\n"
            "  --plumbline-gendata=PATH  the generator to run\n"
            "  --plumbline-no-memory     skip the memory measurements\n"
            "  -h, --help                print this and end\n"
            "  -v, --version             print the version and end\n"))
        return 0;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool child = argc == 5 && std::strcmp(argv[1], "--plumbline-measure") == 0;
    if (!child)
        takeOwnOptions(argc, argv);
    QApplication app(argc, argv);
    platform::MessageBoxes::setInstance(&g_boxes);
    frmInvestData::setQuitHandler([] { die("the main window ended the program; messages: " + takeBoxes()); });

    if (child) {
        g_base = QString::fromLocal8Bit(argv[4]);
        return measureChild(argv[2], std::stoll(argv[3]));
    }

    const char *buildType = PLUMBLINE_BENCH_BUILD_TYPE;
    if (std::strcmp(buildType, "Release") != 0 && std::strcmp(buildType, "RelWithDebInfo") != 0)
        std::fprintf(stderr,
                     "*** plumbline-bench: this build is not optimised (CMAKE_BUILD_TYPE \"%s\"); configure with "
                     "-DCMAKE_BUILD_TYPE=Release for figures that mean something\n",
                     buildType);

    if (g_options.dataDir.empty()) {
        g_tempDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/plumbline-bench-XXXXXX"));
        if (!g_tempDir->isValid())
            die("cannot create a temporary folder");
        g_base = g_tempDir->path();
    } else {
        g_base = QDir(QString::fromLocal8Bit(g_options.dataDir.c_str())).absolutePath();
        QDir().mkpath(g_base);
    }
    for (long long lines : g_options.lines) {
        generate(lines);
        restoreFolder(pristineFolder(lines), workFolder(lines));
        std::fprintf(stderr, "history of %lld lines: %lld bytes\n", lines,
                     fileSize(workFolder(lines) + QStringLiteral("/PlDataHist.txt")));
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const std::vector<Operation> ops = operations();
    for (long long lines : g_options.lines) {
        // Enough runs for steady figures without taking long on the big history.
        const int iterations = lines <= 100000 ? 31 : 15;
        for (const Operation &op : ops) {
            const std::string name = std::string(op.name) + "/" + std::to_string(lines);
            benchmark::RegisterBenchmark(name.c_str(),
                                         [op, lines](benchmark::State &state) { runBenchmark(state, op, lines); })
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(iterations);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    unloadWindow();

    if (g_options.memory)
        measureMemory(selfPath());
    printTable();
    return 0;
}
