// The locale services: the display and currency formats, short dates, what reads as a
// date or a number, and the program's fixed locale.
#include "core/runtimeerror.h"
#include "platform/locale.h"

#include "tempdatafolder.h"

#include <QDate>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

using platform::LocaleServices;

namespace {

// Fixes the program locale for one test function.
class LocaleScope
{
public:
    explicit LocaleScope(const QString &name) { LocaleServices::setLocale(QLocale(name)); }
    ~LocaleScope() { LocaleServices::resetLocale(); }
};

} // namespace

class TestLocale : public QObject
{
    Q_OBJECT

private slots:
    void displayFormat_data();
    void displayFormat();
    void currencyFormat_data();
    void currencyFormat();
    void displayAmount_data();
    void displayAmount();
    void displayAmountAtRandom();

    void shortDate_data();
    void shortDate();
    void shortDateRoundTrip_data();
    void shortDateRoundTrip();
    void dateValue_data();
    void dateValue();

    void isNumber_data();
    void isNumber();
    void val_data();
    void val();
    void valOverflow();
    void currencyVal_data();
    void currencyVal();

    void programLocale();
    void today();
};

void TestLocale::displayFormat_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("expected");

    for (const QString &locale : {QStringLiteral("en_US"), QStringLiteral("de_DE")}) {
        auto row = [&locale](const char *name) -> QTestData & {
            return QTest::addRow("%s %s", qPrintable(locale), name);
        };
        row("thousands") << locale << "1234.5"
                         << "$1,234.50";
        row("negative") << locale << "-20"
                        << "($20.00)";
        row("zero") << locale << "0"
                    << "$0.00";
        row("text") << locale << "abc"
                    << "abc";
        row("empty") << locale << ""
                     << "";
        row("millions") << locale << "1234567.891"
                        << "$1,234,567.89";
        row("half cent rounds away from zero") << locale << "0.005"
                                               << "$0.01";
        row("negative half cent") << locale << "-2.345"
                                  << "($2.35)";
        row("blanks around") << locale << " 12 "
                             << "$12.00";
        row("plus sign") << locale << "+7"
                         << "$7.00";
        row("leading point") << locale << ".5"
                             << "$0.50";
        row("exponent") << locale << "1E3"
                        << "$1,000.00";
        row("beyond currency range") << locale << "1E20"
                                     << "$100,000,000,000,000,000,000.00";
        row("number with text after") << locale << "12abc"
                                      << "12abc";
        row("already formatted") << locale << "$5.00"
                                 << "$5.00";
        row("blank text") << locale << "   "
                          << "   ";
    }
}

void TestLocale::displayFormat()
{
    QFETCH(QString, locale);
    QFETCH(QString, plain);
    QFETCH(QString, expected);
    LocaleScope scope(locale);
    QCOMPARE(LocaleServices::displayFormat(plain), expected);
}

void TestLocale::currencyFormat_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("expected");

    QTest::newRow("US thousands") << "en_US" << qint64(12345000) << "$1,234.50";
    QTest::newRow("US negative") << "en_US" << qint64(-200000) << "($20.00)";
    QTest::newRow("US negative thousands") << "en_US" << qint64(-12345000) << "($1,234.50)";
    QTest::newRow("US zero") << "en_US" << qint64(0) << "$0.00";
    QTest::newRow("US cent rounding") << "en_US" << qint64(12345) << "$1.23";
    QTest::newRow("US half cent") << "en_US" << qint64(12350) << "$1.24";
    QTest::newRow("US large") << "en_US" << qint64(9876543210120000) << "$987,654,321,012.00";
    QTest::newRow("German") << "de_DE" << qint64(12345000) << QString::fromUtf8("1.234,50\u00a0€");
    QTest::newRow("German negative") << "de_DE" << qint64(-12345000) << QString::fromUtf8("-1.234,50\u00a0€");
}

void TestLocale::currencyFormat()
{
    QFETCH(QString, locale);
    QFETCH(qint64, units);
    QFETCH(QString, expected);
    LocaleScope scope(locale);
    QCOMPARE(LocaleServices::currencyFormat(Currency::fromUnits(units)), expected);
}

