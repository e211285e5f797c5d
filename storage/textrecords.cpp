#include "storage/textrecords.h"

#include "core/runtimeerror.h"
#include "storage/codepage.h"

#include <cmath>
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
