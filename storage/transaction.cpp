#include "storage/transaction.h"

#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/filedigest.h"
#include "storage/fileops.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace storage {

namespace {

// Names relative to the marker's folder, each new file known by its size and SHA-256.
const QByteArray MarkerHeader = "Plumbline 3.5 renames 2\n";
// The earlier form: absolute paths, the new file known by device, inode and size.
const QByteArray OldMarkerHeader = "Plumbline 3.5 renames\n";
const QByteArray MarkerEnd = "end\n";
constexpr qint64 MaxMarkerSize = 64 * 1024;

// One rename of a marker, as it stands in this folder.
struct MarkedRename
{
    QString name;   // the replaced file's name in the data folder
    QString target; // the file replaced: that name, or where its link points
    QString from;   // the new file, beside `target`
    bool byContent = true;
    FileDigest content;    // the new file, when byContent
    FileIdentity identity; // the new file, in a marker of the earlier form
};

enum class RenameState {
    Made,    // the new file is in place
    ToMake,  // the new file is there under its own name
    NotMade, // the file in place is not the new one, and the new one is not there
    Unknown, // neither the file in place nor the new one is known: the rename may have been made
};

QByteArray encodeName(const QString &name)
{
    return name.toUtf8().toPercentEncoding(" ");
}

QString decodeName(const QByteArray &text)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text));
}

// A name of a file directly inside a folder, nothing that leads out of it.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

// Where a rewrite of `path` puts its new file in place (as rewriteTarget finds it).
QString linkedTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target;
}

QString normalPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// The name in the folder through which `to` is replaced: its own, or that of the
// folder's link to it. Empty when neither leads there.
QString nameInFolder(const QDir &folder, const QString &to)
{
    const QFileInfo info(to);
    if (normalPath(info.absolutePath()) == normalPath(folder.absolutePath()) && !info.isSymLink())
        return info.fileName();
    const QString wanted = normalPath(to);
    QStringList names = {InvestFileName, HistFileName};
    names += folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : std::as_const(names)) {
        const QString path = folder.filePath(name);
        if (QFileInfo(path).isSymLink() && normalPath(linkedTarget(path)) == wanted)
            return name;
    }
    return QString();
}

bool contentMatches(const QString &path, const FileDigest &content)
{
    const FileIdentity id = identityOf(path);
    if (!id.isRegular || id.size != content.size)
        return false;
    QFile file(path);
    FileDigest now;
    return file.open(QIODevice::ReadOnly) && digestOf(file, now) && now.size == content.size &&
           now.sha256 == content.sha256;
}

bool identityMatches(const FileIdentity &now, const FileIdentity &marked)
{
    return now.exists && now.isRegular && now.size == marked.size && now.device == marked.device &&
           now.inode == marked.inode;
}

QByteArray markerText(const QList<MarkedRename> &renames)
{
    QByteArray text = MarkerHeader;
    for (const MarkedRename &r : renames) {
        text += encodeName(r.name) + '\t' + encodeName(QFileInfo(r.from).fileName()) + '\t' +
                QByteArray::number(r.content.size) + '\t' + r.content.sha256.toHex() + '\n';
    }
    return text + MarkerEnd;
}

// NAME, FROM (beside where NAME leads), SIZE, SHA-256 in hex.
bool parseLine(const QList<QByteArray> &fields, const QDir &folder, MarkedRename &r)
{
    if (fields.size() != 4 || fields.at(3).size() != 64)
        return false;
    r.name = decodeName(fields.at(0));
    const QString fromName = decodeName(fields.at(1));
    bool ok = false;
    r.content.size = fields.at(2).toLongLong(&ok);
    r.content.sha256 = QByteArray::fromHex(fields.at(3));
    if (!ok || r.content.size < 0 || r.content.sha256.size() != 32 || !isPlainName(r.name) || !isPlainName(fromName))
        return false;
    r.target = linkedTarget(folder.filePath(r.name));
    r.from = QFileInfo(r.target).absoluteDir().filePath(fromName);
    return true;
}

// FROM, TO (absolute paths), SIZE, DEVICE, INODE. Only the file names are used, and only
// in this folder: where the marker was written may now be another folder altogether.
bool parseOldLine(const QList<QByteArray> &fields, const QDir &folder, MarkedRename &r)
{
    if (fields.size() != 5)
        return false;
    const QString fromName = QFileInfo(QString::fromUtf8(QByteArray::fromPercentEncoding(fields.at(0)))).fileName();
    r.name = QFileInfo(QString::fromUtf8(QByteArray::fromPercentEncoding(fields.at(1)))).fileName();
    bool ok[3];
    r.byContent = false;
    r.identity.exists = r.identity.isRegular = true;
    r.identity.size = fields.at(2).toLongLong(&ok[0]);
    r.identity.device = fields.at(3).toULongLong(&ok[1]);
    r.identity.inode = fields.at(4).toULongLong(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2] || !isPlainName(r.name) || !isPlainName(fromName))
        return false;
    r.target = folder.filePath(r.name);
    r.from = folder.filePath(fromName);
    return true;
}

// false for a marker that is not whole (it is written under another name and renamed, so
// only damage from outside makes one).
bool parseMarker(const QByteArray &text, const QDir &folder, QList<MarkedRename> &renames)
{
    const bool old = text.startsWith(OldMarkerHeader);
    const QByteArray &header = old ? OldMarkerHeader : MarkerHeader;
    if (!text.startsWith(header) || !text.endsWith(MarkerEnd) || text.size() < header.size() + MarkerEnd.size())
        return false;
    const QList<QByteArray> lines = text.mid(header.size(), text.size() - header.size() - MarkerEnd.size()).split('\n');
    QStringList names;
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        MarkedRename r;
        if (!(old ? parseOldLine(line.split('\t'), folder, r) : parseLine(line.split('\t'), folder, r)) ||
            names.contains(r.name))
            return false;
        names.append(r.name);
        renames.append(r);
    }
    return !renames.isEmpty();
}

