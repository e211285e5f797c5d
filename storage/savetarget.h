#pragma once

#include <QString>

namespace storage {

// Whether a file written at `target` would land among the files the program keeps in its data
// folder `dataFolder`: in that folder or any folder below it ("Price Indexes", a "Recovered"
// folder), or on one of its files under another name. Names prove nothing here: a symbolic
// link, "..", a hard link or a bind mount reach the same files, so folders and files are
// compared by what they are (device and inode) once every link is followed.
bool landsInDataFolder(const QString &target, const QString &dataFolder);

} // namespace storage
