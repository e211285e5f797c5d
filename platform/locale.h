#pragma once

#include "core/valuetypes.h"

#include <QLocale>
#include <QString>

namespace platform {

// Locale services. The program's locale is the system's, or United States English
// where the system locale is C/POSIX.
class LocaleServices
{
public:
    static QLocale locale();
    static void setLocale(const QLocale &locale); // tests fix the locale
    static void resetLocale();                    // back to the system's
    static bool isLocaleFixed();

    // The Qt date format shortDate() writes: the locale's short format, year widened to four digits.
    static QString shortDateFormat();

    // The short date form, always with a four-digit year (M/d/yyyy in the US).
    static QString shortDate(Date date);
    // Whether the text reads as a date, and which.
    static bool isDate(const QString &text);
    static bool dateValue(const QString &text, Date &out);
    // Whether the text reads as a number (plain decimals, grouping, currency sign,
    // exponent, parentheses).
    static bool isNumber(const QString &text);
    // The leading plain number of a text ("." decimal point, blanks skipped,
    // stopping at the first other character); empty text reads as 0.
    static double val(const QString &text);
    static Currency currencyVal(const QString &text); // same, exact to the ten-thousandth
    // The named "currency" format: $1,234.50 and ($1,234.50) in the US.
    static QString currencyFormat(Currency amount);
    // The grid's display format "$#,##0.00;($#,##0.00)" applied to a plain text;
    // a text that is not a number is shown as it is.
    static QString displayFormat(const QString &plainText);
    // The same display form of an amount, written straight from the value: a report writes
    // ten of them for each of up to millions of records. Cents round half away from zero.
    static QString displayAmount(Currency amount);
    // Today; tests may fix it.
    static Date today();
    static void setToday(const QDate &date); // invalid date restores the clock
};

} // namespace platform
