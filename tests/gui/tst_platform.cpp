#include "core/runtimeerror.h"
#include "platform/clipboard.h"
#include "platform/locale.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/settingsstore.h"

#include "platformdoubles.h"
#include "storage/datafolder.h"
#include "tempdatafolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using platform::LocaleServices;
using platform::MessageBoxCall;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

Q_DECLARE_METATYPE(MsgButtons)
Q_DECLARE_METATYPE(MsgIcon)
Q_DECLARE_METATYPE(MsgResult)

namespace {

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// Runs a small script of PrintLine steps separated by "|": "T:text", "N:123" (number),
// "S:1.50" (formatted number), "Z" (next zone), "z:3" (zone 3), "C:20" (column 20).
QString runPrintScript(const QString &script)
{
    platform::PrintLine line;
    const QStringList steps = script.split(QLatin1Char('|'));
    for (const QString &step : steps) {
        const QString argument = step.mid(2);
        if (step.startsWith(QLatin1String("T:")))
            line.text(argument);
        else if (step.startsWith(QLatin1String("N:")))
            line.number(argument.toLongLong());
        else if (step.startsWith(QLatin1String("S:")))
            line.number(argument);
        else if (step == QLatin1String("Z"))
            line.nextZone();
        else if (step.startsWith(QLatin1String("z:")))
            line.zone(argument.toInt());
        else if (step.startsWith(QLatin1String("C:")))
            line.column(argument.toInt());
        else
            qFatal("unknown print step");
    }
    return line.line();
}

// Fixes the program locale for one test function.
class LocaleScope
{
public:
    explicit LocaleScope(const QString &name) { LocaleServices::setLocale(QLocale(name)); }
    ~LocaleScope() { LocaleServices::resetLocale(); }
};

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void printLine_data();
    void printLine();
    void printLineColumnsAfterZones();

    void displayFormat_data();
    void displayFormat();
    void currencyFormat_data();
    void currencyFormat();

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

    void standardErrorBox_data();
    void standardErrorBox();
    void scriptedAnswers();
    void unscriptedQuestion();
    void systemMessageBox_data();
    void systemMessageBox();

    void doublesRestore();
    void settingsStoreRoundTrip();
    void memorySettings();
    void clipboard();
    void recordingPrinter();
    void renderDocument();
    void tempDataFolder();
};

// ---- PrintLine -----------------------------------------------------------

void TestPlatform::printLine_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain text") << "T:abc"
                                << "abc";
    QTest::newRow("lead-in zone") << "Z|T:X" << blanks(14) + "X";
    QTest::newRow("two lead-in zones") << "Z|Z|T:X" << blanks(28) + "X";
    QTest::newRow("second zone") << "T:ab|Z|T:cd"
                                 << "ab" + blanks(12) + "cd";
    QTest::newRow("value one short of its zone") << "T:ABCDEFGHIJKLM|Z|T:x"
                                                 << "ABCDEFGHIJKLM" + blanks(1) + "x";
    QTest::newRow("value exactly as wide as its zone") << "T:ABCDEFGHIJKLMN|Z|T:x"
                                                       << "ABCDEFGHIJKLMN" + blanks(14) + "x";
    QTest::newRow("wider value pushes one zone further") << "T:ABCDEFGHIJKLMNOP|Z|T:x"
                                                         << "ABCDEFGHIJKLMNOP" + blanks(12) + "x";
    QTest::newRow("positive number") << "N:5"
                                     << " 5 ";
    QTest::newRow("negative number") << "N:-5"
                                     << "-5 ";
    QTest::newRow("numbers in zones") << "N:12|Z|N:345|Z|N:-7"
                                      << " 12 " + blanks(10) + " 345 " + blanks(9) + "-7 ";
    QTest::newRow("formatted numbers") << "S:1.5|S:-2|S:$3.00"
                                       << " 1.5 -2  $3.00 ";
    QTest::newRow("zone 3 from the start") << "z:3|T:x" << blanks(28) + "x";
    QTest::newRow("zone 1 on an empty line") << "z:1|T:x"
                                             << "x";
    QTest::newRow("at the zone start already") << "T:ABCDEFGHIJKLMN|z:2|T:x"
                                               << "ABCDEFGHIJKLMNx";
    QTest::newRow("zone passed goes to the next") << "T:ABCDEFGHIJKLMNOPQRST|z:2|T:x"
                                                  << "ABCDEFGHIJKLMNOPQRST" + blanks(8) + "x";
    QTest::newRow("column") << "T:ab|C:10|T:x"
                            << "ab" + blanks(7) + "x";
    QTest::newRow("column passed stays") << "T:abcdef|C:3|T:x"
                                         << "abcdefx";
    QTest::newRow("column at the position") << "T:ab|C:3|T:x"
                                            << "abx";
}

