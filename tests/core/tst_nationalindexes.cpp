// The national and euro-area series shipped from the BIS, Eurostat and FRED tables: their
// figures against the raw tables, quarterly series, gaps, provisional months, the series a
// locale gets, plumbline-index on them, and the credit lines in the notices.
#include "core/priceindex.h"
#include "storage/priceindexchoice.h"
#include "storage/priceindexstore.h"
#include "tempdatafolder.h"

#include <QFile>
#include <QHash>
#include <QProcess>
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

// One CSV line's fields; a quoted field may hold commas ("Index, 2010 = 100").
QStringList csvFields(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char(',') && !quoted)
            fields << std::exchange(field, QString());
        else
            field += c;
    }
    fields << field;
    return fields;
}

// The BIS table's monthly index row of an economy, column title to cell.
QHash<QString, QString> bisRow(const QString &area)
{
    QFile f(RawFolder + QStringLiteral("bis-consumer-prices-long.csv"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QStringList header = csvFields(QString::fromUtf8(f.readLine()).trimmed());
    while (!f.atEnd()) {
        const QStringList row = csvFields(QString::fromUtf8(f.readLine()).trimmed());
        QHash<QString, QString> cells;
        for (int i = 0; i < header.size() && i < row.size(); ++i)
            cells.insert(header.at(i), row.at(i));
        if (cells.value(QStringLiteral("FREQ")) == QLatin1String("M") &&
            cells.value(QStringLiteral("UNIT_MEASURE")) == QLatin1String("628") &&
            cells.value(QStringLiteral("REF_AREA")) == area)
            return cells;
    }
    return {};
}

int monthOf(const QString &period)
{
    return PriceIndex::monthKey(period.left(4).toInt(), period.mid(5, 2).toInt());
}

QString rateText(double from, double to)
{
    return hundredthsText(roundPercentToHundredths((to / from - 1.0) * 100.0));
}

QByteArray runTool(const QStringList &args, QByteArray *err = nullptr, int *exitCode = nullptr)
{
    QProcess tool;
    tool.start(QStringLiteral(PLUMBLINE_INDEX_BIN), args);
    if (!tool.waitForFinished(60000))
        return "did not finish";
    if (err)
        *err = tool.readAllStandardError();
    if (exitCode)
        *exitCode = tool.exitCode();
    return tool.readAllStandardOutput();
}

} // namespace

class tst_NationalIndexes : public QObject
{
    Q_OBJECT

private slots:
    void twelveMonthRatesFromTheTable_data();
    void twelveMonthRatesFromTheTable();
    void coverageAsInTheTables_data();
    void coverageAsInTheTables();
    void gapsStayGaps_data();
    void gapsStayGaps();
    void quarterlySeries_data();
    void quarterlySeries();
    void provisionalNewestFigures_data();
    void provisionalNewestFigures();
    void hicpFromEurostatAndFred();
    void usAndUkKeepTheirOffices();
    void fredFileImportsAsShipped();
    void localeDefaults_data();
    void localeDefaults();
    void finerSeriesOfACountry_data();
    void finerSeriesOfACountry();
    void quarterlySeriesFile();
    void toolOnTheNewSeries();
    void creditLinesInTheNotices();

private:
    testing::TempDataFolder m_folder;
};

void tst_NationalIndexes::twelveMonthRatesFromTheTable_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("text");
    // The euro area's 9.2 % and Canada's 6.3 % of 2022, to two decimals from the index ratio.
    QTest::newRow("euro area 2022") << "XM"
                                    << "EA-HICP"
                                    << "2021-12"
                                    << "2022-12"
                                    << "9.21";
    QTest::newRow("Canada 2022") << "CA"
                                 << "CA-CPI"
                                 << "2021-12"
                                 << "2022-12"
                                 << "6.32";
    QTest::newRow("Germany 2022") << "DE"
                                  << "DE-CPI"
                                  << "2021-12"
                                  << "2022-12"
                                  << "8.12";
    // 5.84 from the rebased index, where INSEE published 5.9: the ratio is the rule.
    QTest::newRow("France 2022") << "FR"
                                 << "FR-CPI"
                                 << "2021-12"
                                 << "2022-12"
                                 << "5.84";
    QTest::newRow("Japan to mid 2023") << "JP"
                                       << "JP-CPI"
                                       << "2022-06"
                                       << "2023-06"
                                       << "3.34";
    QTest::newRow("Switzerland near 0") << "CH"
                                        << "CH-CPI"
                                        << "2024-04"
                                        << "2025-04"
                                        << "0.03";
    QTest::newRow("Turkey 2022") << "TR"
                                 << "TR-CPI"
                                 << "2022-01"
                                 << "2023-01"
                                 << "57.68";
}

