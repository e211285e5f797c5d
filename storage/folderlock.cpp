#include "storage/folderlock.h"

#include "storage/fileops.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

FolderLock::Result FolderLock::tryLock()
{
    if (m_fd >= 0)
        return Result::Locked;
    const QByteArray path = QFile::encodeName(m_path);
    for (int attempt = 0; attempt < 8; ++attempt) {
        struct stat st;
        if (::lstat(path.constData(), &st) == 0) {
            if (S_ISDIR(st.st_mode))
                return Result::IsFolder;
            if (!S_ISREG(st.st_mode))
                return Result::Unusable; // a link or a device is not a lock of this program
        }
        int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, PrivateFileMode);
        bool writable = fd >= 0;
        if (fd < 0 && (errno == EACCES || errno == EROFS))
            fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return errno == EISDIR ? Result::IsFolder : Result::Unusable;

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
        if (writable && ::fcntl(fd, F_SETLK, &record) != 0 && (errno == EACCES || errno == EAGAIN)) {
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
