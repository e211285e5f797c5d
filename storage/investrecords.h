#pragma once

#include "core/investrecord.h"

#include <QString>

#include <vector>

// The 102-byte records of the investment file, as bytes and as a list read on its own.
namespace storage {

inline constexpr int InvestRecordLength = 102;

// A record's bytes into `record`. Damaged bytes (a number below 1, a byte the program never
// writes into a text, a short record) give RecNum 0 and blank texts, and false.
bool decodeInvestRecord(const char *bytes, qint64 size, InvestRecord &record);
// The record's 102 bytes.
void encodeInvestRecord(const InvestRecord &record, char *bytes);

// Record count rule: length / 102, rounded to the nearest integer, halves to even.
Integer recordCount(long long lengthInBytes);

// One investment as a reader of the data folder needs it.
struct InvestmentInfo
{
    int number = 0;       // its position in the investment file, from 1
    QString type;         // trailing padding removed
    QString institution;  // trailing padding removed
    bool readable = true; // false for a damaged record (blank texts)
};

// Every investment of an investment file, read with a handle of its own (the main window's
// file number 1 is neither used nor disturbed). Raises RuntimeError: 53 when the file is
// missing, 75 for a folder or anything that is not a plain file.
std::vector<InvestmentInfo> readInvestmentList(const QString &path);

// The text without the blanks that pad it to its width.
QString trimPadding(const QString &text);

} // namespace storage
