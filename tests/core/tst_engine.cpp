#include "datafiles.h"
#include "tempdatafolder.h"

#include "storage/historypass.h"
#include "storage/recordspool.h"
#include "storage/returnspass.h"

#include <QDir>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <map>
#include <thread>

#include <sys/stat.h>

namespace {

QString row(const RecordFigures &f)
{
    return QStringList{
        QString::number(f.investment),      QString::number(f.record),       QString::number(f.date.serial()),
        f.originalAmount.toPlainString(),   f.currentAmount.toPlainString(), singleToText(f.rate),
        f.incDec.toPlainString(),           f.profitLoss.toPlainString(),    f.lossToInfl.toPlainString(),
        f.currentAmountAFI.toPlainString(), f.profitLossAFI.toPlainString(), QString::number(int(f.state))}
        .join(QLatin1Char(','));
}

// Years of monthly records of `investments` investments, interleaved as appends leave them,
// with skipped records, unrated ones and deflation among them.
QByteArray interleavedHistory(int investments, int months, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray text;
    std::vector<qint64> amount(size_t(investments) + 1, 100000);
    for (int m = 0; m < months; ++m) {
        for (int i = 1; i <= investments; ++i) {
            if (random.bounded(4) == 0)
                continue;
            amount[size_t(i)] += qint64(random.bounded(2001)) - 900;
            const int kind = int(random.bounded(10));
            const QByteArray current = kind == 0 ? QByteArray("0") : QByteArray::number(amount[size_t(i)]);
            const QByteArray rate =
                kind == 1 ? QByteArray("0") : QByteArray::number(double(random.bounded(700)) / 100 - 1);
            text += QByteArray::number(i) + ",#" + QByteArray::number(2000 + m / 12) + '-' +
                    QByteArray::number(m % 12 + 1).rightJustified(2, '0') + "-15#,90000," + current + ',' + rate +
                    "\r\n";
        }
    }
    return text;
}

// Every line of the history into the spool, as a pass over all investments gives them.
void spoolHistory(const QString &path, storage::RecordSpool &spool)
{
    storage::HistoryReader reader(path);
    storage::WrittenRates rates;
    storage::HistFields line;
    while (reader.nextLine()) {
        reader.decode(line);
        line.rate = rates(line.rate);
        spool.add(line);
    }
}

std::map<int, QStringList> byInvestment(const QString &path)
{
    std::map<int, QStringList> rows;
    storage::forEachRecordOfAll(path, [&rows](const RecordFigures &f) { rows[f.investment] << row(f); });
    return rows;
}

} // namespace

