#pragma once

#include <QIODevice>
#include <QString>

class QFile;

// The file system steps every write of the program goes through: files created fresh
// and private, new files given the old one's permissions, links kept, renames that last.
namespace storage {

// Every file the program creates is readable and writable by the user only.
inline constexpr unsigned PrivateFileMode = 0600;

// What a name refers to, without following a link.
struct FileIdentity
{
    bool exists = false;
    bool isLink = false;
    bool isRegular = false;
    long long size = 0;
    unsigned long long device = 0;
    unsigned long long inode = 0;
    bool sameFile(const FileIdentity &other) const
    {
        return exists && other.exists && device == other.device && inode == other.inode;
    }
};
FileIdentity identityOf(const QString &path);

// The file a rewrite of `path` puts its new file in place of: where a symbolic link
// points (the link stays a link), otherwise `path` itself. Raises 75 (nothing changed)
// when that file exists but is no plain file, or this user may not write it.
QString rewriteTarget(const QString &path);

// Gives an open new file the permissions of `like` and, where the process may, its owner
// and group; PrivateFileMode when `like` does not exist.
void takeAttributesOf(QFile &file, const QString &like);
// Narrows an open new file's permissions to those the user granted on `source` (a backup
// copy is never more readable than what it copies).
void narrowAttributesTo(QFile &file, const QString &source);

// A new, empty file beside `target` (".NAME.xxxxxxxx.new") that no one else uses.
QString createSiblingTemp(const QString &target, QFile &file);
// A work file created fresh: whatever `path` names (a file, a planted link) is removed,
// then a new private file is created exclusively, never through a link.
void createFresh(const QString &path, QFile &file, QIODevice::OpenMode mode);

// Raises 75 when `path` (links followed) is there but is no plain file: a folder, a pipe or
// a device, which an open or a read would wait on or misread.
void refuseSpecialFile(const QString &path);

// Opens `path` for reading, as a file: 53 when it is missing, 76 when its folder is, 75
// for anything that is not a plain file (a folder, a FIFO that would block, a device) or
// cannot be opened. A symbolic link to a plain file is read as that file.
void openForReading(QFile &file, const QString &path);

// Writes all of `size` bytes or raises 61. A short write is never left for the caller
// to count as written.
void writeAll(QFile &file, const char *data, qint64 size);
void syncToDisk(QFile &file);
void syncFolder(const QString &path);
// Tells the system a file is about to be read from start to end, so it reads further ahead.
void adviseSequential(QFile &file);
// Puts `from` in place of `to` in one step and makes the rename last.
void atomicRename(const QString &from, const QString &to);
// Moves the name itself, as it stands: a link stays a link, even one that leads nowhere.
// False when the system refuses.
bool moveName(const QString &from, const QString &to);

} // namespace storage
