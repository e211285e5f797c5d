#include "platform/locale.h"

#include "core/runtimeerror.h"

#include <QDate>
#include <QList>
#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace platform {

namespace {

std::optional<QLocale> g_fixedLocale;
QDate g_fixedToday;

// ---- Dates ---------------------------------------------------------------

// Two-digit years read as 2000-2029 and 1930-1999.
int expandYear(int value, int digitCount)
{
    if (digitCount > 2)
        return value;
    return value < 30 ? 2000 + value : 1900 + value;
}

bool validDate(int year, int month, int day, Date &out)
{
    if (!Date::isValidYmd(year, month, day))
        return false;
    out = Date::fromYmd(year, month, day);
    return true;
}

bool validDate(const QDate &date, Date &out)
{
    return date.isValid() && validDate(date.year(), date.month(), date.day(), out);
}

// Widens every year field shorter than four letters ("yy") to "yyyy"; quoted text is left alone.
QString widenYear(const QString &format)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result += c;
            ++i;
        } else if (!quoted && c == QLatin1Char('y')) {
            qsizetype run = 0;
            while (i + run < format.size() && format.at(i + run) == QLatin1Char('y'))
                ++run;
            result += run < 4 ? QStringLiteral("yyyy") : QString(run, QLatin1Char('y'));
            i += run;
        } else {
            result += c;
            ++i;
        }
    }
    return result;
}

struct DateToken
{
    enum Kind { Day, Month, Year, Literal, Other } kind;
    QString literal;
};

// Splits a Qt date format into numeric fields and literal text. Fields the numeric
// reader does not handle (names of months or days) come out as Other.
QList<DateToken> tokenizeDateFormat(const QString &format)
{
    QList<DateToken> tokens;
    auto addLiteral = [&tokens](QChar c) {
        if (tokens.isEmpty() || tokens.last().kind != DateToken::Literal)
            tokens.append({DateToken::Literal, QString()});
        tokens.last().literal += c;
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            ++i;
            if (i < format.size() && format.at(i) == QLatin1Char('\'')) {
                addLiteral(c);
                ++i;
                continue;
            }
            while (i < format.size()) {
                if (format.at(i) == QLatin1Char('\'')) {
                    if (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('\'')) {
                        addLiteral(format.at(i));
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                addLiteral(format.at(i));
                ++i;
            }
            continue;
        }
        if (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y')) {
            qsizetype run = 0;
            while (i + run < format.size() && format.at(i + run) == c)
                ++run;
            i += run;
            if (c == QLatin1Char('y'))
                tokens.append({DateToken::Year, QString()});
            else if (run > 2)
                tokens.append({DateToken::Other, QString()});
            else
                tokens.append({c == QLatin1Char('d') ? DateToken::Day : DateToken::Month, QString()});
            continue;
        }
        if (c.isLetter()) {
            tokens.append({DateToken::Other, QString()});
            ++i;
            continue;
        }
        addLiteral(c);
        ++i;
    }
    return tokens;
}

bool isNumericFormat(const QList<DateToken> &tokens)
{
    int days = 0, months = 0, years = 0;
    for (const DateToken &token : tokens) {
        if (token.kind == DateToken::Other)
            return false;
        days += token.kind == DateToken::Day;
        months += token.kind == DateToken::Month;
        years += token.kind == DateToken::Year;
    }
    return days == 1 && months == 1 && years == 1;
}

bool isDateSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.');
}

// Reads text laid out like a numeric date format: day and month of one or two
// digits, a year of two (windowed) or three to four digits. Blanks around the
// separators are allowed, any of "/-." stands for another, and a separator that
// ends the format may be left out.
bool readNumericDate(const QString &text, const QList<DateToken> &tokens, Date &out)
{
    qsizetype pos = 0;
    const qsizetype size = text.size();
    auto skipBlanks = [&] {
        while (pos < size && text.at(pos).isSpace())
            ++pos;
    };
    int year = 0, month = 0, day = 0;
    for (qsizetype t = 0; t < tokens.size(); ++t) {
        const DateToken &token = tokens.at(t);
        skipBlanks();
        if (token.kind == DateToken::Literal) {
            if (t == tokens.size() - 1 && pos == size)
                break;
            for (const QChar expected : token.literal) {
                if (expected.isSpace())
                    continue;
                skipBlanks();
                if (pos >= size)
                    return false;
                const QChar actual = text.at(pos);
                const bool same = actual.toCaseFolded() == expected.toCaseFolded() ||
                                  (isDateSeparator(expected) && isDateSeparator(actual));
                if (!same)
                    return false;
                ++pos;
            }
            continue;
        }
        int value = 0;
        int digits = 0;
        while (pos < size && text.at(pos).isDigit() && digits < 5) {
            value = value * 10 + text.at(pos).digitValue();
            ++digits;
            ++pos;
        }
        if (digits == 0)
            return false;
        if (token.kind == DateToken::Year) {
            if (digits > 4)
                return false;
            year = expandYear(value, digits);
        } else {
            if (digits > 2)
                return false;
            (token.kind == DateToken::Day ? day : month) = value;
        }
    }
    skipBlanks();
    return pos == size && validDate(year, month, day, out);
}