void tst_NationalIndexes::twelveMonthRatesFromTheTable()
{
    QFETCH(QString, area);
    QFETCH(QString, series);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, text);
    const QHash<QString, QString> raw = bisRow(area);
    QVERIFY2(!raw.isEmpty(), qPrintable(area));
    const PriceIndex index = shipped(series);
    QCOMPARE(index.values.value(monthOf(from)), raw.value(from).toDouble());
    QCOMPARE(index.values.value(monthOf(to)), raw.value(to).toDouble());
    QCOMPARE(rateText(raw.value(from).toDouble(), raw.value(to).toDouble()), text);
    // Any day of the months gives the months' rate.
    const PriceIndex::RateResult rate = index.rate(QDate(from.left(4).toInt(), from.mid(5).toInt(), 28),
                                                   QDate(to.left(4).toInt(), to.mid(5).toInt(), 1));
    QVERIFY2(rate.ok, qPrintable(rate.reason));
    QCOMPARE(rate.text(), text);
    QVERIFY(!rate.provisional);
    QCOMPARE(index.unit, QStringLiteral("index, 2010 = 100"));
}

void tst_NationalIndexes::coverageAsInTheTables_data()
{
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("coverage");
    QTest::addColumn<QString>("title");
    QTest::newRow("euro area") << "EA-HICP"
                               << "monthly"
                               << "1990-01 to 2026-04"
                               << "Euro area HICP";
    QTest::newRow("Germany") << "DE-CPI"
                             << "monthly"
                             << "1949-01 to 2026-04"
                             << "Germany CPI";
    QTest::newRow("Japan starts in August") << "JP-CPI"
                                            << "monthly"
                                            << "1946-08 to 2026-04"
                                            << "Japan CPI";
    QTest::newRow("Finland ends in February") << "FI-CPI"
                                              << "monthly"
                                              << "1952-01 to 2026-02"
                                              << "Finland CPI";
    QTest::newRow("Netherlands ends in March") << "NL-CPI"
                                               << "monthly"
                                               << "1965-01 to 2026-03"
                                               << "Netherlands CPI";
    QTest::newRow("Australia quarterly") << "AU-CPI"
                                         << "quarterly"
                                         << "1922-Q2 to 2026-Q1"
                                         << "Australia CPI";
    QTest::newRow("New Zealand quarterly") << "NZ-CPI"
                                           << "quarterly"
                                           << "1925-Q3 to 2026-Q1"
                                           << "New Zealand CPI";
    QTest::newRow("German HICP via FRED") << "DE-HICP"
                                          << "monthly"
                                          << "1996-01 to 2025-12"
                                          << "Germany HICP";
    QTest::newRow("Swedish HICP") << "SE-HICP"
                                  << "monthly"
                                  << "2000-01 to 2025-09"
                                  << "Sweden HICP";
}

void tst_NationalIndexes::coverageAsInTheTables()
{
    QFETCH(QString, series);
    QFETCH(QString, kind);
    QFETCH(QString, coverage);
    QFETCH(QString, title);
    const PriceIndex index = shipped(series);
    QCOMPARE(PriceIndex::kindText(index.kind), kind);
    QCOMPARE(index.coverage(), coverage);
    QCOMPARE(index.title, title);
    QVERIFY(!index.publisher.isEmpty());
    QCOMPARE(index.taken, QStringLiteral("2026-12-08"));
    QVERIFY(!index.attribution.isEmpty());
}

void tst_NationalIndexes::gapsStayGaps_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("gap");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("reason");
    // Sweden's early years are quarterly in the table, the months between NaN.
    QTest::newRow("Sweden 1918") << "SE"
                                 << "SE-CPI"
                                 << "1918-04"
                                 << "1918-03"
                                 << "1918-06"
                                 << "Sweden CPI has no value for 1918-04.";
    QTest::newRow("Norway 1926") << "NO"
                                 << "NO-CPI"
                                 << "1926-01"
                                 << "1925-12"
                                 << "1926-02"
                                 << "Norway CPI has no value for 1926-01.";
}