void TestPlatform::printLine()
{
    QFETCH(QString, script);
    QFETCH(QString, expected);
    QCOMPARE(runPrintScript(script), expected);
}

void TestPlatform::printLineColumnsAfterZones()
{
    // A report line: label, then amounts in zones 2 to 4, then a note at column 60.
    platform::PrintLine line;
    line.text(QStringLiteral("Stock A")).nextZone().number(100).nextZone().number(QStringLiteral("-2.5"));
    line.zone(4).text(QStringLiteral("end")).column(60).text(QStringLiteral("note"));
    const QString text = line.line();
    QCOMPARE(text.indexOf(QLatin1String(" 100 ")), 14);
    QCOMPARE(text.indexOf(QLatin1String("-2.5 ")), 28);
    QCOMPARE(text.indexOf(QLatin1String("end")), 42);
    QCOMPARE(text.indexOf(QLatin1String("note")), 59);
    QCOMPARE(text.size(), 63);
}

// ---- Formats -------------------------------------------------------------

void TestPlatform::displayFormat_data()
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

void TestPlatform::displayFormat()
{
    QFETCH(QString, locale);
    QFETCH(QString, plain);
    QFETCH(QString, expected);
    LocaleScope scope(locale);
    QCOMPARE(LocaleServices::displayFormat(plain), expected);
}

void TestPlatform::currencyFormat_data()
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

void TestPlatform::currencyFormat()
{
    QFETCH(QString, locale);
    QFETCH(qint64, units);
    QFETCH(QString, expected);
    LocaleScope scope(locale);
    QCOMPARE(LocaleServices::currencyFormat(Currency::fromUnits(units)), expected);
}

// ---- Dates ---------------------------------------------------------------

void TestPlatform::shortDate_data()
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

void TestPlatform::shortDate()
{
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    LocaleScope scope(locale);
    QCOMPARE(LocaleServices::shortDate(Date::fromQDate(date)), expected);
}

void TestPlatform::shortDateRoundTrip_data()
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

void TestPlatform::shortDateRoundTrip()
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

void TestPlatform::dateValue_data()
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

void TestPlatform::dateValue()
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

void TestPlatform::isNumber_data()
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

void TestPlatform::isNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, expected);
    LocaleScope scope(locale);
    QCOMPARE(LocaleServices::isNumber(text), expected);
}

void TestPlatform::val_data()
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

void TestPlatform::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(LocaleServices::val(text), expected);
}

void TestPlatform::valOverflow()
{
    try {
        LocaleServices::val(QStringLiteral("1E400"));
        QFAIL("no overflow");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), int(RuntimeError::Overflow));
    }
}

void TestPlatform::currencyVal_data()
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

void TestPlatform::currencyVal()
{
    QFETCH(QString, text);
    QFETCH(qint64, units);
    QCOMPARE(qint64(LocaleServices::currencyVal(text).units()), units);
}

void TestPlatform::programLocale()
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

