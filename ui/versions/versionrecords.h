#pragma once

#include <QString>

// The data records of a kept version as a CSV file, in the columns plumbline-export writes.
namespace ui::versions {

// Reads the two data files in `folder` (a version written out by VersionStore::materialize)
// and writes every record of every investment, with its figures, to `target` through a
// storage::SafeSaveFile. Raises RuntimeError (61 on a full disk, 75 for a target in the data
// folder, a damaged line with its number) and leaves `target` as it was.
void writeRecordsCsv(const QString &folder, const QString &target);

} // namespace ui::versions
