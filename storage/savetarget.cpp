#include "storage/savetarget.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace storage {

namespace {

// Enough for any sane chain of links; a loop ends here too.
constexpr int MaxLinkHops = 40;

// The path a chain of symbolic links finally names (it need not exist).
QString followLinks(const QString &path)
{
    QString current = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            break;
        current = QDir::cleanPath(info.symLinkTarget());
    }
    return current;
}

// The nearest folder at or above `path` that exists, every link in it resolved.
QString existingFolder(QString path)
{
    for (int depth = 0; depth < 4096; ++depth) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (!canonical.isEmpty())
            return canonical;
        const QString up = QFileInfo(path).absolutePath();
        if (up == path)
            break;
        path = up;
    }
    return QString();
}

#ifndef Q_OS_WIN
struct FileId
{
    dev_t device = 0;
    ino_t inode = 0;
    bool valid = false;

    bool exists() const { return valid; }
    bool operator==(const FileId &other) const
    {
        return valid && other.valid && device == other.device && inode == other.inode;
    }
};

FileId idOf(const QString &path)
{
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {st.st_dev, st.st_ino, true};
}
#else
// Without inodes: the canonical path.
struct FileId
{
    QString canonical;

    bool exists() const { return !canonical.isEmpty(); }
    bool operator==(const FileId &other) const
    {
        return !canonical.isEmpty() && canonical.compare(other.canonical, Qt::CaseInsensitive) == 0;
    }
};

FileId idOf(const QString &path)
{
    return {QFileInfo(path).canonicalFilePath()};
}
#endif

} // namespace

bool landsInDataFolder(const QString &target, const QString &dataFolder)
{
    const FileId folder = idOf(dataFolder);
    if (!folder.exists()) // no data folder: nothing of it to reach
        return false;
    const QString reached = followLinks(target);

    // The folder the file would be written in, or one above it, is the data folder.
    QString dir = existingFolder(QFileInfo(reached).absolutePath());
    while (!dir.isEmpty()) {
        if (idOf(dir) == folder)
            return true;
        const QString up = QFileInfo(dir).absolutePath();
        if (up == dir)
            break;
        dir = up;
    }

    // A file of the data folder under another name. Its own links count as what they lead to,
    // even a link to a file not there yet.
    const FileId file = idOf(reached);
    if (file == folder)
        return true;
    QDirIterator it(dataFolder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        if (file == idOf(entry))
            return true;
        if (it.fileInfo().isSymLink() && followLinks(entry) == reached)
            return true;
    }
    return false;
}

} // namespace storage