bool readIsoDate(const QString &text, Date &out)
{
    static const QRegularExpression iso(QStringLiteral("^\\s*([0-9]{4})-([0-9]{1,2})-([0-9]{1,2})\\s*$"));
    const QRegularExpressionMatch match = iso.match(text);
    return match.hasMatch() &&
           validDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(), out);
}

QString foldName(QString name)
{
    name = name.toCaseFolded();
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name;
}

// 1-12 for a month name of the locale or English (full, short or a prefix of at least
// three letters that fits one month only), 0 otherwise.
int monthFromName(const QString &word, const QLocale &locale)
{
    const QString folded = foldName(word);
    if (folded.isEmpty())
        return 0;
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    int prefixMatch = 0;
    int prefixMatches = 0;
    for (int month = 1; month <= 12; ++month) {
        const QString names[] = {
            locale.monthName(month, QLocale::LongFormat),
            locale.monthName(month, QLocale::ShortFormat),
            locale.standaloneMonthName(month, QLocale::LongFormat),
            locale.standaloneMonthName(month, QLocale::ShortFormat),
            english.monthName(month, QLocale::LongFormat),
            english.monthName(month, QLocale::ShortFormat),
        };
        bool prefix = false;
        for (const QString &name : names) {
            const QString candidate = foldName(name);
            if (candidate == folded)
                return month;
            if (folded.size() >= 3 && candidate.startsWith(folded))
                prefix = true;
        }
        if (prefix) {
            prefixMatch = month;
            ++prefixMatches;
        }
    }
    return prefixMatches == 1 ? prefixMatch : 0;
}

bool isDayName(const QString &word, const QLocale &locale)
{
    const QString folded = foldName(word);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (int day = 1; day <= 7; ++day) {
        for (const QLocale &l : {locale, english}) {
            if (foldName(l.dayName(day, QLocale::LongFormat)) == folded ||
                foldName(l.dayName(day, QLocale::ShortFormat)) == folded)
                return true;
        }
    }
    return false;
}

// "15 Jan 2003", "15-January-2003", "Jan 15, 2003", "Wednesday, January 15, 2003",
// "Mittwoch, 15. Januar 2003".
bool readNamedMonthDate(const QString &text, const QLocale &locale, Date &out)
{
    struct Part
    {
        bool word;
        QString text;
    };
    QList<Part> parts;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text.at(i);
        if (c.isSpace() || c == QLatin1Char(',') || isDateSeparator(c)) {
            ++i;
        } else if (c.isDigit()) {
            QString digits;
            while (i < text.size() && text.at(i).isDigit())
                digits += QChar(QLatin1Char(char('0' + text.at(i++).digitValue())));
            parts.append({false, digits});
        } else if (c.isLetter()) {
            const qsizetype start = i;
            while (i < text.size() && text.at(i).isLetter())
                ++i;
            parts.append({true, text.mid(start, i - start)});
        } else {
            return false;
        }
    }
    if (parts.size() == 4 && parts.first().word && isDayName(parts.first().text, locale))
        parts.removeFirst();
    if (parts.size() != 3)
        return false;

    QString dayText, monthText, yearText;
    if (!parts[0].word && parts[1].word && !parts[2].word) {
        dayText = parts[0].text;
        monthText = parts[1].text;
        yearText = parts[2].text;
    } else if (parts[0].word && !parts[1].word && !parts[2].word) {
        monthText = parts[0].text;
        dayText = parts[1].text;
        yearText = parts[2].text;
    } else {
        return false;
    }
    const int month = monthFromName(monthText, locale);
    if (month == 0 || dayText.size() > 2 || yearText.size() > 4)
        return false;
    return validDate(expandYear(yearText.toInt(), int(yearText.size())), month, dayText.toInt(), out);
}

// ---- Numbers -------------------------------------------------------------

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

// ---- Formatting ----------------------------------------------------------

QString groupDigits(const QString &digits, const QString &separator)
{
    QString result;
    const qsizetype size = digits.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (i > 0 && (size - i) % 3 == 0)
            result += separator;
        result += digits.at(i);
    }
    return result;
}

// Whole units and cents of |amount|, rounded half away from zero to the cent.
void splitCents(Currency amount, unsigned long long &whole, unsigned &cents)
{
    const int64_t units = amount.units();
    const unsigned long long magnitude =
        units < 0 ? 0ull - static_cast<unsigned long long>(units) : static_cast<unsigned long long>(units);
    const unsigned long long totalCents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    whole = totalCents / 100;
    cents = unsigned(totalCents % 100);
}

// "$1,234.50" / "($1,234.50)": the dollar form, whatever the locale.
QString dollarForm(const QString &magnitude, bool negative)
{
    const QString text = QLatin1Char('$') + magnitude;
    return negative ? QLatin1Char('(') + text + QLatin1Char(')') : text;
}

QString dollarMagnitude(unsigned long long whole, unsigned cents)
{
    return groupDigits(QString::number(whole), QStringLiteral(",")) + QLatin1Char('.') +
           QStringLiteral("%1").arg(cents, 2, 10, QLatin1Char('0'));
}