RenameState stateOf(const MarkedRename &r)
{
    if (r.byContent) {
        if (contentMatches(r.target, r.content))
            return RenameState::Made;
        if (contentMatches(r.from, r.content))
            return RenameState::ToMake;
        // A rename replaces, so the file replaced is there until something else took it
        // (a start that was setting both aside): what it was is not known.
        return identityOf(r.target).exists ? RenameState::NotMade : RenameState::Unknown;
    }
    if (identityMatches(identityOf(r.target), r.identity))
        return RenameState::Made;
    const FileIdentity from = identityOf(r.from);
    if (identityMatches(from, r.identity))
        return RenameState::ToMake;
    // A rename takes the new file's name away: while that name is there, it was not made.
    return from.exists ? RenameState::NotMade : RenameState::Unknown;
}

// The marker's removal changes a name in the folder like a rename. A marker left behind
// whose renames are all made is harmless: the next start finds them made and removes it.
void removeMarker(const QString &marker)
{
    try {
        faults::check(faults::Step::Rename);
    } catch (const RuntimeError &) {
        return;
    }
    QFile::remove(marker);
    syncFolder(marker);
}

} // namespace

void commitRenames(const QList<PendingRename> &renames)
{
    commitRenames(programFolder(), renames);
}

void commitRenames(const QString &folderPath, const QList<PendingRename> &renames)
{
    const QDir folder(folderPath);
    const QString marker = folder.filePath(CommitMarkerName);
    QList<MarkedRename> marked;
    for (const PendingRename &r : renames) {
        QFile file(r.from);
        if (!file.open(QIODevice::ReadWrite))
            throw RuntimeError(QFileInfo::exists(r.from) ? RuntimeError::PathFileAccessError
                                                         : RuntimeError::FileNotFound);
        takeAttributesOf(file, r.to);
        syncToDisk(file);
        MarkedRename m;
        if (!digestOf(file, m.content))
            throw RuntimeError(RuntimeError::DeviceIOError);
        file.close();
        m.name = nameInFolder(folder, r.to);
        m.target = r.to;
        m.from = r.from;
        // The marker can only name what its folder leads to.
        if (m.name.isEmpty() ||
            normalPath(QFileInfo(r.from).absolutePath()) != normalPath(QFileInfo(r.to).absolutePath()))
            throw RuntimeError(RuntimeError::PathFileAccessError);
        marked.append(m);
    }

    // The marker, whole or not at all.
    QString temp;
    try {
        QFile file;
        temp = createSiblingTemp(marker, file);
        const QByteArray text = markerText(marked);
        writeAll(file, text.constData(), text.size());
        syncToDisk(file);
        file.close();
        atomicRename(temp, marker);
    } catch (...) {
        if (!temp.isEmpty())
            QFile::remove(temp);
        throw;
    }

    try {
        for (const MarkedRename &r : marked)
            atomicRename(r.from, r.target);
    } catch (const RuntimeError &error) {
        // Committed: the only way left is forward.
        try {
            if (finishPendingRenames(folderPath).outcome == PendingOutcome::RolledForward)
                return;
        } catch (const RuntimeError &) {
        }
        throw CommitLeftPending(error.number(), error.description());
    }
    removeMarker(marker);
}

PendingRecovery finishPendingRenames()
{
    return finishPendingRenames(programFolder());
}

PendingRecovery finishPendingRenames(const QString &folderPath)
{
    PendingRecovery result;
    const QDir folder(folderPath);
    const QString marker = folder.filePath(CommitMarkerName);
    const FileIdentity markerId = identityOf(marker);
    if (!markerId.exists)
        return result;
    QList<MarkedRename> marked;
    QFile file(marker);
    if (!markerId.isRegular || markerId.size > MaxMarkerSize || !file.open(QIODevice::ReadOnly) ||
        !parseMarker(file.readAll(), folder, marked)) {
        // Which renames it named is lost: the data files may be half changed.
        result.outcome = PendingOutcome::Unfinishable;
        result.markerUnreadable = true;
        result.setAside = {InvestFileName, HistFileName};
        return result;
    }
    file.close();

    QList<RenameState> states;
    bool complete = true, anyMade = false, anyUnknown = false;
    for (const MarkedRename &r : std::as_const(marked)) {
        const RenameState state = stateOf(r);
        states.append(state);
        complete = complete && (state == RenameState::Made || state == RenameState::ToMake);
        anyMade = anyMade || state == RenameState::Made;
        anyUnknown = anyUnknown || state == RenameState::Unknown;
    }
    if (complete) {
        for (qsizetype i = 0; i < marked.size(); ++i) {
            if (states.at(i) == RenameState::ToMake)
                atomicRename(marked.at(i).from, marked.at(i).target);
        }
        removeMarker(marker);
        result.outcome = PendingOutcome::RolledForward;
        return result;
    }
    if (!anyMade && !anyUnknown) {
        // Nothing was replaced yet: the old files are still a pair.
        result.outcome = PendingOutcome::RolledBack;
        return result;
    }
    // Some files are new and the others cannot be made new from what this folder holds.
    result.outcome = PendingOutcome::Unfinishable;
    for (qsizetype i = 0; i < marked.size(); ++i) {
        result.setAside.append(marked.at(i).name);
        if (states.at(i) == RenameState::Made)
            result.replaced.append(marked.at(i).name);
    }
    return result;
}

} // namespace storage
