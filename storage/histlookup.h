#pragma once

#include "core/suggestedrate.h"

#include <QString>

namespace storage {

// What a suggested rate is measured from for one record of an investment, found by reading
// the history file one line at a time with a file handle of its own (the numbered files of
// a rewrite in progress are left alone).
struct RateBaseLookup
{
    RateBase base;         // the records before the one in hand, passed in file order
    long long badLine = 0; // a damaged line stopped the reading: its number, else 0
};

// Passes the investment's first `records` records (all of them when negative: a record to
// be added after the last) to a RateBase. A missing history file has no records.
RateBaseLookup findRateBase(const QString &historyPath, int investment, int records);

} // namespace storage
