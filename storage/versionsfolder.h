#pragma once

#include "storage/versionfiles.h"

#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QString>

// The Versions folder itself, for storage/versions.cpp: whether it can be used, its entries,
// the cursor (the change whose state is live), the record of an undo or redo under way,
// the bytes it takes, and setting it aside when it cannot be used.
namespace storage::versions {

// An undo or redo under way: the cursor before and after, and the live files before (a
// commit of renames puts new files in their place).
struct Move
{
    int from = 0;
    int to = 0;
    KeptState live;
    bool histAbsent = false; // the state moved to has no such file: the empty one put in place goes
    bool dataAbsent = false;
};

class VersionsFolder
{
public:
    explicit VersionsFolder(const QString &dataFolder);

    QString path() const { return m_path; }
    QString filePath(const QString &name) const;
    bool exists() const;

    // Empty when the folder (there) can be used; otherwise why not, in a few words.
    bool usable(QString &why) const;
    // The folder there and usable: created when missing, set aside and created anew when it
    // cannot be used (`note` then tells the user). False when not even that works.
    bool ensure(const QDateTime &now, QString &note);
    // Moves the folder (whatever stands in its place) into a new "Recovered ..." folder of
    // the data folder; the sentence for the user.
    QString setAside(const QString &why, const QDateTime &now);

    // Every entry; false (with why) when an entry or the cursor cannot be read.
    bool load(QMap<int, Entry> &entries, QString &why) const;
    // The entry whose after-state is live: the newest entry done since the cursor file was
    // last written (a change makes its entry current without writing it), else the file's.
    int readCursor(const QMap<int, Entry> &entries) const;
    // Undo and redo move the cursor back and forth.
    void writeCursor(int id);
    // A change just finished: its entry is current.
    void makeCurrent(int id);

    void writeMove(const Move &move);
    void dropMove();
    // The move's cursor written, the empty files of absent ones removed, the record gone.
    void finishMove();
    // At start-up: a move a kill interrupted is settled to whichever pair is live.
    void settleMove(int &cursor);

    // Removes files no entry names: what a kill left of keeping or dropping a version.
    void removeStrays(const QMap<int, Entry> &entries);

    // The bytes the folder's files take, each file counted once however many names it has.
    struct Usage
    {
        qint64 bytes = 0;
        struct Inode
        {
            qint64 size = 0;
            int names = 0;
        };
        QHash<QByteArray, Inode> inodes;
        // One name of a file is gone.
        void release(const QString &path);
    };
    Usage usage() const;

private:
    bool readMove(Move &move) const;
    // The cursor file's entry, and the newest entry there was when it was written.
    bool readCursorFile(int &cursor, int &last) const;
    int lastEntryId() const;
    QString m_data;
    QString m_path;
};

} // namespace storage::versions
