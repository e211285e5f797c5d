#include "ui/tools/backuptarget.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace ui::backup {

namespace {

// Enough for any sane chain of links; a loop ends here too.
constexpr int MaxLinkHops = 40;

// The path a chain of symbolic links finally names (it need not exist).
QString followLinks(const QString &path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            break;
        current = info.symLinkTarget();
    }
    return current;
}

#ifdef Q_OS_UNIX

struct FileId
{
    dev_t device = 0;
    ino_t inode = 0;
    bool valid = false;

    bool operator==(const FileId &other) const
    {
        return valid && other.valid && device == other.device && inode == other.inode;
    }
};

// What the path names once every link is followed.
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

// Without inodes: the canonical path (every link, junction and ".." resolved).
struct FileId
{
    QString canonical;

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

TargetClash clashWithLiveData(const QString &target, const QString &liveFolder)
{
    const FileId folder = idOf(liveFolder);
    const FileId file = idOf(target);

    // Every file of the data folder counts, the two data files first of all; an entry
    // that is itself a link counts as the file it leads to.
    const QFileInfoList live = QDir(liveFolder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : live) {
        if (file == idOf(entry.absoluteFilePath()))
            return TargetClash::LiveFile;
    }

    // The folder the copy would be created in, as typed and as its links lead.
    const QString typedFolder = QFileInfo(target).absolutePath();
    const QString reachedFolder = QFileInfo(followLinks(target)).absolutePath();
    if (folder == idOf(typedFolder) || folder == idOf(reachedFolder))
        return TargetClash::LiveFolder;
    return TargetClash::None;
}

} // namespace ui::backup
