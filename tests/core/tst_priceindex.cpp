// Price indexes: the rate rules, rounding, missing data, and the shipped series against the published tables.
#include "core/priceindex.h"
#include "core/priceindexrevision.h"
#include "storage/priceindexstore.h"
#include "tempdatafolder.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <cmath>

namespace {

const QString RawFolder = QStringLiteral(PLUMBLINE_SOURCE_DIR "/data/cpi/raw/");

PriceIndex shipped(const QString &name)
{
    PriceIndex index;
    QString error;
    if (!storage::loadPriceIndex(name, index, error))
        qFatal("%s", qPrintable(error));
    return index;
}

PriceIndex annualSeries(const QMap<int, double> &values)
{
    PriceIndex index;
    index.name = QStringLiteral("TEST-ANNUAL");
    index.title = QStringLiteral("Test annual");
    index.kind = PriceIndex::Kind::Annual;
    index.values = values;
    return index;
}

PriceIndex monthlySeries(const QMap<int, double> &values)
{
    PriceIndex index;
    index.name = QStringLiteral("TEST-MONTHLY");
    index.title = QStringLiteral("Test monthly");
    index.values = values;
    return index;
}

// The raw table's line that starts with `prefix`, split at commas with quotes removed.
QStringList rawRow(const QString &file, const QString &prefix)
{
    QFile f(RawFolder + file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    while (!f.atEnd()) {
        QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.startsWith(prefix))
            return line.remove(QLatin1Char('"')).split(QLatin1Char(','));
    }
    return {};
}

} // namespace

class tst_PriceIndex : public QObject
{
    Q_OBJECT

private slots:
    void monthlyRates_data();
    void monthlyRates();
    void missingMonthly_data();
    void missingMonthly();
    void annualAcrossYearBoundary();
    void annualWholeYearOfShippedSeries();
    void annualMissingYear();
    void roundingHalvesAwayFromZero_data();
    void roundingHalvesAwayFromZero();
    void ratesPastAnyWholeCount_data();
    void ratesPastAnyWholeCount();
    void hyperinflationOfShippedSeries();
    void shippedAgainstRawTables();
    void shippedCatalogue();
    void defaultSeriesByCountry_data();
    void defaultSeriesByCountry();
    void seriesFileRoundTripAndDamage();
    void revisionText_data();
    void revisionText();
    void conversionScriptReproducesShippedFiles();

private:
    // Imported series are looked for here, never in the user's folder.
    testing::TempDataFolder m_folder;
};

void tst_PriceIndex::monthlyRates_data()
{
    QTest::addColumn<QString>("series");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<double>("exact");
    QTest::addColumn<QString>("text");
    // 314.540 / 308.417 - 1 = 1.985 %: any day of each month takes the month's level.
    QTest::newRow("US Jan to Jul 2024") << "US-CPI-U" << QDate(2024, 1, 15) << QDate(2024, 7, 20)
                                        << (314.540 / 308.417 - 1) * 100 << "1.99";
    QTest::newRow("US first to last day")
        << "US-CPI-U" << QDate(2024, 1, 1) << QDate(2024, 7, 31) << (314.540 / 308.417 - 1) * 100 << "1.99";
    // Across the missing October: September to November, 324.122 / 324.8 - 1 = -0.2087 %.
    QTest::newRow("US across 2025-10") << "US-CPI-U" << QDate(2025, 9, 30) << QDate(2025, 11, 3)
                                       << (324.122 / 324.8 - 1) * 100 << "-0.21";
    // 140.1 / 139.5 - 1 = 0.4301 %.
    QTest::newRow("UK Jan to Feb 2026") << "UK-CPI" << QDate(2026, 1, 31) << QDate(2026, 2, 1)
                                        << (140.1 / 139.5 - 1) * 100 << "0.43";
    QTest::newRow("same month is 0") << "US-CPI-U" << QDate(2024, 3, 1) << QDate(2024, 3, 31) << 0.0 << "0.00";
    QTest::newRow("same day is 0") << "UK-CPI" << QDate(2020, 6, 6) << QDate(2020, 6, 6) << 0.0 << "0.00";
}

