// The chart's figures and axis arithmetic: the series against plumbline-export, ranges that
// hold every point, tick choice over a month, a year and fifty years, empty states, the
// carried and skipped records, the per-column thinning of long histories, and the band split
// where the Current Amount and AFI lines cross (falling prices).
#include "core/chartaxes.h"
#include "core/chartband.h"
#include "core/chartseries.h"
#include "core/plmainmod.h"
#include "storage/chartload.h"

#include "datafiles.h"
#include "tempdatafolder.h"

#include <QDate>
#include <QtTest>

#include <cmath>

using namespace chartaxes;

namespace {

double serialOf(int y, int m, int d)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(y, m, d)));
}

ChartPoint point(int record, double serial, double original, double current, PointState state, double afi = 0)
{
    ChartPoint p;
    p.record = record;
    p.date = Date(serial);
    p.original = Currency::fromDouble(original);
    p.current = Currency::fromDouble(current);
    p.currentAfi = Currency::fromDouble(afi);
    p.state = state;
    return p;
}

QString iso(Date date)
{
    return date.toQDate().toString(Qt::ISODate);
}

// "x/current/afi" per point, so a band's parts read as one line: "L 0/100/90 5/100/100; G ...".
QString bandText(const std::vector<chartband::BandPart> &parts)
{
    QStringList out;
    for (const chartband::BandPart &part : parts) {
        QStringList points;
        for (const chartband::BandPoint &p : part.points)
            points << QStringLiteral("%1/%2/%3")
                          .arg(QString::number(p.x, 'g', 10), QString::number(p.current, 'g', 10),
                               QString::number(p.afi, 'g', 10));
        out << (part.side == chartband::Side::Loss ? QStringLiteral("L ") : QStringLiteral("G ")) +
                   points.join(QLatin1Char(' '));
    }
    return out.join(QStringLiteral("; "));
}

} // namespace

class tst_ChartSeries : public QObject
{
    Q_OBJECT

private slots:
    void init() { modPlMainMod::ResetAll(); }

    void seriesMatchesExport();
    void loadKeepsSharedStateAndReportsDamage();
    void missingHistoryHasNoPoints();

    void emptiness_data();
    void emptiness();
    void carriedAndSkippedMarking();
    void amountRangeHoldsEveryDrawnAmount();

    void dateTicks_data();
    void dateTicks();
    void dateAxisHoldsEveryRecord();
    void amountTicks_data();
    void amountTicks();

    void reductionKeepsExtremesPerColumn();
    void reductionIsBoundedByColumns();

    void bandSplitsWhereTheLinesCross_data();
    void bandSplitsWhereTheLinesCross();
    void lossAndGainRecordsOfAHistory();
};

