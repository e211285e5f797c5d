#include "storage/versionfiles.h"

#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/fileops.h"
#include "storage/investrecords.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

#ifndef Q_OS_WIN
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace storage::versions {

namespace {

constexpr qint64 TailBytes = 64 * 1024;
constexpr qint64 CopyBlock = 8 * 1024 * 1024;
const QByteArray EntryHeader = "Plumbline 3.5 version 1\n";

// The file a data file's name leads to: itself, or where its link points.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target;
}

QByteArray sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// SHA-256 of the last 64 KiB (whole, with `whole`) of an open file of `size` bytes.
QByteArray checkOf(QFile &file, qint64 size, bool whole)
{
    const qint64 from = whole ? 0 : qMax<qint64>(0, size - TailBytes);
    if (!file.seek(from))
        throw RuntimeError(RuntimeError::DeviceIOError);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 left = size - from;
    QByteArray block;
    while (left > 0) {
        block = file.read(qMin<qint64>(left, 1024 * 1024));
        if (block.isEmpty())
            throw RuntimeError(RuntimeError::DeviceIOError);
        hash.addData(block);
        left -= block.size();
    }
    return hash.result();
}

// Exactly `count` bytes from offset `at` of one file to the same offset of the other.
void copyRange(QFile &from, QFile &to, qint64 at, qint64 count, bool &ranged)
{
    while (count > 0) {
#ifdef Q_OS_LINUX
        if (ranged) {
            loff_t in = at, out = at;
            const ssize_t n = ::copy_file_range(from.handle(), &in, to.handle(), &out, size_t(count), 0);
            if (n > 0) {
                at += n;
                count -= n;
                continue;
            }
            if (n < 0 && (errno == ENOSPC || errno == EDQUOT))
                throw RuntimeError(RuntimeError::DiskFull);
            if (n == 0) // the file is shorter than it was
                throw RuntimeError(RuntimeError::DeviceIOError);
            ranged = false; // another file system, or not supported: the bytes go through memory
        }
#endif
        if (!from.seek(at) || !to.seek(at))
            throw RuntimeError(RuntimeError::DeviceIOError);
        const QByteArray block = from.read(qMin<qint64>(count, 1024 * 1024));
        if (block.isEmpty())
            throw RuntimeError(RuntimeError::DeviceIOError);
        if (to.write(block) != block.size())
            throw RuntimeError(RuntimeError::DiskFull);
        at += block.size();
        count -= block.size();
    }
}

// The whole of `from` onto the empty `to`, a block at a time through the fault points.
void copyBytes(QFile &from, QFile &to)
{
    const qint64 total = from.size();
    bool ranged = true;
    for (qint64 done = 0; done < total;) {
        const qint64 want = qMin(CopyBlock, total - done);
        faults::check(faults::Step::Write);
        const qint64 allowed = qMax<qint64>(0, faults::allowedBytes(want));
        copyRange(from, to, done, allowed, ranged);
        if (allowed < want)
            throw RuntimeError(RuntimeError::DiskFull);
        done += want;
    }
}

// A hard link of `source` at `path`; false where none can be made.
bool makeLink(const QString &source, const QString &path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(source);
    Q_UNUSED(path);
    return false;
#else
    faults::check(faults::Step::Open);
    if (identityOf(path).exists)
        QFile::remove(path);
    return ::link(QFile::encodeName(source).constData(), QFile::encodeName(path).constData()) == 0;
#endif
}

QByteArray fileFields(const KeptFile &f)
{
    if (!f.present)
        return "- 0 - 0 0";
    return f.name.toUtf8() + ' ' + QByteArray::number(f.size) + ' ' + f.check.toHex() + ' ' +
           QByteArray::number(f.device) + ' ' + QByteArray::number(f.inode);
}

bool parseFile(const QList<QByteArray> &t, int at, KeptFile &f)
{
    f.present = t.at(at) != "-";
    if (!f.present)
        return true;
    bool ok[4];
    f.name = QString::fromUtf8(t.at(at));
    f.size = t.at(at + 1).toLongLong(&ok[0]);
    f.check = QByteArray::fromHex(t.at(at + 2));
    f.device = t.at(at + 3).toULongLong(&ok[1]);
    f.inode = t.at(at + 4).toULongLong(&ok[2]);
    ok[3] = f.check.size() == 32 && f.size >= 0 && !f.name.contains(QLatin1Char('/')) && !f.name.startsWith('.');
    return ok[0] && ok[1] && ok[2] && ok[3];
}

QByteArray stateFields(const KeptState &s)
{
    return QByteArray::number(s.investments) + ' ' + QByteArray::number(s.records) + ' ' + fileFields(s.hist) + ' ' +
           fileFields(s.data);
}

bool parseState(const QByteArray &text, KeptState &s)
{
    const QList<QByteArray> t = text.split(' ');
    if (t.size() != 12)
        return false;
    bool ok[2];
    s.investments = t.at(0).toInt(&ok[0]);
    s.records = t.at(1).toLongLong(&ok[1]);
    return ok[0] && ok[1] && parseFile(t, 2, s.hist) && parseFile(t, 7, s.data);
}

bool emptyFile(const KeptFile &f)
{
    return !f.present || f.size == 0;
}

} // namespace