void tst_PriceIndex::monthlyRates()
{
    QFETCH(QString, series);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(double, exact);
    QFETCH(QString, text);
    const PriceIndex::RateResult rate = shipped(series).rate(from, to);
    QVERIFY2(rate.ok, qPrintable(rate.reason));
    QVERIFY(std::fabs(rate.exact - exact) < 1e-9);
    QCOMPARE(rate.text(), text);
    QVERIFY(rate.reason.isEmpty());
}

void tst_PriceIndex::missingMonthly_data()
{
    QTest::addColumn<QString>("series");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("reason");
    QTest::newRow("to the gap") << "US-CPI-U" << QDate(2025, 9, 1) << QDate(2025, 10, 15)
                                << "US CPI-U has no value for 2025-10.";
    QTest::newRow("from the gap") << "US-CPI-U" << QDate(2025, 10, 31) << QDate(2026, 1, 2)
                                  << "US CPI-U has no value for 2025-10.";
    QTest::newRow("before the first") << "US-CPI-U" << QDate(1912, 12, 31) << QDate(1913, 6, 1)
                                      << "US CPI-U starts in 1913-01; 1912-12 is before it.";
    QTest::newRow("after the last") << "US-CPI-U" << QDate(2026, 1, 1) << QDate(2026, 6, 1)
                                    << "US CPI-U ends in 2026-05; 2026-06 is after it.";
    QTest::newRow("UK before the first") << "UK-CPI" << QDate(1987, 12, 1) << QDate(1990, 1, 1)
                                         << "UK CPI starts in 1988-01; 1987-12 is before it.";
    QTest::newRow("backwards") << "US-CPI-U" << QDate(2024, 7, 1) << QDate(2024, 1, 1)
                               << "The date 2024-01-01 comes before 2024-07-01.";
    QTest::newRow("no date") << "US-CPI-U" << QDate() << QDate(2024, 1, 1) << "No date to measure from.";
}

void tst_PriceIndex::missingMonthly()
{
    QFETCH(QString, series);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, reason);
    const PriceIndex::RateResult rate = shipped(series).rate(from, to);
    QVERIFY(!rate.ok);
    QCOMPARE(rate.reason, reason);
}

void tst_PriceIndex::annualAcrossYearBoundary()
{
    // 10 % in 2023, 5 % in 2024 (a leap year). From 2 July 2023 to 1 March 2024:
    // days in 2023: 2 Jul .. 31 Dec = 30 + 31 + 30 + 31 + 30 + 31 = 183 of 365;
    // days in 2024: 1 Jan .. 29 Feb = 31 + 29 = 60 of 366.
    // factor = 1.10^(183/365) * 1.05^(60/366) = 1.048946... * 1.008030... = 1.057369...
    const PriceIndex index = annualSeries({{2022, 7.0}, {2023, 10.0}, {2024, 5.0}});
    const double factor = std::pow(1.10, 183.0 / 365.0) * std::pow(1.05, 60.0 / 366.0);
    const PriceIndex::RateResult rate = index.rate(QDate(2023, 7, 2), QDate(2024, 3, 1));
    QVERIFY2(rate.ok, qPrintable(rate.reason));
    QVERIFY(std::fabs(rate.exact - (factor - 1) * 100) < 1e-9);
    QVERIFY(std::fabs(rate.exact - 5.7369) < 1e-4);
    QCOMPARE(rate.text(), QStringLiteral("5.74"));

    // A whole calendar year is that year's change; half of 2023 (181 of 365 days) is
    // 1.10^(181/365) - 1 = 4.8398 %.
    QCOMPARE(index.rate(QDate(2023, 1, 1), QDate(2024, 1, 1)).text(), QStringLiteral("10.00"));
    QCOMPARE(index.rate(QDate(2023, 1, 1), QDate(2023, 7, 1)).text(), QStringLiteral("4.84"));
    // Ending on 1 January uses no day of the new year, so a series ending the year before is enough.
    QVERIFY(annualSeries({{2023, 10.0}}).rate(QDate(2023, 6, 1), QDate(2024, 1, 1)).ok);
    QCOMPARE(index.rate(QDate(2024, 5, 5), QDate(2024, 5, 5)).text(), QStringLiteral("0.00"));
}

