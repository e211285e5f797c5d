#include "storage/versions.h"

#include "storage/datafolder.h"
#include "storage/fileops.h"
#include "storage/historyreader.h"
#include "storage/investrecords.h"
#include "storage/transaction.h"
#include "storage/usersettings.h"
#include "storage/versionfiles.h"
#include "storage/versionsfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>

namespace storage {

using namespace versions;

namespace {

QString timeText(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// Whether the live pair is still the state kept before a change: the history not replaced
// (a rewrite always puts a new file in its place; in a folder copied since, the bytes tell)
// and the investment file's bytes the same.
bool liveIsBefore(const QString &dataFolder, const QString &versions, const KeptState &live, const KeptState &before)
{
    bool histSame = live.hist.present == before.hist.present;
    if (histSame && live.hist.present) {
        const bool untouched = live.hist.device == before.hist.device && live.hist.inode == before.hist.inode &&
                               live.hist.size == before.hist.size;
        histSame = untouched ||
                   (live.hist.size == before.hist.size &&
                    sameBytes(QDir(dataFolder).filePath(HistFileName), QDir(versions).filePath(before.hist.name)));
    }
    const bool dataSame =
        live.data.present == before.data.present &&
        (!live.data.present || (live.data.size == before.data.size && live.data.check == before.data.check));
    return histSame && dataSame;
}

} // namespace

struct VersionStore::Impl
{
    QString data;
    VersionsFolder folder;
    qint64 limit = DefaultSizeLimit;
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
    QString note;

    explicit Impl(const QString &dataFolder) : data(dataFolder), folder(dataFolder) {}

    QString versions() const { return folder.path(); }
    QString prefix(int id, const char *which) const
    {
        return entryFileName(id).chopped(6) + QLatin1Char('.') + QLatin1String(which);
    }

    // The folder ready for a change; false when it cannot be had (the note says why).
    bool ready()
    {
        QString said;
        const bool ok = folder.ensure(now(), said);
        if (!said.isEmpty())
            note = said;
        return ok;
    }

    // The entries; a folder whose entries cannot be read is set aside and begun anew (false
    // when even that fails).
    bool load(QMap<int, Entry> &entries)
    {
        QString why;
        if (folder.load(entries, why))
            return true;
        note = folder.setAside(why, now());
        entries.clear();
        return ready();
    }

    // A pending entry need not outlast a power loss: without it, the change it was to keep is
    // found at the next change as one made outside, and kept then.
    void writeEntry(const Entry &e) { writeWhole(folder.filePath(entryFileName(e.id)), encodeEntry(e), e.done); }

    void dropEntry(const Entry &e)
    {
        QFile::remove(folder.filePath(entryFileName(e.id)));
        syncFolder(folder.filePath(entryFileName(e.id)));
        for (const KeptFile *f : {&e.before.hist, &e.before.data, &e.after.hist, &e.after.data}) {
            if (f->present)
                QFile::remove(folder.filePath(f->name));
        }
    }

    long long recordsAfter(const Entry &e) const
    {
        const long long b = e.before.records;
        if (b >= 0) {
            switch (e.change.kind) {
            case ChangeKind::AddRecord:
            case ChangeKind::InsertRecord:
                return b + 1;
            case ChangeKind::DeleteRecord:
                return qMax(0LL, b - 1);
            case ChangeKind::EditRecord:
            case ChangeKind::FillRates:
            case ChangeKind::AddInvestment:
            case ChangeKind::EditInvestment:
                return b;
            case ChangeKind::ImportRecords:
                return b + qMax(0, e.change.count);
            case ChangeKind::DeleteInvestment:
                if (e.change.count > 0)
                    return qMax(0LL, b - e.change.count);
                break;
            default:
                break;
            }
        }
        return countRecords(QDir(data).filePath(HistFileName));
    }

    // The change's state after, kept; the entry done and current.
    void finish(Entry &e, QMap<int, Entry> &entries, int &cursor)
    {
        e.after = keepLive(data, versions(), prefix(e.id, "after"), &e.before.data);
        try {
            e.after.records = recordsAfter(e);
            e.done = true;
            writeEntry(e);
        } catch (...) {
            e.done = false;
            QFile::remove(folder.filePath(e.after.hist.name));
            QFile::remove(folder.filePath(e.after.data.name));
            throw;
        }
        entries[e.id] = e;
        folder.makeCurrent(e.id);
        cursor = e.id;
    }

