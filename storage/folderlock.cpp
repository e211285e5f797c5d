#include "storage/folderlock.h"

#include "storage/fileops.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSysInfo>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace storage {

FolderLock::FolderLock(const QString &path) : m_path(path) {}

FolderLock::~FolderLock()
{
    unlock();
}

bool FolderLock::isLocked() const
{
#ifdef Q_OS_WIN
    return m_qtLock && m_qtLock->isLocked();
#else
    return m_fd >= 0;
#endif
}

#ifdef Q_OS_WIN

FolderLock::Result FolderLock::tryLock()
{
    if (QFileInfo(m_path).isDir())
        return Result::IsFolder;
    m_qtLock = std::make_unique<QLockFile>(m_path);
    m_qtLock->setStaleLockTime(0);
    if (m_qtLock->tryLock(0))
        return Result::Locked;
    const bool held = m_qtLock->error() == QLockFile::LockFailedError;
    m_qtLock.reset();
    return held ? Result::HeldByRunningCopy : Result::Unusable;
}

void FolderLock::unlock()
{
    if (m_qtLock)
        m_qtLock->unlock();
    m_qtLock.reset();
}

#else

namespace {

// Network file systems: a lock another machine holds is not seen in this one's lock table.
bool isLocalFileSystem(const QByteArray &folder)
{
    struct statfs fs;
    if (::statfs(folder.constData(), &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case 0x6969UL:     // NFS
    case 0x517BUL:     // SMB
    case 0xFF534D42UL: // CIFS
    case 0xFE534D42UL: // SMB2
    case 0x65735546UL: // FUSE (sshfs and the like)
    case 0x00C36400UL: // Ceph
    case 0x01021997UL: // 9P
    case 0x5346414FUL: // AFS
    case 0x6B414653UL: // kAFS
    case 0x73757245UL: // Coda
    case 0x564CUL:     // NCP
        return false;
    default:
        return true;
    }
}

enum class LockSeen { No, Yes, Unknown };

// Whether any process of this machine holds a lock on the file (flock, record or open
// file description lock), from the kernel's lock table: the only way to know it of a
// file this user may not open.
LockSeen lockOn(dev_t device, ino_t inode)
{
    QFile table(QStringLiteral("/proc/locks"));
    if (!table.open(QIODevice::ReadOnly))
        return LockSeen::Unknown;
    const QList<QByteArray> lines = table.readAll().split('\n');
    for (const QByteArray &line : lines) {
        // "1: FLOCK  ADVISORY  WRITE 1234 08:01:5678 0 EOF", "1: -> FLOCK ..." for a waiter
        for (const QByteArray &field : line.simplified().split(' ')) {
            const QList<QByteArray> parts = field.split(':');
            if (parts.size() != 3 || parts.at(0).isEmpty())
                continue;
            bool ok[3];
            const unsigned long high = parts.at(0).toULong(&ok[0], 16);
            const unsigned long low = parts.at(1).toULong(&ok[1], 16);
            const unsigned long long number = parts.at(2).toULongLong(&ok[2], 10);
            if (ok[0] && ok[1] && ok[2] && high == major(device) && low == minor(device) && number == inode)
                return LockSeen::Yes;
        }
    }
    return LockSeen::No;
}

// Whether the lock table shows the locks of this folder's file system: an unnamed probe
// file is locked and looked for (an overlay, for one, may list another inode than stat
// gives). A file system without unnamed files is not trusted either.
bool lockTableSeesFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, PrivateFileMode);
    if (fd < 0)
        return false;
    struct stat st;
    const bool seen =
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &st) == 0 && lockOn(st.st_dev, st.st_ino) == LockSeen::Yes;
    ::close(fd);
    return seen;
}

// A lock file this user may not open at all (left by a run as root, say) in a folder the
// user owns: moved aside, and removed once the lock table shows that no process holds it;
// otherwise put back.
enum class ForeignLock { Removed, Held, Kept };