void tst_PriceIndex::annualWholeYearOfShippedSeries()
{
    // The World Bank table gives United States 2022 as 8.00279982052121 %.
    const QStringList raw =
        rawRow(QStringLiteral("world-annual-inflation.csv"), QStringLiteral("United States,USA,2022,"));
    QCOMPARE(raw.size(), 4);
    const PriceIndex usa = shipped(QStringLiteral("WB-USA"));
    QCOMPARE(usa.kind, PriceIndex::Kind::Annual);
    QCOMPARE(usa.values.value(2022), raw.at(3).toDouble());
    const PriceIndex::RateResult rate = usa.rate(QDate(2022, 1, 1), QDate(2023, 1, 1));
    QVERIFY(std::fabs(rate.exact - raw.at(3).toDouble()) < 1e-9);
    QCOMPARE(rate.text(), QStringLiteral("8.00"));
    QVERIFY(!usa.rate(QDate(2024, 6, 1), QDate(2025, 2, 1)).ok);
    QCOMPARE(usa.rate(QDate(2024, 6, 1), QDate(2025, 2, 1)).reason,
             QStringLiteral("United States (World Bank) ends in 2024; 2025 is after it."));
}

void tst_PriceIndex::annualMissingYear()
{
    const PriceIndex index = annualSeries({{2019, 2.0}, {2021, 3.0}});
    const PriceIndex::RateResult rate = index.rate(QDate(2019, 6, 1), QDate(2021, 6, 1));
    QVERIFY(!rate.ok);
    QCOMPARE(rate.reason, QStringLiteral("Test annual has no value for 2020."));
    QCOMPARE(index.rate(QDate(2018, 12, 1), QDate(2019, 6, 1)).reason,
             QStringLiteral("Test annual starts in 2019; 2018 is before it."));
}

void tst_PriceIndex::roundingHalvesAwayFromZero_data()
{
    QTest::addColumn<double>("fromLevel");
    QTest::addColumn<double>("toLevel");
    QTest::addColumn<QString>("text");
    // 101.005 / 100 - 1 = 1.005 % exactly in decimal; binary gives 1.00499999...
    QTest::newRow("half up") << 100.0 << 101.005 << "1.01";
    QTest::newRow("half down is away from zero") << 100.0 << 98.995 << "-1.01";
    QTest::newRow("below half") << 100.0 << 101.00499 << "1.00";
    QTest::newRow("tiny fall") << 100.0 << 99.999 << "0.00";
    QTest::newRow("large") << 50.0 << 150.0 << "200.00";
}

void tst_PriceIndex::roundingHalvesAwayFromZero()
{
    QFETCH(double, fromLevel);
    QFETCH(double, toLevel);
    QFETCH(QString, text);
    const PriceIndex index =
        monthlySeries({{PriceIndex::monthKey(2020, 1), fromLevel}, {PriceIndex::monthKey(2020, 2), toLevel}});
    QCOMPARE(index.rate(QDate(2020, 1, 10), QDate(2020, 2, 10)).text(), text);
}

void tst_PriceIndex::ratesPastAnyWholeCount_data()
{
    QTest::addColumn<double>("fromLevel");
    QTest::addColumn<double>("toLevel");
    QTest::addColumn<QString>("text");   // empty when refused
    QTest::addColumn<QString>("reason"); // when refused
    const QString tooLarge =
        QStringLiteral("Test monthly: the rate from 2020-01-10 to 2020-02-10 is too large to show.");
    // (1e12 / 0.001 - 1) * 100 % = 1e19 hundredths, beyond a 64-bit count (9.2e18).
    QTest::newRow("0.001 to 1e12") << 0.001 << 1e12 << "99999999999999900.00"
                                   << "";
    QTest::newRow("1 to 1e15") << 1.0 << 1e15 << "99999999999999900.00"
                               << "";
    QTest::newRow("1e12 to 0.001") << 1e12 << 0.001 << "-100.00"
                                   << "";
    // Every digit written out, none invented past a double's precision.
    QTest::newRow("1 to 1e300") << 1.0 << 1e300 << QStringLiteral("1") + QString(302, QLatin1Char('0')) + ".00"
                                << "";
    QTest::newRow("1e-300 to 1e300") << 1e-300 << 1e300 << "" << tooLarge;
    QTest::newRow("denormal level") << 4.9406564584124654e-324 << 1.0 << "" << tooLarge;
    QTest::newRow("largest double") << 1.0 << 1.7976931348623157e308 << "" << tooLarge;
}

