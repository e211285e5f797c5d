// Dates in the locale's short form, read back from the forms a user types.
#include "platform/locale.h"

#include <QDate>
#include <QList>
#include <QRegularExpression>

namespace platform {

namespace {

QDate g_fixedToday;

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

} // namespace

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

Date LocaleServices::today()
{
    return Date::fromQDate(g_fixedToday.isValid() ? g_fixedToday : QDate::currentDate());
}

void LocaleServices::setToday(const QDate &date)
{
    g_fixedToday = date;
}

} // namespace platform
