#include "storage/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace storage {

namespace {

QString systemMessage(int number)
{
    return QString::fromLocal8Bit(std::strerror(number));
}

} // namespace

bool readRegularFile(const QString &path, qint64 maxBytes, QByteArray &out, QString &error, ReadPurpose purpose)
{
    out.clear();
    const QString shown = QDir::toNativeSeparators(path);
    // O_NONBLOCK: opening a FIFO for reading returns at once instead of waiting for a writer;
    // what it is then decides before a byte is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error =
            QCoreApplication::translate("DataFolder", "%1 could not be opened: %2").arg(shown, systemMessage(errno));
        return false;
    }
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat st;
    if (::fstat(fd, &st) != 0) {
        error =
            QCoreApplication::translate("DataFolder", "%1 could not be opened: %2").arg(shown, systemMessage(errno));
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = QCoreApplication::translate(
                    "DataFolder", "%1 is not a regular file (it is a folder, pipe or device); nothing was read.")
                    .arg(shown);
        return false;
    }
    //: %1 is the largest size allowed, in megabytes.
    const QString tooLarge =
        (purpose == ReadPurpose::Import
             ? QCoreApplication::translate("Import", "The file is too large to be imported (more than %1 MB).")
             //: %1 is the largest size allowed, in megabytes.
             : QCoreApplication::translate("PriceIndex",
                                           "The file is too large to be a price index (more than %1 MB)."))
            .arg(maxBytes / (1024 * 1024));
    if (st.st_size > maxBytes) {
        error = tooLarge;
        return false;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);

    // A file that grows while it is read is still held to the limit.
    out.resize(qsizetype(st.st_size) + 1);
    qsizetype have = 0;
    for (;;) {
        if (have == out.size()) {
            if (have > maxBytes) {
                out.clear();
                error = tooLarge;
                return false;
            }
            out.resize(qsizetype(std::min<qint64>(maxBytes + 1, qint64(have) * 2 + 4096)));
        }
        const ssize_t got = ::read(fd, out.data() + have, size_t(out.size() - have));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            out.clear();
            error =
                QCoreApplication::translate("DataFolder", "%1 could not be read: %2").arg(shown, systemMessage(errno));
            return false;
        }
        if (got == 0)
            break;
        have += got;
    }
    if (have > maxBytes) {
        out.clear();
        error = tooLarge;
        return false;
    }
    out.resize(have);
    return true;
}

} // namespace storage
