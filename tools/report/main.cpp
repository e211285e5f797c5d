// plumbline-report: the PDF report of a data folder, as File, Report makes it.
#include "tools/report/reporttool.h"

int main(int argc, char *argv[])
{
    return runReportTool(argc, argv);
}
