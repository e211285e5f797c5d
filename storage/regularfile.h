#pragma once

#include <QByteArray>
#include <QString>

namespace storage {

// Reads the whole of a file the user named (a price index to import, a series file).
// Anything but a regular file is refused without waiting: a FIFO would block the open and
// the read for ever, a device would never end. A symbolic link to a regular file is read.
// A file larger than `maxBytes`, when opened or while read, is refused. False with a
// message for the user, which calls a file too large "too large to be `what`" ("a price index"
// unless given).
bool readRegularFile(const QString &path, qint64 maxBytes, QByteArray &out, QString &error,
                     const QString &what = QString());

} // namespace storage
