#include "storage/textrecords.h"

#include "core/runtimeerror.h"
#include "storage/codepage.h"

#include <QtGlobal>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace storage {

namespace {

[[noreturn]] void typeMismatch()
{
    throw RuntimeError(RuntimeError::TypeMismatch);
}

[[noreturn]] void pastEnd()
{
    throw RuntimeError(RuntimeError::InputPastEndOfFile);
}

// Reads fields left to right the way the classic sequential reader does.
class FieldReader
{
public:
    FieldReader(const char *begin, const char *end) : m_p(begin), m_end(end) {}

    void skipBlanks()
    {
        while (m_p != m_end && (*m_p == ' ' || *m_p == '\t'))
            ++m_p;
    }

    // An unquoted field runs to the next comma or the line end.
    void plainField(const char *&begin, const char *&end)
    {
        startField();
        begin = m_p;
        while (m_p != m_end && *m_p != ',')
            ++m_p;
        end = m_p;
        while (end != begin && (end[-1] == ' ' || end[-1] == '\t'))
            --end;
        if (begin == end)
            typeMismatch();
        finishField();
    }

    // A field between # signs.
    void dateField(const char *&begin, const char *&end)
    {
        startField();
        if (*m_p != '#')
            typeMismatch();
        begin = ++m_p;
        const void *close = std::memchr(m_p, '#', size_t(m_end - m_p));
        if (!close)
            typeMismatch();
        end = static_cast<const char *>(close);
        m_p = end + 1;
        finishField();
    }

    // A quoted field runs to its closing quote. With `fixedWidth`, a field of exactly
    // that many characters followed by the closing quote and what comes after this
    // field (a separator, or for the `last` field the line end) is taken as a whole, so
    // a text holding a quote of its own survives the round trip.
    QString quotedField(int fixedWidth, bool last)
    {
        startField();
        if (*m_p != '"')
            typeMismatch();
        const char *begin = ++m_p;
        const char *close = nullptr;
        if (fixedWidth > 0 && m_end - begin > fixedWidth && begin[fixedWidth] == '"') {
            const char *after = begin + fixedWidth + 1;
            while (after != m_end && (*after == ' ' || *after == '\t'))
                ++after;
            if (last ? after == m_end : (after != m_end && *after == ','))
                close = begin + fixedWidth;
        }
        if (!close)
            close = static_cast<const char *>(std::memchr(begin, '"', size_t(m_end - begin)));
        if (!close)
            pastEnd();
        m_p = close + 1;
        finishField();
        return fromCp1252(begin, int(close - begin));
    }

    void expectLineEnd()
    {
        skipBlanks();
        if (m_p != m_end)
            typeMismatch();
    }

private:
    void startField()
    {
        if (m_needSeparator) {
            skipBlanks();
            if (m_p == m_end)
                pastEnd();
            if (*m_p != ',')
                typeMismatch();
            ++m_p;
        }
        skipBlanks();
        if (m_p == m_end)
            pastEnd();
    }
    void finishField()
    {
        m_needSeparator = true;
        skipBlanks();
    }

