// Returns worked out by hand: each row gives an investment's records and the figures a reader
// gets on paper from the definitions (the comments show the arithmetic).
#include "core/returns.h"
#include "storage/priceindexstore.h"

#include <QDate>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Rec
{
    const char *date;
    double original;
    double current;
    float rate;
};

InvestmentReturns returnsOf(const QList<Rec> &records)
{
    Calculation calculation;
    ReturnsBuilder builder(1);
    for (const Rec &r : records)
        builder.add(calculation.add(1, Date::fromQDate(QDate::fromString(QLatin1String(r.date), Qt::ISODate)),
                                    Currency::fromDouble(r.original), Currency::fromDouble(r.current), r.rate));
    return builder.finish();
}

// twr, twr per year, inflation, real twr, real twr per year, mwr per year, real mwr per year, note
QStringList figures(const InvestmentReturns &r)
{
    return {
        percentText(r.twr),           percentText(r.twrAnnual), percentText(r.inflation),     percentText(r.realTwr),
        percentText(r.realTwrAnnual), percentText(r.mwrAnnual), percentText(r.realMwrAnnual), r.note()};
}

} // namespace

class tst_returns : public QObject
{
    Q_OBJECT

private slots:
    void byHand_data()
    {
        QTest::addColumn<QList<Rec>>("records");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("sentence"); // under the chart, from the first date as shown

        // 10,000 to 11,000 in 365 days at 3 %: 11000/10000 - 1 = 10.00 %; after inflation
        // 1.10/1.03 - 1 = 6.80 %. 365 days are 0.9993 years: 1.10^(1/0.9993) - 1 = 10.01 % a year,
        // and the two flows -10000 and +11000 give the same money-weighted rate.
        QTest::newRow("a year at 3 %") << QList<Rec>{{"2021-01-01", 10000, 10000, 0}, {"2022-01-01", 10000, 11000, 3}}
                                       << QStringList{"10.00", "10.01", "3.00", "6.80", "6.80", "10.01", "6.80", ""}
                                       << "1.00"
                                       << QStringLiteral(
                                              "Since 2021-01-01 (1.0 years): 10.01 % a year, after inflation 6.80 % a "
                                              "year (time-weighted); money-weighted 10.01 % and 6.80 %");
        // 5,000 added at mid-year. First half: (15500 - 10000 - 5000) / (10000 + 5000/2) = 4 %;
        // second: 500 / 15500 = 3.2258 %; together 1.04 x 1.032258 - 1 = 7.35 %, inflation
        // 1.01 x 1.01 - 1 = 2.01 %, real (1.04/1.01)(1.032258/1.01) - 1 = 5.24 %; 366 days.
        // Money-weighted: -10000 (day 0), -5000 (day 182), +16000 (day 366) are worth 0 at 8.01 %.
        QTest::newRow("a deposit at mid-year")
            << QList<Rec>{{"2020-01-01", 10000, 10000, 0},
                          {"2020-07-01", 15000, 15500, 1},
                          {"2021-01-01", 15000, 16000, 1}}
            << QStringList{"7.35", "7.34", "2.01", "5.24", "5.23", "8.01", "5.88", ""} << "1.00"
            << QStringLiteral("Since 2020-01-01 (1.0 years): 7.34 % a year, after inflation 5.23 % a year "
                              "(time-weighted); money-weighted 8.01 % and 5.88 %");
        // 5,000 taken out: (16000 - 20000 + 5000) / (20000 - 2500) = 5.714 %, then 400 / 16000 =
        // 2.5 %: 8.36 % in all; flows -20000, +5000 (day 181), +16400 (day 365).
        QTest::newRow("a withdrawal") << QList<Rec>{{"2019-01-01", 20000, 20000, 0},
                                                    {"2019-07-01", 15000, 16000, 1.5},
                                                    {"2020-01-01", 15000, 16400, 1}}
                                      << QStringList{"8.36", "8.36", "2.52", "5.70", "5.70", "7.99", "5.27", ""}
                                      << "1.00"
                                      << QStringLiteral(
                                             "Since 2019-01-01 (1.0 years): 8.36 % a year, after inflation 5.70 % a "
                                             "year (time-weighted); money-weighted 7.99 % and 5.27 %");
        // A record with an amount of zero plays no part: the same figures as without it.
        QTest::newRow("a skipped record")
            << QList<Rec>{{"2021-01-01", 10000, 10000, 0}, {"2021-06-01", 10000, 0, 5}, {"2022-01-01", 10000, 11000, 3}}
            << QStringList{"10.00", "10.01", "3.00", "6.80", "6.80", "10.01", "6.80", ""} << "1.00"
            << QStringLiteral("Since 2021-01-01 (1.0 years): 10.01 % a year, after inflation 6.80 % a year "
                              "(time-weighted); money-weighted 10.01 % and 6.80 %");
        // No rate for the second interval: the nominal figures stand, no real one.
        QTest::newRow("an unrated interval")
            << QList<Rec>{{"2021-01-01", 10000, 10000, 0},
                          {"2021-07-01", 10000, 10500, 2},
                          {"2022-01-01", 10000, 11000, 0}}
            << QStringList{"10.00", "10.01", "", "", "", "10.01", "", "record 3 has no inflation rate"} << "1.00"
            << QStringLiteral("Since 2021-01-01 (1.0 years): 10.01 % a year (time-weighted; no figure after inflation: "
                              "record 3 has no inflation rate); money-weighted 10.01 %");
        QTest::newRow("a rate of -100 %")
            << QList<Rec>{{"2021-01-01", 10000, 10000, 0}, {"2022-01-01", 10000, 11000, -100}}
            << QStringList{"10.00", "10.01", "", "",
                           "",      "10.01", "", "record 2 has an inflation rate at or below -100 %"}
            << "1.00"
            << QStringLiteral("Since 2021-01-01 (1.0 years): 10.01 % a year (time-weighted; no figure after inflation: "
                              "record 2 has an inflation rate at or below -100 %); money-weighted 10.01 %");
        // Half a year: the cumulative figures only.
        QTest::newRow("a span under a year")
            << QList<Rec>{{"2021-01-01", 10000, 10000, 0}, {"2021-07-01", 10000, 10300, 1}}
            << QStringList{"3.00", "", "1.00", "1.98", "", "", "", "the records span less than a year"} << "0.50"
            << QStringLiteral("Since 2021-01-01 (0.5 years): 3.00 %, after inflation 1.98 % in all (time-weighted); no "
                              "figure per year: the records span less than a year");
        // Two sign changes with two rates: -1000, +1500 taken out after a year, and at the end
        // 700 more put in against 600 there (-100): about 43 % and -93 % both make the flows
        // worth 0. The intervals: (100 - 1000 + 1500) / (1000 - 750) = 240 %, then
        // (600 - 100 - 700) / (100 + 350) = -44.4 %: 3.4 x 0.5556 - 1 = 88.89 % over two years.
        QTest::newRow("flows changing sign twice")
            << QList<Rec>{{"2000-01-01", 2000, 1000, 0}, {"2001-01-01", 500, 100, 1}, {"2002-01-01", 1200, 600, 1}}
            << QStringList{"88.89", "37.41", "2.01", "85.17", "36.05", "", "", "no unique rate"} << "2.00"
            << QStringLiteral("Since 2000-01-01 (2.0 years): 37.41 % a year, after inflation 36.05 % a year "
                              "(time-weighted); money-weighted: no unique rate");
        // 1 % earned at 3 % inflation: 1.01/1.03 - 1 = -1.94 %, shown with a true minus sign.
        QTest::newRow("a loss to inflation")
            << QList<Rec>{{"2021-01-01", 10000, 10000, 0}, {"2022-01-01", 10000, 10100, 3}}
            << QStringList{"1.00", "1.00", "3.00", "-1.94", "-1.94", "1.00", "-1.94", ""} << "1.00"
            << QStringLiteral("Since 2021-01-01 (1.0 years): 1.00 % a year, after inflation \u22121.94 % a year "
                              "(time-weighted); money-weighted 1.00 % and \u22121.94 %");
        QTest::newRow("one record")
            << QList<Rec>{{"2021-01-01", 10000, 10000, 2}}
            << QStringList{"", "", "", "", "", "", "", "fewer than two records with both amounts above zero"} << "0.00"
            << QStringLiteral("No return can be given: fewer than two records with both amounts above zero.");
        QTest::newRow("dates out of order")
            << QList<Rec>{{"2021-01-01", 10000, 10000, 0}, {"2020-01-01", 10000, 11000, 3}}
            << QStringList{"", "", "", "", "", "", "", "record 2 is dated before the record before it"} << "0.00"
            << QStringLiteral("No return can be given: record 2 is dated before the record before it.");
        // A record dated too early after one that left no money: the dates' reason comes first,
        // whatever their order in the file.
        QTest::newRow("dates out of order after no money left")
            << QList<Rec>{{"2021-01-01", 5000, 1000, 0}, {"2022-01-01", 1, 500, 2}, {"2021-06-01", 1, 600, 1}}
            << QStringList{"", "", "", "", "", "", "", "record 3 is dated before the record before it"} << "0.00"
            << QStringLiteral("No return can be given: record 3 is dated before the record before it.");
        // Everything taken out before the end: (0 + F/2) is no base for a return.
        QTest::newRow("no money left to measure on")
            << QList<Rec>{{"2021-01-01", 5000, 1000, 0}, {"2022-01-01", 1, 500, 2}}
            << QStringList{"", "", "", "",
                           "", "", "", "record 2 leaves no money in the investment to measure a return on"}
            << "1.00"
            << QStringLiteral(
                   "No return can be given: record 2 leaves no money in the investment to measure a return on.");
    }
    void byHand()
    {
        QFETCH(QList<Rec>, records);
        QFETCH(QStringList, expected);
        QFETCH(QString, years);
        const InvestmentReturns r = returnsOf(records);
        QCOMPARE(figures(r), expected);
        QCOMPARE(yearsText(r.years), years);
        QCOMPARE(r.takesPart(), r.nominalReason.isEmpty());
        QFETCH(QString, sentence);
        const QString first = QString::fromLatin1(records.front().date);
        QCOMPARE(returnsSentence(r, first), sentence);
        // A decimal comma is the only change under a locale that writes one.
        if (r.takesPart())
            QCOMPARE(returnsSentence(r, first, QLatin1Char(',')),
                     QString(sentence).replace(QRegularExpression(QStringLiteral("(\\d)\\.(\\d)")),
                                               QStringLiteral("\\1,\\2")));
    }

