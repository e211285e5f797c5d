#pragma once

#include "core/runtimeerror.h"
#include "storage/changetext.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The history of versions of the two data files, kept in the subfolder "Versions" of the
// data folder (folder 0700, files 0600), so that every change can be undone and redone and
// any kept state restored, across restarts.
//
// A change is kept around the rewrite that makes it:
//
//     storage::VersionStore store(storage::programFolder());
//     auto change = store.begin(description);   // keeps the state before; may raise (61 ...)
//     storage::appendHistRecord();                // the existing rewrite
//     change.commit();                            // keeps the state after, prunes
//
// A Change destroyed without commit() is abandoned (the files were not changed, or the
// rewrite failed and left them as they were). A kill at any instant is settled by
// recover() at the next start.
//
// The history file is always replaced as a whole by a rename, so its state is kept by a
// hard link (a copy where a link cannot be made); the investment file is written in place,
// so its state is a copy. Each kept history is known by its size and a SHA-256 of its
// last 64 KiB: an older copy of the program that appends to the live history in place also
// changes a version that shares its file, and such a version is refused, never restored.
//
// undo(), redo(), restore() and restoreBackup() replace both data files together under the
// commit marker (storage/transaction.h), from copies, never links. They replace the
// investment file that the main window keeps open as file number 1: the caller closes file
// number 1 before and opens it again after, as storage::commitInvestDelete does. They work
// on storage::programFolder(), which must be the store's data folder. Every call but
// list() and the texts expects the caller to hold the folder's lock (storage::FolderLock).
//
// Errors are RuntimeError: 61 when the disk is full (nothing changed), 75 when a file
// cannot be written, VersionRefused with a sentence for the user otherwise.
namespace storage {

inline const QString VersionsFolderName = QStringLiteral("Versions");

// A version that cannot be used, with a sentence that says why (error 75).
class VersionRefused : public RuntimeError
{
public:
    explicit VersionRefused(const QString &sentence) : RuntimeError(PathFileAccessError, sentence) {}
};

struct VersionInfo
{
    int id = 0;
    QDateTime time; // UTC, when the change was made
    ChangeDescription change;
    int investments = 0; // in the state after the change
    long long records = 0;
    bool current = false; // its state is the live pair
    bool undone = false;  // undone and not redone: no longer on the way back from the live pair
};

class VersionStore
{
public:
    explicit VersionStore(const QString &dataFolder);
    ~VersionStore();
    VersionStore(const VersionStore &) = delete;
    VersionStore &operator=(const VersionStore &) = delete;

    // One change under way: the state before it is kept.
    class Change
    {
    public:
        Change(Change &&other) noexcept;
        Change &operator=(Change &&other) = delete;
        Change(const Change &) = delete;
        ~Change(); // abandons the change unless committed
        // Keeps the state after the change and prunes. Raises like begin(); the change
        // itself stays made (the next begin() or recover() keeps its after state).
        void commit();
        int id() const { return m_id; }

    private:
        friend class VersionStore;
        Change(VersionStore *store, int id) : m_store(store), m_id(id) {}
        VersionStore *m_store = nullptr;
        int m_id = 0;
        bool m_done = false;
    };

    // Keeps the live pair as the state before a change. Raises RuntimeError (61 full disk,
    // 75 ...) with nothing changed and no version left behind.
    Change begin(const ChangeDescription &change);

    // One entry per kept state, newest first.
    QList<VersionInfo> list() const;
    // What Undo and Redo would undo and redo; nullopt when there is nothing.
    std::optional<ChangeDescription> undoChange() const;
    std::optional<ChangeDescription> redoChange() const;

    // Both data files back to the state before the last change / after the change undone
    // last. File number 1 must be closed (see above).
    void undo();
    void redo();
    // Makes the state after change `id` current; itself a change that can be undone.
    void restore(int id);

    // What a backup folder holds, both files read completely; raises RuntimeError naming the
    // damaged place ("line N" of the history, "record N" of the investment file), 53 when a
    // file is missing.
    struct BackupContents
    {
        int investments = 0;
        long long records = 0;
        QDate newest; // the newest record's date; invalid without records
    };
    BackupContents checkBackup(const QString &folder) const;
    // Checks the backup as above, then makes its files current: a change that can be undone.
    void restoreBackup(const QString &folder);

    // Writes the pair of version `id` into `emptyFolder` under the data files' names.
    void materialize(int id, const QString &emptyFolder) const;

    // Start-up, holding the lock, after storage::finishPendingRenames: settles a change,
    // undo, redo or restore a kill interrupted, so that the versions agree with the live
    // pair. A Versions folder that cannot be used (a file or link in its place, another
    // owner, not our mode, unreadable entries) is moved aside into "Recovered YYYY-MM-DD
    // HHMMSS" in the program folder and a new one begun. `note` non-empty: tell the user.
    struct Recovery
    {
        QString note;
    };
    Recovery recover();

    // The size limit of the kept versions (each file counted once however many names it
    // has); at least the last 100 changes and those of the last 30 days are kept within it.
    void setSizeLimit(qint64 bytes);
    qint64 sizeLimit() const;
    void prune();
    // Bytes the versions take now.
    qint64 keptBytes() const;

    // The limit the user set (settings "PLUMBLINE", "VERSIONS", "SizeLimitMB"), 1 GiB when none.
    static qint64 configuredSizeLimit();
    static bool setConfiguredSizeLimit(qint64 bytes);

    // A sentence for the user when a change found the Versions folder unusable and set it
    // aside (or could not); empty otherwise. Cleared by the call.
    QString takeNote();

    // For tests: the clock that stamps changes and judges their age.
    void setClock(const std::function<QDateTime()> &now);

    static constexpr int KeepCount = 100;
    static constexpr int KeepDays = 30;
    static constexpr qint64 DefaultSizeLimit = qint64(1024) * 1024 * 1024;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    void commitChange(int id);
    void abandonChange(int id);
};

} // namespace storage