    const char *m_p;
    const char *m_end;
    bool m_needSeparator = false;
};

Integer parseInteger(const char *begin, const char *end)
{
    const char *p = begin;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    if (p == end)
        typeMismatch();
    long long value = 0;
    for (; p != end; ++p) {
        if (*p < '0' || *p > '9')
            typeMismatch();
        value = value * 10 + (*p - '0');
        if (value > 100000)
            throw RuntimeError(RuntimeError::Overflow);
    }
    return Integer::fromLongLong(negative ? -value : value);
}

int twoDigits(const char *p)
{
    if (p[0] < '0' || p[0] > '9' || p[1] < '0' || p[1] > '9')
        return -1;
    return (p[0] - '0') * 10 + (p[1] - '0');
}

Date parseDate(const char *begin, const char *end)
{
    const long length = long(end - begin);
    if (length != 10 && length != 19)
        typeMismatch();
    const int hi = twoDigits(begin), lo = twoDigits(begin + 2);
    const int month = twoDigits(begin + 5), day = twoDigits(begin + 8);
    if (hi < 0 || lo < 0 || month < 0 || day < 0 || begin[4] != '-' || begin[7] != '-')
        typeMismatch();
    const int year = hi * 100 + lo;
    if (!Date::isValidYmd(year, month, day))
        typeMismatch();
    Date date = Date::fromYmd(year, month, day);
    if (length == 19) {
        const int h = twoDigits(begin + 11), m = twoDigits(begin + 14), s = twoDigits(begin + 17);
        if (begin[10] != ' ' || begin[13] != ':' || begin[16] != ':' || h < 0 || h > 23 || m < 0 || m > 59 || s < 0 ||
            s > 59)
            typeMismatch();
        const double fraction = (h * 3600 + m * 60 + s) / 86400.0;
        // Before the base date the fraction still counts forward from midnight.
        date = Date(date.serial() >= 0 ? date.serial() + fraction : date.serial() - fraction);
    }
    return date;
}

Currency parseCurrency(const char *begin, const char *end)
{
    Currency value;
    if (!Currency::parse(begin, end, value))
        typeMismatch();
    return value;
}

Single parseRate(const char *begin, const char *end)
{
    Single value = 0;
    if (!parseSingle(begin, end, value))
        typeMismatch();
    return value;
}

void appendDate(Date date, std::string &out)
{
    int y = 0, m = 0, d = 0;
    date.toYmd(y, m, d);
    char buffer[32];
    int length = 11;
    if (y >= 0 && y <= 9999) {
        // Written out by hand: this runs for every line of every rewrite.
        buffer[0] = '#';
        buffer[1] = char('0' + y / 1000);
        buffer[2] = char('0' + y / 100 % 10);
        buffer[3] = char('0' + y / 10 % 10);
        buffer[4] = char('0' + y % 10);
        buffer[5] = '-';
        buffer[6] = char('0' + m / 10);
        buffer[7] = char('0' + m % 10);
        buffer[8] = '-';
        buffer[9] = char('0' + d / 10);
        buffer[10] = char('0' + d % 10);
    } else {
        length = std::snprintf(buffer, sizeof buffer, "#%04d-%02d-%02d", y, m, d);
    }
    if (date.hasTimeOfDay()) {
        const double fraction = std::fabs(date.serial() - std::trunc(date.serial()));
        long seconds = std::lround(fraction * 86400.0);
        if (seconds >= 86400)
            seconds = 86399;
        length += std::snprintf(buffer + length, sizeof buffer - size_t(length), " %02ld:%02ld:%02ld", seconds / 3600,
                                (seconds / 60) % 60, seconds % 60);
    }
    buffer[length++] = '#';
    out.append(buffer, size_t(length));
}

void appendQuoted(const QString &text, std::string &out)
{
    out.push_back('"');
    const QByteArray bytes = toCp1252(text);
    out.append(bytes.constData(), size_t(bytes.size()));
    out.push_back('"');
}

} // namespace

// ---- Lines in the writer's own form --------------------------------------------------
// Nearly every line a pass meets is one the program wrote; such a line is read in one
// go here, and any other is left to the full reader.