// Records with a rate, without a rate (carried), and with an amount at or below 0 (skipped),
// of two interleaved investments.
void tst_ChartSeries::seriesMatchesExport()
{
    testing::TempDataFolder folder;
    QVERIFY(folder.isValid());
    QByteArray invest = testing::recordBytes(1, "Growth Fund", "First Bank");
    invest += testing::recordBytes(2, "Bond", "Second Bank");
    QVERIFY(folder.writeBytes(storage::InvestFileName, invest));
    const QByteArray history = "1,#2001-01-02#,10000,10000,0\r\n"
                               "2,#2001-06-30#,2500,2500,0\r\n"
                               "1,#2002-01-02#,10000,10800,1.6\r\n"
                               "1,#2003-01-02#,10000,11200,0\r\n" // carried
                               "2,#2002-06-30#,2500,2562.5,2.1\r\n"
                               "1,#2004-01-02#,10000,0,2.5\r\n"  // skipped
                               "1,#2005-01-02#,-5,9000,1.25\r\n" // skipped
                               "1,#2006-01-02#,10000,12500.55,3.3\r\n"
                               "2,#2003-06-30#,2500,2400,-0.5\r\n"
                               "1,#2007-01-02#,12000,12100,0\r\n"           // carried
                               "1,#2008-01-02#,12000,12500,1.23456789\r\n"; // past seven digits
    QVERIFY(folder.writeBytes(storage::HistFileName, history));

    const testing::ToolRun run =
        testing::runTool(QStringLiteral(PLUMBLINE_EXPORT_BIN), {QStringLiteral("--data-dir"), folder.dir()});
    QCOMPARE(run.exitCode, 0);
    QList<QByteArray> rows = run.out.split('\n');
    rows.removeFirst(); // header
    int checked = 0;
    int carried = 0;
    int skipped = 0;
    for (int investment : {1, 2}) {
        const ChartSeries series = storage::loadChartSeries(folder.path(storage::HistFileName), investment);
        QList<QStringList> expected;
        for (const QByteArray &row : std::as_const(rows)) {
            const QStringList fields = QString::fromUtf8(row.trimmed()).split(QLatin1Char(','));
            if (fields.size() == 13 && fields[0].toInt() == investment)
                expected << fields;
        }
        QCOMPARE(int(series.size()), int(expected.size()));
        for (int i = 0; i < expected.size(); ++i) {
            const ChartPoint &p = series.points()[std::size_t(i)];
            const QStringList &e = expected[i];
            QCOMPARE(QString::number(p.record), e[3]);
            QCOMPARE(iso(p.date), e[4]);
            QCOMPARE(p.original.toPlainString(), e[5]);
            QCOMPARE(p.current.toPlainString(), e[6]);
            QCOMPARE(p.incDec.toPlainString(), e[7]);
            QCOMPARE(p.profitLoss.toPlainString(), e[8]);
            QCOMPARE(singleToText(p.rate), e[9]);
            QCOMPARE(p.lossToInfl.toPlainString(), e[10]);
            QCOMPARE(p.currentAfi.toPlainString(), e[11]);
            QCOMPARE(p.profitLossAfi.toPlainString(), e[12]);
            const bool amountsAbove0 = p.original.units() > 0 && p.current.units() > 0;
            const PointState state = !amountsAbove0   ? PointState::Skipped
                                     : p.rate != 0.0f ? PointState::Computed
                                                      : PointState::Carried;
            QCOMPARE(int(p.state), int(state));
            carried += p.state == PointState::Carried;
            skipped += p.state == PointState::Skipped;
            ++checked;
        }
    }
    QCOMPARE(checked, 11);
    QCOMPARE(carried, 4); // two first records without a rate, two later ones
    QCOMPARE(skipped, 2);
}

void tst_ChartSeries::loadKeepsSharedStateAndReportsDamage()
{
    testing::TempDataFolder folder;
    QVERIFY(folder.writeBytes(storage::HistFileName, testing::ExampleHistory + "1,#2003-01-02,10000,1,1\r\n"));
    using namespace modPlMainMod;
    curCurAmntAFI = Currency::fromWhole(777);
    curPrevAmount = Currency::fromWhole(5);
    sngInflRate = 4.5f;
    intHistInvestNum = 9;
    bool raised = false;
    try {
        storage::loadChartSeries(folder.path(storage::HistFileName), 1);
    } catch (const storage::ChartLoadError &failure) {
        raised = true;
        QCOMPARE(failure.line, 5LL);
        QVERIFY(failure.error.number() != 0);
    }
    QVERIFY(raised);
    QVERIFY(!storage::isOpen(2));
    QCOMPARE(curCurAmntAFI, Currency::fromWhole(777));
    QCOMPARE(curPrevAmount, Currency::fromWhole(5));
    QCOMPARE(sngInflRate, 4.5f);
    QCOMPARE(int(intHistInvestNum), 9);

    // The load reads with a handle of its own: a pass of the window's that holds file number 2
    // part way through the history is neither needed nor disturbed.
    QVERIFY(folder.writeBytes(storage::HistFileName, testing::ExampleHistory));
    storage::open(2, folder.path(storage::HistFileName), storage::OpenMode::Input);
    storage::inputHistRecord(2);
    QCOMPARE(int(storage::loadChartSeries(folder.path(storage::HistFileName), 1).size()), 2);
    QVERIFY(storage::isOpen(2));
    storage::inputHistRecord(2);
    QCOMPARE(int(intHistInvestNum), 2);
    QCOMPARE(storage::lineNumber(2), 2LL);
    storage::close(2);
    QCOMPARE(curCurAmntAFI, Currency::fromWhole(777));
}