class tst_engine : public QObject
{
    Q_OBJECT

private slots:
    // Handed back investment by investment, each in file order, whether the records stayed in
    // memory or went through the temporary file, and the same as a pass of its own.
    void theSpoolGivesEachInvestmentsRecordsInOrder_data()
    {
        QTest::addColumn<size_t>("budget");
        QTest::addColumn<bool>("spills");
        QTest::newRow("in memory") << size_t(64 * 1024 * 1024) << false;
        QTest::newRow("a record at a time") << size_t(1) << true;
        QTest::newRow("small chunks") << size_t(7 * 32) << true;
    }
    void theSpoolGivesEachInvestmentsRecordsInOrder()
    {
        QFETCH(size_t, budget);
        QFETCH(bool, spills);
        testing::TempDataFolder folder;
        folder.writeBytes(QStringLiteral("PlDataHist.txt"), interleavedHistory(9, 60, 7));
        const QString path = folder.path(QStringLiteral("PlDataHist.txt"));

        storage::RecordSpool spool(budget);
        spoolHistory(path, spool);
        QCOMPARE(spool.spilled(), spills);
        QCOMPARE(spool.investments(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        for (int investment = 1; investment <= 9; ++investment) {
            QStringList alone;
            storage::forEachRecord(path, investment, [&alone](const RecordFigures &f) { alone << row(f); });
            QStringList replayed;
            spool.replay(investment, [&replayed](const RecordFigures &f) { replayed << row(f); });
            QCOMPARE(replayed, alone);
            QCOMPARE(spool.records(investment), int(alone.size()));
            // A second replay gives the same again.
            QStringList again;
            spool.replay(investment, [&again](const RecordFigures &f) { again << row(f); });
            QCOMPARE(again, alone);
        }
        QCOMPARE(spool.records(10), 0);
    }

    // The figures of a household's savings never land in a file of the temporary folder that
    // could outlive the process.
    void theSpoolLeavesNoFileInTheTemporaryFolder()
    {
        QTemporaryDir temp;
        {
            storage::RecordSpool spool(1, temp.path());
            storage::HistFields line;
            for (int i = 0; i < 100; ++i) {
                line.investNum = 1 + i % 3;
                spool.add(line);
            }
            QVERIFY(spool.spilled());
            QCOMPARE(QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList());
        }
        QCOMPARE(QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

    // A temporary folder that cannot be written keeps everything in memory.
    void aSpoolWithoutATemporaryFolderKeepsItAllInMemory()
    {
        storage::RecordSpool spool(1, QStringLiteral("/nonexistent/folder"));
        storage::HistFields line;
        for (int i = 1; i <= 50; ++i) {
            line.investNum = 2 - i % 2;
            line.current = line.original = Currency::fromWhole(i);
            spool.add(line);
        }
        QVERIFY(!spool.spilled());
        QList<int> amounts;
        spool.replay(2, [&amounts](const RecordFigures &r) { amounts << int(r.currentAmount.toDouble()); });
        QCOMPARE(amounts.size(), 25);
        QCOMPARE(amounts.first(), 2);
        QCOMPARE(amounts.last(), 50);
    }

    // Two passes on two threads each own their reader and calculations: the figures are those
    // of one pass alone (the thread sanitizer build checks that they share nothing).
    void twoPassesOnTwoThreadsGiveTheFiguresOfOne()
    {
        testing::TempDataFolder folder;
        folder.writeBytes(QStringLiteral("PlDataHist.txt"), interleavedHistory(12, 120, 11));
        const QString path = folder.path(QStringLiteral("PlDataHist.txt"));
        const std::map<int, QStringList> alone = byInvestment(path);
        std::map<int, QStringList> first, second;
        QStringList one;
        std::thread a([&] { first = byInvestment(path); });
        std::thread b([&] {
            second = byInvestment(path);
            storage::forEachRecord(path, 5, [&one](const RecordFigures &f) { one << row(f); });
        });
        a.join();
        b.join();
        QVERIFY(first == alone);
        QVERIFY(second == alone);
        QCOMPARE(one, alone.at(5));
    }

    // The portfolio's own pass gives each investment the figures of a builder fed by the
    // engine's pass over every investment, and stops where that pass stops: a figure out of
    // range on a line before a damaged one stops it there.
    void thePortfolioPassAgreesWithTheEngine_data()
    {
        QTest::addColumn<int>("outOfRange");
        QTest::addColumn<int>("damaged");
        QTest::addColumn<QString>("failure");
        QTest::newRow("whole") << 0 << 0 << QString();
        QTest::newRow("damaged line") << 0 << 2100 << QStringLiteral("2100 13");
        QTest::newRow("out of range before damage") << 1500 << 2100 << QStringLiteral("1500 6");
    }
    void thePortfolioPassAgreesWithTheEngine()
    {
        QFETCH(int, outOfRange);
        QFETCH(int, damaged);
        QFETCH(QString, failure);
        testing::TempDataFolder folder;
        constexpr int Investments = 12;
        QByteArray investFile;
        for (int i = 1; i <= Investments; ++i)
            investFile += testing::recordBytes(i, "Fund " + QByteArray::number(i), "Bank");
        folder.writeBytes(QStringLiteral("PlumblineData"), investFile);
        QList<QByteArray> lines = interleavedHistory(Investments, 360, 5).split('\n');
        if (outOfRange > 0) {
            // The loss to inflation of 500 % on the amount before it is beyond any amount.
            lines[outOfRange - 2] = "4,#2001-01-01#,900000000000000,900000000000000,1\r";
            lines[outOfRange - 1] = "4,#2001-02-01#,900000000000000,900000000000000,500\r";
        }
        if (damaged > 0)
            lines[damaged - 1] = "4,#2001-02-01#,1,1,x\r";
        folder.writeBytes(QStringLiteral("PlDataHist.txt"), lines.join('\n'));

        std::vector<ReturnsBuilder> builders;
        for (int i = 1; i <= Investments; ++i)
            builders.emplace_back(i);
        QString expectedFailure;
        try {
            storage::forEachRecordOfAll(
                folder.path(QStringLiteral("PlDataHist.txt")),
                [&builders](const RecordFigures &f) { builders[size_t(f.investment - 1)].add(f); });
        } catch (const storage::HistoryPassError &e) {
            expectedFailure = QStringLiteral("%1 %2").arg(e.line).arg(e.error.number());
        }
        QCOMPARE(expectedFailure, failure);
        try {
            const storage::Portfolio portfolio = storage::readPortfolio(nullptr);
            QVERIFY(failure.isEmpty());
            QCOMPARE(int(portfolio.returns.size()), Investments);
            for (int i = 0; i < Investments; ++i) {
                const InvestmentReturns alone = builders[size_t(i)].finish();
                const InvestmentReturns &got = portfolio.returns[size_t(i)];
                QCOMPARE(got.records, alone.records);
                QCOMPARE(percentText(got.twr), percentText(alone.twr));
                QCOMPARE(percentText(got.mwrAnnual), percentText(alone.mwrAnnual));
                QCOMPARE(percentText(got.realMwrAnnual), percentText(alone.realMwrAnnual));
                QCOMPARE(got.note(), alone.note());
            }
            QVERIFY(portfolio.overTime.size() > 300);
        } catch (const storage::HistoryPassError &e) {
            QCOMPARE(QStringLiteral("%1 %2").arg(e.line).arg(e.error.number()), failure);
        }
    }

    // The sums of all investments over time, one point a day, whatever the spread and order of
    // the dates: held against the plain way, every change added up in a map by day.
    void theSumsOverTimeGiveEveryDayInOrder_data()
    {
        QTest::addColumn<QStringList>("dates"); // in file order, investments taking turns
        QTest::newRow("a few days") << QStringList{"2020-01-01", "2020-01-01", "2020-01-03", "2020-02-01"};
        QTest::newRow("decades, going back and forth")
            << QStringList{"1990-05-01", "2024-12-31", "1990-05-01", "1975-01-01", "2010-07-15", "1980-02-29"};
        QTest::newRow("centuries before 1900 and after")
            << QStringList{"1899-12-30", "1899-12-29", "0100-01-01", "9999-12-31", "1500-06-15", "0100-01-02"};
        QTest::newRow("the days either side of a block of days")
            << QStringList{"1901-05-26", "1901-05-27", "1901-05-25", "1898-08-04", "1898-08-05", "1898-08-03"};
    }
    void theSumsOverTimeGiveEveryDayInOrder()
    {
        QFETCH(QStringList, dates);
        testing::TempDataFolder folder;
        constexpr int Investments = 3;
        QByteArray investFile;
        for (int i = 1; i <= Investments; ++i)
            investFile += testing::recordBytes(i, "Fund " + QByteArray::number(i), "Bank");
        folder.writeBytes(QStringLiteral("PlumblineData"), investFile);
        QByteArray history;
        struct Line
        {
            int investment;
            QByteArray date;
            QByteArray original, current, rate;
        };
        std::vector<Line> lines;
        // Each date for each investment, with skipped records and rates, so amounts, the
        // adjusted amounts and those before any rate all change.
        for (int d = 0; d < int(dates.size()); ++d) {
            for (int i = 1; i <= Investments; ++i) {
                const int n = d * Investments + i;
                lines.push_back({i, dates[d].toLatin1(), QByteArray::number(1000 + 10 * n),
                                 n % 7 == 0 ? QByteArray("0") : QByteArray::number(990 + 13 * n),
                                 QByteArray::number((n * 3 + i) % 5)});
            }
        }
        for (const Line &l : lines)
            history += QByteArray::number(l.investment) + ",#" + l.date + "#," + l.original + ',' + l.current + ',' +
                       l.rate + "\r\n";
        folder.writeBytes(QStringLiteral("PlDataHist.txt"), history);

        struct Sums
        {
            qint64 original = 0, current = 0, afi = 0;
        };
        std::map<long long, Sums> changes;
        std::map<int, Sums> latest;
        std::map<int, bool> adjusted;
        storage::forEachRecordOfAll(folder.path(QStringLiteral("PlDataHist.txt")), [&](const RecordFigures &f) {
            if (f.state == FigureState::Skipped)
                return;
            bool &hasAfi = adjusted[f.investment];
            hasAfi = hasAfi || f.state == FigureState::Computed;
            Sums &was = latest[f.investment];
            const Sums now{f.originalAmount.units(), f.currentAmount.units(),
                           (hasAfi ? f.currentAmountAFI : f.currentAmount).units()};
            Sums &change = changes[static_cast<long long>(std::floor(f.date.serial()))];
            change.original += now.original - was.original;
            change.current += now.current - was.current;
            change.afi += now.afi - was.afi;
            was = now;
        });
        QVERIFY(changes.size() >= 3);

        const storage::Portfolio portfolio = storage::readPortfolio(nullptr);
        const std::vector<ChartPoint> &points = portfolio.overTime.points();
        QCOMPARE(points.size(), changes.size());
        Sums sum;
        size_t k = 0;
        for (const auto &[day, change] : changes) {
            sum.original += change.original;
            sum.current += change.current;
            sum.afi += change.afi;
            const ChartPoint &p = points[k++];
            QCOMPARE(p.record, int(k));
            QCOMPARE(p.date.serial(), double(day));
            QCOMPARE(p.original.units(), sum.original);
            QCOMPARE(p.current.units(), sum.current);
            QCOMPARE(p.currentAfi.units(), sum.afi);
            QCOMPARE(p.profitLossAfi, p.currentAfi - p.original);
        }
    }

    // What is not a plain file is refused at once: a FIFO would otherwise wait for a writer.
    void aReaderRefusesWhatIsNotAFile()
    {
        testing::TempDataFolder folder;
        const QString fifo = folder.path(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QDir(folder.dir()).mkdir(QStringLiteral("folder"));
        const auto numberFor = [](const QString &path) {
            return testing::errorNumberOf([&path] { storage::HistoryReader reader(path); });
        };
        QCOMPARE(numberFor(fifo), 75);
        QCOMPARE(numberFor(folder.path(QStringLiteral("folder"))), 75);
        QCOMPARE(numberFor(folder.path(QStringLiteral("missing"))), 53);
        QCOMPARE(numberFor(folder.path(QStringLiteral("missing/PlDataHist.txt"))), 76);
        QVERIFY(QFile::link(folder.path(QStringLiteral("target.txt")), folder.path(QStringLiteral("link.txt"))));
        folder.writeBytes(QStringLiteral("target.txt"), "1,#2001-01-01#,1,1,0\r\n");
        QCOMPARE(byInvestment(folder.path(QStringLiteral("link.txt"))).at(1).size(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_engine)
#include "tst_engine.moc"