void TestLocale::displayAmount_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("expected");

    const char *const cases[][2] = {
        {"0", "$0.00"},
        {"0.0001", "$0.00"},
        {"0.004", "$0.00"},
        {"0.0049", "$0.00"},
        {"0.005", "$0.01"},
        {"0.9999", "$1.00"},
        // Halves of a cent go away from zero, never to the even cent.
        {"0.015", "$0.02"},
        {"0.025", "$0.03"},
        {"2.345", "$2.35"},
        {"-0.005", "($0.01)"},
        {"-0.025", "($0.03)"},
        {"-2.345", "($2.35)"},
        // A negative amount keeps its brackets when it rounds to no cents.
        {"-0.0001", "($0.00)"},
        {"-0.0049", "($0.00)"},
        {"-1", "($1.00)"},
        {"999", "$999.00"},
        {"-999", "($999.00)"},
        {"999.99", "$999.99"},
        {"999.994", "$999.99"},
        {"999.995", "$1,000.00"},
        {"-999.995", "($1,000.00)"},
        {"1000", "$1,000.00"},
        {"-1000", "($1,000.00)"},
        {"99999.995", "$100,000.00"},
        {"100000", "$100,000.00"},
        {"999999.9949", "$999,999.99"},
        {"999999.995", "$1,000,000.00"},
        {"-999999.995", "($1,000,000.00)"},
        {"1000000", "$1,000,000.00"},
        {"999999999.995", "$1,000,000,000.00"},
        {"1234567.891", "$1,234,567.89"},
        {"-1234567.891", "($1,234,567.89)"},
        {"12345678901234.5678", "$12,345,678,901,234.57"},
        {"922337203685477.5749", "$922,337,203,685,477.57"},
        {"922337203685477.575", "$922,337,203,685,477.58"},
        {"922337203685477.5807", "$922,337,203,685,477.58"},
        {"-922337203685477.5808", "($922,337,203,685,477.58)"},
    };
    // The display form is the same whatever the locale.
    for (const char *locale : {"en_US", "de_DE"}) {
        for (const auto &row : cases)
            QTest::addRow("%s %s", locale, row[0]) << locale << row[0] << row[1];
    }
}

// The report writes amounts from the value, the grid from their plain text: both show the same.
void TestLocale::displayAmount()
{
    QFETCH(QString, locale);
    QFETCH(QString, plain);
    QFETCH(QString, expected);
    LocaleScope scope(locale);
    Currency value;
    QVERIFY(Currency::parse(QStringView(plain), value));
    QCOMPARE(LocaleServices::displayAmount(value), expected);
    QCOMPARE(LocaleServices::displayFormat(value.toPlainString()), expected);
    QCOMPARE(LocaleServices::displayFormat(plain), expected);
}

void TestLocale::displayAmountAtRandom()
{
    QRandomGenerator random(35);
    for (int i = 0; i < 20000; ++i) {
        // Every size of amount, from ten-thousandths to the whole range.
        const int digits = int(random.bounded(19));
        qint64 units = qint64(random.generate64() % quint64(std::pow(10.0, digits) + 1));
        if (random.bounded(2))
            units = -units;
        const Currency value = Currency::fromUnits(units);
        QCOMPARE(LocaleServices::displayAmount(value), LocaleServices::displayFormat(value.toPlainString()));
    }
}

// ---- Dates ---------------------------------------------------------------

void TestLocale::shortDate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");

    QTest::newRow("US") << "en_US" << QDate(2003, 1, 15) << "1/15/2003";
    QTest::newRow("US new century") << "en_US" << QDate(2001, 1, 2) << "1/2/2001";
    QTest::newRow("US last century") << "en_US" << QDate(1999, 12, 31) << "12/31/1999";
    QTest::newRow("German") << "de_DE" << QDate(2001, 1, 2) << "02.01.2001";
    QTest::newRow("German last century") << "de_DE" << QDate(1999, 12, 31) << "31.12.1999";
    QTest::newRow("British") << "en_GB" << QDate(2001, 1, 2) << "02/01/2001";
    QTest::newRow("British last century") << "en_GB" << QDate(1999, 12, 31) << "31/12/1999";
}

void TestLocale::shortDate()
{
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    LocaleScope scope(locale);
    QCOMPARE(LocaleServices::shortDate(Date::fromQDate(date)), expected);
}