    // A change whose commit never came: made (finish it) or not (drop it).
    bool settle(Entry e, QMap<int, Entry> &entries, int &cursor)
    {
        if (liveIsBefore(data, versions(), liveState(data), e.before)) {
            dropEntry(e);
            entries.remove(e.id);
            return false;
        }
        finish(e, entries, cursor);
        return true;
    }

    void settlePending(QMap<int, Entry> &entries, int &cursor)
    {
        const QList<int> ids = entries.keys();
        for (const int id : ids) {
            if (!entries.value(id).done)
                settle(entries.value(id), entries, cursor);
        }
    }

    // The state the versions say is live.
    std::optional<KeptState> expected(const QMap<int, Entry> &entries, int cursor) const
    {
        if (entries.contains(cursor) && entries.value(cursor).done)
            return entries.value(cursor).after;
        for (auto it = entries.end(); it != entries.begin();) {
            --it;
            if (it->done && it->parent == cursor)
                return it->before;
        }
        return std::nullopt;
    }

    int nextId(const QMap<int, Entry> &entries, int cursor) const
    {
        return qMax(entries.isEmpty() ? 0 : entries.lastKey(), cursor) + 1;
    }

    // Live files something else changed are kept as a change of their own before anything
    // replaces them.
    void keepOutsideChange(QMap<int, Entry> &entries, int &cursor)
    {
        const std::optional<KeptState> wanted = expected(entries, cursor);
        if (!wanted || sameContent(liveState(data), *wanted))
            return;
        Entry e;
        e.id = nextId(entries, cursor);
        e.time = now();
        e.change.kind = ChangeKind::OutsideChange;
        e.parent = cursor;
        e.before = keepAgain(*wanted, versions(), prefix(e.id, "before"));
        try {
            writeEntry(e);
        } catch (...) {
            dropEntry(e);
            throw;
        }
        finish(e, entries, cursor);
    }

    // The pair a version holds, into the data folder in place of the live pair, with the
    // cursor moved to `to` (undo and redo).
    void moveTo(const KeptState &target, int from, int to, const QString &what)
    {
        checkIntact(target, what);
        const KeptState live = liveState(data);
        QList<PendingRename> renames = stage(target.hist.present ? folder.filePath(target.hist.name) : QString(),
                                             target.data.present ? folder.filePath(target.data.name) : QString());
        try {
            folder.writeMove({from, to, live, target});
        } catch (...) {
            for (const PendingRename &r : std::as_const(renames))
                QFile::remove(r.from);
            throw;
        }
        putInPlace(renames, true);
        folder.finishMove();
    }

    void checkIntact(const KeptState &state, const QString &what) const
    {
        if (!keptIntact(versions(), state.hist, false) || !keptIntact(versions(), state.data, true))
            throw VersionRefused(QCoreApplication::translate(
                                     "Versions", "The version of %1 cannot be restored: its files were changed after "
                                                 "it was kept, probably by an older copy of Plumbline writing to the "
                                                 "data history.")
                                     .arg(what));
    }

    // New files beside the live data files holding the sources' bytes (empty for none).
    QList<PendingRename> stage(const QString &histSource, const QString &dataSource) const
    {
        if (QFileInfo(programFolder()).canonicalFilePath() != QFileInfo(data).canonicalFilePath())
            throw RuntimeError(RuntimeError::InternalError);
        const QString dataTarget = rewriteTarget(QDir(data).filePath(InvestFileName));
        const QString histTarget = rewriteTarget(QDir(data).filePath(HistFileName));
        QList<PendingRename> renames;
        renames.append({stageCopy(dataSource, dataTarget), dataTarget});
        try {
            renames.append({stageCopy(histSource, histTarget), histTarget});
        } catch (...) {
            QFile::remove(renames.first().from);
            throw;
        }
        return renames;
    }

    // Both staged files in place together; the new files of a failed commit removed.
    void putInPlace(const QList<PendingRename> &renames, bool moving)
    {
        try {
            commitRenames(renames);
        } catch (const CommitLeftPending &) {
            throw;
        } catch (...) {
            for (const PendingRename &r : renames)
                QFile::remove(r.from);
            if (moving)
                folder.dropMove();
            throw;
        }
    }