void tst_ChartSeries::missingHistoryHasNoPoints()
{
    testing::TempDataFolder folder;
    const ChartSeries series = storage::loadChartSeries(folder.path(storage::HistFileName), 1);
    QVERIFY(series.isEmpty());
    QCOMPARE(int(series.emptiness()), int(ChartSeries::Emptiness::NoRecords));
}

void tst_ChartSeries::emptiness_data()
{
    QTest::addColumn<QList<int>>("states"); // PointState per record
    QTest::addColumn<int>("emptiness");
    QTest::newRow("no records") << QList<int>{} << int(ChartSeries::Emptiness::NoRecords);
    QTest::newRow("all skipped") << QList<int>{2, 2} << int(ChartSeries::Emptiness::NoAmounts);
    QTest::newRow("no rate yet") << QList<int>{1, 1, 2} << int(ChartSeries::Emptiness::NoAfi);
    QTest::newRow("one computed") << QList<int>{1, 0} << int(ChartSeries::Emptiness::None);
    QTest::newRow("single record") << QList<int>{0} << int(ChartSeries::Emptiness::None);
}

void tst_ChartSeries::emptiness()
{
    QFETCH(QList<int>, states);
    QFETCH(int, emptiness);
    ChartSeries series;
    for (int i = 0; i < states.size(); ++i)
        series.append(point(i + 1, 40000 + i * 30, 100, 110, PointState(states[i]), 105));
    QCOMPARE(int(series.emptiness()), emptiness);
}

void tst_ChartSeries::carriedAndSkippedMarking()
{
    // Carried before the first rate: no AFI to draw yet; carried after it: the AFI of before.
    ChartSeries series;
    series.append(point(1, 40000, 100, 100, PointState::Carried));
    series.append(point(2, 40030, 100, 110, PointState::Computed, 108));
    series.append(point(3, 40060, 100, 0, PointState::Skipped, 108));
    series.append(point(4, 40090, 100, 120, PointState::Carried, 108));
    QVERIFY(!series.hasAfi(0));
    QVERIFY(series.hasAfi(1));
    QVERIFY(!series.hasAfi(2));
    QVERIFY(series.hasAfi(3));
    QVERIFY(series.isDrawn(0));
    QVERIFY(!series.isDrawn(2));
    QCOMPARE(series.nearestPoint(40061), 2);
    QCOMPARE(series.nearestPoint(39000), 0);
    QCOMPARE(series.nearestPoint(50000), 3);

    series.setInvestment(3, QStringLiteral("Savings    "), QStringLiteral("  Credit Union  "));
    QCOMPARE(series.caption(), QStringLiteral("Savings, Credit Union"));
    series.setInvestment(3, QStringLiteral("   "), QStringLiteral("Credit Union"));
    QCOMPARE(series.caption(), QStringLiteral("Credit Union"));
}

void tst_ChartSeries::amountRangeHoldsEveryDrawnAmount()
{
    ChartSeries series;
    series.append(point(1, 40000, 1000, 1200, PointState::Carried));        // AFI 0 not drawn
    series.append(point(2, 40030, 1000, 900, PointState::Computed, 850.5)); // lowest: AFI
    series.append(point(3, 40060, -50, 99999, PointState::Skipped, 850.5)); // not drawn at all
    series.append(point(4, 40090, 1000, 1500.25, PointState::Carried, 850.5));
    const ValueRange range = series.amountRange();
    QCOMPARE(range.min, 850.5);
    QCOMPARE(range.max, 1500.25);
    const AmountAxis axis = amountAxis(range, 6);
    QVERIFY(axis.range.contains(range.min) && axis.range.contains(range.max));
    const ValueRange dates = series.dateRange();
    QCOMPARE(dates.min, 40000.0);
    QCOMPARE(dates.max, 40090.0);
}

