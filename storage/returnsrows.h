#pragma once

#include "storage/csvwriter.h"
#include "storage/returnspass.h"

// The rows of plumbline-export --returns and of the portfolio window's Save as CSV: one row per
// investment by number, then the row of all of them.
void writeReturnsRows(const storage::Portfolio &portfolio, CsvWriter &out);
