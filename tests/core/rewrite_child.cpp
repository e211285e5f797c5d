// Runs one rewrite of the data files in a given folder, so a test can kill the
// process at any moment of it and look at what the folder holds afterwards.
//   rewrite_child FOLDER edit|insert|delete|append|delinvest|deleteinvestment INVEST RECORD [STEP NTH]
// deleteinvestment is the whole investment delete over both files; with STEP (open, write,
// flush or rename) and NTH the process kills itself the NTH time that step runs.
#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/filetable.h"
#include "storage/rewrites.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

using namespace modPlMainMod;

namespace {

void newValues()
{
    dtmRecDate = Date::fromYmd(2020, 2, 29);
    curOriginalAmount = Currency::fromWhole(777);
    curCurrentAmount = Currency::fromWhole(888);
    sngInflRate = 9.5f;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5 && args.size() != 7) {
        std::fprintf(stderr, "usage: rewrite_child FOLDER OPERATION INVEST RECORD [STEP NTH]\n");
        return 2;
    }
    if (args.size() == 7) {
        const QStringList steps = {QStringLiteral("open"), QStringLiteral("write"), QStringLiteral("flush"),
                                   QStringLiteral("rename")};
        storage::faults::killAt(storage::faults::Step(steps.indexOf(args.at(5))), args.at(6).toInt());
    }
    storage::setProgramFolder(args.at(1));
    const QString operation = args.at(2);
    intInvestRecNum = args.at(3).toInt();
    intSelRecNum = args.at(4).toInt();
    try {
        std::fputs("go\n", stdout);
        std::fflush(stdout);
        if (operation == QLatin1String("append")) {
            newValues();
            storage::appendHistRecord();
        } else if (operation == QLatin1String("deleteinvestment")) {
            intDelInvestNum = intInvestRecNum;
            storage::open(1, storage::programFile(storage::InvestFileName), storage::OpenMode::Random);
            storage::delDataRec();
            storage::prepareInvestHist();
            storage::close(1);
            storage::stageInvestFile(storage::writeInvestRecord);
            storage::commitInvestDelete();
        } else if (operation == QLatin1String("delinvest")) {
            intDelInvestNum = intInvestRecNum;
            storage::delInvestHist();
        } else {
            strOperation = operation.toUpper();
            storage::createTwoFiles({});
            storage::createHistFile(newValues);
        }
    } catch (const RuntimeError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::fputs("done\n", stdout);
    return 0;
}
