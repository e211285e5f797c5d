// The versions kept around the rewrites: the edit and the investment delete with the state
// before and after each kept, against the same rewrites alone, and the undo of an
// investment delete against a plain copy of the history.
#include "benchsupport.h"

#include "core/plmainmod.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/versions.h"

#include <QDir>
#include <QFileInfo>

#include <memory>
#include <utility>

namespace bench {

namespace {

std::unique_ptr<storage::VersionStore> g_store;
std::pair<qint64, qint64> g_before; // the history's and the investment file's sizes before the delete

// A store on the work folder, its versions begun afresh.
void freshStore(long long lines)
{
    g_store.reset();
    QDir(QDir(workFolder(lines)).filePath(storage::VersionsFolderName)).removeRecursively();
    g_store = std::make_unique<storage::VersionStore>(workFolder(lines));
}

storage::ChangeDescription described(storage::ChangeKind kind)
{
    storage::ChangeDescription d;
    d.kind = kind;
    d.investment = QStringLiteral("Investment, Bank");
    return d;
}

qint64 sizeOf(long long lines, const QString &name)
{
    return QFileInfo(QDir(workFolder(lines)).filePath(name)).size();
}

void keptDelete(long long lines)
{
    storage::ChangeDescription d = described(storage::ChangeKind::DeleteInvestment);
    d.count = int(shownRecords(lines)); // the windows know how many records the investment held
    auto kept = g_store->begin(d);
    runDeleteRewrite();
    kept.commit();
}

} // namespace

std::vector<Operation> versionsOperations()
{
    using namespace modPlMainMod;
    std::vector<Operation> ops;
    ops.push_back({"edit rewrite + version", "edit rewrite",
                   [](long long lines) {
                       prepareRewrite(lines);
                       freshStore(lines);
                       g_before = {sizeOf(lines, storage::HistFileName), sizeOf(lines, storage::InvestFileName)};
                       intSelRecNum = int(shownRecords(lines) / 2);
                   },
                   [](long long) {
                       auto kept = g_store->begin(described(storage::ChangeKind::EditRecord));
                       runEditRewrite();
                       kept.commit();
                   },
                   [](long long lines) {
                       if (!g_store->undoChange() || g_store->list().first().records != lines)
                           die("the edit's version was not kept");
                       // Undone through the versions, so the next change finds the pair they name.
                       g_store->undo();
                       if (sizeOf(lines, storage::HistFileName) != g_before.first)
                           die("the undo did not bring back the history before the edit");
                       intSelRecNum = int(shownRecords(lines) / 2);
                   }});
    ops.push_back({"delete rewrite + version", "delete rewrite",
                   [](long long lines) {
                       prepareRewrite(lines);
                       freshStore(lines);
                       openShownInvestFile();
                       g_before = {sizeOf(lines, storage::HistFileName), sizeOf(lines, storage::InvestFileName)};
                   },
                   [](long long lines) { keptDelete(lines); },
                   [](long long lines) {
                       if (!g_store->undoChange() || g_store->list().first().records != lines - shownRecords(lines))
                           die("the delete's version was not kept");
                       storage::close(1);
                       g_store->undo();
                       if (sizeOf(lines, storage::HistFileName) != g_before.first ||
                           sizeOf(lines, storage::InvestFileName) != g_before.second)
                           die("the undo did not bring back the files before the delete");
                       openShownInvestFile();
                   }});
    ops.push_back({"undo delete", "copy",
                   [](long long lines) {
                       prepareRewrite(lines);
                       freshStore(lines);
                       openShownInvestFile();
                       g_before = {sizeOf(lines, storage::HistFileName), sizeOf(lines, storage::InvestFileName)};
                       keptDelete(lines);
                   },
                   [](long long) {
                       storage::close(1);
                       g_store->undo();
                       openShownInvestFile();
                   },
                   [](long long lines) {
                       if (sizeOf(lines, storage::HistFileName) != g_before.first ||
                           sizeOf(lines, storage::InvestFileName) != g_before.second)
                           die("the undo did not bring back the files before the delete");
                       if (!g_store->redoChange())
                           die("the undone delete cannot be redone");
                       storage::close(1);
                       g_store->redo();
                       openShownInvestFile();
                   }});
    return ops;
}

} // namespace bench
