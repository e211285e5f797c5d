#include "storage/transaction.h"

#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/fileops.h"

#include <QFile>
#include <QFileInfo>

namespace storage {

namespace {

const QByteArray MarkerHeader = "Plumbline 3.5 renames\n";
const QByteArray MarkerEnd = "end\n";

struct MarkedRename
{
    QString from;
    QString to;
    FileIdentity identity; // of the new file when the marker was written
};

QByteArray encodePath(const QString &path)
{
    return path.toUtf8().toPercentEncoding("/ ");
}

QString decodePath(const QByteArray &text)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text));
}

QByteArray markerText(const QList<MarkedRename> &renames)
{
    QByteArray text = MarkerHeader;
    for (const MarkedRename &r : renames) {
        text += encodePath(r.from) + '\t' + encodePath(r.to) + '\t' + QByteArray::number(r.identity.size) + '\t' +
                QByteArray::number(r.identity.device) + '\t' + QByteArray::number(r.identity.inode) + '\n';
    }
    return text + MarkerEnd;
}

// false for a marker that is not whole (it is written under another name and renamed, so
// only damage from outside makes one).
bool parseMarker(const QByteArray &text, QList<MarkedRename> &renames)
{
    if (!text.startsWith(MarkerHeader) || !text.endsWith(MarkerEnd))
        return false;
    const QList<QByteArray> lines =
        text.mid(MarkerHeader.size(), text.size() - MarkerHeader.size() - MarkerEnd.size()).split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 5)
            return false;
        MarkedRename r;
        r.from = decodePath(fields.at(0));
        r.to = decodePath(fields.at(1));
        bool ok[3];
        r.identity.exists = true;
        r.identity.size = fields.at(2).toLongLong(&ok[0]);
        r.identity.device = fields.at(3).toULongLong(&ok[1]);
        r.identity.inode = fields.at(4).toULongLong(&ok[2]);
        if (!ok[0] || !ok[1] || !ok[2] || r.from.isEmpty() || r.to.isEmpty())
            return false;
        renames.append(r);
    }
    return !renames.isEmpty();
}

bool matches(const FileIdentity &now, const FileIdentity &marked)
{
    return now.exists && now.isRegular && now.size == marked.size && now.device == marked.device &&
           now.inode == marked.inode;
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
    const QString marker = programFile(CommitMarkerName);
    QList<MarkedRename> marked;
    for (const PendingRename &r : renames) {
        QFile file(r.from);
        if (!file.open(QIODevice::ReadWrite))
            throw RuntimeError(QFileInfo::exists(r.from) ? RuntimeError::PathFileAccessError
                                                         : RuntimeError::FileNotFound);
        takeAttributesOf(file, r.to);
        syncToDisk(file);
        file.close();
        marked.append({r.from, r.to, identityOf(r.from)});
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
            atomicRename(r.from, r.to);
    } catch (const RuntimeError &error) {
        // Committed: the only way left is forward.
        try {
            if (finishPendingRenames() == PendingOutcome::RolledForward)
                return;
        } catch (const RuntimeError &) {
        }
        throw CommitLeftPending(error.number(), error.description());
    }
    removeMarker(marker);
}

PendingOutcome finishPendingRenames()
{
    const QString marker = programFile(CommitMarkerName);
    const FileIdentity markerId = identityOf(marker);
    if (!markerId.exists)
        return PendingOutcome::None;
    QList<MarkedRename> marked;
    QFile file(marker);
    if (!markerId.isRegular || !file.open(QIODevice::ReadOnly) || !parseMarker(file.read(64 * 1024), marked))
        return PendingOutcome::RolledBack;
    file.close();

    // Each rename is either still to be made (the new file under its own name) or made
    // already (the new file under the old one's name); anything else and nothing is done.
    QList<const MarkedRename *> toMake;
    for (const MarkedRename &r : marked) {
        if (matches(identityOf(r.from), r.identity))
            toMake.append(&r);
        else if (!matches(identityOf(r.to), r.identity))
            return PendingOutcome::RolledBack;
    }
    for (const MarkedRename *r : toMake)
        atomicRename(r->from, r->to);
    removeMarker(marker);
    return PendingOutcome::RolledForward;
}

} // namespace storage