void tst_PriceIndex::ratesPastAnyWholeCount()
{
    QFETCH(double, fromLevel);
    QFETCH(double, toLevel);
    QFETCH(QString, text);
    QFETCH(QString, reason);
    const PriceIndex index =
        monthlySeries({{PriceIndex::monthKey(2020, 1), fromLevel}, {PriceIndex::monthKey(2020, 2), toLevel}});
    const PriceIndex::RateResult rate = index.rate(QDate(2020, 1, 10), QDate(2020, 2, 10));
    QCOMPARE(rate.ok, !text.isEmpty());
    QCOMPARE(rate.ok ? rate.text() : rate.reason, text.isEmpty() ? reason : text);

    // A series file with such levels reads back and gives the same.
    PriceIndex back;
    QString error;
    QVERIFY2(PriceIndex::fromText(index.toText(), back, error), qPrintable(error));
    const PriceIndex::RateResult again = back.rate(QDate(2020, 1, 10), QDate(2020, 2, 10));
    QCOMPARE(again.ok ? again.text() : again.reason, text.isEmpty() ? reason : text);

    // Annual changes that overflow a double's product are refused the same way.
    const PriceIndex annual = annualSeries({{2020, 1e300}, {2021, 1e300}});
    const PriceIndex::RateResult compounded = annual.rate(QDate(2020, 1, 1), QDate(2022, 1, 1));
    QVERIFY(!compounded.ok);
    QCOMPARE(compounded.reason,
             QStringLiteral("Test annual: the rate from 2020-01-01 to 2022-01-01 is too large to show."));
}

void tst_PriceIndex::hyperinflationOfShippedSeries()
{
    // The Congo's table from 1964 to 2016 compounds to some 1e17 %: written out in full, positive, and
    // equal to the unrounded rate to a double's precision.
    const PriceIndex congo = shipped(QStringLiteral("WB-COD"));
    const PriceIndex::RateResult rate = congo.rate(QDate(1964, 1, 1), QDate(2016, 12, 31));
    QVERIFY2(rate.ok, qPrintable(rate.reason));
    QVERIFY(rate.exact > 9.3e16); // past 2^63 hundredths, where the count wrapped round
    const QString text = rate.text();
    QVERIFY2(!text.startsWith(QLatin1Char('-')), qPrintable(text));
    QCOMPARE(text.indexOf(QLatin1Char('.')), int(std::floor(std::log10(rate.exact))) + 1);
    QVERIFY(std::fabs(text.toDouble() / rate.exact - 1) < 1e-14);

    QProcess tool;
    tool.start(QStringLiteral(PLUMBLINE_INDEX_BIN),
               {QStringLiteral("rate"), QStringLiteral("1964-01-01"), QStringLiteral("2016-12-31"),
                QStringLiteral("--series"), QStringLiteral("WB-COD"), QStringLiteral("--data-dir"), m_folder.dir()});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 0);
    QCOMPARE(tool.readAllStandardOutput(), text.toLatin1() + '\n');
}