void tst_NationalIndexes::gapsStayGaps()
{
    QFETCH(QString, area);
    QFETCH(QString, series);
    QFETCH(QString, gap);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, reason);
    const QHash<QString, QString> raw = bisRow(area);
    QCOMPARE(raw.value(gap), QStringLiteral("NaN"));
    const PriceIndex index = shipped(series);
    QVERIFY(!index.values.contains(monthOf(gap)));
    const QDate gapDay(gap.left(4).toInt(), gap.mid(5).toInt(), 15);
    const QDate beforeDay(before.left(4).toInt(), before.mid(5).toInt(), 1);
    const QDate afterDay(after.left(4).toInt(), after.mid(5).toInt(), 1);
    for (const auto &[from, to] : {std::pair{beforeDay, gapDay}, std::pair{gapDay, afterDay}}) {
        const PriceIndex::RateResult rate = index.rate(from, to);
        QVERIFY(!rate.ok);
        QCOMPARE(rate.reason, reason);
    }
    // Across the gap the two months' levels, nothing filled in between.
    const PriceIndex::RateResult across = index.rate(beforeDay, afterDay);
    QVERIFY2(across.ok, qPrintable(across.reason));
    QCOMPARE(across.text(), rateText(raw.value(before).toDouble(), raw.value(after).toDouble()));
}

void tst_NationalIndexes::quarterlySeries_data()
{
    QTest::addColumn<QString>("series");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("text");   // empty: no rate
    QTest::addColumn<QString>("reason"); // when no rate
    QTest::newRow("within one quarter") << "AU-CPI" << QDate(2025, 10, 5) << QDate(2025, 12, 20) << ""
                                        << "Australia CPI: one quarterly value covers both dates (2025-Q4).";
    QTest::newRow("same day") << "NZ-CPI" << QDate(2024, 2, 2) << QDate(2024, 2, 2) << ""
                              << "New Zealand CPI: one quarterly value covers both dates (2024-Q1).";
    // 152.416633 / 149.464189 - 1 = 1.9754 %.
    QTest::newRow("Q3 2025 to Q1 2026") << "AU-CPI" << QDate(2025, 9, 30) << QDate(2026, 1, 1) << "1.98"
                                        << "";
    // 146.435827 / 142.021786 - 1 = 3.1080 %.
    QTest::newRow("NZ a year of quarters") << "NZ-CPI" << QDate(2024, 12, 1) << QDate(2025, 10, 31) << "3.11"
                                           << "";
    QTest::newRow("before the first quarter") << "AU-CPI" << QDate(1922, 3, 31) << QDate(1930, 1, 1) << ""
                                              << "Australia CPI starts in 1922-Q2; 1922-Q1 is before it.";
    QTest::newRow("after the last quarter") << "AU-CPI" << QDate(2025, 1, 1) << QDate(2026, 4, 1) << ""
                                            << "Australia CPI ends in 2026-Q1; 2026-Q2 is after it.";
}

void tst_NationalIndexes::quarterlySeries()
{
    QFETCH(QString, series);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, text);
    QFETCH(QString, reason);
    const PriceIndex index = shipped(series);
    QCOMPARE(index.kind, PriceIndex::Kind::Quarterly);
    const PriceIndex::RateResult rate = index.rate(from, to);
    QCOMPARE(rate.ok, !text.isEmpty());
    QCOMPARE(rate.reason, reason);
    if (rate.ok)
        QCOMPARE(rate.text(), text);

    // Each quarter holds the value the table repeats in its three months.
    const QHash<QString, QString> raw = bisRow(series.left(2));
    for (const QString &month : {QStringLiteral("2025-10"), QStringLiteral("2025-11"), QStringLiteral("2025-12")})
        QCOMPARE(index.values.value(PriceIndex::quarterKey(2025, 10)), raw.value(month).toDouble());
}

