// The named currency format and the grid's display format.
#include "platform/locale.h"

#include "core/runtimeerror.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace platform {

namespace {

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
    if (exact)
        return displayAmount(amount);

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

QString LocaleServices::displayAmount(Currency amount)
{
    // Cents rounded half away from zero, as the display form rounds.
    const int64_t units = amount.units();
    const unsigned long long magnitude =
        units < 0 ? 0ull - static_cast<unsigned long long>(units) : static_cast<unsigned long long>(units);
    const unsigned long long totalCents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    unsigned long long whole = totalCents / 100;
    const unsigned cents = unsigned(totalCents % 100);

    // Built from the right: ")", cents, point, grouped digits, "$", "(".
    char buffer[48];
    char *end = buffer + sizeof buffer;
    char *p = end;
    const bool negative = units < 0;
    if (negative)
        *--p = ')';
    *--p = char('0' + cents % 10);
    *--p = char('0' + cents / 10);
    *--p = '.';
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            *--p = ',';
        *--p = char('0' + whole % 10);
        whole /= 10;
        ++digits;
    } while (whole != 0);
    *--p = '$';
    if (negative)
        *--p = '(';
    return QString::fromLatin1(p, end - p);
}

} // namespace platform