void tst_PriceIndex::shippedAgainstRawTables()
{
    const PriceIndex us = shipped(QStringLiteral("US-CPI-U"));
    for (const QString &month :
         {QStringLiteral("2024-01"), QStringLiteral("2024-07"), QStringLiteral("1913-01"), QStringLiteral("2026-05")}) {
        const QStringList raw = rawRow(QStringLiteral("us-cpi-u-nsa.csv"), month + QStringLiteral("-01,"));
        QVERIFY2(raw.size() == 3, qPrintable(month));
        QCOMPARE(us.values.value(PriceIndex::monthKey(month.left(4).toInt(), month.mid(5).toInt())),
                 raw.at(1).toDouble());
    }
    QCOMPARE(us.values.value(PriceIndex::monthKey(2024, 1)), 308.417);
    QCOMPARE(us.values.value(PriceIndex::monthKey(2024, 7)), 314.540);
    QVERIFY(!us.values.contains(PriceIndex::monthKey(2025, 10)));
    QVERIFY(rawRow(QStringLiteral("us-cpi-u-nsa.csv"), QStringLiteral("2025-10-")).isEmpty());
    QCOMPARE(us.coverage(), QStringLiteral("1913-01 to 2026-05"));
    QCOMPARE(us.kind, PriceIndex::Kind::Monthly);
    QCOMPARE(us.country, QStringLiteral("US"));

    const PriceIndex uk = shipped(QStringLiteral("UK-CPI"));
    QCOMPARE(rawRow(QStringLiteral("uk-cpi-ons-d7bt.csv"), QStringLiteral("\"2026 JAN\"")).value(1),
             QStringLiteral("139.5"));
    QCOMPARE(uk.values.value(PriceIndex::monthKey(2026, 1)), 139.5);
    QCOMPARE(uk.values.value(PriceIndex::monthKey(2026, 2)), 140.1);
    // The annual row "1988","49.6" is not a month; January 1988 is 48.4.
    QCOMPARE(uk.values.value(PriceIndex::monthKey(1988, 1)), 48.4);
    QCOMPARE(uk.coverage(), QStringLiteral("1988-01 to 2026-02"));
    QCOMPARE(uk.values.size(), (2025 - 1988 + 1) * 12 + 2);
    QVERIFY(uk.attribution.contains(
        QStringLiteral("Contains public sector information licensed under the Open Government Licence v3.0")));
    QVERIFY(uk.attribution.contains(QStringLiteral("Office for National Statistics")));

    const PriceIndex deu = shipped(QStringLiteral("WB-DEU"));
    QCOMPARE(
        deu.values.value(2022),
        rawRow(QStringLiteral("world-annual-inflation.csv"), QStringLiteral("Germany,DEU,2022,")).value(3).toDouble());
    QCOMPARE(deu.country, QStringLiteral("DE"));
    QVERIFY(deu.attribution.contains(QStringLiteral("World Bank, World Development Indicators")));
}

void tst_PriceIndex::shippedCatalogue()
{
    const QStringList names = storage::shippedPriceIndexNames();
    QVERIFY(names.contains(QStringLiteral("US-CPI-U")));
    QVERIFY(names.contains(QStringLiteral("UK-CPI")));
    QVERIFY(names.contains(QStringLiteral("WB-DEU")));
    QVERIFY(names.size() > 200);
    QVERIFY(storage::isShippedPriceIndex(QStringLiteral("us-cpi-u")));
    // Bahamas' name carries a comma in the table's quotes.
    QCOMPARE(shipped(QStringLiteral("WB-BHS")).title, QStringLiteral("Bahamas, The (World Bank)"));
    PriceIndex none;
    QString error;
    QVERIFY(!storage::loadPriceIndex(QStringLiteral("NO-SUCH"), none, error));
    QCOMPARE(error, QStringLiteral("There is no price index named NO-SUCH."));
}

void tst_PriceIndex::defaultSeriesByCountry_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("series");
    QTest::newRow("US monthly") << "US"
                                << "US-CPI-U";
    QTest::newRow("GB monthly before annual") << "GB"
                                              << "UK-CPI";
    QTest::newRow("DE national monthly") << "DE"
                                         << "DE-CPI";
    QTest::newRow("lower case") << "fr"
                                << "FR-CPI";
    QTest::newRow("KE annual") << "KE"
                               << "WB-KEN";
    QTest::newRow("no series for AQ") << "AQ"
                                      << "US-CPI-U";
    QTest::newRow("no country") << ""
                                << "US-CPI-U";
}

void tst_PriceIndex::defaultSeriesByCountry()
{
    QFETCH(QString, country);
    QFETCH(QString, series);
    QCOMPARE(storage::defaultPriceIndexName(country), series);
}

