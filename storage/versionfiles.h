#pragma once

#include "storage/changetext.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// The files of the Versions folder, for storage/versions.cpp: a kept state of the two data
// files, the entry of one change, and the copies and links that keep and bring back a state.
namespace storage::versions {

// One data file of a kept state.
struct KeptFile
{
    bool present = false; // false: the data folder had no such file
    QString name;         // the file in the Versions folder
    long long size = 0;
    QByteArray check; // SHA-256: of the last 64 KiB for the history, of the whole investment file
    // The live file's identity when it was kept: a rewrite puts a new file in its place.
    unsigned long long device = 0;
    unsigned long long inode = 0;
};

struct KeptState
{
    KeptFile hist;
    KeptFile data;
    int investments = 0;
    long long records = -1; // -1: not counted
};

struct Entry
{
    int id = 0;
    bool done = false;
    QDateTime time;
    ChangeDescription change;
    int parent = 0;
    KeptState before;
    KeptState after; // when done
};

// The live data file `name` of `dataFolder` as it is now (links followed); no file kept.
KeptFile liveFile(const QString &dataFolder, const QString &name, bool wholeCheck);
// The live pair now, without keeping anything.
KeptState liveState(const QString &dataFolder);

// Keeps the live pair in `versions` under "PREFIX.hist" and "PREFIX.data": the history by
// a hard link (a copy where none can be made), the investment file by a copy, both on disk.
// Raises (61 full disk ...) after removing what it made.
// An investment file already kept with the same bytes (`sameData`) is linked, not copied again.
KeptState keepLive(const QString &dataFolder, const QString &versions, const QString &prefix,
                   const KeptFile *sameData = nullptr);
// Another pair of names for a kept state (links; copies where links cannot be made).
KeptState keepAgain(const KeptState &state, const QString &versions, const QString &prefix);

// Whether the kept files still hold what was kept; false names the file changed.
bool keptIntact(const QString &versions, const KeptFile &file, bool wholeCheck);

// Whether the live pair is the kept state, judged by content (size and checks).
bool sameContent(const KeptState &live, const KeptState &kept);

// The bytes of `source` into a new file of its own beside `target`, whole and on disk;
// returns the new file's path. Raises (61 ...) after removing it. An empty `source`
// gives an empty file.
QString stageCopy(const QString &source, const QString &target);
// `source` copied to the new file `path` (created fresh, private), on disk.
void copyFile(const QString &source, const QString &path);

// Data lines of a history (blank lines not counted); 0 without one.
long long countRecords(const QString &path);

QByteArray encodeEntry(const Entry &entry);
bool decodeEntry(const QByteArray &text, Entry &entry);

QString entryFileName(int id);
// The id of an entry file's name; 0 for any other name.
int entryIdOf(const QString &fileName);

// Writes `text` as file `path`: a new file renamed into place, whole or not at all; with
// `durable`, on disk before the rename and the rename on disk after it.
void writeWhole(const QString &path, const QByteArray &text, bool durable = true);

} // namespace storage::versions
