#pragma once

#include <QString>

#include <cstdint>

namespace storage {

// What a file looks like from outside: enough to tell that it changed without reading it.
// A rewrite puts a new file in place (another inode); an appended record changes the size and
// the time of the last change.
struct FileStamp
{
    bool exists = false;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t changedNs = 0;

    bool operator==(const FileStamp &other) const;
    bool operator!=(const FileStamp &other) const { return !(*this == other); }
};

// The stamp of the file at `path` (links followed); a missing file has `exists` false.
FileStamp fileStamp(const QString &path);

} // namespace storage
