#include "core/valuetypes.h"

#include "core/runtimeerror.h"

#include <QDate>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

// ---- Integer -------------------------------------------------------------

Integer::Integer(int value)
{
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        throw RuntimeError(RuntimeError::Overflow);
    m_value = int16_t(value);
}

Integer &Integer::operator+=(int step)
{
    return *this = Integer::fromLongLong(static_cast<long long>(m_value) + step);
}

Integer &Integer::operator-=(int step)
{
    return *this = Integer::fromLongLong(static_cast<long long>(m_value) - step);
}

Integer Integer::fromLongLong(long long value)
{
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        throw RuntimeError(RuntimeError::Overflow);
    return Integer(int(value));
}

Integer Integer::fromDouble(double value)
{
    const double rounded = std::nearbyint(value); // default rounding: halves to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw RuntimeError(RuntimeError::Overflow);
    return Integer(int(rounded));
}

// ---- Currency ------------------------------------------------------------

Currency Currency::fromDouble(double value)
{
    const double scaled = std::nearbyint(value * double(Scale)); // halves to even
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0))
        throw RuntimeError(RuntimeError::Overflow);
    return Currency(static_cast<int64_t>(scaled));
}

Currency Currency::fromWhole(long long value)
{
    int64_t units = 0;
    if (__builtin_mul_overflow(static_cast<int64_t>(value), Scale, &units))
        throw RuntimeError(RuntimeError::Overflow);
    return Currency(units);
}

Currency Currency::operator+(Currency other) const
{
    int64_t sum = 0;
    if (__builtin_add_overflow(m_units, other.m_units, &sum))
        throw RuntimeError(RuntimeError::Overflow);
    return Currency(sum);
}

Currency Currency::operator-(Currency other) const
{
    int64_t difference = 0;
    if (__builtin_sub_overflow(m_units, other.m_units, &difference))
        throw RuntimeError(RuntimeError::Overflow);
    return Currency(difference);
}

Currency Currency::operator-() const
{
    if (m_units == std::numeric_limits<int64_t>::min())
        throw RuntimeError(RuntimeError::Overflow);
    return Currency(-m_units);
}

namespace {

// "00" to "99": two digits at a time, for the amounts every export and grid page writes.
constexpr char kDigitPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                               "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                               "8081828384858687888990919293949596979899";

} // namespace

int Currency::toPlainChars(char *buffer) const
{
    const bool negative = m_units < 0;
    const uint64_t magnitude = negative ? uint64_t(0) - uint64_t(m_units) : uint64_t(m_units);
    uint64_t whole = magnitude / uint64_t(Scale);
    const unsigned fraction = unsigned(magnitude % uint64_t(Scale));

    char *p = buffer;
    if (negative)
        *p++ = '-';
    int digits = 1;
    for (uint64_t limit = 10; digits < 20 && whole >= limit; limit *= 10)
        ++digits;
    // The whole part, right to left, two digits at a time, in place.
    char *q = p + digits;
    p = q;
    while (whole >= 100) {
        const unsigned pair = unsigned(whole % 100) * 2;
        whole /= 100;
        *--q = kDigitPairs[pair + 1];
        *--q = kDigitPairs[pair];
    }
    if (whole >= 10) {
        *--q = kDigitPairs[whole * 2 + 1];
        *--q = kDigitPairs[whole * 2];
    } else {
        *--q = char('0' + whole);
    }
    if (fraction != 0) {
        *p++ = '.';
        const unsigned high = fraction / 100 * 2, low = fraction % 100 * 2;
        p[0] = kDigitPairs[high];
        p[1] = kDigitPairs[high + 1];
        p[2] = kDigitPairs[low];
        p[3] = kDigitPairs[low + 1];
        // No trailing zeros: the fraction is not 0, so a digit other than 0 is left.
        int last = 3;
        while (p[last] == '0')
            --last;
        p += last + 1;
    }
    *p = '\0';
    return int(p - buffer);
}

QString Currency::toPlainString() const
{
    char buffer[32];
    const int length = toPlainChars(buffer);
    return QString::fromLatin1(buffer, length);
}

bool Currency::parse(const char *begin, const char *end, Currency &out)
{
    const char *p = begin;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    const char *const afterSign = p;

    // Whole part capped just above the largest one that fits, so the sum below
    // cannot wrap; the range check comes at the end.
    constexpr uint64_t wholeCap = 922337203685478ull;
    uint64_t whole = 0;
    bool anyDigit = false;
    bool overflow = false;
    while (p != end && *p >= '0' && *p <= '9') {
        whole = whole * 10 + unsigned(*p - '0');
        if (whole > wholeCap) {
            overflow = true;
            whole = wholeCap;
        }
        anyDigit = true;
        ++p;
    }
    uint64_t units = whole * uint64_t(Scale);
    int decimals = 0;
    int roundDigit = -1;
    bool stickyNonZero = false;
    if (p != end && *p == '.') {
        ++p;
        while (p != end && *p >= '0' && *p <= '9') {
            const unsigned digit = unsigned(*p - '0');
            if (decimals < 4) {
                static const unsigned weights[4] = {1000, 100, 10, 1};
                units += digit * weights[decimals];
            } else if (decimals == 4) {
                roundDigit = int(digit);
            } else if (digit != 0) {
                stickyNonZero = true;
            }
            ++decimals;
            anyDigit = true;
            ++p;
        }
    }
    if (!anyDigit || p != end) {
        // Not plain decimal; the exponent form is read as a floating value.
        p = afterSign;
        if (!std::memchr(p, 'e', size_t(end - p)) && !std::memchr(p, 'E', size_t(end - p)))
            return false;
        double value = 0;
        const auto result = std::from_chars(p, end, value);
        if (result.ptr != end || p == end || !(std::isdigit(static_cast<unsigned char>(*p)) || *p == '.'))
            return false;
        if (result.ec == std::errc::result_out_of_range)
            throw RuntimeError(RuntimeError::Overflow);
        out = fromDouble(negative ? -value : value);
        return true;
    }
    if (roundDigit > 5 || (roundDigit == 5 && (stickyNonZero || (units % 2) == 1)))
        units += 1;
    const uint64_t limit = uint64_t(std::numeric_limits<int64_t>::max()) + 1;
    if (overflow || units > (negative ? limit : limit - 1))
        throw RuntimeError(RuntimeError::Overflow);
    out = negative ? Currency(static_cast<int64_t>(uint64_t(0) - uint64_t(units))) : Currency(int64_t(units));
    return true;
}