void TestLocale::shortDateRoundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");

    const QDate dates[] = {QDate(2001, 1, 2),  QDate(1999, 12, 31), QDate(2003, 1, 15), QDate(2000, 2, 29),
                           QDate(1929, 6, 30), QDate(2029, 6, 30),  QDate(100, 1, 1),   QDate(9999, 12, 31)};
    for (const char *locale : {"en_US", "de_DE", "en_GB", "fr_FR", "ja_JP", "hu_HU"}) {
        for (const QDate &date : dates)
            QTest::addRow("%s %s", locale, qPrintable(date.toString(Qt::ISODate))) << locale << date;
    }
}

void TestLocale::shortDateRoundTrip()
{
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    LocaleScope scope(locale);
    const QString text = LocaleServices::shortDate(Date::fromQDate(date));
    QVERIFY2(text.contains(QString::number(date.year())), qPrintable(text));
    QVERIFY2(LocaleServices::isDate(text), qPrintable(text));
    Date back;
    QVERIFY(LocaleServices::dateValue(text, back));
    QCOMPARE(back.toQDate(), date);
}

void TestLocale::dateValue_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected"); // invalid: not a date

    const QDate none;
    QTest::newRow("US short") << "en_US"
                              << "1/15/2003" << QDate(2003, 1, 15);
    QTest::newRow("US leading zeros") << "en_US"
                                      << "01/05/2003" << QDate(2003, 1, 5);
    QTest::newRow("US blanks around") << "en_US"
                                      << "  1/15/2003 " << QDate(2003, 1, 15);
    QTest::newRow("US two-digit 01") << "en_US"
                                     << "1/2/01" << QDate(2001, 1, 2);
    QTest::newRow("US two-digit 99") << "en_US"
                                     << "12/31/99" << QDate(1999, 12, 31);
    QTest::newRow("US two-digit 29") << "en_US"
                                     << "6/30/29" << QDate(2029, 6, 30);
    QTest::newRow("US two-digit 30") << "en_US"
                                     << "6/30/30" << QDate(1930, 6, 30);
    QTest::newRow("US two-digit 00 leap day") << "en_US"
                                              << "2/29/00" << QDate(2000, 2, 29);
    QTest::newRow("US dashes") << "en_US"
                               << "1-15-2003" << QDate(2003, 1, 15);
    QTest::newRow("ISO") << "en_US"
                         << "2003-01-15" << QDate(2003, 1, 15);
    QTest::newRow("US long") << "en_US"
                             << "Wednesday, January 15, 2003" << QDate(2003, 1, 15);
    QTest::newRow("day month year") << "en_US"
                                    << "15 Jan 2003" << QDate(2003, 1, 15);
    QTest::newRow("day-month-year") << "en_US"
                                    << "15-Jan-2003" << QDate(2003, 1, 15);
    QTest::newRow("month day, year") << "en_US"
                                     << "Jan 15, 2003" << QDate(2003, 1, 15);
    QTest::newRow("full month name") << "en_US"
                                     << "September 1, 1998" << QDate(1998, 9, 1);
    QTest::newRow("lower case month") << "en_US"
                                      << "1 dec 2010" << QDate(2010, 12, 1);
    QTest::newRow("year 100") << "en_US"
                              << "1/1/100" << QDate(100, 1, 1);
    QTest::newRow("year 9999") << "en_US"
                               << "12/31/9999" << QDate(9999, 12, 31);
    QTest::newRow("empty") << "en_US"
                           << "" << none;
    QTest::newRow("blank") << "en_US"
                           << "   " << none;
    QTest::newRow("word") << "en_US"
                          << "abc" << none;
    QTest::newRow("number") << "en_US"
                            << "12" << none;
    QTest::newRow("month and day only") << "en_US"
                                        << "1/15" << none;
    QTest::newRow("month 13") << "en_US"
                              << "13/1/2003" << none;
    QTest::newRow("day 32") << "en_US"
                            << "1/32/2003" << none;
    QTest::newRow("February 29 of a common year") << "en_US"
                                                  << "2/29/2003" << none;
    QTest::newRow("trailing text") << "en_US"
                                   << "1/15/2003x" << none;
    QTest::newRow("five-digit year") << "en_US"
                                     << "1/15/20030" << none;
    QTest::newRow("ISO out of range") << "en_US"
                                      << "2003-13-01" << none;
    QTest::newRow("unknown month") << "en_US"
                                   << "15 Foo 2003" << none;
    QTest::newRow("German short") << "de_DE"
                                  << "15.01.2003" << QDate(2003, 1, 15);
    QTest::newRow("German two-digit") << "de_DE"
                                      << "02.01.01" << QDate(2001, 1, 2);
    QTest::newRow("German without zeros") << "de_DE"
                                          << "2.1.2001" << QDate(2001, 1, 2);
    QTest::newRow("German ISO") << "de_DE"
                                << "1999-12-31" << QDate(1999, 12, 31);
    QTest::newRow("German long") << "de_DE"
                                 << "Mittwoch, 15. Januar 2003" << QDate(2003, 1, 15);
    QTest::newRow("German month name") << "de_DE"
                                       << "15. Januar 2003" << QDate(2003, 1, 15);
    QTest::newRow("German day first, not US") << "de_DE"
                                              << "13.01.2003" << QDate(2003, 1, 13);
    QTest::newRow("German garbage") << "de_DE"
                                    << "15.01." << none;
    QTest::newRow("British short") << "en_GB"
                                   << "31/12/1999" << QDate(1999, 12, 31);
    QTest::newRow("British two-digit") << "en_GB"
                                       << "02/01/01" << QDate(2001, 1, 2);
    QTest::newRow("British rejects US order") << "en_GB"
                                              << "12/31/1999" << none;
}

