// Writes one report of a data folder and kills itself part way through, so a test can look at
// what is left where the report was going.
//   report_child FOLDER OUT.pdf STEP NTH
// STEP is open, write (a page or a block of the file), flush or rename; the process dies the NTH
// time that step runs.
#include "render/report/reportwriter.h"
#include "storage/datafolder.h"
#include "storage/faults.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: report_child FOLDER OUT.pdf open|write|flush|rename NTH\n");
        return 2;
    }
    storage::setProgramFolder(args.at(1));
    const QString step = args.at(3);
    const storage::faults::Step at = step == QLatin1String("open")    ? storage::faults::Step::Open
                                     : step == QLatin1String("write") ? storage::faults::Step::Write
                                     : step == QLatin1String("flush") ? storage::faults::Step::Flush
                                                                      : storage::faults::Step::Rename;
    storage::faults::killAt(at, args.at(4).toInt());
    const int pages = render::writeReport({args.at(2), 0});
    std::printf("done %d\n", pages);
    return 0;
}
