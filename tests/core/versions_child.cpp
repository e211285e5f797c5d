// Runs one change, undo, redo or restore of the kept versions in a given folder, so a test
// can kill the process at any step of it and look at what the folder holds afterwards.
//   versions_child FOLDER change|undo|redo|restore:ID|backup:FOLDER [STEP NTH]
// With STEP (open, write, flush or rename) and NTH the process kills itself the NTH time
// that step runs.
#include "versionstesting.h"

#include "core/runtimeerror.h"
#include "storage/faults.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // never the user's settings
    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 5) {
        std::fprintf(stderr, "usage: versions_child FOLDER OPERATION [STEP NTH]\n");
        return 2;
    }
    storage::setProgramFolder(args.at(1));
    const QString operation = args.at(2);
    try {
        testing::openChannelOne();
        storage::VersionStore store(args.at(1));
        if (args.size() == 5) {
            const QStringList steps = {QStringLiteral("open"), QStringLiteral("write"), QStringLiteral("flush"),
                                       QStringLiteral("rename")};
            storage::faults::killAt(storage::faults::Step(steps.indexOf(args.at(3))), args.at(4).toInt());
        }
        if (operation == QLatin1String("change")) {
            auto kept = store.begin(testing::describeChange(QStringLiteral("edit record"), 7));
            testing::makeChange(QStringLiteral("edit record"), 7);
            kept.commit();
        } else {
            storage::close(1);
            if (operation == QLatin1String("undo"))
                store.undo();
            else if (operation == QLatin1String("redo"))
                store.redo();
            else if (operation.startsWith(QLatin1String("restore:")))
                store.restore(operation.mid(8).toInt());
            else if (operation.startsWith(QLatin1String("backup:")))
                store.restoreBackup(operation.mid(7));
            else
                return 2;
        }
    } catch (const RuntimeError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::fputs("done\n", stdout);
    return 0;
}
