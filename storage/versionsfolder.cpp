#include "storage/versionsfolder.h"

#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/fileops.h"
#include "storage/versions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cstdio>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace storage::versions {

namespace {

const QString CursorName = QStringLiteral("cursor");
const QString MoveName = QStringLiteral("moving");
const QByteArray CursorHeader = "Plumbline 3.5 cursor 1\n";
const QByteArray MoveHeader = "Plumbline 3.5 move 1\n";
constexpr qint64 MaxSmallFile = 64 * 1024;

QByteArray readSmall(const QString &path, bool *ok)
{
    const FileIdentity id = identityOf(path);
    QFile file(path);
    *ok = id.isRegular && id.size <= MaxSmallFile && file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

QByteArray identityText(const KeptFile &f)
{
    return f.present ? QByteArray::number(f.device) + ' ' + QByteArray::number(f.inode) : QByteArray("-");
}

bool parseIdentity(const QByteArray &text, KeptFile &f)
{
    f.present = text != "-";
    if (!f.present)
        return true;
    const QList<QByteArray> t = text.split(' ');
    bool ok[2] = {false, false};
    if (t.size() == 2) {
        f.device = t.at(0).toULongLong(&ok[0]);
        f.inode = t.at(1).toULongLong(&ok[1]);
    }
    return ok[0] && ok[1];
}

bool sameIdentity(const KeptFile &a, const KeptFile &b)
{
    return a.present == b.present && (!a.present || (a.device == b.device && a.inode == b.inode));
}

} // namespace

VersionsFolder::VersionsFolder(const QString &dataFolder)
    : m_data(dataFolder), m_path(QDir(dataFolder).filePath(VersionsFolderName))
{
}

QString VersionsFolder::filePath(const QString &name) const
{
    return QDir(m_path).filePath(name);
}

bool VersionsFolder::exists() const
{
    return identityOf(m_path).exists;
}

bool VersionsFolder::usable(QString &why) const
{
    const FileIdentity id = identityOf(m_path);
    if (id.isLink) {
        why = QCoreApplication::translate("Versions", "a link stands in its place");
        return false;
    }
    if (!QFileInfo(m_path).isDir()) {
        why = QCoreApplication::translate("Versions", "a file stands in its place");
        return false;
    }
#ifndef Q_OS_WIN
    struct stat st;
    if (::lstat(QFile::encodeName(m_path).constData(), &st) != 0) {
        why = QCoreApplication::translate("Versions", "it cannot be read");
        return false;
    }
    if (st.st_uid != ::geteuid()) {
        why = QCoreApplication::translate("Versions", "it belongs to another user");
        return false;
    }
    if ((st.st_mode & 07777) != 0700) {
        why = QCoreApplication::translate("Versions", "its permissions are not the ones Plumbline gives it");
        return false;
    }
    if (::access(QFile::encodeName(m_path).constData(), R_OK | W_OK | X_OK) != 0) {
        why = QCoreApplication::translate("Versions", "it cannot be read");
        return false;
    }
#endif
    return true;
}

bool VersionsFolder::ensure(const QDateTime &now, QString &note)
{
    QString why;
    if (exists() && usable(why))
        return true;
    if (exists()) {
        note = setAside(why, now);
        if (exists())
            return false;
    }
    if (!QDir(m_data).mkdir(VersionsFolderName)) {
        if (note.isEmpty())
            note = QCoreApplication::translate(
                       "Versions", "The folder \"%1\" for the versions of the data files cannot be created, so "
                                   "this change cannot be undone.")
                       .arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    syncFolder(m_path);
    return usable(why);
}

QString VersionsFolder::setAside(const QString &why, const QDateTime &now)
{
    const QDir data(m_data);
    const QString base = QStringLiteral("Recovered ") + now.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HHmmss"));
    QString name = base;
    for (int n = 2; identityOf(data.filePath(name)).exists; ++n)
        name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    const QString recovered = data.filePath(name);
    if (!data.mkdir(name) || !moveName(m_path, QDir(recovered).filePath(VersionsFolderName)))
        return QCoreApplication::translate(
                   "Versions", "The folder of kept versions \"%1\" cannot be used (%2) and cannot be moved aside; "
                               "changes are not kept as versions until it is removed.")
            .arg(QDir::toNativeSeparators(m_path), why);
    QFile::setPermissions(recovered, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    syncFolder(m_path);
    return QCoreApplication::translate(
               "Versions", "The folder of kept versions could not be used (%1). It was moved to \"%2\", and "
                           "versions are kept anew from now on.")
        .arg(why, QDir::toNativeSeparators(recovered));
}

bool VersionsFolder::load(QMap<int, Entry> &entries, QString &why) const
{
    entries.clear();
    QStringList names = QDir(m_path).entryList({QStringLiteral("*.entry")}, QDir::AllEntries | QDir::System);
    // Newest first: the newest entry may be one a change began and a power loss cut short.
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return entryIdOf(a) > entryIdOf(b); });
    for (const QString &name : std::as_const(names)) {
        bool ok = false;
        const QByteArray text = readSmall(filePath(name), &ok);
        Entry e;
        if (!ok || !decodeEntry(text, e) || entryIdOf(name) != e.id) {
            const int id = entryIdOf(name);
            if (entries.isEmpty() && id > 0 && identityOf(filePath(name)).isRegular) {
                // The entry a change writes when it begins is not flushed: after a power loss
                // it may be empty. It goes with what it kept; the live pair, if the change was
                // made, is then kept as a change made outside, after the state before it.
                dropKeptFiles(id);
                continue;
            }
            why = QCoreApplication::translate("Versions", "its entry \"%1\" cannot be read").arg(name);
            return false;
        }
        entries.insert(e.id, e);
    }
    int cursor = 0, last = 0;
    if (!readCursorFile(cursor, last)) {
        // Not flushed either: without it the newest change made counts as current.
        QFile::remove(filePath(CursorName));
    }
    return true;
}

void VersionsFolder::dropKeptFiles(int id) const
{
    const QString prefix = entryFileName(id).chopped(5); // "00000012."
    const QStringList names = QDir(m_path).entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::System);
    for (const QString &name : names)
        QFile::remove(filePath(name));
}

