#include "core/runtimeerror.h"
#include "core/valuetypes.h"

#include <QDate>
#include <QtTest>

namespace {

int errorNumberOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

Currency cur(const char *text)
{
    Currency value;
    if (!Currency::parse(QString::fromLatin1(text), value))
        qFatal("not a currency text: %s", text);
    return value;
}

} // namespace

class tst_valuetypes : public QObject
{
    Q_OBJECT

private slots:
    void integerOverflowIsErrorSix()
    {
        Integer n = 32767;
        QCOMPARE(errorNumberOf([&] { n = n + 1; }), 6);
        QCOMPARE(int(n), 32767); // the failed assignment left it alone
        QCOMPARE(errorNumberOf([&] { n += 1; }), 6);
        Integer low = -32768;
        QCOMPARE(errorNumberOf([&] { --low; }), 6);
        QCOMPARE(errorNumberOf([] { Integer::fromDouble(32767.5); }), 6); // rounds to even: 32768
        QCOMPARE(int(Integer::fromDouble(2.5)), 2);
        QCOMPARE(int(Integer::fromDouble(3.5)), 4);
        QCOMPARE(int(Integer::fromDouble(-32768.4)), -32768);
    }

    void booleanTrueIsMinusOne()
    {
        QCOMPARE(Boolean(true).value(), int16_t(-1));
        QCOMPARE(Boolean(false).value(), int16_t(0));
        QVERIFY(Boolean(true));
        QVERIFY(!Boolean());
    }

    void currencyFromDoubleRoundsHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qlonglong>("units");
        // m/32 times 10,000 is exactly m × 312.5: a true tie for odd m.
        QTest::newRow("tie down to even") << 0.03125 << 312LL;
        QTest::newRow("tie up to even") << 0.09375 << 938LL;
        QTest::newRow("negative tie") << -0.03125 << -312LL;
        QTest::newRow("tie 1562.5") << 0.15625 << 1562LL;
        QTest::newRow("above half") << 160.0000076 << 1600000LL;
        QTest::newRow("whole") << 10640.0 << 106400000LL;
    }
    void currencyFromDoubleRoundsHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(qlonglong, units);
        QCOMPARE(qlonglong(Currency::fromDouble(value).units()), units);
    }

    void currencyArithmeticIsExactAndOverflows()
    {
        QCOMPARE((cur("0.1") + cur("0.2")).units(), cur("0.3").units());
        const Currency max = Currency::fromUnits(std::numeric_limits<int64_t>::max());
        const Currency min = Currency::fromUnits(std::numeric_limits<int64_t>::min());
        QCOMPARE(errorNumberOf([&] { (void)(max + cur("0.0001")); }), 6);
        QCOMPARE(errorNumberOf([&] { (void)(min - cur("0.0001")); }), 6);
        QCOMPARE(errorNumberOf([&] { (void)(-min); }), 6);
        QCOMPARE(errorNumberOf([] { Currency::fromDouble(1e15); }), 6);
        QCOMPARE(errorNumberOf([] { Currency::fromDouble(std::nan("")); }), 6);
        QCOMPARE(errorNumberOf([] {
                     Currency c;
                     Currency::parse(QStringLiteral("922337203685477.5808"), c);
                 }),
                 6);
        QCOMPARE(errorNumberOf([] {
                     Currency c;
                     Currency::parse(QStringLiteral("-922337203685477.5808"), c);
                 }),
                 0);
    }

    void currencyText_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("plain");
        QTest::newRow("whole") << "10000"
                               << "10000";
        QTest::newRow("trailing zeros dropped") << "1234.50"
                                                << "1234.5";
        QTest::newRow("negative") << "-300"
                                  << "-300";
        QTest::newRow("zero") << "0"
                              << "0";
        QTest::newRow("negative zero") << "-0"
                                       << "0";
        QTest::newRow("no leading zero") << ".5"
                                         << "0.5";
        QTest::newRow("smallest") << "0.0001"
                                  << "0.0001";
        QTest::newRow("fifth decimal tie to even down") << "2.00005"
                                                        << "2";
        QTest::newRow("fifth decimal tie to even up") << "2.00015"
                                                      << "2.0002";
        QTest::newRow("past the tie") << "2.000050001"
                                      << "2.0001";
        QTest::newRow("exponent") << "1.5E3"
                                  << "1500";
        QTest::newRow("plus sign") << "+7"
                                   << "7";
        QTest::newRow("largest") << "922337203685477.5807"
                                 << "922337203685477.5807";
        QTest::newRow("most negative") << "-922337203685477.5808"
                                       << "-922337203685477.5808";
    }
    void currencyText()
    {
        QFETCH(QString, input);
        QFETCH(QString, plain);
        Currency value;
        QVERIFY(Currency::parse(input, value));
        QCOMPARE(value.toPlainString(), plain);
    }

    void currencyRejectsNonNumbers_data()
    {
        QTest::addColumn<QString>("input");
        for (const char *text : {"", "-", ".", "1.2.3", "12a", "1,000", "$5", " 5", "--1", "1e", "e5", "nan", "inf"})
            QTest::newRow(text) << QString::fromLatin1(text);
    }
    void currencyRejectsNonNumbers()
    {
        QFETCH(QString, input);
        Currency value = Currency::fromWhole(42);
        QVERIFY(!Currency::parse(input, value));
        QCOMPARE(value.toPlainString(), QStringLiteral("42"));
    }

    void singleText_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.6") << 1.6f << "1.6";
        QTest::newRow("2.4") << 2.4f << "2.4";
        QTest::newRow("-0.5") << -0.5f << "-0.5";
        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("negative zero") << -0.0f << "0";
        QTest::newRow("seven digits") << 3.1415926f << "3.141593";
        QTest::newRow("small") << 0.0001f << "0.0001";
        QTest::newRow("tiny") << 1.5e-7f << "0.00000015";
        QTest::newRow("whole") << 12.0f << "12";
        QTest::newRow("huge") << 3.0e20f << "3E+20";
    }
    void singleText()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(singleToText(value), text);
        const QByteArray latin = text.toLatin1();
        Single back = 99;
        QVERIFY(parseSingle(latin.constData(), latin.constData() + latin.size(), back));
        QCOMPARE(singleToText(back), text);
    }

    void singleReading()
    {
        auto read = [](const char *text, Single &out) { return parseSingle(text, text + std::strlen(text), out); };
        Single value = 0;
        QVERIFY(read(".5", value));
        QCOMPARE(value, 0.5f);
        QVERIFY(read("-.25", value));
        QCOMPARE(value, -0.25f);
        QVERIFY(read("2E-3", value));
        QCOMPARE(value, 0.002f);
        QVERIFY(read("1e-60", value)); // underflow reads as zero
        QCOMPARE(value, 0.0f);
        QCOMPARE(errorNumberOf([&] { read("1e60", value); }), 6);
        QVERIFY(!read("", value));
        QVERIFY(!read("abc", value));
        QVERIFY(!read("inf", value));
        QVERIFY(!read("nan", value));
        QVERIFY(!read("1.5x", value));
    }

    void dateIsDaysSinceThirtiethDecember1899()
    {
        QCOMPARE(Date::fromYmd(1899, 12, 30).serial(), 0.0);
        QCOMPARE(Date::fromYmd(1900, 1, 1).serial(), 2.0);
        QCOMPARE(Date::fromYmd(2003, 1, 15).serial(), 37636.0);
        QCOMPARE(Date::fromYmd(1899, 12, 29).serial(), -1.0);
        int y = 0, m = 0, d = 0;
        Date(37636.0).toYmd(y, m, d);
        QCOMPARE(QDate(y, m, d), QDate(2003, 1, 15));
        QCOMPARE(Date::fromQDate(QDate(2024, 2, 29)).toQDate(), QDate(2024, 2, 29));
        QVERIFY(!Date::isValidYmd(2023, 2, 29));
        QVERIFY(Date::isValidYmd(2000, 2, 29));
        QVERIFY(!Date::isValidYmd(1900, 2, 29));
        QVERIFY(!Date::isValidYmd(2003, 13, 1));
        QVERIFY(!Date().hasTimeOfDay());
        QVERIFY(Date(1.5).hasTimeOfDay());
    }

    void errorsCarryClassicNumbersAndText()
    {
        const RuntimeError overflow(6);
        QCOMPARE(overflow.description(), QStringLiteral("Overflow"));
        QCOMPARE(overflow.standardText(), QStringLiteral("Error Number:6\r\nOverflow"));
        QCOMPARE(RuntimeError(52).description(), QStringLiteral("Bad file name or number"));
        QCOMPARE(RuntimeError(53).description(), QStringLiteral("File not found"));
        QCOMPARE(RuntimeError(62).description(), QStringLiteral("Input past end of file"));
        QCOMPARE(RuntimeError(71).description(), QStringLiteral("Disk not ready"));
        QCOMPARE(RuntimeError(75).description(), QStringLiteral("Path/File access error"));
        QCOMPARE(RuntimeError(76).description(), QStringLiteral("Path not found"));
        QCOMPARE(RuntimeError(13).description(), QStringLiteral("Type mismatch"));
    }
};

QTEST_GUILESS_MAIN(tst_valuetypes)
#include "tst_valuetypes.moc"