void tst_NationalIndexes::provisionalNewestFigures_data()
{
    QTest::addColumn<QString>("series");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<bool>("provisional");
    // The euro area ends in 2026-04: February to April are provisional, January is not.
    QTest::newRow("to the last month") << "EA-HICP" << QDate(2025, 4, 1) << QDate(2026, 4, 1) << true;
    QTest::newRow("to the third last") << "EA-HICP" << QDate(2025, 2, 1) << QDate(2026, 2, 1) << true;
    QTest::newRow("to the fourth last") << "EA-HICP" << QDate(2025, 1, 1) << QDate(2026, 1, 31) << false;
    QTest::newRow("within the last months") << "EA-HICP" << QDate(2026, 2, 1) << QDate(2026, 4, 1) << true;
    QTest::newRow("Finland ends sooner") << "FI-CPI" << QDate(2025, 12, 1) << QDate(2026, 1, 1) << true;
    QTest::newRow("last quarter") << "AU-CPI" << QDate(2025, 1, 1) << QDate(2026, 3, 1) << true;
    QTest::newRow("quarter before it") << "AU-CPI" << QDate(2025, 1, 1) << QDate(2025, 12, 1) << false;
    QTest::newRow("annual never") << "WB-DEU" << QDate(2023, 1, 1) << QDate(2024, 12, 31) << false;
}

void tst_NationalIndexes::provisionalNewestFigures()
{
    QFETCH(QString, series);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(bool, provisional);
    const PriceIndex::RateResult rate = shipped(series).rate(from, to);
    QVERIFY2(rate.ok, qPrintable(rate.reason));
    QCOMPARE(rate.provisional, provisional);
}

