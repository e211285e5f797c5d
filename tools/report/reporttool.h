#pragma once

#include <functional>

// plumbline-report: the PDF report of a data folder, as File, Report makes it, with its
// options, messages and exit codes (0 written, 1 failed or refused, 3 cancelled by SIGTERM).
struct ReportToolHooks
{
    // After each page is told on standard output (0: the pages were counted). Tests stop the
    // process there to act at a known page.
    std::function<void(int page)> afterPageTold;
};

int runReportTool(int argc, char *argv[], const ReportToolHooks &hooks = {});