void TestLocale::dateValue()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    LocaleScope scope(locale);
    Date value;
    const bool ok = LocaleServices::dateValue(text, value);
    QCOMPARE(ok, expected.isValid());
    QCOMPARE(LocaleServices::isDate(text), expected.isValid());
    if (expected.isValid())
        QCOMPARE(value.toQDate(), expected);
}

// ---- Numbers -------------------------------------------------------------

void TestLocale::isNumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    const char *us = "en_US";
    QTest::newRow("integer") << us << "12" << true;
    QTest::newRow("blanks around") << us << "  12  " << true;
    QTest::newRow("negative") << us << "-12" << true;
    QTest::newRow("sign then blank") << us << "- 12" << true;
    QTest::newRow("plus decimal") << us << "+1.5" << true;
    QTest::newRow("leading point") << us << ".5" << true;
    QTest::newRow("trailing point") << us << "5." << true;
    QTest::newRow("grouping") << us << "1,234.50" << true;
    QTest::newRow("grouping millions") << us << "12,345,678" << true;
    QTest::newRow("dollar") << us << "$1,234.50" << true;
    QTest::newRow("negative dollar") << us << "-$5" << true;
    QTest::newRow("dollar negative") << us << "$-5" << true;
    QTest::newRow("exponent") << us << "1E5" << true;
    QTest::newRow("negative exponent") << us << "1.5e-3" << true;
    QTest::newRow("parentheses") << us << "(5)" << true;
    QTest::newRow("parenthesised dollars") << us << "($1,234.50)" << true;
    QTest::newRow("empty") << us << "" << false;
    QTest::newRow("blank") << us << "   " << false;
    QTest::newRow("letters") << us << "abc" << false;
    QTest::newRow("number then letters") << us << "12abc" << false;
    QTest::newRow("two points") << us << "1.2.3" << false;
    QTest::newRow("point only") << us << "." << false;
    QTest::newRow("sign only") << us << "-" << false;
    QTest::newRow("dollar only") << us << "$" << false;
    QTest::newRow("misplaced grouping") << us << "1,23" << false;
    QTest::newRow("grouping after point") << us << "1.234,5" << false;
    QTest::newRow("leading group separator") << us << ",123" << false;
    QTest::newRow("exponent without digits") << us << "1E" << false;
    QTest::newRow("two signs") << us << "--5" << false;
    QTest::newRow("sign inside parentheses") << us << "(-5)" << false;
    QTest::newRow("blank inside digits") << us << "1 2" << false;
    QTest::newRow("German decimal comma") << "de_DE"
                                          << "1,5" << true;
    QTest::newRow("German grouping") << "de_DE"
                                     << "1.234,50" << true;
    QTest::newRow("German euro after") << "de_DE" << QString::fromUtf8("1.234,50 €") << true;
    QTest::newRow("German misplaced point") << "de_DE"
                                            << "1.5" << false;
}