bool VersionsFolder::readCursorFile(int &cursor, int &last) const
{
    cursor = last = 0;
    if (!identityOf(filePath(CursorName)).exists)
        return true;
    bool ok = false;
    const QByteArray text = readSmall(filePath(CursorName), &ok);
    const QList<QByteArray> fields = text.mid(CursorHeader.size()).trimmed().split(' ');
    if (!ok || !text.startsWith(CursorHeader) || fields.size() != 2)
        return false;
    bool numbers[2];
    cursor = fields.at(0).toInt(&numbers[0]);
    last = fields.at(1).toInt(&numbers[1]);
    return numbers[0] && numbers[1] && cursor >= 0 && last >= 0;
}

int VersionsFolder::lastEntryId() const
{
    int last = 0;
    const QStringList names = QDir(m_path).entryList({QStringLiteral("*.entry")}, QDir::Files);
    for (const QString &name : names)
        last = qMax(last, entryIdOf(name));
    return last;
}

int VersionsFolder::readCursor(const QMap<int, Entry> &entries) const
{
    int cursor = 0, last = 0;
    readCursorFile(cursor, last);
    for (auto it = entries.end(); it != entries.begin();) {
        --it;
        if (it->id <= last)
            break;
        if (it->done)
            return it->id;
    }
    return cursor;
}

void VersionsFolder::writeCursor(int id)
{
    // Neither the cursor nor the record of a move needs to outlast a power loss: a live pair
    // the cursor does not name is kept as a change made outside before anything replaces it.
    writeWhole(filePath(CursorName),
               CursorHeader + QByteArray::number(id) + ' ' + QByteArray::number(qMax(id, lastEntryId())) + '\n', false);
}

void VersionsFolder::makeCurrent(int id)
{
    int cursor = 0, last = 0;
    if (!readCursorFile(cursor, last) || id <= last)
        writeCursor(id);
}

void VersionsFolder::writeMove(const Move &m)
{
    const auto name = [](const KeptFile &f) { return f.present ? f.name.toUtf8() : QByteArray("-"); };
    writeWhole(filePath(MoveName),
               MoveHeader + "from " + QByteArray::number(m.from) + "\nto " + QByteArray::number(m.to) + "\nhist " +
                   identityText(m.live.hist) + "\ndata " + identityText(m.live.data) + "\ntarget " +
                   name(m.target.hist) + ' ' + name(m.target.data) + "\nend\n",
               false);
}

