#pragma once

#include "core/valuetypes.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <string>

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

// Reads history lines quickly. Lines in exactly the form formatHistLine writes are read in
// one go, with what repeats from line to line (a month's first day, a rate's value) kept
// in the object; any other line goes to parseHistLine, which gives the same values. Each
// reader owns one, so two readers on two threads never share what it keeps.
class HistLineParser
{
public:
    HistLineParser();
    ~HistLineParser();
    HistLineParser(const HistLineParser &) = delete;
    HistLineParser &operator=(const HistLineParser &) = delete;

    // The line in the writer's own form; false, with nothing read, for any other line.
    // `numberLength` is the length of the investment number that starts the line.
    bool parseWritten(const char *begin, const char *end, HistFields &out, int &numberLength);
    // Any line, as parseHistLine reads it (and raises for it).
    void parse(const char *begin, const char *end, HistFields &out);

    // A rate text met before: up to 16 bytes as two words, zero-filled, hashed and compared whole.
    struct RateEntry
    {
        uint64_t words[2] = {0, 0};
        uint8_t length = 0; // 0: empty slot
        bool written = false;
        Single value = 0;
    };
    static constexpr size_t RateCacheSize = 1024;

private:
    int m_month = -1;
    int m_monthLength = 0;
    double m_monthBase = 0;
    std::unique_ptr<RateEntry[]> m_rates;
};

// One line with a parser of its own (for single lines; a pass keeps a HistLineParser).
bool parseWrittenHistLine(const char *begin, const char *end, HistFields &out, int &numberLength);

// Append the line, CR LF included, to `out`.
void formatHistLine(const HistFields &fields, std::string &out);
// A whole number as the text records write it.
void appendInteger(int value, std::string &out);
void formatTempDataLine(const TempDataFields &fields, std::string &out);

// "#yyyy-mm-dd#" (or "#yyyy-mm-dd hh:mm:ss#" for a date with a time of day).
QString dateToText(Date date);

} // namespace storage
