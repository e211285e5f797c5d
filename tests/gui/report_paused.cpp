// plumbline-report that stops itself (SIGSTOP) right after telling page
// $PLUMBLINE_PAUSE_AT_PAGE, so a test can cancel or kill it at that page and then let it go on.
#include "tools/report/reporttool.h"

#include <csignal>
#include <cstdlib>

int main(int argc, char *argv[])
{
    const char *at = std::getenv("PLUMBLINE_PAUSE_AT_PAGE");
    const int pauseAt = at ? std::atoi(at) : -1;
    ReportToolHooks hooks;
    hooks.afterPageTold = [pauseAt](int page) {
        if (page == pauseAt)
            std::raise(SIGSTOP);
    };
    return runReportTool(argc, argv, hooks);
}
