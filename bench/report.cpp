// plumbline-bench-report: the PDF report and the exports (every investment, one investment,
// the returns) against grep over the same generated folders (10,000 and 1,000,000 history
// lines, 100 investments), all run as the user runs them, as processes. x_<baseline> is the
// ratio of medians to the baseline timed in the same run; peak memory is the child's maximum
// resident set.
//
//   --plumbline-data=DIR   generate (or reuse) the folders in DIR (default: a temporary folder)
//   --plumbline-lines=N,M  history sizes (default 10000,1000000)
#include "benchhelp.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

std::string g_data;
std::vector<long long> g_lines{10000, 1000000};

[[noreturn]] void die(const std::string &what)
{
    std::fprintf(stderr, "plumbline-bench-report: %s\n", what.c_str());
    std::exit(1);
}

// Runs a program with standard output to `out`; returns its peak resident memory in KiB.
long runChild(const std::vector<std::string> &argv, const char *out)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char *> args;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) != 0)
        die("cannot start " + argv[0]);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        die(argv[0] + " failed");
    return usage.ru_maxrss;
}

std::string folderFor(long long lines)
{
    const std::string folder = g_data + "/lines-" + std::to_string(lines);
    struct stat st
    {
    };
    if (stat((folder + "/PlDataHist.txt").c_str(), &st) != 0)
        runChild({PLUMBLINE_GENDATA_BIN, "--out", folder, "--lines", std::to_string(lines), "--shown", "1",
                  "--shown-share", "0.01", "--seed", "35"},
                 "/dev/null");
    return folder;
}

// One program run as the user runs it, against a plain baseline over the same file.
struct Tool
{
    const char *name;
    const char *baseline; // "" for a baseline itself
    std::vector<std::string> (*argv)(const std::string &folder, const std::string &pdf);
};

const Tool kTools[] = {
    // A pass that reads every line and writes each out: the least any export of everything does.
    {"grep all", "",
     [](const std::string &folder, const std::string &) {
         return std::vector<std::string>{"/bin/grep", ",", folder + "/PlDataHist.txt"};
     }},
    // The lines of the one investment the folder shows in the grid.
    {"grep one", "",
     [](const std::string &folder, const std::string &) {
         return std::vector<std::string>{"/bin/grep", "^1,", folder + "/PlDataHist.txt"};
     }},
    {"export", "grep all",
     [](const std::string &folder, const std::string &) {
         return std::vector<std::string>{PLUMBLINE_EXPORT_BIN, "--data-dir", folder};
     }},
    {"export one", "grep one",
     [](const std::string &folder, const std::string &) {
         return std::vector<std::string>{PLUMBLINE_EXPORT_BIN, "--data-dir", folder, "--investment", "1"};
     }},
    {"returns", "grep all",
     [](const std::string &folder, const std::string &) {
         return std::vector<std::string>{PLUMBLINE_EXPORT_BIN, "--data-dir", folder,
                                         "--returns",          "--series",   "US-CPI-U"};
     }},
    {"report", "grep all",
     [](const std::string &folder, const std::string &pdf) {
         return std::vector<std::string>{PLUMBLINE_REPORT_BIN, "--data-dir", folder, "--out", pdf};
     }},
};

// Median seconds of each tool's runs, by tool and history size, for the ratios.
std::map<std::pair<std::string, long long>, double> g_seconds;

void timeTool(benchmark::State &state, const Tool &tool)
{
    const long long lines = state.range(0);
    const std::string folder = folderFor(lines);
    const std::vector<std::string> argv = tool.argv(folder, g_data + "/report.pdf");
    const bool toFile = std::string(tool.name) != "report";
    long peak = 0;
    std::vector<double> runs;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        peak = std::max(peak, runChild(argv, toFile ? (g_data + "/out.txt").c_str() : "/dev/null"));
        runs.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        state.SetIterationTime(runs.back());
    }
    std::sort(runs.begin(), runs.end());
    const double median = runs[runs.size() / 2];
    g_seconds[{tool.name, lines}] = median;
    state.counters["peak_MB"] = double(peak) / 1024.0;
    if (*tool.baseline) {
        const auto base = g_seconds.find({tool.baseline, lines});
        if (base != g_seconds.end() && base->second > 0)
            state.counters[std::string("x_") + tool.baseline] = median / base->second;
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (bench::answeredHelpOrVersion(
            argc, argv, "plumbline-bench-report",
            "Times plumbline-report and plumbline-export (every investment, one, --returns) against grep\n"
            "over the same generated folders, all run as processes (docs/performance.md).\n\n"
            "  --plumbline-lines=N,M     history sizes (default 10000,1000000)\n"
            "  --plumbline-data=DIR      generate (or reuse) the folders in DIR (default: a temporary folder)\n"
            "  -h, --help                print this and end\n"
            "  -v, --version             print the version and end\n"))
        return 0;
    std::vector<char *> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--plumbline-data=", 17) == 0) {
            g_data = argv[i] + 17;
        } else if (std::strncmp(argv[i], "--plumbline-lines=", 18) == 0) {
            g_lines.clear();
            for (char *p = argv[i] + 18; *p;) {
                g_lines.push_back(std::strtoll(p, &p, 10));
                if (*p == ',')
                    ++p;
            }
        } else {
            rest.push_back(argv[i]);
        }
    }
    if (g_data.empty()) {
        char pattern[] = "/tmp/plumbline-bench-report-XXXXXX";
        if (!mkdtemp(pattern))
            die("no temporary folder");
        g_data = pattern;
    }
    // Baselines first: each tool's ratio is to a baseline timed in the same run.
    for (long long lines : g_lines) {
        for (const Tool &tool : kTools) {
            benchmark::RegisterBenchmark(tool.name, [&tool](benchmark::State &s) { timeTool(s, tool); })
                ->Arg(lines)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(lines > 100000 ? 3 : 5);
        }
    }
    int count = int(rest.size());
    benchmark::Initialize(&count, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
