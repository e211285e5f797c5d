#include "storage/safesavefile.h"

#include "storage/faults.h"
#include "storage/fileops.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace storage {

namespace {

// Writes go out in blocks of this size: a PDF engine writes a few bytes at a time.
constexpr qsizetype BlockSize = 256 * 1024;

#ifndef Q_OS_WIN
QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

[[noreturn]] void raiseErrno(int error)
{
    if (error == ENOSPC || error == EDQUOT)
        throw RuntimeError(RuntimeError::DiskFull);
    if (error == ENOENT || error == ENOTDIR)
        throw RuntimeError(RuntimeError::PathNotFound);
    throw RuntimeError(RuntimeError::PathFileAccessError);
}

// A file with no name yet in `folder`, or -1 where the file system (or the system) has none.
// It can be given a name later only through /proc.
int createUnnamed(const QString &folder)
{
#ifdef O_TMPFILE
    if (::access("/proc/self/fd", X_OK) != 0)
        return -1;
    return ::open(native(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, PrivateFileMode);
#else
    Q_UNUSED(folder);
    return -1;
#endif
}

QString siblingName(const QFileInfo &target)
{
    return target.absoluteDir().filePath(QStringLiteral(".%1.%2.new")
                                             .arg(target.fileName())
                                             .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
}
#endif

} // namespace

SafeSaveFile::SafeSaveFile(const QString &target) : m_path(target) {}

SafeSaveFile::~SafeSaveFile()
{
    discard();
}

bool SafeSaveFile::open(OpenMode mode)
{
    if (isOpen() || (mode & ReadOnly) || !(mode & WriteOnly)) {
        fail(RuntimeError(RuntimeError::BadFileMode));
        return false;
    }
    try {
        if (m_path.isEmpty())
            throw RuntimeError(RuntimeError::BadFileNameOrNumber);
        if (!QFileInfo(m_path).absoluteDir().exists())
            throw RuntimeError(RuntimeError::PathNotFound);
        m_target = rewriteTarget(m_path);
        createUnnamedOrNamed();
        takeAttributesOf(m_file, m_target);
    } catch (const RuntimeError &error) {
        discard();
        fail(error);
        return false;
    }
    m_buffer.reserve(BlockSize);
    return QIODevice::open(QIODevice::WriteOnly);
}

void SafeSaveFile::createUnnamedOrNamed()
{
    const QString folder = QFileInfo(m_target).absolutePath();
#ifndef Q_OS_WIN
    const int fd = createUnnamed(folder);
    if (fd >= 0) {
        if (!m_file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            throw RuntimeError(RuntimeError::PathFileAccessError);
        }
        faults::check(faults::Step::Open);
        return;
    }
#endif
    m_tempPath = createSiblingTemp(m_target, m_file);
}

void SafeSaveFile::close()
{
    discard();
}

void SafeSaveFile::raiseFailure() const
{
    if (m_failure)
        throw *m_failure;
}

void SafeSaveFile::fail(const RuntimeError &error)
{
    if (!m_failure)
        m_failure = std::make_unique<RuntimeError>(error);
}

bool SafeSaveFile::writeOut()
{
    if (m_buffer.isEmpty())
        return true;
    try {
        writeAll(m_file, m_buffer.constData(), m_buffer.size());
    } catch (const RuntimeError &error) {
        fail(error);
        return false;
    }
    m_buffer.clear();
    return true;
}

qint64 SafeSaveFile::readData(char *, qint64)
{
    return -1;
}

qint64 SafeSaveFile::writeData(const char *data, qint64 size)
{
    if (m_failure || !m_file.isOpen())
        return -1;
    if (m_buffer.size() + size > BlockSize && !writeOut())
        return -1;
    if (size >= BlockSize) {
        try {
            writeAll(m_file, data, size);
        } catch (const RuntimeError &error) {
            fail(error);
            return -1;
        }
        return size;
    }
    m_buffer.append(data, size);
    return size;
}

void SafeSaveFile::commit()
{
    try {
        raiseFailure();
        if (!isOpen())
            throw RuntimeError(RuntimeError::BadFileMode);
        if (!writeOut())
            raiseFailure();
        syncToDisk(m_file);
        if (m_tempPath.isEmpty())
            linkUnnamedInPlace();
        else
            atomicRename(m_tempPath, m_target);
    } catch (const RuntimeError &error) {
        fail(error);
        discard();
        throw;
    }
    m_tempPath.clear();
    m_file.close();
    QIODevice::close();
}

void SafeSaveFile::linkUnnamedInPlace()
{
#ifndef Q_OS_WIN
    // The step a kill must find nothing done at: the file has no name until the link below.
    faults::check(faults::Step::Rename);
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_file.handle());
    const QFileInfo target(m_target);
    // A name of its own first: a link cannot take the place of an existing file.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString named = siblingName(target);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, native(named).constData(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST)
                continue;
            raiseErrno(errno);
        }
        m_tempPath = named;
        if (std::rename(native(named).constData(), native(m_target).constData()) != 0)
            raiseErrno(errno);
        syncFolder(m_target);
        return;
    }
#endif
    throw RuntimeError(RuntimeError::PathFileAccessError);
}

void SafeSaveFile::discard()
{
    m_buffer.clear();
    if (m_file.isOpen())
        m_file.close();
    if (!m_tempPath.isEmpty()) {
        QFile::remove(m_tempPath);
        m_tempPath.clear();
    }
    if (isOpen())
        QIODevice::close();
}

} // namespace storage
