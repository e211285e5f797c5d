#include "storage/fileops.h"

#include "core/runtimeerror.h"
#include "storage/faults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace storage {

namespace {

#ifndef Q_OS_WIN
QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// Whether this user may write the file by its permissions. Root may write anything, but a
// file nobody may write was made read-only on purpose and is not replaced either.
bool userMayWrite(const QString &path, const struct stat &st)
{
    return ::access(native(path).constData(), W_OK) == 0 && (st.st_mode & 0222) != 0;
}

int openFlags(QIODevice::OpenMode mode)
{
    const bool read = mode & QIODevice::ReadOnly;
    const bool write = mode & QIODevice::WriteOnly;
    int flags = read && write ? O_RDWR : (write ? O_WRONLY : O_RDONLY);
    if (mode & QIODevice::Append)
        flags |= O_APPEND;
    return flags | O_CLOEXEC;
}

[[noreturn]] void raiseCreateError(int error)
{
    if (error == ENOENT || error == ENOTDIR)
        throw RuntimeError(RuntimeError::PathNotFound);
    if (error == ENOSPC)
        throw RuntimeError(RuntimeError::DiskFull);
    throw RuntimeError(RuntimeError::PathFileAccessError);
}
#endif

// A new file at `path`, created exclusively and private from its first byte.
bool createExclusive(const QString &path, QFile &file, QIODevice::OpenMode mode, int *error)
{
#ifdef Q_OS_WIN
    file.setFileName(path);
    *error = 0;
    return file.open(mode | QIODevice::NewOnly);
#else
    const int fd = ::open(native(path).constData(), openFlags(mode) | O_CREAT | O_EXCL | O_NOFOLLOW, PrivateFileMode);
    if (fd < 0) {
        *error = errno;
        return false;
    }
    file.setFileName(path);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ::unlink(native(path).constData());
        *error = EIO;
        return false;
    }
    return true;
#endif
}

} // namespace

FileIdentity identityOf(const QString &path)
{
    FileIdentity id;
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    id.exists = info.exists() || info.isSymLink();
    id.isLink = info.isSymLink();
    id.isRegular = info.isFile() && !id.isLink;
    id.size = info.size();
#else
    struct stat st;
    if (::lstat(native(path).constData(), &st) != 0)
        return id;
    id.exists = true;
    id.isLink = S_ISLNK(st.st_mode);
    id.isRegular = S_ISREG(st.st_mode);
    id.size = st.st_size;
    id.device = st.st_dev;
    id.inode = st.st_ino;
#endif
    return id;
}

QString rewriteTarget(const QString &path)
{
    const QFileInfo info(path);
    QString target = info.absoluteFilePath();
    if (info.isSymLink()) {
        target = info.canonicalFilePath();
        if (target.isEmpty()) // a link to nothing yet: the new file goes where it points
            target = info.symLinkTarget();
    }
#ifndef Q_OS_WIN
    struct stat st;
    if (::lstat(native(target).constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode) || !userMayWrite(target, st))
            throw RuntimeError(RuntimeError::PathFileAccessError);
    }
#else
    const QFileInfo resolved(target);
    if (resolved.exists() && (!resolved.isFile() || !resolved.isWritable()))
        throw RuntimeError(RuntimeError::PathFileAccessError);
#endif
    return target;
}

void takeAttributesOf(QFile &file, const QString &like)
{
#ifndef Q_OS_WIN
    struct stat st;
    if (::stat(native(like).constData(), &st) != 0) {
        ::fchmod(file.handle(), PrivateFileMode);
        return;
    }
    struct stat mine;
    if (::fstat(file.handle(), &mine) == 0 && (mine.st_uid != st.st_uid || mine.st_gid != st.st_gid)) {
        // Only where the process may (root, or a group of its own); otherwise the new
        // file stays the user's, which is who writes it.
        [[maybe_unused]] const int ignored = ::fchown(file.handle(), st.st_uid, st.st_gid);
    }
    // After the owner: a change of owner may clear the set-id bits.
    if (::fchmod(file.handle(), st.st_mode & 07777) != 0)
        throw RuntimeError(RuntimeError::PathFileAccessError);
#else
    if (QFileInfo::exists(like))
        file.setPermissions(QFile::permissions(like));
#endif
}

void narrowAttributesTo(QFile &file, const QString &source)
{
#ifndef Q_OS_WIN
    struct stat st, mine;
    if (::stat(native(source).constData(), &st) != 0 || ::fstat(file.handle(), &mine) != 0)
        return;
    // The user keeps the right to read and write the copy.
    const mode_t mode = (mine.st_mode & 07777) & (st.st_mode | S_IRUSR | S_IWUSR);
    if (::fchmod(file.handle(), mode) != 0)
        throw RuntimeError(RuntimeError::PathFileAccessError);
#else
    Q_UNUSED(file);
    Q_UNUSED(source);
#endif
}