void tst_ChartSeries::dateTicks_data()
{
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("last");
    QTest::addColumn<int>("maxTicks");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("firstTick");
    QTest::addColumn<QString>("lastTick");
    QTest::addColumn<int>("count");

    const int month = int(DateUnit::Month), quarter = int(DateUnit::Quarter), year = int(DateUnit::Year);
    QTest::newRow("one day") << serialOf(2020, 5, 17) << serialOf(2020, 5, 17) << 8 << month << 1 << "2020-05-01"
                             << "2020-06-01" << 2;
    QTest::newRow("a month") << serialOf(2020, 1, 5) << serialOf(2020, 2, 3) << 8 << month << 1 << "2020-01-01"
                             << "2020-03-01" << 3;
    QTest::newRow("a year, wide") << serialOf(2020, 1, 15) << serialOf(2020, 12, 15) << 14 << month << 1 << "2020-01-01"
                                  << "2021-01-01" << 13;
    QTest::newRow("a year, narrow") << serialOf(2020, 1, 15) << serialOf(2020, 12, 15) << 8 << quarter << 3
                                    << "2020-01-01"
                                    << "2021-01-01" << 5;
    QTest::newRow("a year, very narrow") << serialOf(2020, 1, 15) << serialOf(2020, 12, 15) << 3 << quarter << 6
                                         << "2020-01-01"
                                         << "2021-01-01" << 3;
    QTest::newRow("five years") << serialOf(2018, 3, 1) << serialOf(2022, 10, 1) << 8 << year << 12 << "2018-01-01"
                                << "2023-01-01" << 6;
    QTest::newRow("fifty years") << serialOf(1975, 3, 15) << serialOf(2025, 6, 1) << 8 << year << 120 << "1980-01-01"
                                 << "2020-01-01" << 5;
    QTest::newRow("fifty years, wide") << serialOf(1975, 3, 15) << serialOf(2025, 6, 1) << 12 << year << 60
                                       << "1975-01-01"
                                       << "2025-01-01" << 11;
    QTest::newRow("before 1899") << serialOf(1850, 7, 1) << serialOf(1851, 2, 1) << 10 << month << 1 << "1850-07-01"
                                 << "1851-03-01" << 9;
}

void tst_ChartSeries::dateTicks()
{
    QFETCH(double, first);
    QFETCH(double, last);
    QFETCH(int, maxTicks);
    QFETCH(int, unit);
    QFETCH(int, step);
    QFETCH(QString, firstTick);
    QFETCH(QString, lastTick);
    QFETCH(int, count);
    const DateAxis axis = dateAxis(ValueRange{first, last}, maxTicks);
    QCOMPARE(int(axis.unit), unit);
    QCOMPARE(axis.stepMonths, step);
    QCOMPARE(int(axis.ticks.size()), count);
    QVERIFY(int(axis.ticks.size()) <= maxTicks);
    QCOMPARE(iso(Date(axis.ticks.front().serial)), firstTick);
    QCOMPARE(iso(Date(axis.ticks.back().serial)), lastTick);
    for (const DateTick &tick : axis.ticks) {
        QCOMPARE(tick.serial, serialOf(tick.year, tick.month, 1));
        QVERIFY(axis.range.contains(tick.serial));
        QCOMPARE((tick.year * 12 + tick.month - 1) % step, 0);
    }
    QVERIFY(axis.range.contains(first));
    QVERIFY(axis.range.contains(last));
}

void tst_ChartSeries::dateAxisHoldsEveryRecord()
{
    // Every span from a day to two centuries, at every label room from 2 to 20.
    for (int days : {0, 1, 27, 31, 95, 364, 366, 800, 3650, 18262, 73000}) {
        for (int room = 2; room <= 20; ++room) {
            const double first = serialOf(1990, 2, 28);
            const DateAxis axis = dateAxis(ValueRange{first, first + days}, room);
            QVERIFY2(axis.range.contains(first) && axis.range.contains(first + days),
                     qPrintable(QStringLiteral("%1 days, %2 ticks").arg(days).arg(room)));
            QVERIFY(int(axis.ticks.size()) <= room);
            QVERIFY(!axis.ticks.empty());
        }
    }
}

