#pragma once

#include <QString>

// Whether a backup copy written at a path would land on the program's live data. Paths
// are no proof of that: a symbolic link, a hard link or a bind mount of the data folder
// reaches the live files under other names, so files and folders are compared by what
// they are (device and inode), not by how they are spelt.
namespace ui::backup {

enum class TargetClash {
    None,
    LiveFile,   // the target is, or leads to, a file of the data folder
    LiveFolder, // the target would be created in the data folder itself
};

// `target` as the copy would open it; `liveFolder` the program's data folder.
TargetClash clashWithLiveData(const QString &target, const QString &liveFolder);

} // namespace ui::backup