bool isUnitedStates(const QLocale &locale)
{
    return locale.language() == QLocale::English && locale.territory() == QLocale::UnitedStates;
}

} // namespace

// ---- LocaleServices ------------------------------------------------------

QLocale LocaleServices::locale()
{
    if (g_fixedLocale)
        return *g_fixedLocale;
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return system;
}

void LocaleServices::setLocale(const QLocale &locale)
{
    g_fixedLocale = locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

void LocaleServices::resetLocale()
{
    g_fixedLocale.reset();
}

bool LocaleServices::isLocaleFixed()
{
    return g_fixedLocale.has_value();
}

QString LocaleServices::shortDateFormat()
{
    return widenYear(locale().dateFormat(QLocale::ShortFormat));
}

QString LocaleServices::shortDate(Date date)
{
    return locale().toString(date.toQDate(), shortDateFormat());
}

bool LocaleServices::isDate(const QString &text)
{
    Date ignored;
    return dateValue(text, ignored);
}

bool LocaleServices::dateValue(const QString &text, Date &out)
{
    if (text.trimmed().isEmpty())
        return false;
    const QLocale loc = locale();
    const QString shortFormat = loc.dateFormat(QLocale::ShortFormat);
    const QList<DateToken> tokens = tokenizeDateFormat(shortFormat);
    if (isNumericFormat(tokens)) {
        if (readNumericDate(text, tokens, out))
            return true;
    } else {
        // A short format with names: let Qt read it, four-digit year first.
        const QString trimmed = text.trimmed();
        if (validDate(loc.toDate(trimmed, widenYear(shortFormat)), out))
            return true;
        QDate twoDigit = loc.toDate(trimmed, shortFormat);
        if (twoDigit.isValid() && twoDigit.year() >= 1900 && twoDigit.year() < 1930)
            twoDigit = twoDigit.addYears(100);
        if (validDate(twoDigit, out))
            return true;
    }
    if (readIsoDate(text, out))
        return true;
    if (validDate(loc.toDate(text.trimmed(), QLocale::LongFormat), out))
        return true;
    return readNamedMonthDate(text, loc, out);
}

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

QString LocaleServices::currencyFormat(Currency amount)
{
    const QLocale loc = locale();
    unsigned long long whole = 0;
    unsigned cents = 0;
    splitCents(amount, whole, cents);
    const bool negative = amount.units() < 0;
    if (isUnitedStates(loc))
        return dollarForm(dollarMagnitude(whole, cents), negative);

    // Other locales: the locale's own pattern (symbol place, negative form) around
    // the exact digits.
    QLocale digitsLocale = loc;
    digitsLocale.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString zero = digitsLocale.zeroDigit();
    QString fraction = digitsLocale.toString(qulonglong(cents));
    while (fraction.size() < 2 * zero.size())
        fraction.prepend(zero);
    const QString magnitude = digitsLocale.toString(qulonglong(whole)) + digitsLocale.decimalPoint() + fraction;

    const QString probeNumber = digitsLocale.toString(1.0, 'f', 2);
    QString pattern = digitsLocale.toCurrencyString(negative ? -1.0 : 1.0, QString(), 2);
    const qsizetype at = pattern.indexOf(probeNumber);
    if (at < 0)
        return digitsLocale.toCurrencyString(amount.toDouble(), QString(), 2);
    return pattern.replace(at, probeNumber.size(), magnitude);
}

QString LocaleServices::displayFormat(const QString &plainText)
{
    const QString trimmed = plainText.trimmed();
    if (trimmed.isEmpty())
        return plainText;
    Currency amount;
    bool exact = false;
    try {
        exact = Currency::parse(QStringView(trimmed), amount);
    } catch (const RuntimeError &) {
        exact = false; // beyond the currency range: read it as a double below
    }
    if (exact) {
        unsigned long long whole = 0;
        unsigned cents = 0;
        splitCents(amount, whole, cents);
        return dollarForm(dollarMagnitude(whole, cents), amount.units() < 0);
    }

    static const QRegularExpression plain(QStringLiteral("^[-+]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][-+]?[0-9]+)?$"));
    if (!plain.match(trimmed).hasMatch())
        return plainText;
    const QByteArray latin = trimmed.toLatin1();
    const char *begin = latin.constData();
    const char *end = begin + latin.size();
    const bool negative = *begin == '-';
    if (*begin == '-' || *begin == '+')
        ++begin;
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return plainText;
    const QString fixed = QString::number(value, 'f', 2);
    const qsizetype point = fixed.indexOf(QLatin1Char('.'));
    const QString magnitude = groupDigits(fixed.left(point), QStringLiteral(",")) + fixed.mid(point);
    return dollarForm(magnitude, negative && value != 0.0);
}

Date LocaleServices::today()
{
    return Date::fromQDate(g_fixedToday.isValid() ? g_fixedToday : QDate::currentDate());
}

void LocaleServices::setToday(const QDate &date)
{
    g_fixedToday = date;
}

} // namespace platform
