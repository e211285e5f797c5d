#pragma once

// A real full disk for the save tests: a small tmpfs (mounting needs root) whose free space a
// test sets to the page before each attempt.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace fulldisk {

constexpr qint64 Page = 4096;

class SmallDisk
{
public:
    explicit SmallDisk(qint64 bytes)
    {
        if (::geteuid() != 0 || !m_dir.isValid())
            return;
        const QByteArray options = "size=" + QByteArray::number(bytes);
        m_mounted = ::mount("tmpfs", where().constData(), "tmpfs", 0, options.constData()) == 0;
        if (m_mounted)
            QDir(m_dir.path()).mkdir(QStringLiteral("out"));
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(where().constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool isMounted() const { return m_mounted; }
    // Where the files under test go; the filler lives beside it.
    QString out() const { return m_dir.path() + QStringLiteral("/out"); }
    QString outFile(const QString &name) const { return out() + QLatin1Char('/') + name; }

    qint64 freeBytes() const
    {
        struct statvfs st
        {
        };
        return ::statvfs(where().constData(), &st) == 0 ? qint64(st.f_bavail) * qint64(st.f_frsize) : -1;
    }

    void removeFiller() { ::unlink(filler().constData()); }

    // Fills the disk to the last byte, then gives back `bytes` (whole pages): the room the next
    // write has. Returns the free space as the file system counts it.
    qint64 leaveFree(qint64 bytes)
    {
        removeFiller();
        const int fd = ::open(filler().constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0)
            return -1;
        const QByteArray block(int(Page), 'f');
        qint64 size = 0;
        for (;;) {
            const ssize_t written = ::write(fd, block.constData(), size_t(block.size()));
            if (written <= 0)
                break;
            size += written;
        }
        const qint64 keep = size > bytes ? size - bytes : 0;
        [[maybe_unused]] const int ignored = ::ftruncate(fd, keep);
        ::close(fd);
        return freeBytes();
    }

    QStringList outEntries() const
    {
        return QDir(out()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

private:
    QByteArray where() const { return QFile::encodeName(m_dir.path()); }
    QByteArray filler() const { return QFile::encodeName(m_dir.path() + QStringLiteral("/filler")); }

    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// The free space each attempt of a sweep gets for a file of `fileSize` bytes: none, `count`
// steps through it (each smaller than the file), one page short of it (the very last bytes do
// not fit), just enough, and plenty.
inline QList<qint64> freeSteps(qint64 fileSize, int count)
{
    const qint64 pages = (fileSize + Page - 1) / Page;
    QList<qint64> steps{0};
    for (int i = 1; i < count; ++i)
        steps << pages * i / count * Page;
    steps << (pages - 1) * Page << pages * Page << (pages + 4) * Page;
    return steps;
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile::remove(path);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace fulldisk
