// The edit and investment delete rewrites as the main window runs them, shared by the
// rewrite operations (bench/main.cpp) and those that keep versions around them
// (bench/versions.cpp).
#include "benchsupport.h"

#include "core/plmainmod.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/rewrites.h"
#include "storage/transaction.h"

namespace bench {

using namespace modPlMainMod;

void prepareRewrite(long long lines)
{
    useFolder(workFolder(lines));
    unloadWindow();
    restoreFolder(pristineFolder(lines), workFolder(lines));
}

void runEditRewrite()
{
    intInvestRecNum = kShown;
    strOperation = QStringLiteral("EDIT");
    storage::createTwoFiles([] {});
    // The dialog's values: the chosen record with a corrected current amount.
    storage::createHistFile([] { curCurrentAmount = curCurrentAmount + Currency::fromWhole(1); });
}

void runDeleteRewrite()
{
    // As the main window runs it: both new files written, then put in place together.
    intDelInvestNum = kShown;
    storage::delDataRec();
    storage::prepareInvestHist();
    storage::close(1);
    storage::stageInvestFile(storage::writeInvestRecord);
    storage::commitInvestDelete();
    intInvestRecNum = intDelInvestNum > 1 ? intDelInvestNum - 1 : 1;
}

void openShownInvestFile()
{
    storage::open(1, storage::programFile(storage::InvestFileName), storage::OpenMode::Random);
    intInvestRecCount = storage::recordCount(storage::lof(1));
}

} // namespace bench
