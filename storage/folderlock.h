#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace storage {

// One copy of the program per data folder. Whether a copy runs is decided by a lock the
// operating system holds for the running process on the lock file (released however
// that process ends), not by what the file says: a lock file left empty by a power loss,
// damaged, or naming another host is taken over once no running copy holds it.
class FolderLock
{
public:
    enum class Result {
        Locked,            // this copy holds the folder
        HeldByRunningCopy, // another running copy holds it
        IsFolder,          // the lock file's name is taken by a folder
        Unusable,          // the lock file cannot be created or opened
    };

    explicit FolderLock(const QString &path);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    Result tryLock();
    // Removes the lock file and lets go; only a lock this object holds.
    void unlock();
    bool isLocked() const;

private:
    QString m_path;
    int m_fd = -1;
#ifdef Q_OS_WIN
    std::unique_ptr<QLockFile> m_qtLock;
#endif
};

} // namespace storage