bool VersionsFolder::readMove(Move &m) const
{
    bool ok = false;
    const QByteArray text = readSmall(filePath(MoveName), &ok);
    if (!ok || !text.startsWith(MoveHeader) || !text.endsWith("end\n"))
        return false;
    const QList<QByteArray> lines = text.mid(MoveHeader.size()).split('\n');
    if (lines.size() < 6 || !lines.at(0).startsWith("from ") || !lines.at(1).startsWith("to ") ||
        !lines.at(2).startsWith("hist ") || !lines.at(3).startsWith("data ") || !lines.at(4).startsWith("target "))
        return false;
    bool number[2];
    m.from = lines.at(0).mid(5).toInt(&number[0]);
    m.to = lines.at(1).mid(3).toInt(&number[1]);
    const QList<QByteArray> names = lines.at(4).mid(7).split(' ');
    if (names.size() != 2)
        return false;
    for (const auto &[file, text] : {std::pair{&m.target.hist, names.at(0)}, {&m.target.data, names.at(1)}}) {
        file->present = text != "-";
        file->name = file->present ? QString::fromUtf8(text) : QString();
        if (file->name.contains(QLatin1Char('/')))
            return false;
    }
    return number[0] && number[1] && parseIdentity(lines.at(2).mid(5), m.live.hist) &&
           parseIdentity(lines.at(3).mid(5), m.live.data);
}

void VersionsFolder::dropMove()
{
    QFile::remove(filePath(MoveName));
}

void VersionsFolder::finishMove()
{
    Move m;
    if (!readMove(m))
        return;
    // A state without one of the files: the empty file the renames put there goes.
    for (const auto &[absent, name] :
         {std::pair{!m.target.hist.present, HistFileName}, {!m.target.data.present, InvestFileName}}) {
        const QString live = QDir(m_data).filePath(name);
        if (absent && QFileInfo(live).size() == 0 && identityOf(live).exists)
            QFile::remove(live);
    }
    writeCursor(m.to);
    dropMove();
}

void VersionsFolder::settleMove(int &cursor)
{
    if (!identityOf(filePath(MoveName)).exists)
        return;
    Move m;
    if (!readMove(m)) {
        dropMove();
        return;
    }
    // The files replaced, or (in a copied folder, where identities change) holding the bytes of
    // the state moved to: the move was made.
    const KeptState live = liveState(m_data);
    const auto isTarget = [this](const KeptFile &target, const KeptFile &now, const QString &name) {
        if (!target.present)
            return !now.present || now.size == 0;
        return now.present && sameBytes(QDir(m_data).filePath(name), filePath(target.name));
    };
    const bool untouched = sameIdentity(live.hist, m.live.hist) && sameIdentity(live.data, m.live.data);
    if (untouched || !isTarget(m.target.hist, live.hist, HistFileName) ||
        !isTarget(m.target.data, live.data, InvestFileName)) {
        dropMove(); // the renames were not made: the pair is the one before
        return;
    }
    finishMove();
    cursor = m.to;
}

void VersionsFolder::removeStrays(const QMap<int, Entry> &entries)
{
    QSet<QString> kept = {CursorName, MoveName};
    for (const Entry &e : entries) {
        kept.insert(entryFileName(e.id));
        for (const KeptFile *f : {&e.before.hist, &e.before.data, &e.after.hist, &e.after.data}) {
            if (f->present)
                kept.insert(f->name);
        }
    }
    const QStringList names = QDir(m_path).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        if (!kept.contains(name))
            QFile::remove(filePath(name));
    }
}

VersionsFolder::Usage VersionsFolder::usage() const
{
    Usage u;
    const QStringList names = QDir(m_path).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const FileIdentity id = identityOf(filePath(name));
        const QByteArray key = QByteArray::number(id.device) + ':' + QByteArray::number(id.inode);
        Usage::Inode &inode = u.inodes[key];
        if (inode.names++ == 0) {
            inode.size = id.size;
            u.bytes += id.size;
        }
    }
    return u;
}

void VersionsFolder::Usage::release(const QString &path)
{
    const FileIdentity id = identityOf(path);
    const QByteArray key = QByteArray::number(id.device) + ':' + QByteArray::number(id.inode);
    auto it = inodes.find(key);
    if (it == inodes.end())
        return;
    if (--it->names == 0) {
        bytes -= it->size;
        inodes.erase(it);
    }
}

} // namespace storage::versions
