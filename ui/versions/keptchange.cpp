#include "ui/versions/keptchange.h"

#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/historypass.h"
#include "storage/investrecords.h"
#include "storage/versions.h"
#include "ui/versions/versionmenus.h"

#include <optional>

namespace ui::versions {

namespace {

// Stops a pass once the record looked for has gone by.
struct Found
{
};

} // namespace

QString investmentName(const QString &type, const QString &institution)
{
    const QString first = storage::trimPadding(type).trimmed();
    const QString second = storage::trimPadding(institution).trimmed();
    if (second.isEmpty())
        return first;
    if (first.isEmpty())
        return second;
    return first + QStringLiteral(", ") + second;
}

storage::ChangeDescription investmentChange(storage::ChangeKind kind, const QString &type, const QString &institution)
{
    storage::ChangeDescription change;
    change.kind = kind;
    change.investment = investmentName(type, institution);
    return change;
}

storage::ChangeDescription recordChange(storage::ChangeKind kind, const QString &type, const QString &institution,
                                        int record, const QDate &date)
{
    storage::ChangeDescription change = investmentChange(kind, type, institution);
    change.record = record;
    change.date = date;
    return change;
}

int recordCountOf(int investment)
{
    int count = 0;
    try {
        storage::forEachRecord(storage::programFile(storage::HistFileName), investment,
                               [&count](const RecordFigures &) { ++count; });
    } catch (...) {
        return 0;
    }
    return count;
}

QDate recordDateOf(int investment, int record)
{
    QDate date;
    try {
        storage::forEachRecord(storage::programFile(storage::HistFileName), investment,
                               [&](const RecordFigures &figures) {
                                   if (figures.record == record) {
                                       date = figures.date.toQDate();
                                       throw Found();
                                   }
                               });
    } catch (...) {
    }
    return date;
}

struct KeptChange::State
{
    storage::VersionStore store{storage::programFolder()};
    std::optional<storage::VersionStore::Change> change;
};

KeptChange::KeptChange() = default;

KeptChange::~KeptChange()
{
    const bool abandoned = d && d->change;
    d.reset();
    // Undo and Redo say what they would take back now.
    if (abandoned)
        refreshVersionMenus();
}

void KeptChange::begin(const storage::ChangeDescription &change)
{
    d = std::make_unique<State>();
    d->change.emplace(d->store.begin(change));
    // A Versions folder that could not be used was set aside: the change goes on unkept.
    const QString note = d->store.takeNote();
    if (!note.isEmpty())
        platform::msgBox(note, platform::MsgIcon::Exclamation);
}

void KeptChange::commit()
{
    if (!d || !d->change)
        return;
    try {
        d->change->commit();
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
    }
    d->change.reset();
    refreshVersionMenus();
}

} // namespace ui::versions