QString createSiblingTemp(const QString &target, QFile &file)
{
    const QFileInfo info(target);
    if (!info.absoluteDir().exists())
        throw RuntimeError(RuntimeError::PathNotFound);
    if (info.isDir())
        throw RuntimeError(RuntimeError::PathFileAccessError);
    faults::check(faults::Step::Open);
    int error = 0;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString candidate =
            info.absoluteDir().filePath(QStringLiteral(".%1.%2.new")
                                            .arg(info.fileName())
                                            .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        if (createExclusive(candidate, file, QIODevice::ReadWrite | QIODevice::Unbuffered, &error))
            return candidate;
#ifndef Q_OS_WIN
        if (error != EEXIST)
            raiseCreateError(error);
#endif
    }
    throw RuntimeError(RuntimeError::PathFileAccessError);
}

void createFresh(const QString &path, QFile &file, QIODevice::OpenMode mode)
{
    faults::check(faults::Step::Open);
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw RuntimeError(RuntimeError::PathNotFound);
    if (info.isDir() && !info.isSymLink())
        throw RuntimeError(RuntimeError::PathFileAccessError);
    int error = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (identityOf(path).exists && !QFile::remove(path) && identityOf(path).exists)
            throw RuntimeError(RuntimeError::PathFileAccessError);
        if (createExclusive(path, file, mode, &error))
            return;
#ifndef Q_OS_WIN
        if (error != EEXIST) // something put a name there again in between: once more
            raiseCreateError(error);
#endif
    }
    throw RuntimeError(RuntimeError::PathFileAccessError);
}

void refuseSpecialFile(const QString &path)
{
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw RuntimeError(RuntimeError::PathFileAccessError);
#else
    struct stat st;
    if (::stat(native(path).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        throw RuntimeError(RuntimeError::PathFileAccessError);
#endif
}

void openForReading(QFile &file, const QString &path)
{
    faults::check(faults::Step::Open);
    const auto missing = [&path]() -> RuntimeError {
        return RuntimeError(QFileInfo(path).absoluteDir().exists() ? RuntimeError::FileNotFound
                                                                   : RuntimeError::PathNotFound);
    };
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (!info.exists())
        throw missing();
    file.setFileName(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw RuntimeError(RuntimeError::PathFileAccessError);
#else
    // Not blocking: opening a FIFO with nothing at its other end would wait for ever.
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            throw missing();
        throw RuntimeError(RuntimeError::PathFileAccessError);
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw RuntimeError(RuntimeError::PathFileAccessError);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw RuntimeError(RuntimeError::PathFileAccessError);
    }
#endif
}

void writeAll(QFile &file, const char *data, qint64 size)
{
    if (size <= 0)
        return;
    faults::check(faults::Step::Write);
    const qint64 allowed = faults::allowedBytes(size);
    const qint64 written = allowed > 0 ? file.write(data, allowed) : 0;
    if (written != size)
        throw RuntimeError(RuntimeError::DiskFull);
}

void syncToDisk(QFile &file)
{
    faults::check(faults::Step::Flush);
    if (!file.flush())
        throw RuntimeError(RuntimeError::DeviceIOError);
#ifdef Q_OS_WIN
    if (_commit(file.handle()) != 0)
        throw RuntimeError(RuntimeError::DeviceIOError);
#else
    if (::fsync(file.handle()) != 0)
        throw RuntimeError(RuntimeError::DeviceIOError);
#endif
}

void syncFolder(const QString &path)
{
#ifndef Q_OS_WIN
    const QByteArray folder = native(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(path);
#endif
}

void adviseSequential(QFile &file)
{
#if defined(POSIX_FADV_SEQUENTIAL)
    if (file.handle() >= 0)
        ::posix_fadvise(file.handle(), 0, 0, POSIX_FADV_SEQUENTIAL);
#else
    Q_UNUSED(file);
#endif
}

void atomicRename(const QString &from, const QString &to)
{
    faults::check(faults::Step::Rename);
#ifdef Q_OS_WIN
    const bool ok = MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
                                reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok)
        throw RuntimeError(RuntimeError::PathFileAccessError);
#else
    if (std::rename(native(from).constData(), native(to).constData()) != 0)
        throw RuntimeError(errno == ENOENT ? RuntimeError::FileNotFound : RuntimeError::PathFileAccessError);
    syncFolder(to);
    if (QFileInfo(from).absolutePath() != QFileInfo(to).absolutePath())
        syncFolder(from);
#endif
}

bool moveName(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    return QFile::rename(from, to);
#else
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

} // namespace storage