void tst_NationalIndexes::hicpFromEurostatAndFred()
{
    // Eurostat's own German figures and FRED's copy agree month by month; Sweden's are Eurostat's.
    QFile f(RawFolder + QStringLiteral("eurostat-hicp-de-se.csv"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList header = csvFields(QString::fromUtf8(f.readLine()).trimmed());
    const int geo = header.indexOf(QStringLiteral("geo"));
    const int period = header.indexOf(QStringLiteral("TIME_PERIOD"));
    const int value = header.indexOf(QStringLiteral("OBS_VALUE"));
    QVERIFY(geo >= 0 && period >= 0 && value >= 0);
    const PriceIndex germany = shipped(QStringLiteral("DE-HICP"));
    const PriceIndex sweden = shipped(QStringLiteral("SE-HICP"));
    int compared = 0;
    while (!f.atEnd()) {
        const QStringList row = csvFields(QString::fromUtf8(f.readLine()).trimmed());
        const PriceIndex &index = row.value(geo) == QLatin1String("DE") ? germany : sweden;
        QCOMPARE(index.values.value(monthOf(row.value(period))), row.value(value).toDouble());
        ++compared;
    }
    QCOMPARE(compared, 310 + 309);
    QCOMPARE(sweden.values.size(), 309);
    // FRED's file has CR LF line ends and the first of each month.
    QFile fred(RawFolder + QStringLiteral("fred-hicp-de.csv"));
    QVERIFY(fred.open(QIODevice::ReadOnly));
    QCOMPARE(fred.readLine(), QByteArray("observation_date,CP0000DEM086NEST\r\n"));
    QCOMPARE(fred.readLine(), QByteArray("1996-01-01,75.1\r\n"));
    QCOMPARE(germany.values.value(PriceIndex::monthKey(1996, 1)), 75.1);
    QCOMPARE(germany.values.size(), 360);
    QCOMPARE(germany.country, QStringLiteral("DE"));
    QVERIFY(
        germany.attribution.contains(QStringLiteral("Source: Eurostat, via FRED, Federal Reserve Bank of St. Louis")));
    QVERIFY(
        sweden.attribution.contains(QStringLiteral("Source: Eurostat, HICP - monthly data (index) (prc_hicp_midx)")));
}

void tst_NationalIndexes::usAndUkKeepTheirOffices()
{
    const QStringList names = storage::shippedPriceIndexNames();
    QVERIFY(!names.contains(QStringLiteral("US-CPI")));
    QVERIFY(!names.contains(QStringLiteral("GB-CPI")));
    QVERIFY(!names.contains(QStringLiteral("XM-CPI")));
    // 63 economies less the two, the euro area under its own name, and the two HICPs.
    int bis = 0;
    for (const QString &name : names)
        bis += shipped(name).publisher.startsWith(QLatin1String("Bank for International Settlements")) ? 1 : 0;
    QCOMPARE(bis, 61);
    QVERIFY(names.contains(QStringLiteral("DE-HICP")) && names.contains(QStringLiteral("SE-HICP")));
    const PriceIndex euro = shipped(QStringLiteral("EA-HICP"));
    QVERIFY(euro.country.isEmpty());
    QCOMPARE(euro.currency, QStringLiteral("EUR"));
}

void tst_NationalIndexes::fredFileImportsAsShipped()
{
    // The FRED download a user would import gives the figures the program ships.
    storage::PriceIndexImport result;
    QString error;
    QVERIFY2(storage::importPriceIndex(RawFolder + QStringLiteral("fred-hicp-de.csv"), QStringLiteral("my-hicp"),
                                       QStringLiteral("de"), result, error),
             qPrintable(error));
    QCOMPARE(result.series.values, shipped(QStringLiteral("DE-HICP")).values);
    QCOMPARE(result.series.taken, QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(storage::finerPriceIndexName(QStringLiteral("DE")), QStringLiteral("DE-CPI")); // imports not offered
}

void tst_NationalIndexes::localeDefaults_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("series");
    QTest::newRow("de_DE national before HICP") << "de_DE"
                                                << "DE-CPI";
    QTest::newRow("de_AT") << "de_AT"
                           << "AT-CPI";
    QTest::newRow("el_GR") << "el_GR"
                           << "GR-CPI";
    QTest::newRow("fr_FR") << "fr_FR"
                           << "FR-CPI";
    QTest::newRow("sv_SE national before HICP") << "sv_SE"
                                                << "SE-CPI";
    // Andorra and Montenegro pay in euros and have no series of their own here.
    QTest::newRow("ca_AD euro") << "ca_AD"
                                << "EA-HICP";
    QTest::newRow("sr_Latn_ME euro before the World Bank") << "sr_Latn_ME"
                                                           << "EA-HICP";
    QTest::newRow("sw_KE annual") << "sw_KE"
                                  << "WB-KEN";
    QTest::newRow("en_AU quarterly before annual") << "en_AU"
                                                   << "AU-CPI";
    QTest::newRow("en_US") << "en_US"
                           << "US-CPI-U";
    QTest::newRow("en_GB") << "en_GB"
                           << "UK-CPI";
    QTest::newRow("C") << "C"
                       << "US-CPI-U";
}

void tst_NationalIndexes::localeDefaults()
{
    QFETCH(QString, locale);
    QFETCH(QString, series);
    QCOMPARE(storage::localePriceIndexName(QLocale(locale)), series);
    // A saved choice is kept whatever the locale.
    QCOMPARE(storage::priceIndexInUse(QStringLiteral("WB-USA"), QLocale(locale)), QStringLiteral("WB-USA"));
}

void tst_NationalIndexes::finerSeriesOfACountry_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("finer");
    QTest::newRow("Germany") << "DE"
                             << "DE-CPI";
    QTest::newRow("United Kingdom") << "GB"
                                    << "UK-CPI";
    QTest::newRow("Australia") << "au"
                               << "AU-CPI";
    QTest::newRow("Kenya none") << "KE"
                                << "";
    QTest::newRow("no country") << ""
                                << "";
}

void tst_NationalIndexes::finerSeriesOfACountry()
{
    QFETCH(QString, country);
    QFETCH(QString, finer);
    QCOMPARE(storage::finerPriceIndexName(country), finer);
}

void tst_NationalIndexes::quarterlySeriesFile()
{
    PriceIndex index;
    index.name = QStringLiteral("Q-TEST");
    index.title = QStringLiteral("Quarters");
    index.kind = PriceIndex::Kind::Quarterly;
    index.publisher = QStringLiteral("Somebody");
    index.taken = QStringLiteral("2026-12-08");
    index.currency = QStringLiteral("EUR");
    index.values = {{PriceIndex::quarterKey(999, 12), 1.5}, {PriceIndex::quarterKey(2025, 1), 100}};
    const QByteArray text = index.toText();
    QCOMPARE(text, QByteArray("# Plumbline price index\nname: Q-TEST\ntitle: Quarters\ncountry: \nkind: quarterly\n"
                              "unit: \nsource: \nattribution: \npublisher: Somebody\ntaken: 2026-12-08\n"
                              "currency: EUR\ndata:\n0999-Q4 1.5\n2025-Q1 100\n"));
    PriceIndex back;
    QString error;
    QVERIFY2(PriceIndex::fromText(text, back, error), qPrintable(error));
    QCOMPARE(back.values, index.values);
    QCOMPARE(back.kind, PriceIndex::Kind::Quarterly);
    QCOMPARE(back.publisher, index.publisher);
    QCOMPARE(back.taken, index.taken);
    QCOMPARE(back.currency, index.currency);
    QCOMPARE(back.toText(), text);

    // A file written before the new fields reads, with them empty.
    const QByteArray old("# Plumbline price index\nname: Old\ntitle: Old\ncountry: CA\nkind: monthly\nunit: index\n"
                         "source: imported from x.csv\nattribution: \ndata:\n2020-01 100\n");
    QVERIFY2(PriceIndex::fromText(old, back, error), qPrintable(error));
    QVERIFY(back.publisher.isEmpty() && back.taken.isEmpty() && back.currency.isEmpty());
    QCOMPARE(back.toText(), old);

    const struct
    {
        QByteArray from, to, error;
    } damage[] = {
        {"2025-Q1 100", "2025-Q5 100", "line 14: \"2025-Q5 100\" is not a period and a value"},
        {"2025-Q1 100", "2025-01 100", "line 14: \"2025-01 100\" is not a period and a value"},
        {"2025-Q1 100", "2025-Q1 0", "line 14: \"2025-Q1 0\" is not a period and a value"},
        {"2025-Q1 100", "0999-Q4 2", "line 14: 0999-Q4 appears twice"},
        {"kind: quarterly", "kind: weekly", "line 5: unknown kind \"weekly\""},
    };
    for (const auto &d : damage) {
        QVERIFY(!PriceIndex::fromText(QByteArray(text).replace(d.from, d.to), back, error));
        QCOMPARE(error, QString::fromUtf8(d.error));
    }
}

void tst_NationalIndexes::toolOnTheNewSeries()
{
    const QStringList dataDir{QStringLiteral("--data-dir"), m_folder.dir()};
    QByteArray err;
    int code = -1;
    QCOMPARE(runTool(QStringList{QStringLiteral("rate"), QStringLiteral("2021-12"), QStringLiteral("2022-12"),
                                 QStringLiteral("--series"), QStringLiteral("EA-HICP")} +
                         dataDir,
                     &err, &code),
             QByteArray("9.21\n"));
    QCOMPARE(code, 0);
    QCOMPARE(runTool(QStringList{QStringLiteral("rate"), QStringLiteral("2025-10-05"), QStringLiteral("2025-11-30"),
                                 QStringLiteral("--series"), QStringLiteral("AU-CPI")} +
                         dataDir,
                     &err, &code),
             QByteArray());
    QCOMPARE(code, 2);
    QCOMPARE(err,
             QByteArray("plumbline-index: no rate: Australia CPI: one quarterly value covers both dates (2025-Q4).\n"));

    const QList<QByteArray> lines = runTool(QStringList{QStringLiteral("list")} + dataDir, &err, &code).split('\n');
    QCOMPARE(code, 0);
    const QByteArray bis =
        "\tindex, 2010 = 100\tBank for International Settlements (BIS), from national data\t2026-12-08";
    QVERIFY(lines.contains("AU-CPI\tquarterly\t1922-Q2 to 2026-Q1\tAU\tshipped\tAustralia CPI" + bis));
    QVERIFY(lines.contains("EA-HICP\tmonthly\t1990-01 to 2026-04\t-\tshipped\tEuro area HICP" + bis));
    QVERIFY(lines.contains("WB-DEU\tannual\t1960 to 2024\tDE\tshipped\tGermany (World Bank)\tannual % change of "
                           "consumer prices\tWorld Bank\t2026-12-07"));
    QCOMPARE(lines.size(), storage::allPriceIndexes().size() + 1); // and the empty after the last LF
}

void tst_NationalIndexes::creditLinesInTheNotices()
{
    QFile notices(QStringLiteral(PLUMBLINE_SOURCE_DIR "/THIRD-PARTY-NOTICES.md"));
    QVERIFY(notices.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(notices.readAll()).simplified();
    const QStringList credits = storage::shippedAttributions();
    QCOMPARE(credits.size(), 6);
    for (const QString &credit : credits)
        QVERIFY2(text.contains(credit), qPrintable(credit));
    QVERIFY(credits.join(QLatin1Char('\n'))
                .contains(QStringLiteral("Source: Bank for International Settlements (BIS), consumer prices "
                                         "(WS_LONG_CPI), based on national data")));
}

QTEST_GUILESS_MAIN(tst_NationalIndexes)
#include "tst_nationalindexes.moc"