void tst_ChartSeries::amountTicks_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("maxTicks");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::newRow("thousands") << 9820.0 << 12500.55 << 6 << 1000.0 << 9000.0 << 13000.0;
    QTest::newRow("thousands, tall") << 9820.0 << 12500.55 << 8 << 500.0 << 9500.0 << 13000.0;
    QTest::newRow("one value") << 10000.0 << 10000.0 << 6 << 500.0 << 9000.0 << 11000.0;
    QTest::newRow("cents") << 1.0 << 1.03 << 5 << 0.01 << 1.0 << 1.03;
    QTest::newRow("negative afi") << -1200.0 << 800.0 << 5 << 500.0 << -1500.0 << 1000.0;
    QTest::newRow("millions") << 250000.0 << 3100000.0 << 8 << 500000.0 << 0.0 << 3500000.0;
    QTest::newRow("zero only") << 0.0 << 0.0 << 4 << 0.5 << -1.0 << 1.0;
}

void tst_ChartSeries::amountTicks()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, maxTicks);
    QFETCH(double, step);
    QFETCH(double, from);
    QFETCH(double, to);
    const AmountAxis axis = amountAxis(ValueRange{low, high}, maxTicks);
    QCOMPARE(axis.step, step);
    QCOMPARE(axis.range.min, from);
    QCOMPARE(axis.range.max, to);
    QVERIFY(axis.range.contains(low) && axis.range.contains(high));
    QVERIFY(int(axis.ticks.size()) - 1 <= maxTicks);
    QCOMPARE(axis.ticks.front(), from);
    QCOMPARE(axis.ticks.back(), to);
}

void tst_ChartSeries::reductionKeepsExtremesPerColumn()
{
    //            column 0          | column 1      | column 2
    const std::vector<double> x{0.1, 0.3, 0.5, 0.7, 0.9, 1.2, 1.8, 2.5};
    const std::vector<double> y{5, 9, 1, 4, 6, 3, 3, 7};
    const std::vector<int> kept = reduceToColumns(x, y);
    // Column 0: first 0, highest 1, lowest 2, last 4; column 1: first and last; column 2: its one point.
    QCOMPARE(kept, (std::vector<int>{0, 1, 2, 4, 5, 6, 7}));
}

void tst_ChartSeries::reductionIsBoundedByColumns()
{
    // 10,000 records over 300 columns: at most four points a column, extremes kept.
    std::vector<double> x;
    std::vector<double> y;
    for (int i = 0; i < 10000; ++i) {
        x.push_back(i * 300.0 / 10000);
        y.push_back(std::sin(i * 0.37) * 1000 + (i == 4321 ? 5000 : 0) - (i == 777 ? 5000 : 0));
    }
    const std::vector<int> kept = reduceToColumns(x, y);
    QVERIFY(kept.size() <= 4 * 300);
    QVERIFY(kept.size() >= 300);
    QVERIFY(std::is_sorted(kept.begin(), kept.end()));
    QCOMPARE(kept.front(), 0);
    QCOMPARE(kept.back(), 9999);
    QVERIFY(std::find(kept.begin(), kept.end(), 4321) != kept.end());
    QVERIFY(std::find(kept.begin(), kept.end(), 777) != kept.end());
}

