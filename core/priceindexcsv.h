#pragma once

#include "core/priceindex.h"

#include <QByteArray>
#include <QString>

// Reads a user's monthly price index from a CSV download: two columns with dates as
// YYYY-MM or YYYY-MM-DD (an optional header line); the ONS raw download (metadata lines,
// then annual, quarterly and monthly rows, of which the monthly ones are taken); FRED's
// observation_date,VALUE with "." for a missing month; Statistics Canada's REF_DATE and
// VALUE columns. A byte-order mark, LF, CR LF or CR line ends, and ';' with a decimal comma
// ("1.234,5": points between the thousands) are read.
// Fills `out.values` (kind Monthly); false with a message naming the line when the file
// is refused: a month twice, a value at or below 0 or not a number, no usable row.
bool readPriceIndexCsv(const QByteArray &bytes, PriceIndex &out, QString &error);

// Larger files are refused unread: no monthly series comes near this.
inline constexpr qint64 MaxPriceIndexCsvBytes = 64 * 1024 * 1024;