void TestPlatform::today()
{
    LocaleServices::setToday(QDate(2003, 1, 15));
    QCOMPARE(LocaleServices::today(), Date::fromYmd(2003, 1, 15));
    LocaleServices::setToday(QDate());
    const QDate before = QDate::currentDate();
    const QDate now = LocaleServices::today().toQDate();
    QVERIFY(now >= before && now <= QDate::currentDate());
}

// ---- Message boxes -------------------------------------------------------

void TestPlatform::standardErrorBox_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("expected");

    QTest::newRow("file not found") << 53 << "File not found"
                                    << "Error Number:53\r\nFile not found";
    QTest::newRow("disk not ready") << 71 << "Disk not ready"
                                    << "Error Number:71\r\nDisk not ready";
    QTest::newRow("own description") << 6 << "Overflow"
                                     << "Error Number:6\r\nOverflow";
}

void TestPlatform::standardErrorBox()
{
    QFETCH(int, number);
    QFETCH(QString, description);
    QFETCH(QString, expected);
    testing::PlatformDoubles doubles;

    platform::showStandardError(number, description);
    platform::showStandardError(RuntimeError(number));
    const QList<MessageBoxCall> calls = doubles.boxes.takeCalls();
    QCOMPARE(calls.size(), 2);
    for (const MessageBoxCall &call : calls) {
        QCOMPARE(call.text, expected);
        QCOMPARE(call.title, QStringLiteral("Plumbline 3.5"));
        QCOMPARE(call.icon, MsgIcon::None);
        QCOMPARE(call.buttons, MsgButtons::OK);
    }
    QVERIFY(!doubles.boxes.unexpectedQuestion());
}

void TestPlatform::scriptedAnswers()
{
    testing::PlatformDoubles doubles;
    doubles.boxes.enqueue(MsgResult::Yes);
    doubles.boxes.enqueue(MsgResult::Cancel);

    QCOMPARE(platform::msgBox(QStringLiteral("Saved."), MsgIcon::Information), MsgResult::OK);
    QCOMPARE(
        platform::msgBox(QStringLiteral("Delete?"), MsgIcon::Question, MsgButtons::YesNo, QStringLiteral("Delete")),
        MsgResult::Yes);
    QCOMPARE(platform::msgBox(QStringLiteral("Continue?"), MsgIcon::Exclamation, MsgButtons::OKCancel),
             MsgResult::Cancel);
    QCOMPARE(doubles.boxes.pendingAnswers(), 0);
    QVERIFY(!doubles.boxes.unexpectedQuestion());
    QVERIFY(!doubles.boxes.answerMismatch());

    QCOMPARE(doubles.boxes.calls().size(), 3);
    const MessageBoxCall first = doubles.boxes.calls().at(0);
    QCOMPARE(first.title, QStringLiteral("Plumbline 3.5"));
    QCOMPARE(first.icon, MsgIcon::Information);
    const MessageBoxCall second = doubles.boxes.calls().at(1);
    QCOMPARE(second.text, QStringLiteral("Delete?"));
    QCOMPARE(second.title, QStringLiteral("Delete"));
    QCOMPARE(second.buttons, MsgButtons::YesNo);
    QCOMPARE(doubles.boxes.lastCall().icon, MsgIcon::Exclamation);
    QCOMPARE(doubles.boxes.texts(), QStringList({"Saved.", "Delete?", "Continue?"}));
}

void TestPlatform::unscriptedQuestion()
{
    testing::PlatformDoubles doubles;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no answer queued"));
    QCOMPARE(platform::msgBox(QStringLiteral("Really?"), MsgIcon::Question, MsgButtons::YesNo), MsgResult::No);
    QVERIFY(doubles.boxes.unexpectedQuestion());

    doubles.boxes.clear();
    doubles.boxes.enqueue(MsgResult::Yes);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a button"));
    platform::msgBox(QStringLiteral("Go on?"), MsgIcon::None, MsgButtons::OKCancel);
    QVERIFY(doubles.boxes.answerMismatch());
}