bool Currency::parse(QStringView text, Currency &out)
{
    const QByteArray latin = text.toLatin1();
    return parse(latin.constData(), latin.constData() + latin.size(), out);
}

// ---- Date ----------------------------------------------------------------

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date (Howard Hinnant's algorithm).
long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civilFromDays(long long z, int &year, int &month, int &day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(y + (month <= 2));
}

const long long kEpochOffset = daysFromCivil(1899, 12, 30);

} // namespace

bool Date::isValidYmd(int year, int month, int day)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int length = lengths[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= length;
}

Date Date::fromYmd(int year, int month, int day)
{
    return Date(double(daysFromCivil(year, unsigned(month), unsigned(day)) - kEpochOffset));
}

Date Date::fromQDate(const QDate &date)
{
    return fromYmd(date.year(), date.month(), date.day());
}

void Date::toYmd(int &year, int &month, int &day) const
{
    // The whole part is the day on both sides of the base date: -1.25 is 29 December 1899,
    // 6:00, the time counting forward from midnight, which is how dates are read and written.
    civilFromDays(static_cast<long long>(std::trunc(m_serial)) + kEpochOffset, year, month, day);
}

QDate Date::toQDate() const
{
    int y = 0, m = 0, d = 0;
    toYmd(y, m, d);
    return QDate(y, m, d);
}

bool Date::hasTimeOfDay() const
{
    return m_serial != std::floor(m_serial);
}

// ---- Single --------------------------------------------------------------

int singleToChars(Single value, char *buffer)
{
    if (value == 0.0f || std::isnan(value)) {
        buffer[0] = '0';
        buffer[1] = '\0';
        return 1;
    }
    char *const end = buffer + 47;
    auto result = std::to_chars(buffer, end, value, std::chars_format::general, 7);
    *result.ptr = '\0';
    char *exponent = static_cast<char *>(std::memchr(buffer, 'e', size_t(result.ptr - buffer)));
    if (exponent) {
        const int power = std::atoi(exponent + 1);
        if (power < 0 && power >= -15) {
            // Plain decimal with seven significant digits, trailing zeros dropped.
            result = std::to_chars(buffer, end, value, std::chars_format::fixed, 6 - power);
            char *last = result.ptr - 1;
            while (*last == '0')
                --last;
            if (*last == '.')
                --last;
            result.ptr = last + 1;
            *result.ptr = '\0';
        } else {
            *exponent = 'E';
        }
    }
    return int(result.ptr - buffer);
}

QString singleToText(Single value)
{
    char buffer[48];
    const int length = singleToChars(value, buffer);
    return QString::fromLatin1(buffer, length);
}

bool parseSingle(const char *begin, const char *end, Single &out)
{
    const char *p = begin;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    if (p == end || !(std::isdigit(static_cast<unsigned char>(*p)) || *p == '.'))
        return false;

    // Short plain decimals (every rate the program writes): digits exact in a float
    // divided by an exact power of ten is the correctly rounded value, the same that
    // from_chars gives.
    {
        static const float powers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
        uint32_t digits = 0;
        int fraction = -1; // digits after the point; -1 without a point
        const char *q = p;
        bool plain = *q != '.';
        for (; plain && q != end; ++q) {
            if (*q >= '0' && *q <= '9') {
                digits = digits * 10 + uint32_t(*q - '0');
                if (digits > (1u << 24))
                    plain = false;
                if (fraction >= 0 && ++fraction > 10)
                    plain = false;
            } else if (*q == '.' && fraction < 0 && q + 1 != end) {
                fraction = 0;
            } else {
                plain = false;
            }
        }
        if (plain) {
            const float value = float(digits) / powers[fraction < 0 ? 0 : fraction];
            out = negative ? -value : value;
            return true;
        }
    }

    float value = 0;
    const auto result = std::from_chars(p, end, value);
    if (result.ptr != end)
        return false;
    if (result.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is error 6.
        double wide = 0;
        std::from_chars(p, end, wide);
        if (std::fabs(wide) < 1.0)
            value = 0.0f;
        else
            throw RuntimeError(RuntimeError::Overflow);
    } else if (result.ec != std::errc()) {
        return false;
    }
    out = negative ? -value : value;
    return true;
}