KeptFile liveFile(const QString &dataFolder, const QString &name, bool wholeCheck)
{
    KeptFile kept;
    const QString path = resolved(QDir(dataFolder).filePath(name));
    const FileIdentity id = identityOf(path);
    if (!id.exists)
        return kept;
    QFile file;
    openForReading(file, path);
    kept.present = true;
    kept.size = file.size();
    kept.device = id.device;
    kept.inode = id.inode;
    kept.check = checkOf(file, kept.size, wholeCheck);
    return kept;
}

KeptState liveState(const QString &dataFolder)
{
    KeptState state;
    state.hist = liveFile(dataFolder, HistFileName, false);
    state.data = liveFile(dataFolder, InvestFileName, true);
    state.investments = state.data.present ? int(recordCount(state.data.size)) : 0;
    return state;
}

KeptState keepLive(const QString &dataFolder, const QString &versions, const QString &prefix, const KeptFile *sameData)
{
    const QDir folder(versions);
    KeptState state;
    QStringList made;
    try {
        const QString histPath = resolved(QDir(dataFolder).filePath(HistFileName));
        state.hist = liveFile(dataFolder, HistFileName, false);
        if (state.hist.present) {
            state.hist.name = prefix + QStringLiteral(".hist");
            const QString kept = folder.filePath(state.hist.name);
            made.append(kept);
            if (!makeLink(histPath, kept))
                copyFile(histPath, kept);
            const FileIdentity id = identityOf(kept);
            if (!id.isRegular || id.size != state.hist.size)
                throw RuntimeError(RuntimeError::DeviceIOError);
        }
        const QString dataPath = resolved(QDir(dataFolder).filePath(InvestFileName));
        if (identityOf(dataPath).exists) {
            QFile live;
            openForReading(live, dataPath);
            const QByteArray bytes = live.readAll();
            if (live.error() != QFileDevice::NoError)
                throw RuntimeError(RuntimeError::DeviceIOError);
            const FileIdentity id = identityOf(dataPath);
            state.data.present = true;
            state.data.name = prefix + QStringLiteral(".data");
            state.data.size = bytes.size();
            state.data.check = sha256(bytes);
            state.data.device = id.device;
            state.data.inode = id.inode;
            const QString kept = folder.filePath(state.data.name);
            made.append(kept);
            // Most changes leave one of the files alone: a link to the copy kept already
            // costs no write and no flush.
            const bool same = sameData && sameData->present && sameData->size == state.data.size &&
                              sameData->check == state.data.check && keptIntact(versions, *sameData, true);
            if (!same || !makeLink(folder.filePath(sameData->name), kept)) {
                QFile copy;
                createFresh(kept, copy, QIODevice::WriteOnly | QIODevice::Unbuffered);
                writeAll(copy, bytes.constData(), bytes.size());
                syncToDisk(copy);
            }
        }
        state.investments = state.data.present ? int(recordCount(state.data.size)) : 0;
    } catch (...) {
        for (const QString &path : std::as_const(made))
            QFile::remove(path);
        throw;
    }
    return state;
}

KeptState keepAgain(const KeptState &state, const QString &versions, const QString &prefix)
{
    const QDir folder(versions);
    KeptState again = state;
    QStringList made;
    try {
        for (KeptFile *f : {&again.hist, &again.data}) {
            if (!f->present)
                continue;
            const QString from = folder.filePath(f->name);
            f->name = prefix + (f == &again.hist ? QStringLiteral(".hist") : QStringLiteral(".data"));
            const QString to = folder.filePath(f->name);
            made.append(to);
            if (!makeLink(from, to))
                copyFile(from, to);
        }
    } catch (...) {
        for (const QString &path : std::as_const(made))
            QFile::remove(path);
        throw;
    }
    return again;
}

bool keptIntact(const QString &versions, const KeptFile &f, bool wholeCheck)
{
    if (!f.present)
        return true;
    const QString path = QDir(versions).filePath(f.name);
    const FileIdentity id = identityOf(path);
    if (!id.isRegular || id.size != f.size)
        return false;
    QFile file(path);
    try {
        return file.open(QIODevice::ReadOnly) && checkOf(file, f.size, wholeCheck) == f.check;
    } catch (const RuntimeError &) {
        return false;
    }
}

bool sameContent(const KeptState &live, const KeptState &kept)
{
    const auto same = [](const KeptFile &a, const KeptFile &b) {
        if (emptyFile(a) || emptyFile(b))
            return emptyFile(a) && emptyFile(b);
        return a.size == b.size && a.check == b.check;
    };
    return same(live.hist, kept.hist) && same(live.data, kept.data);
}

