#pragma once

#include "storage/returnspass.h"
#include "tools/export/csvwriter.h"

// --returns: one row per investment by number, then the row of all of them.
void writeReturnsRows(const storage::Portfolio &portfolio, CsvWriter &out);
