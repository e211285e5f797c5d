#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

class QDate;

// 16-bit signed Integer. Any value outside -32,768..32,767 assigned to it raises
// run-time error 6 instead of wrapping, so `n = n + 1` at 32,767 fails loudly.
class Integer
{
public:
    constexpr Integer() = default;
    Integer(int value); // NOLINT: implicit on purpose, it is the range check

    operator int() const { return m_value; } // NOLINT
    int16_t value() const { return m_value; }

    Integer &operator+=(int step);
    Integer &operator-=(int step);
    Integer &operator++() { return *this += 1; }
    Integer &operator--() { return *this -= 1; }

    static Integer fromLongLong(long long value);
    // Rounds halves to even, as every conversion of a floating value to Integer does.
    static Integer fromDouble(double value);

private:
    int16_t m_value = 0;
};

// 16-bit Boolean: True is -1, False is 0.
class Boolean
{
public:
    static constexpr int16_t True = -1;
    static constexpr int16_t False = 0;

    constexpr Boolean() = default;
    constexpr Boolean(bool value) : m_value(value ? True : False) {} // NOLINT
    constexpr operator bool() const { return m_value != 0; }         // NOLINT
    constexpr int16_t value() const { return m_value; }

private:
    int16_t m_value = False;
};

using Single = float;

// Currency: a signed 64-bit count of ten-thousandths. Addition and subtraction are
// exact; a result out of range raises error 6. Floating values convert with
// halves rounded to even.
class Currency
{
public:
    static constexpr int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(int64_t units) { return Currency(units); }
    static Currency fromDouble(double value);
    static Currency fromWhole(long long value);

    int64_t units() const { return m_units; }
    double toDouble() const { return double(m_units) / double(Scale); }

    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator-() const;
    Currency &operator+=(Currency other) { return *this = *this + other; }
    Currency &operator-=(Currency other) { return *this = *this - other; }

    friend bool operator==(Currency a, Currency b) { return a.m_units == b.m_units; }
    friend bool operator!=(Currency a, Currency b) { return a.m_units != b.m_units; }
    friend bool operator<(Currency a, Currency b) { return a.m_units < b.m_units; }
    friend bool operator<=(Currency a, Currency b) { return a.m_units <= b.m_units; }
    friend bool operator>(Currency a, Currency b) { return a.m_units > b.m_units; }
    friend bool operator>=(Currency a, Currency b) { return a.m_units >= b.m_units; }

    bool isZero() const { return m_units == 0; }

    // Plain decimal: "1234.5", "-300", "0", "0.0001" (at most four decimals, no
    // trailing zeros, no exponent, "." whatever the locale).
    QString toPlainString() const;
    // Same text into a caller's buffer (at least 24 bytes); returns the length.
    int toPlainChars(char *buffer) const;

    // Exact decimal reading of "[-+]digits[.digits]" (a leading zero may be
    // omitted); digits past the fourth decimal round halves to even. An exponent
    // form is accepted too. Returns false for any other text; raises error 6 when
    // the value is out of range.
    static bool parse(const char *begin, const char *end, Currency &out);
    static bool parse(QStringView text, Currency &out);

private:
    constexpr explicit Currency(int64_t units) : m_units(units) {}
    int64_t m_units = 0;
};

// Date: days since 30 December 1899 as a 64-bit float; the fraction is the time of day.
class Date
{
public:
    constexpr Date() = default;
    constexpr explicit Date(double serial) : m_serial(serial) {}

    static Date fromYmd(int year, int month, int day);
    static Date fromQDate(const QDate &date);
    static bool isValidYmd(int year, int month, int day);

    double serial() const { return m_serial; }
    QDate toQDate() const;
    // Whole-day part split into the civil date.
    void toYmd(int &year, int &month, int &day) const;
    bool hasTimeOfDay() const;

    friend bool operator==(Date a, Date b) { return a.m_serial == b.m_serial; }
    friend bool operator!=(Date a, Date b) { return a.m_serial != b.m_serial; }

private:
    double m_serial = 0.0;
};

// Single as text: at most seven significant digits, no trailing zeros, plain
// decimal for every value the program meets ("1.6", "-0.5", "0"); an exponent
// only for magnitudes beyond plain notation.
QString singleToText(Single value);
int singleToChars(Single value, char *buffer); // buffer of at least 48 bytes

// Reads a whole text as a Single ("1.6", "-.5", "2E-3"); false if it is not one.
bool parseSingle(const char *begin, const char *end, Single &out);
