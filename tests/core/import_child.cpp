// Runs one record import in a given folder, so a test can kill the process at any step of
// its write and look at what the folder holds afterwards.
//   import_child FOLDER existing|new [STEP NTH]
// existing: five records into investment 1 (two merged, three appended); new: the same into a
// new investment (both data files change). With STEP (open, write, flush or rename) and NTH
// the process kills itself the NTH time that step runs.
#include "core/runtimeerror.h"
#include "storage/faults.h"
#include "storage/recordimport.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 5) {
        std::fprintf(stderr, "usage: import_child FOLDER existing|new [STEP NTH]\n");
        return 2;
    }
    storage::RecordChangeRequest request;
    if (args.at(2) == QLatin1String("new")) {
        request.newType = QStringLiteral("Imported");
        request.newInstitution = QStringLiteral("Child Bank");
    } else {
        request.investment = 1;
    }
    for (int i = 0; i < 5; ++i)
        request.records.push_back({i + 2, Date::fromYmd(i < 2 ? 1950 : 2030, 6, 10 + i), Currency::fromWhole(100 + i),
                                   Currency::fromWhole(200 + i), 1.5f});
    try {
        const storage::RecordChangePlan plan = storage::planRecordChanges(args.at(1), request);
        if (args.size() == 5) {
            const QStringList steps = {QStringLiteral("open"), QStringLiteral("write"), QStringLiteral("flush"),
                                       QStringLiteral("rename")};
            storage::faults::killAt(storage::faults::Step(steps.indexOf(args.at(3))), args.at(4).toInt());
        }
        std::fputs("go\n", stdout);
        std::fflush(stdout);
        storage::applyRecordChanges(args.at(1), plan);
    } catch (const RuntimeError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::fputs("done\n", stdout);
    return 0;
}