    // The rate found makes the flows worth nothing, and where the flows change sign once it is
    // the only one.
    void moneyWeightedRateSolvesItsEquation()
    {
        const auto day = [](const char *iso) {
            return Date::fromQDate(QDate::fromString(QLatin1String(iso), Qt::ISODate));
        };
        const std::vector<CashFlow> flows{
            {day("2020-01-01"), -10000}, {day("2020-07-01"), -5000}, {day("2021-01-01"), 16000}};
        const RateSolution solved = moneyWeightedRate(flows);
        QVERIFY(solved.rate);
        double value = 0;
        for (const CashFlow &f : flows)
            value += f.amount * std::pow(1 + *solved.rate, -(f.date.serial() - flows.front().date.serial()) / 365.25);
        QVERIFY(std::fabs(value) < 1e-6);
        // Flows on one day are one flow; nothing but money put in has no rate.
        QVERIFY(!moneyWeightedRate({{day("2020-01-01"), -1}, {day("2021-01-01"), -1}}).rate);
        // Flows that never change sign in the right way have no rate at all: -1000, +1500, -600.
        QCOMPARE(moneyWeightedRate({{day("2000-01-01"), -1000}, {day("2001-01-01"), 1500}, {day("2002-01-01"), -600}})
                     .reason,
                 QStringLiteral("no unique rate"));
    }