void TestLocale::isNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, expected);
    LocaleScope scope(locale);
    QCOMPARE(LocaleServices::isNumber(text), expected);
}

void TestLocale::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("integer") << "12" << 12.0;
    QTest::newRow("number then letters") << "12abc" << 12.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("blanks inside") << " 1 2.5" << 12.5;
    QTest::newRow("blank after sign") << " - 3.5" << -3.5;
    QTest::newRow("tab and line feed") << "\t1\n0" << 10.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("leading point") << "-.5" << -0.5;
    QTest::newRow("plus") << "+4" << 4.0;
    QTest::newRow("exponent") << "1.5E3" << 1500.0;
    QTest::newRow("D exponent") << "2D2" << 200.0;
    QTest::newRow("exponent without digits") << "12e" << 12.0;
    QTest::newRow("comma stops") << "1,234" << 1.0;
    QTest::newRow("dollar stops") << "$5" << 0.0;
    QTest::newRow("second sign stops") << "3-4" << 3.0;
    QTest::newRow("hexadecimal") << "&H10" << 16.0;
    QTest::newRow("hexadecimal Integer wraps") << "&HFFFF" << -1.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("tiny") << "1E-400" << 0.0;
}

void TestLocale::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(LocaleServices::val(text), expected);
}

void TestLocale::valOverflow()
{
    try {
        LocaleServices::val(QStringLiteral("1E400"));
        QFAIL("no overflow");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), int(RuntimeError::Overflow));
    }
}

void TestLocale::currencyVal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("units");

    QTest::newRow("integer") << "12" << qint64(120000);
    QTest::newRow("number then letters") << "12abc" << qint64(120000);
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("blanks inside") << " 1 2.5" << qint64(125000);
    QTest::newRow("negative") << " - 3.5" << qint64(-35000);
    QTest::newRow("ten-thousandths exact") << "1234.5678" << qint64(12345678);
    QTest::newRow("0.1 is exact") << "0.1" << qint64(1000);
    QTest::newRow("rounds up") << "1.23456" << qint64(12346);
    QTest::newRow("tie to even down") << "0.00005" << qint64(0);
    QTest::newRow("tie to even up") << "0.00015" << qint64(2);
    QTest::newRow("negative tie") << "-0.00025" << qint64(-2);
    QTest::newRow("exponent") << "1.5E2" << qint64(1500000);
    QTest::newRow("point only") << "." << qint64(0);
    QTest::newRow("hexadecimal") << "&HFF" << qint64(2550000);
}

void TestLocale::currencyVal()
{
    QFETCH(QString, text);
    QFETCH(qint64, units);
    QCOMPARE(qint64(LocaleServices::currencyVal(text).units()), units);
}

void TestLocale::programLocale()
{
    LocaleServices::setLocale(QLocale::c());
    QCOMPARE(LocaleServices::locale(), QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(LocaleServices::isLocaleFixed());
    QCOMPARE(LocaleServices::shortDateFormat(), QStringLiteral("M/d/yyyy"));
    LocaleServices::setLocale(QLocale(QStringLiteral("de_DE")));
    QCOMPARE(LocaleServices::shortDateFormat(), QStringLiteral("dd.MM.yyyy"));
    LocaleServices::resetLocale();
    QVERIFY(!LocaleServices::isLocaleFixed());
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        QCOMPARE(LocaleServices::locale(), QLocale(QLocale::English, QLocale::UnitedStates));
    else
        QCOMPARE(LocaleServices::locale(), system);
}

void TestLocale::today()
{
    LocaleServices::setToday(QDate(2003, 1, 15));
    QCOMPARE(LocaleServices::today(), Date::fromYmd(2003, 1, 15));
    LocaleServices::setToday(QDate());
    const QDate before = QDate::currentDate();
    const QDate now = LocaleServices::today().toQDate();
    QVERIFY(now >= before && now <= QDate::currentDate());
}

// ---- Message boxes -------------------------------------------------------

QTEST_MAIN(TestLocale)
#include "tst_locale.moc"