namespace {

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
// Eight bytes at a time: a field's digits are found and valued without a branch per digit,
// which is where a pass over a long history spent most of its time.
constexpr bool kWordDigits = true;
#else
constexpr bool kWordDigits = false;
#endif

// How many of the eight bytes of `word`, first byte lowest, are digits before the first
// other byte. Only the lowest flagged byte counts: borrows and carries run upwards.
inline int digitRun(uint64_t word)
{
    const uint64_t t = word - 0x3030303030303030ull;
    const uint64_t other = (t | (t + 0x7676767676767676ull)) & 0x8080808080808080ull;
    return other ? __builtin_ctzll(other) >> 3 : 8;
}

// The value of the first `n` (1 to 8) bytes of `word`, all digits.
inline uint64_t digitsValue(uint64_t word, int n)
{
    uint64_t v = (word - 0x3030303030303030ull) << (8 * (8 - n));
    v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFull;
    v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFull;
    return (v * 10000 + (v >> 32)) & 0x00000000FFFFFFFFull;
}

inline bool wordAt(const char *p, const char *end, uint64_t &word)
{
    if (!kWordDigits || end - p < 8)
        return false;
    std::memcpy(&word, p, 8);
    return true;
}

// Digits of a whole number as the writer puts them: "0", or at most `maxDigits` digits
// without a leading zero. Null when there are none or too many.
const char *wholeNumber(const char *p, const char *end, int maxDigits, uint64_t &value)
{
    if (p == end || *p < '0' || *p > '9')
        return nullptr;
    if (*p == '0') {
        value = 0;
        return p + 1;
    }
    uint64_t word = 0;
    if (wordAt(p, end, word)) {
        const int n = digitRun(word);
        if (n < 8) {
            if (n > maxDigits)
                return nullptr;
            value = digitsValue(word, n);
            return p + n;
        }
    }
    uint64_t v = 0;
    int n = 0;
    for (; p != end && *p >= '0' && *p <= '9'; ++p) {
        if (++n > maxDigits)
            return nullptr;
        v = v * 10 + uint64_t(*p - '0');
    }
    value = v;
    return p;
}

// An amount as the writer puts it: [-]whole[.1 to 4 decimals, the last not 0], no "-0".
const char *writtenAmount(const char *p, const char *end, Currency &out)
{
    const bool negative = p != end && *p == '-';
    if (negative)
        ++p;
    uint64_t whole = 0;
    // 14 digits keep every amount far inside the range; longer ones go to the full reader.
    p = wholeNumber(p, end, 14, whole);
    if (!p)
        return nullptr;
    int64_t units = int64_t(whole) * Currency::Scale;
    if (p != end && *p == '.') {
        static const int weights[5] = {0, 1000, 100, 10, 1};
        const char *fraction = ++p;
        uint64_t word = 0;
        if (wordAt(p, end, word)) {
            const int n = digitRun(word);
            if (n == 0 || n > 4 || p[n - 1] == '0')
                return nullptr;
            units += int64_t(digitsValue(word, n)) * weights[n];
            p += n;
        } else {
            for (; p != end && *p >= '0' && *p <= '9'; ++p) {
                if (p - fraction >= 4)
                    return nullptr;
                units += (*p - '0') * weights[1 + (p - fraction)];
            }
            if (p == fraction || p[-1] == '0')
                return nullptr;
        }
    } else if (negative && units == 0) {
        return nullptr;
    }
    out = Currency::fromUnits(negative ? -units : units);
    return p;
}

// A rate as the writer puts it, at the end of the line that starts at `line`. Rates repeat,
// so the answer and the value are kept for each text met.
bool writtenRate(HistLineParser::RateEntry *cache, const char *line, const char *begin, const char *end, Single &out)
{
    const size_t length = size_t(end - begin);
    if (length == 0 || length > 16)
        return false;
    // The text's bytes in order, zero-filled. Gathered in registers: a short copy through
    // memory costs more than the rest of the line. The rate ends its line, so the eight
    // bytes before its end belong to the line and can be read as one word.
    uint64_t words[2] = {0, 0};
    if (kWordDigits && end - line >= 8) {
        uint64_t tail = 0;
        std::memcpy(&tail, end - 8, 8);
        if (length <= 8) {
            words[0] = tail >> (8 * (8 - length));
        } else {
            std::memcpy(&words[0], begin, 8);
            words[1] = tail >> (8 * (16 - length));
        }
    } else {
        for (size_t i = 0; i < length; ++i)
            words[i >> 3] |= uint64_t(static_cast<unsigned char>(begin[i])) << ((i & 7) * 8);
    }
    const uint64_t hash = (words[0] * 0x9E3779B97F4A7C15ull) ^ (words[1] * 0xC2B2AE3D27D4EB4Full);
    HistLineParser::RateEntry &e = cache[(hash >> 32) & (HistLineParser::RateCacheSize - 1)];
    if (e.length != length || e.words[0] != words[0] || e.words[1] != words[1]) {
        Single value = 0;
        bool written = false;
        try {
            if (parseSingle(begin, end, value)) {
                char text[48];
                const int textLength = singleToChars(value, text);
                written = size_t(textLength) == length && std::memcmp(text, begin, length) == 0;
            }
        } catch (const RuntimeError &) {
            written = false; // out of range: the full reader reports it
        }
        e.words[0] = words[0];
        e.words[1] = words[1];
        e.length = uint8_t(length);
        e.written = written;
        e.value = value;
    }
    out = e.value;
    return e.written;
}

} // namespace

HistLineParser::HistLineParser() : m_rates(new RateEntry[RateCacheSize]) {}

HistLineParser::~HistLineParser() = default;