// Each period and number is a sentence of its own: every one reads as it always has.
void tst_PriceIndex::revisionText_data()
{
    QTest::addColumn<PriceIndex::Kind>("kind");
    QTest::addColumn<int>("changed");
    QTest::addColumn<double>("largest");
    QTest::addColumn<QString>("text");
    using K = PriceIndex::Kind;
    QTest::newRow("no month") << K::Monthly << 0 << -1.0 << "0 past months changed";
    QTest::newRow("one month") << K::Monthly << 1 << -1.0 << "1 past month changed";
    QTest::newRow("months and a rate") << K::Monthly << 3 << 0.354
                                       << "3 past months changed; a rate over 12 months changed by up to 0.35 points";
    QTest::newRow("one quarter") << K::Quarterly << 1 << 0.0
                                 << "1 past quarter changed; a rate over 12 months changed by up to 0.00 points";
    QTest::newRow("quarters") << K::Quarterly << 2 << -1.0 << "2 past quarters changed";
    QTest::newRow("one year") << K::Annual << 1 << -1.0 << "1 past year changed";
    QTest::newRow("years") << K::Annual << 12 << 1.5
                           << "12 past years changed; a rate over 12 months changed by up to 1.50 points";
}

void tst_PriceIndex::revisionText()
{
    QFETCH(PriceIndex::Kind, kind);
    QFETCH(int, changed);
    QFETCH(double, largest);
    QFETCH(QString, text);
    PriceIndexRevision revision;
    revision.changed = changed;
    revision.largestRateChange = largest;
    QCOMPARE(revision.text(kind), text);
}

void tst_PriceIndex::seriesFileRoundTripAndDamage()
{
    PriceIndex index = monthlySeries({{PriceIndex::monthKey(2020, 1), 100.5}, {PriceIndex::monthKey(2020, 3), 101}});
    index.country = QStringLiteral("CA");
    index.source = QStringLiteral("line\nbreak");
    const QByteArray text = index.toText();
    QCOMPARE(text, QByteArray("# Plumbline price index\nname: TEST-MONTHLY\ntitle: Test monthly\ncountry: CA\n"
                              "kind: monthly\nunit: \nsource: line break\nattribution: \ndata:\n"
                              "2020-01 100.5\n2020-03 101\n"));
    PriceIndex back;
    QString error;
    QVERIFY2(PriceIndex::fromText(text, back, error), qPrintable(error));
    QCOMPARE(back.values, index.values);
    QCOMPARE(back.country, QStringLiteral("CA"));

    // A year before 1000, which an edited file may hold, is written back as the reader takes it.
    const PriceIndex early = annualSeries({{980, 1.5}, {1961, 2.25}});
    QVERIFY(early.toText().endsWith("data:\n0980 1.5\n1961 2.25\n"));
    QVERIFY2(PriceIndex::fromText(early.toText(), back, error), qPrintable(error));
    QCOMPARE(back.values, early.values);

    QVERIFY(!PriceIndex::fromText(QByteArray(text).replace("2020-03 101", "2020-13 101"), back, error));
    QCOMPARE(error, QStringLiteral("line 11: \"2020-13 101\" is not a period and a value"));
    QVERIFY(!PriceIndex::fromText(QByteArray(text).replace("2020-03 101", "2020-01 101"), back, error));
    QCOMPARE(error, QStringLiteral("line 11: 2020-01 appears twice"));
    QVERIFY(!PriceIndex::fromText(QByteArray(text).replace("101\n", "-4\n"), back, error));
    QVERIFY(!PriceIndex::fromText(QByteArray(text).replace("kind: monthly\n", ""), back, error));
    QCOMPARE(error, QStringLiteral("not a price index file (name, kind or data missing)"));
    QVERIFY(!PriceIndex::fromText(QByteArray("\xff\xfe garbage"), back, error));
}

void tst_PriceIndex::conversionScriptReproducesShippedFiles()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty() || !QFile::exists(QStringLiteral("/usr/share/iso-codes/json/iso_3166-1.json")))
        QSKIP("python3 or iso-codes missing");
    QProcess script;
    script.start(python,
                 {QStringLiteral(PLUMBLINE_SOURCE_DIR "/scripts/convert-price-indexes.py"), QStringLiteral("--check")});
    QVERIFY(script.waitForFinished(120000));
    QVERIFY2(script.exitCode() == 0, script.readAllStandardOutput().constData());
}

QTEST_GUILESS_MAIN(tst_PriceIndex)
#include "tst_priceindex.moc"
