#pragma once

#include "storage/transaction.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace storage {

// What the start-up found of an interrupted run and did with it.
struct LeftoverReport
{
    PendingOutcome renames = PendingOutcome::None;
    // An Unfinishable delete: which of the files it replaces are the new ones and which
    // the old (all set aside), and whether its marker could not be read at all.
    QStringList replacedNames;
    QStringList notReplacedNames;
    bool markerUnreadable = false;
    // Set when leftovers could hold the only copy of some data: the folder, inside the
    // program folder, they were moved into, and their names. Empty otherwise.
    QString recoveredFolder;
    QStringList recoveredNames;
};

// Run once at start-up, holding the folder's lock, before anything is read. First the
// renames of an interrupted investment delete are completed (or, when their files are
// not all there, not made; when some were made already and the rest cannot be, the data
// files, which no longer belong together, are set aside with the leftovers). Then the
// work files and unfinished ".NAME.xxxxxxxx.new" files an interrupted run left go:
// removed when they cannot hold the only copy of anything (both data files there and
// readable, no renames left pending), otherwise moved, never deleted, into a new
// subfolder "Recovered YYYY-MM-DD HHMMSS". An unfinished new file is never taken as
// data. Raises when a leftover could not be moved (nothing deleted).
LeftoverReport cleanUpLeftovers(const QDateTime &now = QDateTime::currentDateTime());

// Which data a leftover holds, in a few words for the user.
QString leftoverDescription(const QString &name);

// What became of an interrupted investment delete that could not be completed, in a
// sentence or two for the user; empty when there was none or it was completed.
QString pendingChangeNote(const LeftoverReport &report);

} // namespace storage