    // A restore: the sources' bytes become the live pair, as a change that can be undone.
    void replaceWith(VersionStore &store, const ChangeDescription &change, const QString &histSource,
                     const QString &dataSource)
    {
        Change kept = store.begin(change);
        const QList<PendingRename> renames = stage(histSource, dataSource);
        putInPlace(renames, false);
        // A version without a file: the empty file put in its place goes too.
        for (const auto &[source, name] : {std::pair{histSource, HistFileName}, {dataSource, InvestFileName}}) {
            if (source.isEmpty())
                QFile::remove(QDir(data).filePath(name));
        }
        kept.commit();
    }
};

VersionStore::VersionStore(const QString &dataFolder) : d(std::make_unique<Impl>(dataFolder))
{
    d->limit = configuredSizeLimit();
}

VersionStore::~VersionStore() = default;

VersionStore::Change::Change(Change &&other) noexcept : m_store(other.m_store), m_id(other.m_id), m_done(other.m_done)
{
    other.m_done = true;
}

VersionStore::Change::~Change()
{
    if (m_done || !m_store || m_id == 0)
        return;
    try {
        m_store->abandonChange(m_id);
    } catch (...) {
        // recover() settles it at the next start.
    }
}

void VersionStore::Change::commit()
{
    if (m_done)
        return;
    // Whatever happens now, the change stays to be settled, never abandoned.
    m_done = true;
    if (m_store && m_id != 0)
        m_store->commitChange(m_id);
}

VersionStore::Change VersionStore::begin(const ChangeDescription &change)
{
    if (!d->ready())
        return Change(this, 0);
    QMap<int, Entry> entries;
    if (!d->load(entries))
        return Change(this, 0);
    int cursor = d->folder.readCursor(entries);
    d->settlePending(entries, cursor);
    d->keepOutsideChange(entries, cursor);
    const std::optional<KeptState> wanted = d->expected(entries, cursor);

    Entry e;
    e.id = d->nextId(entries, cursor);
    e.time = d->now();
    e.change = change;
    e.parent = cursor;
    e.before = keepLive(d->data, d->versions(), d->prefix(e.id, "before"), wanted ? &wanted->data : nullptr);
    try {
        e.before.records = wanted ? wanted->records : countRecords(QDir(d->data).filePath(HistFileName));
        d->writeEntry(e);
    } catch (...) {
        d->dropEntry(e);
        throw;
    }
    return Change(this, e.id);
}

void VersionStore::commitChange(int id)
{
    QMap<int, Entry> entries;
    d->load(entries);
    int cursor = d->folder.readCursor(entries);
    if (!entries.contains(id) || entries.value(id).done)
        return;
    Entry e = entries.value(id);
    d->finish(e, entries, cursor);
    prune();
}

void VersionStore::abandonChange(int id)
{
    QMap<int, Entry> entries;
    d->load(entries);
    int cursor = d->folder.readCursor(entries);
    if (entries.contains(id) && !entries.value(id).done)
        d->settle(entries.value(id), entries, cursor);
}

QList<VersionInfo> VersionStore::list() const
{
    QMap<int, Entry> entries;
    QString ignored;
    if (!d->folder.exists() || !d->folder.load(entries, ignored))
        return {};
    const int cursor = d->folder.readCursor(entries);
    QSet<int> path;
    for (int id = cursor; id > 0 && entries.contains(id) && !path.contains(id); id = entries.value(id).parent)
        path.insert(id);
    QList<VersionInfo> out;
    for (auto it = entries.end(); it != entries.begin();) {
        --it;
        if (!it->done)
            continue;
        VersionInfo v;
        v.id = it->id;
        v.time = it->time;
        v.change = it->change;
        v.investments = it->after.investments;
        v.records = it->after.records;
        v.current = it->id == cursor;
        v.undone = !path.contains(it->id);
        out.append(v);
    }
    return out;
}

std::optional<ChangeDescription> VersionStore::undoChange() const
{
    QMap<int, Entry> entries;
    QString ignored;
    if (!d->folder.exists() || !d->folder.load(entries, ignored))
        return std::nullopt;
    const int cursor = d->folder.readCursor(entries);
    if (entries.contains(cursor) && entries.value(cursor).done)
        return entries.value(cursor).change;
    return std::nullopt;
}

std::optional<ChangeDescription> VersionStore::redoChange() const
{
    QMap<int, Entry> entries;
    QString ignored;
    if (!d->folder.exists() || !d->folder.load(entries, ignored))
        return std::nullopt;
    const int cursor = d->folder.readCursor(entries);
    for (auto it = entries.end(); it != entries.begin();) {
        --it;
        if (it->done && it->parent == cursor)
            return it->change;
    }
    return std::nullopt;
}

void VersionStore::undo()
{
    if (!d->ready())
        throw VersionRefused(d->note);
    QMap<int, Entry> entries;
    d->load(entries);
    int cursor = d->folder.readCursor(entries);
    d->settlePending(entries, cursor);
    d->keepOutsideChange(entries, cursor);
    if (!entries.contains(cursor) || !entries.value(cursor).done)
        throw VersionRefused(QCoreApplication::translate("Versions", "There is no change to undo."));
    const Entry &c = entries[cursor];
    //: Stands for %1 in "The version of %1 cannot be restored"; %1 here is a date and time.
    d->moveTo(c.before, cursor, c.parent, QCoreApplication::translate("Versions", "before %1").arg(timeText(c.time)));
}

void VersionStore::redo()
{
    if (!d->ready())
        throw VersionRefused(d->note);
    QMap<int, Entry> entries;
    d->load(entries);
    int cursor = d->folder.readCursor(entries);
    d->settlePending(entries, cursor);
    d->keepOutsideChange(entries, cursor);
    for (auto it = entries.end(); it != entries.begin();) {
        --it;
        if (it->done && it->parent == cursor) {
            d->moveTo(it->after, cursor, it->id, timeText(it->time));
            return;
        }
    }
    throw VersionRefused(QCoreApplication::translate("Versions", "There is no change to redo."));
}

void VersionStore::restore(int id)
{
    if (!d->ready())
        throw VersionRefused(d->note);
    QMap<int, Entry> entries;
    d->load(entries);
    if (!entries.contains(id) || !entries.value(id).done)
        throw VersionRefused(QCoreApplication::translate("Versions", "There is no version %1.").arg(id));
    const Entry v = entries.value(id);
    d->checkIntact(v.after, timeText(v.time));
    ChangeDescription change;
    change.kind = ChangeKind::RestoreVersion;
    change.source = timeText(v.time);
    d->replaceWith(*this, change, v.after.hist.present ? d->folder.filePath(v.after.hist.name) : QString(),
                   v.after.data.present ? d->folder.filePath(v.after.data.name) : QString());
}

VersionStore::BackupContents VersionStore::checkBackup(const QString &folder) const
{
    BackupContents contents;
    const QString investPath = QDir(folder).filePath(InvestFileName);
    const std::vector<InvestmentInfo> investments = readInvestmentList(investPath);
    for (const InvestmentInfo &info : investments) {
        if (!info.readable)
            throw RuntimeError(RuntimeError::TypeMismatch,
                               //: %1 is the investment file, %2 a record's number.
                               QCoreApplication::translate("Versions", "\"%1\", record %2: the record is damaged.")
                                   .arg(QDir::toNativeSeparators(investPath))
                                   .arg(info.number));
    }
    if (QFileInfo(investPath).size() % InvestRecordLength != 0)
        throw RuntimeError(RuntimeError::TypeMismatch,
                           //: %1 is the investment file, %2 a record's number.
                           QCoreApplication::translate("Versions", "\"%1\", record %2: the record is cut short.")
                               .arg(QDir::toNativeSeparators(investPath))
                               .arg(QFileInfo(investPath).size() / InvestRecordLength + 1));
    contents.investments = int(investments.size());
    try {
        HistoryReader reader(QDir(folder).filePath(HistFileName));
        HistFields fields;
        while (reader.nextLine()) {
            reader.decode(fields);
            ++contents.records;
            const QDate date = fields.date.toQDate();
            if (date.isValid() && (!contents.newest.isValid() || date > contents.newest))
                contents.newest = date;
        }
    } catch (const HistoryPassError &error) {
        throw RuntimeError(error.error.number(), error.message());
    }
    return contents;
}

void VersionStore::restoreBackup(const QString &folder)
{
    checkBackup(folder);
    if (!d->ready())
        throw VersionRefused(d->note);
    ChangeDescription change;
    change.kind = ChangeKind::RestoreBackup;
    change.source = QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath());
    d->replaceWith(*this, change, QDir(folder).filePath(HistFileName), QDir(folder).filePath(InvestFileName));
}

void VersionStore::materialize(int id, const QString &emptyFolder) const
{
    QMap<int, Entry> entries;
    QString ignored;
    if (!d->folder.exists() || !d->folder.load(entries, ignored) || !entries.contains(id) || !entries.value(id).done)
        throw VersionRefused(QCoreApplication::translate("Versions", "There is no version %1.").arg(id));
    const Entry &v = entries[id];
    d->checkIntact(v.after, timeText(v.time));
    if (v.after.hist.present)
        copyFile(d->folder.filePath(v.after.hist.name), QDir(emptyFolder).filePath(HistFileName));
    if (v.after.data.present)
        copyFile(d->folder.filePath(v.after.data.name), QDir(emptyFolder).filePath(InvestFileName));
}

VersionStore::Recovery VersionStore::recover()
{
    Recovery r;
    if (!d->folder.exists())
        return r;
    QMap<int, Entry> entries;
    QString why;
    if (!d->folder.usable(why) || !d->folder.load(entries, why)) {
        r.note = d->folder.setAside(why, d->now());
        return r;
    }
    int cursor = d->folder.readCursor(entries);
    d->folder.settleMove(cursor);
    QStringList notes;
    const QList<int> ids = entries.keys();
    for (const int id : ids) {
        const Entry e = entries.value(id);
        if (e.done)
            continue;
        const bool made = d->settle(e, entries, cursor);
        notes.append(made ? QCoreApplication::translate(
                                "Versions", "The change \"%1\", under way when Plumbline stopped, was made and is "
                                            "kept as a version.")
                                .arg(changeTitle(e.change))
                          : QCoreApplication::translate(
                                "Versions", "The change \"%1\", under way when Plumbline stopped, was not made.")
                                .arg(changeTitle(e.change)));
    }
    d->folder.removeStrays(entries);
    r.note = notes.join(QLatin1Char(' '));
    return r;
}

void VersionStore::setSizeLimit(qint64 bytes)
{
    d->limit = bytes;
}

qint64 VersionStore::sizeLimit() const
{
    return d->limit;
}

void VersionStore::prune()
{
    QMap<int, Entry> entries;
    if (!d->folder.exists() || !d->load(entries))
        return;
    const int cursor = d->folder.readCursor(entries);
    const QDateTime cutoff = d->now().addDays(-KeepDays);
    QList<int> ids = entries.keys();
    const int newest = ids.isEmpty() ? 0 : ids.last();
    const auto pinned = [&](int id) { return id == newest || id == cursor || !entries.value(id).done; };
    // Beyond the last KeepCount and older than KeepDays days.
    for (qsizetype i = 0; i + KeepCount < ids.size(); ++i) {
        const int id = ids.at(i);
        if (!pinned(id) && entries.value(id).time < cutoff) {
            d->dropEntry(entries.value(id));
            entries.remove(id);
        }
    }
    // Then the oldest while the versions take more than the limit.
    VersionsFolder::Usage usage = d->folder.usage();
    ids = entries.keys();
    for (const int id : std::as_const(ids)) {
        if (usage.bytes <= d->limit)
            break;
        if (pinned(id))
            continue;
        const Entry e = entries.value(id);
        for (const KeptFile *f : {&e.before.hist, &e.before.data, &e.after.hist, &e.after.data}) {
            if (f->present)
                usage.release(d->folder.filePath(f->name));
        }
        d->dropEntry(e);
        entries.remove(id);
    }
}

qint64 VersionStore::keptBytes() const
{
    return d->folder.exists() ? d->folder.usage().bytes : 0;
}

qint64 VersionStore::configuredSizeLimit()
{
    bool ok = false;
    const qint64 mb = readUserSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("VERSIONS"),
                                      QStringLiteral("SizeLimitMB"), QString())
                          .trimmed()
                          .toLongLong(&ok);
    return ok && mb > 0 ? mb * 1024 * 1024 : DefaultSizeLimit;
}

bool VersionStore::setConfiguredSizeLimit(qint64 bytes)
{
    return writeUserSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("VERSIONS"), QStringLiteral("SizeLimitMB"),
                            QString::number(qMax<qint64>(1, bytes / (1024 * 1024))));
}

void VersionStore::setClock(const std::function<QDateTime()> &now)
{
    d->now = now;
}

QString VersionStore::takeNote()
{
    return std::exchange(d->note, QString());
}

} // namespace storage