void TestPlatform::systemMessageBox_data()
{
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<MsgIcon>("icon");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("press"); // a button, "Return" (default button) or "Escape"
    QTest::addColumn<MsgResult>("expected");
    QTest::addColumn<int>("qtIcon");
    QTest::addColumn<int>("buttonCount");

    QTest::newRow("OK by Return") << MsgButtons::OK << MsgIcon::None << ""
                                  << "Return" << MsgResult::OK << int(QMessageBox::NoIcon) << 1;
    QTest::newRow("Yes is default") << MsgButtons::YesNo << MsgIcon::Question << "Confirm"
                                    << "Return" << MsgResult::Yes << int(QMessageBox::Question) << 2;
    QTest::newRow("No") << MsgButtons::YesNo << MsgIcon::Exclamation << ""
                        << "No" << MsgResult::No << int(QMessageBox::Warning) << 2;
    QTest::newRow("OK is default of OK/Cancel") << MsgButtons::OKCancel << MsgIcon::Information << ""
                                                << "Return" << MsgResult::OK << int(QMessageBox::Information) << 2;
    QTest::newRow("Escape cancels") << MsgButtons::OKCancel << MsgIcon::Critical << ""
                                    << "Escape" << MsgResult::Cancel << int(QMessageBox::Critical) << 2;
    QTest::newRow("Cancel of three") << MsgButtons::YesNoCancel << MsgIcon::Question << ""
                                     << "Cancel" << MsgResult::Cancel << int(QMessageBox::Question) << 3;
    QTest::newRow("Yes of three") << MsgButtons::YesNoCancel << MsgIcon::Question << ""
                                  << "Yes" << MsgResult::Yes << int(QMessageBox::Question) << 3;
}

void TestPlatform::systemMessageBox()
{
    QFETCH(MsgButtons, buttons);
    QFETCH(MsgIcon, icon);
    QFETCH(QString, title);
    QFETCH(QString, press);
    QFETCH(MsgResult, expected);
    QFETCH(int, qtIcon);
    QFETCH(int, buttonCount);

    platform::MessageBoxes::setInstance(nullptr);
    QString seenTitle;
    QString seenText;
    int seenIcon = -1;
    int seenButtons = 0;
    int polls = 0;
    QTimer timer;
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            // Safety net: never leave a box open if it did not become the modal widget.
            if (++polls > 500) {
                timer.stop();
                const QWidgetList widgets = QApplication::topLevelWidgets();
                for (QWidget *widget : widgets) {
                    if (auto *stray = qobject_cast<QMessageBox *>(widget))
                        stray->reject();
                }
            }
            return;
        }
        timer.stop();
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenIcon = int(box->icon());
        seenButtons = int(box->buttons().size());
        if (press == QLatin1String("Return"))
            QTest::keyClick(box, Qt::Key_Return);
        else if (press == QLatin1String("Escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else {
            const QList<QAbstractButton *> candidates = box->buttons();
            for (QAbstractButton *button : candidates) {
                if (button->text().remove(QLatin1Char('&')) == press) {
                    button->click();
                    break;
                }
            }
        }
    });
    timer.start();
    const MsgResult result = platform::msgBox(QStringLiteral("Line one\r\nLine two"), icon, buttons, title);

    QCOMPARE(result, expected);
    QCOMPARE(seenTitle, title.isEmpty() ? platform::AppTitle : title);
    QCOMPARE(seenText, QStringLiteral("Line one\nLine two"));
    QCOMPARE(seenIcon, qtIcon);
    QCOMPARE(seenButtons, buttonCount);
}

// ---- Doubles, settings, clipboard, printer -------------------------------

