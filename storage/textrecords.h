#pragma once

#include "core/valuetypes.h"

#include <QString>

// The comma-separated text form of the program's text files: one record per line,
// CR LF line ends, quoted texts without escapes, #yyyy-mm-dd# dates and plain numbers.
namespace storage {

struct HistFields
{
    Integer investNum;
    Date date;
    Currency original;
    Currency current;
    Single rate = 0;
};

struct TempDataFields
{
    Integer number;
    QString investType;
    QString institution;
};

// Longest line any of the program's files can hold, with room to spare; a longer
// line is damaged.
inline constexpr int MaxLineLength = 4096;

// Parse one line (without its line end). A missing field raises 62, any other
// damage 13, a number out of its type's range 6.
void parseHistLine(const char *begin, const char *end, HistFields &out);
void parseTempDataLine(const char *begin, const char *end, TempDataFields &out);
// A history line in exactly the form formatHistLine writes, read quickly; false, with
// nothing read, for any other line, which parseHistLine reads to the same values.
// `numberLength` is the length of the investment number that starts the line.
bool parseWrittenHistLine(const char *begin, const char *end, HistFields &out, int &numberLength);

// Append the line, CR LF included, to `out`.
void formatHistLine(const HistFields &fields, std::string &out);
// A whole number as the text records write it.
void appendInteger(int value, std::string &out);
void formatTempDataLine(const TempDataFields &fields, std::string &out);

// "#yyyy-mm-dd#" (or "#yyyy-mm-dd hh:mm:ss#" for a date with a time of day).
QString dateToText(Date date);

} // namespace storage
