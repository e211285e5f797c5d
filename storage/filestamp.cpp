#include "storage/filestamp.h"

#include <QFile>

#include <sys/stat.h>

namespace storage {

bool FileStamp::operator==(const FileStamp &other) const
{
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
           changedNs == other.changedNs;
}

FileStamp fileStamp(const QString &path)
{
    FileStamp stamp;
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return stamp;
    stamp.exists = true;
    stamp.device = uint64_t(st.st_dev);
    stamp.inode = uint64_t(st.st_ino);
    stamp.size = int64_t(st.st_size);
    // The status change time moves with every write and rename, and cannot be set back by hand.
    stamp.changedNs = int64_t(st.st_ctim.tv_sec) * 1000000000 + int64_t(st.st_ctim.tv_nsec);
    return stamp;
}

} // namespace storage