void TestPlatform::doublesRestore()
{
    platform::MessageBoxes *boxes = &platform::MessageBoxes::instance();
    platform::Printer *printer = &platform::Printer::instance();
    LocaleServices::setLocale(QLocale(QStringLiteral("de_DE")));
    {
        testing::PlatformDoubles doubles;
        QCOMPARE(&platform::MessageBoxes::instance(), &doubles.boxes);
        QCOMPARE(&platform::Clipboard::instance(), &doubles.clipboard);
        QCOMPARE(&platform::SettingsStore::instance(), &doubles.settings);
        QCOMPARE(&platform::Printer::instance(), &doubles.printer);
        QCOMPARE(LocaleServices::locale(), QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(LocaleServices::shortDate(Date::fromYmd(2003, 1, 15)), QStringLiteral("1/15/2003"));
    }
    QCOMPARE(&platform::MessageBoxes::instance(), boxes);
    QCOMPARE(&platform::Printer::instance(), printer);
    QCOMPARE(LocaleServices::locale(), QLocale(QStringLiteral("de_DE")));
    LocaleServices::resetLocale();
    {
        testing::PlatformDoubles doubles;
    }
    QVERIFY(!LocaleServices::isLocaleFixed());
}

void TestPlatform::settingsStoreRoundTrip()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    platform::SettingsStore::setInstance(nullptr);
    platform::SettingsStore &store = platform::SettingsStore::instance();

    const QString app = QStringLiteral("PLUMBLINE");
    QCOMPARE(store.getSetting(app, QStringLiteral("Options"), QStringLiteral("Missing"), QStringLiteral("dflt")),
             QStringLiteral("dflt"));
    store.saveSetting(app, QStringLiteral("Options"), QStringLiteral("LastFile"), QStringLiteral("C:\\Data\\a b.txt"));
    store.saveSetting(app, QStringLiteral("Window"), QStringLiteral("Top"), QStringLiteral("1200"));
    QCOMPARE(store.getSetting(app, QStringLiteral("Options"), QStringLiteral("LastFile"), QString()),
             QStringLiteral("C:\\Data\\a b.txt"));
    QCOMPARE(store.getSetting(app, QStringLiteral("Window"), QStringLiteral("Top"), QString()), QStringLiteral("1200"));
    store.saveSetting(app, QStringLiteral("Window"), QStringLiteral("Top"), QStringLiteral("0"));
    QCOMPARE(store.getSetting(app, QStringLiteral("Window"), QStringLiteral("Top"), QString()), QStringLiteral("0"));

    const QString file = dir.filePath(QStringLiteral("PLUMBLINE/PLUMBLINE.ini"));
    QVERIFY2(QFile::exists(file), qPrintable(file));
    QFile ini(file);
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QByteArray bytes = ini.readAll();
    QVERIFY(bytes.contains("[Options]"));
    QVERIFY(bytes.contains("[Window]"));
    QVERIFY(bytes.contains("Top=0"));
}

void TestPlatform::memorySettings()
{
    testing::PlatformDoubles doubles;
    platform::SettingsStore &store = platform::SettingsStore::instance();
    store.saveSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    QCOMPARE(store.getSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("S"), QStringLiteral("K"), QString()),
             QStringLiteral("v"));
    QCOMPARE(
        store.getSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("S"), QStringLiteral("X"), QStringLiteral("d")),
        QStringLiteral("d"));
    QVERIFY(doubles.settings.contains(QStringLiteral("PLUMBLINE"), QStringLiteral("S"), QStringLiteral("K")));
    QCOMPARE(doubles.settings.values().value(QStringLiteral("PLUMBLINE/S/K")), QStringLiteral("v"));
    QCOMPARE(doubles.settings.saveCount(), 1);
}

void TestPlatform::clipboard()
{
    {
        testing::PlatformDoubles doubles;
        platform::Clipboard::instance().setText(QStringLiteral("copied"));
        QCOMPARE(doubles.clipboard.text(), QStringLiteral("copied"));
        QCOMPARE(platform::Clipboard::instance().text(), QStringLiteral("copied"));
        QCOMPARE(doubles.clipboard.setCount(), 1);
    }
    platform::Clipboard::setInstance(nullptr);
    platform::Clipboard::instance().setText(QStringLiteral("system 1,234.50"));
    QCOMPARE(platform::Clipboard::instance().text(), QStringLiteral("system 1,234.50"));
}