    // All investments: their flows together, deflated by the chosen index. Both investments here
    // run from January 2020 to January 2021 without money added, so the money-weighted rate is
    // (what is there at the end / what was there at the start) ^ (1 / years) - 1, and after
    // inflation the end is worth I(Jan 2020) / I(Jan 2021) of itself (US CPI-U 257.971 and
    // 261.582: 1.40 %).
    void allInvestmentsWithTheUsSeries()
    {
        Calculation one, two;
        ReturnsBuilder first(1), second(2);
        const Date start = Date::fromYmd(2020, 1, 15), end = Date::fromYmd(2021, 1, 15);
        first.add(one.add(1, start, Currency::fromWhole(10000), Currency::fromWhole(10000), 0));
        first.add(one.add(1, end, Currency::fromWhole(10000), Currency::fromWhole(10500), 1.4f));
        second.add(two.add(2, start, Currency::fromWhole(5000), Currency::fromWhole(5000), 0));
        second.add(two.add(2, end, Currency::fromWhole(5000), Currency::fromWhole(5100), 0));
        // A third with one record takes no part.
        ReturnsBuilder third(3);
        Calculation three;
        third.add(three.add(3, start, Currency::fromWhole(99999), Currency::fromWhole(99999), 0));
        PriceIndex us;
        QString error;
        QVERIFY2(storage::loadPriceIndex(QStringLiteral("US-CPI-U"), us, error), qPrintable(error));
        const PortfolioReturns all = portfolioReturns({first.finish(), second.finish(), third.finish()}, &us);
        QCOMPARE(all.investments, 2);
        QCOMPARE(all.records, 4);
        // 366 days: years 1.0021. Nominal: (15600 / 15000)^(1/1.0021) - 1 = 3.99 %.
        QCOMPARE(yearsText(all.years), QStringLiteral("1.00"));
        QCOMPARE(percentText(all.mwrAnnual), QStringLiteral("3.99"));
        // Inflation 261.582 / 257.971 - 1 = 1.40 %; real (15600 / 1.013998 / 15000)^(1/1.0021) - 1 = 2.56 %.
        QCOMPARE(percentText(all.inflation), QStringLiteral("1.40"));
        QCOMPARE(percentText(all.realMwrAnnual), QStringLiteral("2.56"));
        QCOMPARE(all.note(), QStringLiteral("series US-CPI-U"));
        QCOMPARE(all.lastCurrent, Currency::fromWhole(15600));

        // A month the series does not hold blanks the real figure and names it.
        PriceIndex shortSeries = us;
        shortSeries.values.remove(PriceIndex::monthKey(2021, 1));
        const PortfolioReturns without = portfolioReturns({first.finish(), second.finish()}, &shortSeries);
        QCOMPARE(percentText(without.mwrAnnual), QStringLiteral("3.99"));
        QVERIFY(!without.realMwrAnnual && !without.inflation);
        QVERIFY2(without.note().contains(QStringLiteral("2021-01")), qPrintable(without.note()));
        QVERIFY(without.note().endsWith(QStringLiteral("series US-CPI-U")));
    }

    void percentagesRoundHalvesAwayFromZero_data()
    {
        QTest::addColumn<double>("fraction");
        QTest::addColumn<QString>("text");
        QTest::newRow("half up") << 0.10005 << "10.01";
        QTest::newRow("half down negative") << -0.10005 << "-10.01";
        QTest::newRow("below half") << 0.100049 << "10.00";
        QTest::newRow("zero") << 0.0 << "0.00";
        QTest::newRow("tiny negative") << -0.00004 << "0.00";
    }
    void percentagesRoundHalvesAwayFromZero()
    {
        QFETCH(double, fraction);
        QFETCH(QString, text);
        QCOMPARE(percentText(fraction), text);
    }
};

QTEST_GUILESS_MAIN(tst_returns)
#include "tst_returns.moc"
