// What reads as a number, and the leading number of a text.
#include "platform/locale.h"

#include "core/runtimeerror.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace platform {

namespace {

bool isValBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

// The leading number of a text as Val reads it: blanks anywhere are skipped,
// "&H"/"&O" start hexadecimal or octal numbers.
struct ValScan
{
    bool radix = false;
    long long radixValue = 0;
    std::string decimal;   // "[-+]digits[.digits][e[-+]digits]"
    int integerDigits = 0; // significant digits before the point
    int exponent = 0;
};

ValScan scanVal(const QString &text)
{
    ValScan scan;
    qsizetype pos = 0;
    const qsizetype size = text.size();
    auto peek = [&]() -> QChar {
        while (pos < size && isValBlank(text.at(pos)))
            ++pos;
        return pos < size ? text.at(pos) : QChar();
    };
    auto isAsciiDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };

    QChar c = peek();
    if (c == QLatin1Char('&')) {
        ++pos;
        QChar kind = peek().toUpper();
        int base = 8;
        if (kind == QLatin1Char('H')) {
            base = 16;
            ++pos;
        } else if (kind == QLatin1Char('O')) {
            ++pos;
        } else if (!(kind >= QLatin1Char('0') && kind <= QLatin1Char('7'))) {
            return scan;
        }
        unsigned long long value = 0;
        for (QChar d = peek(); !d.isNull(); d = peek()) {
            const int digit = d.isDigit() && d.unicode() < 128 ? d.digitValue()
                              : (base == 16 && d.toUpper() >= QLatin1Char('A') && d.toUpper() <= QLatin1Char('F'))
                                  ? d.toUpper().unicode() - 'A' + 10
                                  : -1;
            if (digit < 0 || digit >= base)
                break;
            value = value * unsigned(base) + unsigned(digit);
            if (value > 0xFFFFFFFFull)
                throw RuntimeError(RuntimeError::Overflow);
            ++pos;
        }
        scan.radix = true;
        // Up to four hex digits make a 16-bit Integer, more a 32-bit Long, both signed.
        if (value <= 0xFFFF)
            scan.radixValue = value > 0x7FFF ? static_cast<long long>(value) - 0x10000 : static_cast<long long>(value);
        else
            scan.radixValue =
                value > 0x7FFFFFFF ? static_cast<long long>(value) - 0x100000000LL : static_cast<long long>(value);
        return scan;
    }

    if (c == QLatin1Char('-') || c == QLatin1Char('+')) {
        scan.decimal += char(c.unicode());
        ++pos;
    }
    bool leadingZeros = true;
    for (c = peek(); isAsciiDigit(c); c = peek()) {
        scan.decimal += char(c.unicode());
        if (c != QLatin1Char('0'))
            leadingZeros = false;
        if (!leadingZeros)
            ++scan.integerDigits;
        ++pos;
    }
    if (c == QLatin1Char('.')) {
        scan.decimal += '.';
        ++pos;
        for (c = peek(); isAsciiDigit(c); c = peek()) {
            scan.decimal += char(c.unicode());
            ++pos;
        }
    }
    const bool anyDigit = scan.decimal.find_first_of("0123456789") != std::string::npos;
    const QChar e = c.toUpper();
    if (anyDigit && (e == QLatin1Char('E') || e == QLatin1Char('D'))) {
        const qsizetype mark = pos;
        ++pos;
        std::string exponent = "e";
        c = peek();
        if (c == QLatin1Char('-') || c == QLatin1Char('+')) {
            exponent += char(c.unicode());
            ++pos;
        }
        bool expDigits = false;
        long long power = 0;
        for (c = peek(); isAsciiDigit(c); c = peek()) {
            exponent += char(c.unicode());
            power = std::min(power * 10 + (c.unicode() - '0'), 100000LL);
            expDigits = true;
            ++pos;
        }
        if (expDigits) {
            scan.decimal += exponent;
            scan.exponent = int(exponent.size() > 1 && exponent[1] == '-' ? -power : power);
        } else {
            pos = mark;
        }
    }
    return scan;
}

bool startsWithAt(QStringView text, qsizetype pos, const QString &what)
{
    return !what.isEmpty() && text.mid(pos).startsWith(what);
}

