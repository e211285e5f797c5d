#pragma once

#include <QDate>
#include <QMap>
#include <QString>

// A price index: monthly or quarterly index levels, or annual percentage changes, and the
// inflation rate it gives for the interval between two dates.
class PriceIndex
{
public:
    enum class Kind { Monthly, Annual, Quarterly };

    QString name;    // US-CPI-U, UK-CPI, WB-DEU, or the name an import gave
    QString title;   // as the user reads it: "US CPI-U"
    QString country; // ISO 3166 alpha-2, empty when none
    Kind kind = Kind::Monthly;
    QString unit;        // with the base: "index, 2010 = 100"
    QString source;      // the series as its publisher names it
    QString attribution; // the credit line its licence asks for
    QString publisher;   // empty in series imported before it was kept
    QString taken;       // the day the figures were copied from their source, YYYY-MM-DD
    QString currency;    // ISO 4217, for a currency area's series that no one country has
    // Monthly: key year * 12 + month - 1, the index level. Quarterly: key year * 4 + quarter - 1,
    // the index level. Annual: key year, the change in percent.
    QMap<int, double> values;

    bool isEmpty() const { return values.isEmpty(); }
    // "2024-01" or "2024", the first and last periods held.
    QString firstPeriod() const;
    QString lastPeriod() const;
    QString coverage() const; // "1913-01 to 2026-05"

    static int monthKey(int year, int month) { return year * 12 + month - 1; }
    static int quarterKey(int year, int month) { return year * 4 + (month - 1) / 3; }
    static QString periodText(Kind kind, int key);
    // "monthly", "quarterly", "annual": as series files and plumbline-index list write it.
    static QString kindText(Kind kind);
    // The newest periods, whose figures the publisher may still revise: the last three months
    // of a monthly series, the last quarter of a quarterly one. Annual changes are never marked.
    bool isProvisional(int key) const;

    // The rate from `from` to `to`, in percent, rounded to two decimals; see RateResult.
    struct RateResult
    {
        bool ok = false;
        // The rate times 100, a whole number, when ok. A double, not an integer: levels such as
        // 0.001 and 1e12 give rates far beyond any 64-bit count of hundredths.
        double hundredths = 0;
        double exact = 0;         // the unrounded rate in percent, when ok
        bool provisional = false; // when ok: a figure it uses may still be revised
        QString reason;           // why there is none, when not ok

        // "1.99", "-0.21", "0.00", "99999999999999900.00": the form the user types into the
        // rate box, every digit before the point written out.
        QString text() const;
    };
    RateResult rate(const QDate &from, const QDate &to) const;

    // The series file form (docs/file-formats.md).
    QByteArray toText() const;
    // Reads a series file; false with a message naming the line when it is damaged.
    static bool fromText(const QByteArray &text, PriceIndex &out, QString &error);

    // Names an import may use: letters, digits, '-', '_' and '.', 1 to 40 characters, not starting with '.'.
    static bool isValidName(const QString &name);
};

// Rounds a percentage to two decimals, halves away from zero, after dropping the noise
// that binary floating point leaves below the eighth decimal (1.005 stays a half). The
// result is the rate times 100, a whole number; infinite when the rate is too large for a
// double.
double roundPercentToHundredths(double percent);
// A whole number of hundredths as a percentage: "1.99", "-0.21", "0.00".
QString hundredthsText(double hundredths);

// Text from a file made fit for a message: control characters (a NUL above all, which
// would end the message where C strings carry it) become U+FFFD, and a very long text is
// cut to its first `maxChars` characters followed by "...".
QString visibleText(const QString &text, int maxChars = 200);