void copyFile(const QString &source, const QString &path)
{
    QFile from;
    openForReading(from, source);
    adviseSequential(from);
    QFile to;
    createFresh(path, to, QIODevice::WriteOnly | QIODevice::Unbuffered);
    try {
        copyBytes(from, to);
        syncToDisk(to);
    } catch (...) {
        to.close();
        QFile::remove(path);
        throw;
    }
}

QString stageCopy(const QString &source, const QString &target)
{
    QFile to;
    const QString temp = createSiblingTemp(target, to);
    try {
        if (!source.isEmpty()) {
            QFile from;
            openForReading(from, source);
            adviseSequential(from);
            copyBytes(from, to);
        }
        syncToDisk(to);
    } catch (...) {
        to.close();
        QFile::remove(temp);
        throw;
    }
    return temp;
}

long long countRecords(const QString &path)
{
    if (!identityOf(resolved(path)).exists)
        return 0;
    QFile file;
    openForReading(file, path);
    adviseSequential(file);
    long long count = 0;
    bool content = false; // the line under way has more than a line end
    QByteArray block;
    while (!(block = file.read(1024 * 1024)).isEmpty()) {
        const char *p = block.constData();
        const char *const end = p + block.size();
        while (p < end) {
            const char *nl = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
            const char *stop = nl ? nl : end;
            // Blank lines ("\r\n", "\n") are passed over by every reader.
            for (const char *c = p; c < stop && !content; ++c)
                content = *c != '\r' && *c != ' ' && *c != '\t';
            if (!nl)
                break;
            count += content ? 1 : 0;
            content = false;
            p = nl + 1;
        }
    }
    if (file.error() != QFileDevice::NoError)
        throw RuntimeError(RuntimeError::DeviceIOError);
    return count + (content ? 1 : 0);
}

QByteArray encodeEntry(const Entry &e)
{
    QByteArray text = EntryHeader;
    text += "id " + QByteArray::number(e.id) + '\n';
    text += QByteArray("state ") + (e.done ? "done" : "pending") + '\n';
    text += "time " + e.time.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    text += "change " + encodeChange(e.change) + '\n';
    text += "parent " + QByteArray::number(e.parent) + '\n';
    text += "before " + stateFields(e.before) + '\n';
    if (e.done)
        text += "after " + stateFields(e.after) + '\n';
    return text + "end\n";
}

bool decodeEntry(const QByteArray &text, Entry &e)
{
    if (!text.startsWith(EntryHeader) || !text.endsWith("end\n"))
        return false;
    const QList<QByteArray> lines = text.mid(EntryHeader.size()).split('\n');
    bool hasId = false, hasState = false, hasTime = false, hasChange = false, hasParent = false, hasBefore = false,
         hasAfter = false;
    for (const QByteArray &line : lines) {
        const int space = line.indexOf(' ');
        const QByteArray key = line.left(space);
        const QByteArray value = space < 0 ? QByteArray() : line.mid(space + 1);
        bool ok = true;
        if (key == "id") {
            e.id = value.toInt(&ok);
            hasId = ok && e.id > 0;
        } else if (key == "state") {
            e.done = value == "done";
            hasState = e.done || value == "pending";
        } else if (key == "time") {
            e.time = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
            hasTime = e.time.isValid();
        } else if (key == "change") {
            const std::optional<ChangeDescription> change = decodeChange(value);
            hasChange = change.has_value();
            if (change)
                e.change = *change;
        } else if (key == "parent") {
            e.parent = value.toInt(&ok);
            hasParent = ok && e.parent >= 0;
        } else if (key == "before") {
            hasBefore = parseState(value, e.before);
        } else if (key == "after") {
            hasAfter = parseState(value, e.after);
        } else if (key != "end" && !key.isEmpty()) {
            return false;
        }
    }
    return hasId && hasState && hasTime && hasChange && hasParent && hasBefore && (hasAfter || !e.done);
}

QString entryFileName(int id)
{
    return QStringLiteral("%1.entry").arg(id, 8, 10, QLatin1Char('0'));
}

int entryIdOf(const QString &fileName)
{
    if (!fileName.endsWith(QLatin1String(".entry")) || fileName.size() != 14)
        return 0;
    bool ok = false;
    const int id = fileName.left(8).toInt(&ok);
    return ok && id > 0 ? id : 0;
}

void writeWhole(const QString &path, const QByteArray &text, bool durable)
{
    QFile file;
    const QString temp = createSiblingTemp(path, file);
    try {
        writeAll(file, text.constData(), text.size());
        if (durable)
            syncToDisk(file);
        file.close();
        if (durable) {
            atomicRename(temp, path);
        } else {
            faults::check(faults::Step::Rename);
            if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) != 0)
                throw RuntimeError(RuntimeError::PathFileAccessError);
        }
    } catch (...) {
        file.close();
        QFile::remove(temp);
        throw;
    }
}

} // namespace storage::versions