// Digits with correctly placed group separators, a decimal point, an exponent.
bool isPlainMantissa(QStringView s, const QLocale &locale)
{
    const QString group = locale.groupSeparator();
    const QString decimal = locale.decimalPoint();
    const bool groupIsBlank = group.size() == 1 && group.at(0).isSpace();
    const bool dotIsDecimal = decimal == QLatin1String(".") || group != QLatin1String(".");
    const qsizetype size = s.size();
    qsizetype pos = 0;

    int digits = 0;
    bool grouped = false;
    while (pos < size) {
        const QChar c = s.at(pos);
        if (c.isDigit()) {
            ++digits;
            ++pos;
            continue;
        }
        const bool isGroup = groupIsBlank ? c.isSpace() : startsWithAt(s, pos, group);
        if (!isGroup)
            break;
        if ((grouped && digits != 3) || (!grouped && (digits < 1 || digits > 3)))
            return false;
        grouped = true;
        digits = 0;
        pos += groupIsBlank ? 1 : group.size();
    }
    if (grouped && digits != 3)
        return false;
    bool anyDigit = grouped || digits > 0;

    qsizetype pointSize = 0;
    if (startsWithAt(s, pos, decimal))
        pointSize = decimal.size();
    else if (dotIsDecimal && pos < size && s.at(pos) == QLatin1Char('.'))
        pointSize = 1;
    if (pointSize > 0) {
        pos += pointSize;
        while (pos < size && s.at(pos).isDigit()) {
            anyDigit = true;
            ++pos;
        }
    }
    if (!anyDigit)
        return false;

    if (pos < size) {
        const QChar e = s.at(pos).toUpper();
        if (e != QLatin1Char('E') && e != QLatin1Char('D'))
            return false;
        ++pos;
        if (pos < size && (s.at(pos) == QLatin1Char('+') || s.at(pos) == QLatin1Char('-')))
            ++pos;
        bool expDigits = false;
        while (pos < size && s.at(pos).isDigit()) {
            expDigits = true;
            ++pos;
        }
        if (!expDigits)
            return false;
    }
    return pos == size;
}

bool takePrefix(QStringView &s, const QString &prefix)
{
    if (prefix.isEmpty() || !s.startsWith(prefix))
        return false;
    s = s.mid(prefix.size()).trimmed();
    return true;
}

bool takeSuffix(QStringView &s, const QString &suffix)
{
    if (suffix.isEmpty() || !s.endsWith(suffix))
        return false;
    s = s.left(s.size() - suffix.size()).trimmed();
    return true;
}

} // namespace

bool LocaleServices::isNumber(const QString &text)
{
    const QLocale loc = locale();
    QStringView s = QStringView(text).trimmed();
    if (s.isEmpty())
        return false;
    bool parenthesised = false;
    if (s.size() >= 2 && s.startsWith(QLatin1Char('(')) && s.endsWith(QLatin1Char(')'))) {
        parenthesised = true;
        s = s.mid(1, s.size() - 2).trimmed();
    }
    const QString dollar = QStringLiteral("$");
    const QString symbol = loc.currencySymbol(QLocale::CurrencySymbol);
    bool sign = false;
    bool currency = false;
    for (int round = 0; round < 2; ++round) {
        if (!sign && !parenthesised && (s.startsWith(QLatin1Char('-')) || s.startsWith(QLatin1Char('+')))) {
            sign = true;
            s = s.mid(1).trimmed();
        } else if (!currency && (takePrefix(s, dollar) || takePrefix(s, symbol))) {
            currency = true;
        }
    }
    // A symbol may also follow the amount ("12,50 €").
    if (!currency && !takeSuffix(s, dollar))
        takeSuffix(s, symbol);
    return isPlainMantissa(s, loc);
}

double LocaleServices::val(const QString &text)
{
    const ValScan scan = scanVal(text);
    if (scan.radix)
        return double(scan.radixValue);
    const std::string &digits = scan.decimal;
    if (digits.find_first_of("0123456789") == std::string::npos)
        return 0.0;
    const char *begin = digits.data();
    const char *end = begin + digits.size();
    bool negative = false;
    if (*begin == '-' || *begin == '+') {
        negative = *begin == '-';
        ++begin;
    }
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small reads as zero, too large is an overflow.
        if (scan.integerDigits + scan.exponent > 0)
            throw RuntimeError(RuntimeError::Overflow);
        value = 0.0;
    }
    return negative ? -value : value;
}

Currency LocaleServices::currencyVal(const QString &text)
{
    const ValScan scan = scanVal(text);
    if (scan.radix)
        return Currency::fromWhole(scan.radixValue);
    if (scan.decimal.find_first_of("0123456789") == std::string::npos)
        return Currency();
    if (scan.integerDigits + scan.exponent < -20)
        return Currency(); // far below a ten-thousandth
    Currency value;
    if (!Currency::parse(scan.decimal.data(), scan.decimal.data() + scan.decimal.size(), value))
        return Currency();
    return value;
}

} // namespace platform
