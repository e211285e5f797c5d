#pragma once

#include <QByteArray>
#include <QString>

namespace storage {

// Reads the whole of a file the user named (a price index to import, a series file).
// Anything but a regular file is refused without waiting: a FIFO would block the open and
// the read for ever, a device would never end. A symbolic link to a regular file is read.
// A file larger than `maxBytes`, when opened or while read, is refused. False with a
// message for the user, which calls a file too large to be what `purpose` reads it as.
enum class ReadPurpose { PriceIndex, Import };
bool readRegularFile(const QString &path, qint64 maxBytes, QByteArray &out, QString &error,
                     ReadPurpose purpose = ReadPurpose::PriceIndex);

} // namespace storage