void TestPlatform::recordingPrinter()
{
    testing::PlatformDoubles doubles;
    platform::Printer &printer = platform::Printer::instance();
    doubles.printer.setDialogAnswer(false);
    QVERIFY(!printer.showPrintDialog(QStringLiteral("Print Investments"), nullptr));
    doubles.printer.setDialogAnswer(true);
    QVERIFY(printer.showPrintDialog(QStringLiteral("Print History"), nullptr));
    QCOMPARE(doubles.printer.dialogTitles(), QStringList({"Print Investments", "Print History"}));

    printer.printLine(QStringLiteral("dropped"));
    printer.killDoc();
    printer.printLine(platform::PrintLine().text(QStringLiteral("A")).nextZone().number(5).line());
    printer.printLine(QString());
    printer.endDoc();
    QCOMPARE(doubles.printer.killedCount(), 1);
    QCOMPARE(doubles.printer.documents().size(), 1);
    QCOMPARE(doubles.printer.documents().first(), QStringList({"A" + blanks(13) + " 5 ", QString()}));
    QVERIFY(doubles.printer.currentLines().isEmpty());
}

void TestPlatform::renderDocument()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);

    const QFont font = platform::printFont(printer);
    QVERIFY(font.fixedPitch() || QFontInfo(font).fixedPitch());
    QVERIFY(font.pointSizeF() <= 9.0 && font.pointSizeF() >= 4.0);
    const QFontMetricsF metrics(font, &printer);
    QVERIFY(metrics.horizontalAdvance(QString(platform::PrintColumns, QLatin1Char('0'))) <= printer.width());

    QStringList lines;
    for (int i = 1; i <= 200; ++i)
        lines.append(platform::PrintLine().text(QStringLiteral("Line %1").arg(i)).zone(10).number(i).line());
    const int linesPerPage = int(printer.height() / metrics.lineSpacing());
    const int pages = platform::renderDocument(printer, lines);
    QCOMPARE(pages, (200 + linesPerPage - 1) / linesPerPage);
    QVERIFY(pages >= 2);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
}

void TestPlatform::tempDataFolder()
{
    QString folder;
    {
        testing::TempDataFolder data;
        QVERIFY(data.isValid());
        folder = data.dir();
        QVERIFY(QStandardPaths::isTestModeEnabled());
        QCOMPARE(storage::programFolder(), folder);
        QCOMPARE(data.path(storage::InvestFileName), storage::programFile(storage::InvestFileName));

        QVERIFY(!data.exists(QStringLiteral("a.txt")));
        QVERIFY(data.readBytes(QStringLiteral("a.txt")).isEmpty());
        const QByteArray bytes("\"Stock A\",100\r\n\x1a", 16);
        QVERIFY(data.writeBytes(QStringLiteral("a.txt"), bytes));
        QVERIFY(data.exists(QStringLiteral("a.txt")));
        QCOMPARE(data.readBytes(QStringLiteral("a.txt")), bytes);
        QVERIFY(data.remove(QStringLiteral("a.txt")));
        QVERIFY(!data.exists(QStringLiteral("a.txt")));

        // The real settings store writes into the folder's own settings place.
        platform::SettingsStore::setInstance(nullptr);
        platform::SettingsStore::instance().saveSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("S"),
                                                        QStringLiteral("K"), QStringLiteral("v"));
        QVERIFY(QFile::exists(data.settingsPath() + QStringLiteral("/PLUMBLINE/PLUMBLINE.ini")));
        QVERIFY(!data.settingsPath().startsWith(folder));
    }
    QVERIFY(!QFile::exists(folder));
    QVERIFY(storage::programFolder() != folder);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
