#pragma once

#include "core/runtimeerror.h"

#include <QList>
#include <QString>

// New files that must take the place of old ones together (the investment file and the
// history of an investment delete): whatever stops the program, the folder ends with all
// of the old files or all of the new ones.
//
// Every new file is complete and on disk before a small marker naming the renames is
// put in place; then the renames run; then the marker goes. At the next start, holding
// the folder's lock, finishPendingRenames completes the renames of a marker whose files
// are all there (roll forward); without a marker the new files are never used.
namespace storage {

inline const QString CommitMarkerName = QStringLiteral("Plumbline.commit");

struct PendingRename
{
    QString from; // the new file, complete
    QString to;   // the file it takes the place of, in the same folder
};

// The renames were committed by the marker but could not all be made: the marker stays,
// and the next start completes them. Until then the folder holds a mix of old and new.
class CommitLeftPending : public RuntimeError
{
public:
    using RuntimeError::RuntimeError;
};

// Gives each new file the permissions, owner and group of the file it replaces, flushes
// it, writes the marker, renames, removes the marker. A failure before the marker is in
// place raises with every old file unchanged (the new files are left to the caller); a
// failure of a rename after it is retried once, then raised as CommitLeftPending.
void commitRenames(const QList<PendingRename> &renames);

enum class PendingOutcome {
    None,          // no marker
    RolledForward, // the marker's renames are complete and the marker is gone
    RolledBack,    // the marker did not name files that are all there: nothing renamed
};
// Holding the lock, at start-up. RolledBack leaves the marker for the caller to set aside.
PendingOutcome finishPendingRenames();

} // namespace storage
