#include "ui/versions/keptchange.h"

#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/investrecords.h"
#include "storage/textrecords.h"
#include "storage/versions.h"
#include "ui/versions/versionmenus.h"

#include <QFile>

#include <functional>
#include <optional>

namespace ui::versions {

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

namespace {

// Calls `line` with each non-blank line of the file, 1-based, until it returns false.
void forEachLine(const QString &path, const std::function<bool(int, const QByteArray &)> &line)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    int number = 0;
    while (!file.atEnd()) {
        const QByteArray text = file.readLine().trimmed();
        if (text.isEmpty())
            continue;
        if (!line(++number, text))
            return;
    }
}

} // namespace

int recordCountIn(const QString &recordLines)
{
    int count = 0;
    forEachLine(recordLines, [&count](int number, const QByteArray &) {
        count = number;
        return true;
    });
    return count;
}

QDate recordDateIn(const QString &recordLines, int record)
{
    QDate date;
    forEachLine(recordLines, [&](int number, const QByteArray &text) {
        if (number < record)
            return true;
        try {
            storage::HistFields fields;
            storage::parseHistLine(text.constData(), text.constData() + text.size(), fields);
            date = fields.date.toQDate();
        } catch (const RuntimeError &) {
        }
        return false;
    });
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