bool HistLineParser::parseWritten(const char *begin, const char *end, HistFields &out, int &numberLength)
{
    const char *p = begin;
    const bool negative = p != end && *p == '-';
    if (negative)
        ++p;
    uint64_t number = 0;
    p = wholeNumber(p, end, 5, number);
    if (!p || (negative && number == 0) || number > (negative ? 32768u : 32767u))
        return false;
    numberLength = int(p - begin);

    // ,#yyyy-mm-dd#,
    if (end - p < 14 || p[0] != ',' || p[1] != '#' || p[6] != '-' || p[9] != '-' || p[12] != '#' || p[13] != ',')
        return false;
    const int hi = twoDigits(p + 2), lo = twoDigits(p + 4), month = twoDigits(p + 7), day = twoDigits(p + 10);
    if (hi < 0 || lo < 0 || month < 0 || day < 0)
        return false;
    const int year = hi * 100 + lo;
    // Lines of one month follow each other; its first day and length are worked out once.
    int &cachedMonth = m_month;
    int &cachedLength = m_monthLength;
    double &cachedBase = m_monthBase;
    if (year * 100 + month != cachedMonth) {
        if (!Date::isValidYmd(year, month, 1))
            return false;
        int length = 28;
        while (length < 31 && Date::isValidYmd(year, month, length + 1))
            ++length;
        cachedBase = Date::fromYmd(year, month, 1).serial() - 1;
        cachedLength = length;
        cachedMonth = year * 100 + month;
    }
    if (day < 1 || day > cachedLength)
        return false;
    p += 14;

    Currency original, current;
    p = writtenAmount(p, end, original);
    if (!p || p == end || *p != ',')
        return false;
    p = writtenAmount(p + 1, end, current);
    if (!p || p == end || *p != ',')
        return false;
    Single rate = 0;
    if (!writtenRate(m_rates.get(), begin, p + 1, end, rate))
        return false;

    out.investNum = negative ? -int(number) : int(number);
    out.date = Date(cachedBase + day);
    out.original = original;
    out.current = current;
    out.rate = rate;
    return true;
}

void HistLineParser::parse(const char *begin, const char *end, HistFields &out)
{
    int numberLength = 0;
    if (!parseWritten(begin, end, out, numberLength))
        parseHistLine(begin, end, out);
}

bool parseWrittenHistLine(const char *begin, const char *end, HistFields &out, int &numberLength)
{
    HistLineParser parser;
    return parser.parseWritten(begin, end, out, numberLength);
}

void appendInteger(int value, std::string &out)
{
    char digits[12];
    int n = 0;
    unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
    do {
        digits[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        digits[n++] = '-';
    while (n > 0)
        out.push_back(digits[--n]);
}

void parseHistLine(const char *begin, const char *end, HistFields &out)
{
    FieldReader reader(begin, end);
    const char *b = nullptr, *e = nullptr;
    reader.plainField(b, e);
    const Integer investNum = parseInteger(b, e);
    reader.dateField(b, e);
    const Date date = parseDate(b, e);
    reader.plainField(b, e);
    const Currency original = parseCurrency(b, e);
    reader.plainField(b, e);
    const Currency current = parseCurrency(b, e);
    reader.plainField(b, e);
    const Single rate = parseRate(b, e);
    reader.expectLineEnd();
    out.investNum = investNum;
    out.date = date;
    out.original = original;
    out.current = current;
    out.rate = rate;
}

void parseTempDataLine(const char *begin, const char *end, TempDataFields &out)
{
    FieldReader reader(begin, end);
    const char *b = nullptr, *e = nullptr;
    reader.plainField(b, e);
    const Integer number = parseInteger(b, e);
    QString investType = reader.quotedField(50, false);
    QString institution = reader.quotedField(50, true);
    reader.expectLineEnd();
    out.number = number;
    out.investType = std::move(investType);
    out.institution = std::move(institution);
}

void formatHistLine(const HistFields &fields, std::string &out)
{
    char buffer[48];
    appendInteger(fields.investNum, out);
    out.push_back(',');
    appendDate(fields.date, out);
    out.push_back(',');
    out.append(buffer, size_t(fields.original.toPlainChars(buffer)));
    out.push_back(',');
    out.append(buffer, size_t(fields.current.toPlainChars(buffer)));
    out.push_back(',');
    out.append(buffer, size_t(singleToChars(fields.rate, buffer)));
    out.append("\r\n", 2);
}

void formatTempDataLine(const TempDataFields &fields, std::string &out)
{
    appendInteger(fields.number, out);
    out.push_back(',');
    appendQuoted(fields.investType, out);
    out.push_back(',');
    appendQuoted(fields.institution, out);
    out.append("\r\n", 2);
}

QString dateToText(Date date)
{
    std::string out;
    appendDate(date, out);
    return QString::fromLatin1(out.data(), int(out.size()));
}

} // namespace storage