void tst_ChartSeries::bandSplitsWhereTheLinesCross_data()
{
    QTest::addColumn<QList<QList<double>>>("run"); // x, current, afi per record
    QTest::addColumn<QString>("parts");
    using Run = QList<QList<double>>;
    QTest::newRow("inflation throughout") << Run{{0, 100, 90}, {10, 110, 95}} << QStringLiteral("L 0/100/90 10/110/95");
    QTest::newRow("falling prices throughout")
        << Run{{0, 100, 101}, {10, 110, 120}} << QStringLiteral("G 0/100/101 10/110/120");
    QTest::newRow("crossing halfway") << Run{{0, 100, 90}, {10, 100, 110}}
                                      << QStringLiteral("L 0/100/90 5/100/100; G 5/100/100 10/100/110");
    // Current rises 30 while the AFI falls 4: they meet 4/34 of the way.
    QTest::newRow("crossing off centre")
        << Run{{0, 100, 104}, {34, 130, 100}}
        << QStringLiteral("G 0/100/104 4/103.5294118/103.5294118; L 4/103.5294118/103.5294118 34/130/100");
    QTest::newRow("meeting on a record") << Run{{0, 100, 90}, {10, 100, 100}, {20, 100, 110}}
                                         << QStringLiteral("L 0/100/90 10/100/100; G 10/100/100 20/100/110");
    QTest::newRow("touching and turning back")
        << Run{{0, 100, 90}, {10, 100, 100}, {20, 100, 95}} << QStringLiteral("L 0/100/90 10/100/100 20/100/95");
    QTest::newRow("starting even") << Run{{0, 100, 100}, {10, 100, 100}, {20, 100, 90}}
                                   << QStringLiteral("L 0/100/100 10/100/100 20/100/90");
    QTest::newRow("even throughout: no band") << Run{{0, 100, 100}, {10, 120, 120}} << QString();
    QTest::newRow("one record") << Run{{0, 100, 104}} << QStringLiteral("G 0/100/104");
    // File order need not rise in date: the lines run back, and so does the crossing.
    QTest::newRow("dates running back") << Run{{10, 100, 90}, {0, 100, 110}}
                                        << QStringLiteral("L 10/100/90 5/100/100; G 5/100/100 0/100/110");
    QTest::newRow("back and forth") << Run{{0, 100, 98}, {10, 100, 102}, {20, 100, 98}, {30, 100, 98}, {40, 100, 102}}
                                    << QStringLiteral(
                                           "L 0/100/98 5/100/100; G 5/100/100 10/100/102 15/100/100; "
                                           "L 15/100/100 20/100/98 30/100/98 35/100/100; G 35/100/100 40/100/102");
}

void tst_ChartSeries::bandSplitsWhereTheLinesCross()
{
    QFETCH(QList<QList<double>>, run);
    QFETCH(QString, parts);
    std::vector<chartband::BandPoint> points;
    for (const QList<double> &p : std::as_const(run))
        points.push_back({p[0], p[1], p[2]});
    const std::vector<chartband::BandPart> split = chartband::splitBand(points);
    QCOMPARE(bandText(split), parts);
    // A crossing lies on both lines: equal amounts, and on the straight line between records.
    for (const chartband::BandPart &part : split) {
        QVERIFY(part.points.size() >= 1);
        if (part.side == chartband::Side::Gain) {
            for (const chartband::BandPoint &p : part.points)
                QVERIFY(p.afi >= p.current);
        } else {
            for (const chartband::BandPoint &p : part.points)
                QVERIFY(p.afi <= p.current);
        }
    }
}

// Negative rates (prices falling) lift the AFI above the Current Amount; carried records
// count with the AFI they carry, skipped ones and those before the first rate not at all.
void tst_ChartSeries::lossAndGainRecordsOfAHistory()
{
    testing::TempDataFolder folder;
    QVERIFY(folder.writeBytes(storage::HistFileName, "1,#2001-01-02#,1000,1000,0\r\n"    // no AFI yet
                                                     "1,#2002-01-02#,1000,1000,2\r\n"    // AFI 980: loss
                                                     "1,#2003-01-02#,1000,1000,-4\r\n"   // AFI 1020: gain
                                                     "1,#2004-01-02#,1000,0,-4\r\n"      // skipped
                                                     "1,#2005-01-02#,1000,1010,0\r\n"    // carried 1020: gain
                                                     "1,#2006-01-02#,1000,1030,0\r\n")); // carried 1020: loss
    const ChartSeries series = storage::loadChartSeries(folder.path(storage::HistFileName), 1);
    QCOMPARE(int(series.size()), 6);
    QCOMPARE(series.points()[1].currentAfi, Currency::fromWhole(980));
    QCOMPARE(series.points()[2].currentAfi, Currency::fromWhole(1020));
    QCOMPARE(int(series.points()[4].state), int(PointState::Carried));
    QCOMPARE(series.points()[4].currentAfi, Currency::fromWhole(1020));
    QCOMPARE(int(series.lossRecords()), 2);
    QCOMPARE(int(series.gainRecords()), 2);
    ChartSeries cleared = series;
    cleared.clear();
    QCOMPARE(int(cleared.lossRecords() + cleared.gainRecords()), 0);
}

QTEST_GUILESS_MAIN(tst_ChartSeries)
#include "tst_chartseries.moc"
