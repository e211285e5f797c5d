#pragma once

#include <QByteArray>
#include <QString>

namespace storage {

// The 8-bit code page of the investment file's texts: Windows-1252. A character
// the code page lacks is written as "?".
QByteArray toCp1252(const QString &text);
QString fromCp1252(const char *data, int size);

} // namespace storage
