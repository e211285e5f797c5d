#pragma once

#include "core/runtimeerror.h"

#include <QList>
#include <QString>
#include <QStringList>

// New files that must take the place of old ones together (the investment file and the
// history of an investment delete): whatever stops the program, the folder ends with all
// of the old files or all of the new ones.
//
// Every new file is complete and on disk before a small marker naming the renames is
// put in place; then the renames run; then the marker goes. At the next start, holding
// the folder's lock, finishPendingRenames completes the renames of a marker whose new
// files it finds (roll forward); without a marker the new files are never used.
//
// The marker names files relative to its own folder and knows each new file by its size
// and SHA-256, so it still means the same after the folder was copied or moved, and its
// recovery never reaches into the folder it was copied from.
namespace storage {

inline const QString CommitMarkerName = QStringLiteral("Plumbline.commit");

struct PendingRename
{
    QString from; // the new file, complete, beside `to`
    QString to;   // the file it takes the place of: in the data folder, or where a link of it points
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
// The same with the marker in `folder` (a tool's data folder) instead of the program's.
void commitRenames(const QString &folder, const QList<PendingRename> &renames);

enum class PendingOutcome {
    None,          // no marker
    RolledForward, // the marker's renames are complete and the marker is gone
    RolledBack,    // none of the renames was made and they cannot be: nothing renamed, the old files stay
    Unfinishable,  // some renames were made (or may have been) and the rest cannot be, or the marker
                   // cannot be read: the files it replaces may be of two states and must not be used
};

struct PendingRecovery
{
    PendingOutcome outcome = PendingOutcome::None;
    // Unfinishable: the names in the data folder of the files the marker replaces (for a
    // marker that cannot be read, both data files), and which of them are the new ones.
    QStringList setAside;
    QStringList replaced;
    bool markerUnreadable = false;
};

// Holding the lock, at start-up. Renames only inside the data folder (and through the
// data files' own links, as every write does); never where the marker was written when
// the folder has been copied or moved since. Anything but None and RolledForward leaves
// the marker for the caller to set aside, with the files of an Unfinishable one.
PendingRecovery finishPendingRenames();
PendingRecovery finishPendingRenames(const QString &folder);

} // namespace storage
