#pragma once

#include "core/valuetypes.h"

#include <QString>

namespace storage {

// One data record of an investment, found by reading the history file one line at a
// time with a file handle of its own (the numbered files of a rewrite in progress are
// left alone).
struct HistRecordLookup
{
    bool found = false;
    Date date;
    int count = 0;         // the investment's records read up to the one found (or all, when asked for the last)
    long long badLine = 0; // a damaged line stopped the search: its number, else 0
};

// Record `rank` (from 1) of the investment; rank 0 means its last record. A missing
// history file has no records.
HistRecordLookup findHistRecord(const QString &historyPath, int investment, int rank);

} // namespace storage