ForeignLock removeForeignLock(const QByteArray &path, const struct stat &st)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
    struct stat dir;
    if (::stat(folder.constData(), &dir) != 0 || dir.st_uid != ::geteuid() ||
        ::access(folder.constData(), W_OK | X_OK) != 0 || !isLocalFileSystem(folder) || !lockTableSeesFolder(folder))
        return ForeignLock::Kept;
    // One copy at a time judges and moves the name, with the folder itself locked: a copy
    // that found the foreign file a moment ago must not move the lock file another copy has
    // made in its place since (two copies would then run, each with a lock file of its own).
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return ForeignLock::Kept;
    const struct FolderHeld
    {
        int fd;
        ~FolderHeld() { ::close(fd); } // the folder's lock goes with it
    } held{dirFd};
    // Held for a few system calls at a time; a folder some other program keeps locked
    // leaves the foreign lock alone rather than wait.
    int tries = 0;
    while (::flock(dirFd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK || ++tries > 2000)
            return ForeignLock::Kept;
        ::usleep(1000);
    }
    struct stat now;
    if (::lstat(path.constData(), &now) != 0)
        return errno == ENOENT ? ForeignLock::Removed : ForeignLock::Kept; // gone already: try again
    if (now.st_dev != st.st_dev || now.st_ino != st.st_ino)
        return ForeignLock::Removed; // replaced by another copy meanwhile: try again with it
    if (lockOn(st.st_dev, st.st_ino) != LockSeen::No)
        return ForeignLock::Held;
    // Aside first, so that no copy can open it by its name any more; a copy that opened it
    // before finds, once it has locked it, that its name leads elsewhere, and tries again.
    const QByteArray aside = path + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".stale";
    if (std::rename(path.constData(), aside.constData()) != 0)
        return errno == ENOENT ? ForeignLock::Removed : ForeignLock::Kept; // gone already: try again
    struct stat moved;
    if (::lstat(aside.constData(), &moved) == 0 && lockOn(moved.st_dev, moved.st_ino) == LockSeen::No) {
        ::unlink(aside.constData());
        syncFolder(QFile::decodeName(path));
        return ForeignLock::Removed;
    }
    // A copy locked it in between: it is that copy's, and goes back where it was.
    if (::renameat2(AT_FDCWD, aside.constData(), AT_FDCWD, path.constData(), RENAME_NOREPLACE) != 0 &&
        errno == EINVAL && ::lstat(path.constData(), &moved) != 0)
        std::rename(aside.constData(), path.constData());
    return ForeignLock::Held;
}

} // namespace

FolderLock::Result FolderLock::tryLock()
{
    if (m_fd >= 0)
        return Result::Locked;
    const QByteArray path = QFile::encodeName(m_path);
    const QByteArray folder = QFile::encodeName(QFileInfo(m_path).absolutePath());
    for (int attempt = 0; attempt < 8; ++attempt) {
        struct stat st;
        const bool existed = ::lstat(path.constData(), &st) == 0;
        if (existed) {
            if (S_ISDIR(st.st_mode))
                return Result::IsFolder;
            if (!S_ISREG(st.st_mode))
                return Result::Unusable; // a link or a device is not a lock of this program
        }
        int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, PrivateFileMode);
        bool writable = fd >= 0;
        if (fd < 0 && (errno == EACCES || errno == EROFS))
            fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            const int error = errno;
            if (error == EACCES && existed) {
                const ForeignLock foreign = removeForeignLock(path, st);
                if (foreign == ForeignLock::Removed)
                    continue;
                if (foreign == ForeignLock::Held)
                    return Result::HeldByRunningCopy;
            }
            return error == EISDIR ? Result::IsFolder : Result::Unusable;
        }

        // The same locks QLockFile takes, so an older copy of the program that still runs
        // is seen as well: flock for local file systems, a record lock for network ones.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? Result::HeldByRunningCopy : Result::Unusable;
        }
        struct flock record = {};
        record.l_type = F_WRLCK;
        record.l_whence = SEEK_SET;
        if (writable ? ::fcntl(fd, F_SETLK, &record) != 0 && (errno == EACCES || errno == EAGAIN)
                     : ::fcntl(fd, F_GETLK, &record) == 0 && record.l_type != F_UNLCK) {
            ::close(fd);
            return Result::HeldByRunningCopy;
        }
        // A copy that was ending may have removed the file between our open and our lock;
        // the lock then guards nothing and the name must be tried again.
        struct stat locked;
        if (::fstat(fd, &locked) != 0 || ::lstat(path.constData(), &st) != 0 || st.st_dev != locked.st_dev ||
            st.st_ino != locked.st_ino) {
            ::close(fd);
            continue;
        }
        // Another user's lock file (a run as root left it) in the user's own folder, held by
        // no one since we hold it now: replaced by one of the user's own rather than used
        // through. Removed while still held, so no other copy can take it meanwhile.
        struct stat dir;
        if ((!writable || locked.st_uid != ::geteuid()) && ::stat(folder.constData(), &dir) == 0 &&
            dir.st_uid == ::geteuid() && ::access(folder.constData(), W_OK | X_OK) == 0 &&
            ::unlink(path.constData()) == 0) {
            ::close(fd);
            continue;
        }
        if (writable) {
            // For the reader's information only, in QLockFile's layout.
            const QByteArray text = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                                    QCoreApplication::applicationName().toUtf8() + '\n' +
                                    QSysInfo::machineHostName().toUtf8() + '\n';
            if (::ftruncate(fd, 0) == 0) {
                [[maybe_unused]] const ssize_t written = ::pwrite(fd, text.constData(), size_t(text.size()), 0);
            }
            ::fchmod(fd, PrivateFileMode);
        }
        m_fd = fd;
        return Result::Locked;
    }
    return Result::Unusable;
}

void FolderLock::unlock()
{
    if (m_fd < 0)
        return;
    // Removed while still held, so no other copy can lock the file on its way out.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
    m_fd = -1;
}

#endif

} // namespace storage
