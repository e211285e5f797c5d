// The record import's plan and its one rewrite, and plumbline-import: records merged into
// place by date, duplicates left out and counted, a new investment written with the history
// as one change, rates filled by the suggestion rule, every refusal leaving both data files
// byte for byte as they were, and a kill at every write step leaving them old or new.
#include "datafiles.h"
#include "tempdatafolder.h"

#include "core/suggestedrate.h"
#include "storage/datafolder.h"
#include "storage/folderlock.h"
#include "storage/historyreader.h"
#include "storage/priceindexstore.h"
#include "storage/recordimport.h"
#include "storage/transaction.h"
#include "storage/versions.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Invest = QStringLiteral("PlumblineData");
const QString Hist = QStringLiteral("PlDataHist.txt");

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTool(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    Run run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

Run importTool(const QStringList &args)
{
    return runTool(QStringLiteral(PLUMBLINE_IMPORT_BIN), args);
}

// The lines of investment `n`, as "date original current rate", in the order of the file.
QStringList recordsOf(const QByteArray &history, int n)
{
    QStringList records;
    for (const QByteArray &line : history.split('\n')) {
        const QByteArray text = line.trimmed();
        if (text.isEmpty())
            continue;
        const QList<QByteArray> f = text.split(',');
        if (f.value(0).toInt() == n)
            records << QString::fromLatin1(f.value(1).mid(1, 10) + ' ' + f.value(2) + ' ' + f.value(3) + ' ' +
                                           f.value(4));
    }
    return records;
}

QByteArray linesNotOf(const QByteArray &history, int n)
{
    QByteArray kept;
    for (const QByteArray &line : history.split('\n'))
        if (!line.trimmed().isEmpty() && line.split(',').value(0).toInt() != n)
            kept += line + '\n';
    return kept;
}

storage::IncomingRecord incoming(int line, int y, int m, int d, int original, int current, Single rate = 0)
{
    return {line, Date::fromYmd(y, m, d), Currency::fromWhole(original), Currency::fromWhole(current), rate};
}

// Two investments whose lines interleave, as years of use leave them.
void writeFolder(const testing::TempDataFolder &folder)
{
    folder.writeBytes(Invest,
                      testing::recordBytes(1, "Savings", "First Bank") + testing::recordBytes(2, "Bond", "Other"));
    folder.writeBytes(Hist, "1,#2020-01-15#,100,100,0\r\n"
                            "2,#2020-02-01#,50,50,0\r\n"
                            "1,#2020-03-15#,100,102,1.5\r\n"
                            "2,#2020-04-01#,50,51,2\r\n"
                            "1,#2020-06-15#,100,104,1\r\n");
}

// Monthly levels 100, 101, 102, ... from January 2019, so each rate is known by hand.
PriceIndex risingSeries()
{
    PriceIndex index;
    index.name = QStringLiteral("TEST");
    index.title = QStringLiteral("Test index");
    for (int k = 0; k < 48; ++k)
        index.values.insert(PriceIndex::monthKey(2019, 1) + k, 100.0 + k);
    return index;
}

} // namespace

class tst_RecordImport : public QObject
{
    Q_OBJECT

private slots:
    void init() { storage::faults::clear(); }

    // Where each incoming record goes, and which are left out as already there.
    void mergeAndDuplicates_data()
    {
        QTest::addColumn<QList<int>>("days"); // incoming: yyyymmdd with amounts 100 -> 100 + day % 100
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("appended");
        QTest::addColumn<int>("merged");
        QTest::addColumn<int>("duplicates");
        QTest::newRow("after the last") << QList<int>{20200701, 20200801}
                                        << QStringList{"2020-01-15 100 100 0", "2020-03-15 100 102 1.5",
                                                       "2020-06-15 100 104 1", "2020-07-01 100 101 0",
                                                       "2020-08-01 100 101 0"}
                                        << 2 << 0 << 0;
        QTest::newRow("into the middle, unsorted")
            << QList<int>{20200401, 20200201, 20191201}
            << QStringList{"2019-12-01 100 101 0",   "2020-01-15 100 100 0", "2020-02-01 100 101 0",
                           "2020-03-15 100 102 1.5", "2020-04-01 100 101 0", "2020-06-15 100 104 1"}
            << 0 << 3 << 0;
        QTest::newRow("same day as a record, other amounts goes after it")
            << QList<int>{20200315}
            << QStringList{"2020-01-15 100 100 0", "2020-03-15 100 102 1.5", "2020-03-15 100 115 0",
                           "2020-06-15 100 104 1"}
            << 0 << 1 << 0;
    }
    void mergeAndDuplicates()
    {
        QFETCH(QList<int>, days);
        QFETCH(QStringList, expected);
        QFETCH(int, appended);
        QFETCH(int, merged);
        QFETCH(int, duplicates);
        testing::CleanStorage clean;
        testing::TempDataFolder folder;
        writeFolder(folder);
        const QByteArray before = folder.readBytes(Hist);
        storage::RecordChangeRequest request;
        request.investment = 1;
        int line = 2;
        for (const int day : days)
            request.records.push_back(incoming(line++, day / 10000, day / 100 % 100, day % 100, 100, 100 + day % 100));
        const storage::RecordChangePlan plan = storage::planRecordChanges(folder.dir(), request);
        QCOMPARE(plan.appended, appended);
        QCOMPARE(plan.merged, merged);
        QCOMPARE(plan.duplicates, duplicates);
        storage::applyRecordChanges(folder.dir(), plan);
        const QByteArray after = folder.readBytes(Hist);
        QCOMPARE(recordsOf(after, 1), expected);
        // The other investment's lines are kept byte for byte, in their order.
        QCOMPARE(linesNotOf(after, 1), linesNotOf(before, 1));
        QVERIFY(after.endsWith("\r\n"));
    }

    // Imported twice, the second time every row is there already: counted, nothing written.
    void sameFileTwice()
    {
        testing::CleanStorage clean;
        testing::TempDataFolder folder;
        writeFolder(folder);
        storage::RecordChangeRequest request;
        request.investment = 2;
        request.records = {incoming(2, 2020, 5, 1, 50, 52), incoming(3, 2020, 2, 1, 50, 50),
                           incoming(4, 2021, 1, 1, 50, 55)};
        storage::applyRecordChanges(folder.dir(), storage::planRecordChanges(folder.dir(), request));
        const QByteArray once = folder.readBytes(Hist);
        QCOMPARE(recordsOf(once, 2).size(), 4); // 2020-02-01 50 50 was there
        const storage::RecordChangePlan again = storage::planRecordChanges(folder.dir(), request);
        QCOMPARE(again.duplicates, 3);
        QVERIFY(again.added.empty());
        QVERIFY(again.changesNothing());
        storage::applyRecordChanges(folder.dir(), again);
        QCOMPARE(folder.readBytes(Hist), once);
    }

    // A new investment: one record more in the investment file, its lines at the end.
    void newInvestment()
    {
        testing::CleanStorage clean;
        testing::TempDataFolder folder;
        writeFolder(folder);
        const QByteArray investBefore = folder.readBytes(Invest);
        const QByteArray histBefore = folder.readBytes(Hist);
        storage::RecordChangeRequest request;
        request.newType = QStringLiteral("Shares");
        request.newInstitution = QStringLiteral("Broker");
        request.records = {incoming(2, 2021, 1, 1, 10, 11, 2.5f), incoming(3, 2020, 1, 1, 10, 10)};
        const storage::RecordChangePlan plan = storage::planRecordChanges(folder.dir(), request);
        QCOMPARE(plan.investment, 3);
        QVERIFY(plan.newInvestment);
        storage::applyRecordChanges(folder.dir(), plan);
        QCOMPARE(folder.readBytes(Invest), investBefore + testing::recordBytes(3, "Shares", "Broker"));
        QCOMPARE(folder.readBytes(Hist), histBefore + "3,#2020-01-01#,10,10,0\r\n3,#2021-01-01#,10,11,2.5\r\n");
        QVERIFY(!folder.exists(storage::CommitMarkerName));
        QCOMPARE(QDir(folder.dir()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void newInvestmentLimits_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("institution");
        QTest::addColumn<QString>("description");
        QTest::newRow("no type") << ""
                                 << "Bank"
                                 << "A new investment needs an entry in 'Investment'.";
        QTest::newRow("blank type") << "   "
                                    << "Bank"
                                    << "A new investment needs an entry in 'Investment'.";
        QTest::newRow("type too long") << QString(51, QLatin1Char('x')) << ""
                                       << "An investment's type and institution hold at most 50 characters each.";
        QTest::newRow("institution too long") << "Shares" << QString(51, QLatin1Char('x'))
                                              << "An investment's type and institution hold at most 50 characters "
                                                 "each.";
        QTest::newRow("line break") << "Sha\nres"
                                    << ""
                                    << "An investment's type and institution cannot hold line breaks.";
    }
    void newInvestmentLimits()
    {
        QFETCH(QString, type);
        QFETCH(QString, institution);
        QFETCH(QString, description);
        testing::CleanStorage clean;
        testing::TempDataFolder folder;
        writeFolder(folder);
        storage::RecordChangeRequest request;
        request.newType = type;
        request.newInstitution = institution;
        request.records = {incoming(2, 2021, 1, 1, 10, 11)};
        try {
            storage::planRecordChanges(folder.dir(), request);
            QFAIL("no refusal");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), 5);
            QCOMPARE(error.description(), description);
        }
        request.newType = QString(50, QLatin1Char('y'));
        request.newInstitution = QString(50, QLatin1Char('z'));
        QCOMPARE(storage::planRecordChanges(folder.dir(), request).investment, 3); // the limits themselves pass
    }

    // The rate runs from the last record the calculation counts: a record with amounts at 0
    // between is passed over, as the record dialog's suggestion passes over it. Records
    // that have a rate are never touched, nor the first record.
    void fillAfterSkippedRecord()
    {
        testing::CleanStorage clean;
        testing::TempDataFolder folder;
        folder.writeBytes(Invest, testing::recordBytes(1, "Savings", "Bank"));
        folder.writeBytes(Hist, "1,#2020-01-15#,100,100,0\r\n"
                                "1,#2020-03-15#,0,0,0\r\n"
                                "1,#2020-05-15#,100,103,2.5\r\n"
                                "1,#2020-07-15#,100,105,0\r\n"
                                "1,#2018-07-15#,100,105,0\r\n");
        const PriceIndex series = risingSeries();
        storage::RecordChangeRequest request;
        request.investment = 1;
        request.series = &series;
        request.fillExisting = true;
        const storage::RecordChangePlan plan = storage::planRecordChanges(folder.dir(), request);
        QCOMPARE(plan.fills.size(), size_t(3));
        // January 2020 is level 112, March 114: 1.79 %.
        QCOMPARE(plan.fills[0].record, 2);
        QCOMPARE(plan.fills[0].rateText, QStringLiteral("1.79"));
        // From May 2020 (116, the last counted record) to July (118): 1.72 %, not from March.
        QCOMPARE(plan.fills[1].record, 4);
        QCOMPARE(plan.fills[1].since, Date::fromYmd(2020, 5, 15));
        QCOMPARE(plan.fills[1].rateText, QStringLiteral("1.72"));
        // Before where the series starts: no rate, and why.
        QCOMPARE(plan.fills[2].record, 5);
        QVERIFY(!plan.fills[2].filled);
        QCOMPARE(plan.fills[2].reason, QStringLiteral("the date is before the record the rate would start from"));
        QCOMPARE(plan.filledCount(), 2);
        storage::applyRecordChanges(folder.dir(), plan);
        QCOMPARE(folder.readBytes(Hist), QByteArray("1,#2020-01-15#,100,100,0\r\n"
                                                    "1,#2020-03-15#,0,0,1.79\r\n"
                                                    "1,#2020-05-15#,100,103,2.5\r\n"
                                                    "1,#2020-07-15#,100,105,1.72\r\n"
                                                    "1,#2018-07-15#,100,105,0\r\n"));
    }

    // With an import, only the rows it brings get rates; the records already there stay.
    void fillImportedRowsOnly()
    {
        testing::CleanStorage clean;
        testing::TempDataFolder folder;
        folder.writeBytes(Invest, testing::recordBytes(1, "Savings", "Bank"));
        folder.writeBytes(Hist, "1,#2020-01-15#,100,100,0\r\n1,#2020-02-15#,100,100,0\r\n");
        const PriceIndex series = risingSeries();
        storage::RecordChangeRequest request;
        request.investment = 1;
        request.series = &series;
        request.fillIncoming = true;
        request.records = {incoming(2, 2020, 4, 15, 100, 101), incoming(3, 2020, 6, 15, 100, 102, 9.5f)};
        const storage::RecordChangePlan plan = storage::planRecordChanges(folder.dir(), request);
        QCOMPARE(plan.fills.size(), size_t(1));
        QCOMPARE(plan.fills[0].line, 2);
        QCOMPARE(plan.fills[0].rateText, QStringLiteral("1.77")); // February (113) to April (115)
        storage::applyRecordChanges(folder.dir(), plan);
        QCOMPARE(recordsOf(folder.readBytes(Hist), 1),
                 (QStringList{"2020-01-15 100 100 0", "2020-02-15 100 100 0", "2020-04-15 100 101 1.77",
                              "2020-06-15 100 102 9.5"}));
    }

    // A folder that changed after the plan was made is not written.
    void changedAfterPlan()
    {
        testing::CleanStorage clean;
        testing::TempDataFolder folder;
        writeFolder(folder);
        storage::RecordChangeRequest request;
        request.investment = 1;
        request.records = {incoming(2, 2021, 1, 1, 1, 1)};
        const storage::RecordChangePlan plan = storage::planRecordChanges(folder.dir(), request);
        const QByteArray changed = folder.readBytes(Hist) + "2,#2021-02-02#,1,1,0\r\n";
        folder.writeBytes(Hist, changed);
        QCOMPARE(testing::errorNumberOf([&] { storage::applyRecordChanges(folder.dir(), plan); }), 75);
        QCOMPARE(folder.readBytes(Hist), changed);
    }

    void damagedHistory()
    {
        testing::CleanStorage clean;
        testing::TempDataFolder folder;
        writeFolder(folder);
        const QByteArray damaged = folder.readBytes(Hist) + "1,#2020-13-45#,1,1,0\r\n";
        folder.writeBytes(Hist, damaged);
        storage::RecordChangeRequest request;
        request.investment = 1;
        request.records = {incoming(2, 2021, 1, 1, 1, 1)};
        bool refused = false;
        try {
            storage::planRecordChanges(folder.dir(), request);
        } catch (const storage::HistoryPassError &error) {
            refused = true;
            QCOMPARE(error.line, 6LL);
        }
        QVERIFY(refused);
        QCOMPARE(folder.readBytes(Hist), damaged);
    }

    // Killed at each open, write, flush and rename of the change: the two data files are
    // both old or both new once the next start has finished what a marker names.
    void killAtEachStep_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("step");
        for (const char *mode : {"existing", "new"})
            for (const char *step : {"open", "write", "flush", "rename"})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(mode), QLatin1String(step))))
                    << QString::fromLatin1(mode) << QString::fromLatin1(step);
    }
    void killAtEachStep()
    {
        QFETCH(QString, mode);
        QFETCH(QString, step);
        testing::CleanStorage clean;
        // A history of several write blocks, so a kill can fall between two of them.
        QByteArray history;
        for (int n = 0; n < 60000; ++n)
            history += QByteArray::number(n % 3 + 1) + ",#" + QByteArray::number(1960 + n % 60) + "-01-0" +
                       QByteArray::number(n % 9 + 1) + "#," + QByteArray::number(n) + ",1000.25,0\r\n";
        const QByteArray invest =
            testing::recordBytes(1, "A", "B") + testing::recordBytes(2, "C", "D") + testing::recordBytes(3, "E", "F");
        const auto fresh = [&](testing::TempDataFolder &folder) {
            folder.writeBytes(Invest, invest);
            folder.writeBytes(Hist, history);
        };
        testing::TempDataFolder reference;
        fresh(reference);
        QCOMPARE(runTool(QStringLiteral(IMPORT_CHILD_BIN), {reference.dir(), mode}).exitCode, 0);
        const QByteArray newInvest = reference.readBytes(Invest);
        const QByteArray newHist = reference.readBytes(Hist);
        QVERIFY(newHist.size() > history.size());
        QCOMPARE(newInvest != invest, mode == QLatin1String("new"));

        int kills = 0;
        for (int nth = 1; nth < 100; ++nth) {
            testing::TempDataFolder folder;
            fresh(folder);
            const Run run = runTool(QStringLiteral(IMPORT_CHILD_BIN), {folder.dir(), mode, step, QString::number(nth)});
            if (run.exitCode == 0) {
                QVERIFY(run.out.contains(QStringLiteral("done")));
                QCOMPARE(folder.readBytes(Invest), newInvest);
                QCOMPARE(folder.readBytes(Hist), newHist);
                break;
            }
            QCOMPARE(run.exitCode, -1); // killed, not failed
            ++kills;
            storage::finishPendingRenames(folder.dir()); // as the next start does
            const QByteArray i = folder.readBytes(Invest);
            const QByteArray h = folder.readBytes(Hist);
            const bool old = i == invest && h == history;
            const bool made = i == newInvest && h == newHist;
            QVERIFY2(old || made, qPrintable(QStringLiteral("%1 %2: a mixed pair").arg(step).arg(nth)));
        }
        QVERIFY(kills > 0);
    }

    // On a real full disk, with the free space swept in steps smaller than the new files: the
    // change is made whole or fails with 61, both files as they were and no new file left.
    void fullDisk()
    {
        if (::geteuid() != 0)
            QSKIP("mounting a small tmpfs needs root; the kills at each write cover the rest");
        QTemporaryDir mountPoint;
        QVERIFY(mountPoint.isValid());
        const QByteArray where = QFile::encodeName(mountPoint.path());
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=2m") != 0)
            QSKIP("no tmpfs could be mounted here");
        struct Unmount
        {
            QByteArray where;
            ~Unmount() { ::umount2(where.constData(), MNT_DETACH); }
        } unmount{where};
        const QString dir = mountPoint.path();
        const auto path = [&](const QString &name) { return dir + QLatin1Char('/') + name; };
        const auto write = [&](const QString &name, const QByteArray &bytes) {
            QFile file(path(name));
            return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() &&
                   file.flush();
        };
        const auto read = [&](const QString &name) {
            QFile file(path(name));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
        };
        QByteArray history;
        for (int n = 0; n < 4000; ++n)
            history += "1,#" + QByteArray::number(1950 + n % 60) + "-02-0" + QByteArray::number(n % 9 + 1) + "#," +
                       QByteArray::number(n) + ",1000.25,0\r\n";
        const QByteArray invest = testing::recordBytes(1, "A", "B");
        storage::RecordChangeRequest request;
        request.newType = QStringLiteral("Full");
        for (int i = 0; i < 3000; ++i)
            request.records.push_back(incoming(i + 2, 2031, 1 + i % 12, 1 + i % 28, 10 + i, 20 + i));
        bool made = false;
        int failures = 0;
        for (qint64 free = 0; !made && free < 1024 * 1024; free += 12 * 1024) {
            QVERIFY(write(Invest, invest));
            QVERIFY(write(Hist, history));
            QFile::remove(path(QStringLiteral("filler")));
            QFile filler(path(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {
            }
            QVERIFY(filler.resize(std::max<qint64>(0, filler.size() - free)));
            filler.close();
            const storage::RecordChangePlan plan = storage::planRecordChanges(dir, request);
            const int error = testing::errorNumberOf([&] { storage::applyRecordChanges(dir, plan); });
            if (error == 0) {
                made = true;
                QCOMPARE(read(Invest).size(), 2 * 102);
                QVERIFY(read(Hist).startsWith(history));
                QCOMPARE(recordsOf(read(Hist), 2).size(), 3000);
            } else {
                ++failures;
                QCOMPARE(error, 61);
                QCOMPARE(read(Invest), invest);
                QCOMPARE(read(Hist), history);
            }
            const QStringList left = QDir(dir).entryList(QDir::Files | QDir::Hidden);
            QCOMPARE(QSet<QString>(left.begin(), left.end()), (QSet<QString>{Hist, Invest, QStringLiteral("filler")}));
        }
        QVERIFY(made);
        QVERIFY(failures > 3);
    }

    // plumbline-import's answers: what it says and its exit status, with both data files
    // unchanged whenever it refuses.
    void toolRefusals_data()
    {
        QTest::addColumn<QStringList>("args"); // DIR and CSV stand for the folder and the file
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error"); // standard error, DIR and CSV put in
        const QByteArray good = "date,original,current\r\n2021-01-01,1,2\r\n";
        QTest::newRow("no target") << QStringList{"--data-dir", "DIR", "CSV"} << good << 2
                                   << "plumbline-import: give either --investment N or --new-investment TYPE (see "
                                      "--help)\n";
        QTest::newRow("two files") << QStringList{"--data-dir", "DIR", "--investment", "1", "CSV", "CSV"} << good << 2
                                   << "plumbline-import: one file at a time (see --help)\n";
        QTest::newRow("bad date format") << QStringList{"--data-dir",    "DIR", "--investment", "1",
                                                        "--date-format", "ymd", "CSV"}
                                         << good << 2
                                         << "plumbline-import: --date-format takes iso, mdy or dmy, not \"ymd\"\n";
        QTest::newRow("series alone") << QStringList{"--data-dir", "DIR", "--investment", "1", "--series", "X", "CSV"}
                                      << good << 2 << "plumbline-import: --series needs --fill-rates\n";
        QTest::newRow("no file, no fill") << QStringList{"--data-dir", "DIR", "--investment", "1"} << good << 2
                                          << "plumbline-import: without FILE only --fill-rates --investment N "
                                             "[--series NAME] (see --help)\n";
        QTest::newRow("no such investment") << QStringList{"--data-dir", "DIR", "--investment", "9", "CSV"} << good << 1
                                            << "plumbline-import: error 9: There is no investment 9 (the file holds "
                                               "2).\n";
        QTest::newRow("bad rows") << QStringList{"--data-dir", "DIR", "--investment", "1", "CSV"}
                                  << QByteArray("date,original,current\r\n2021-01-01,1,2\r\n2021-02-30,1,2\r\n"
                                                "2021-03-01,x,2\r\n")
                                  << 1
                                  << "plumbline-import: \"CSV\": 2 rows cannot be read; nothing was changed:\n"
                                     "  Line 3: the date \"2021-02-30\" is not a date.\n"
                                     "  Line 4: the original amount \"x\" is not an amount.\n";
        QTest::newRow("binary") << QStringList{"--data-dir", "DIR", "--investment", "1", "CSV"}
                                << QByteArray("date,original\0current\n", 22) << 1
                                << "plumbline-import: \"CSV\": The file holds binary data (NUL bytes): it is not a "
                                   "CSV text file.\n";
        QTest::newRow("ambiguous dates") << QStringList{"--data-dir", "DIR", "--investment", "1", "CSV"}
                                         << QByteArray("date,original,current\n03/04/2020,1,2\n") << 1
                                         << "plumbline-import: \"CSV\": every date reads both as month/day and as "
                                            "day/month (line 2: \"03/04/2020\" is 2020-03-04 or 2020-04-03); choose "
                                            "with --date-format mdy or dmy\n";
        QTest::newRow("no such series") << QStringList{"--data-dir",   "DIR",      "--investment", "1",
                                                       "--fill-rates", "--series", "NO-SUCH",      "CSV"}
                                        << good << 1 << "";
    }
    void toolRefusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, csv);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        testing::TempDataFolder folder;
        writeFolder(folder);
        QTemporaryDir files;
        const QString csvPath = files.filePath(QStringLiteral("records.csv"));
        QFile out(csvPath);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(csv);
        out.close();
        for (QString &arg : args)
            arg = arg == QLatin1String("DIR") ? folder.dir() : arg == QLatin1String("CSV") ? csvPath : arg;
        const QByteArray invest = folder.readBytes(Invest);
        const QByteArray hist = folder.readBytes(Hist);
        const Run run = importTool(args);
        QCOMPARE(run.exitCode, exitCode);
        if (!error.isEmpty())
            QCOMPARE(run.err,
                     QString(error).replace(QStringLiteral("\"CSV\""), QLatin1Char('"') + csvPath + QLatin1Char('"')));
        else
            QVERIFY(run.err.startsWith(QStringLiteral("plumbline-import: ")));
        QCOMPARE(folder.readBytes(Invest), invest);
        QCOMPARE(folder.readBytes(Hist), hist);
    }

    // Refused for what the file or the folder is, before a byte is changed.
    void toolRefusesFilesAndFolders_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("error");
        QTest::newRow("over 64 MB") << "large"
                                    << "plumbline-import: \"CSV\": The file is too large to be imported "
                                       "(more than 64 MB).\n";
        QTest::newRow("fifo") << "fifo"
                              << "plumbline-import: \"CSV\": CSV is not a regular file (it is a folder, pipe "
                                 "or device); nothing was read.\n";
        QTest::newRow("lock held") << "lock"
                                   << "plumbline-import: Plumbline 3.5 is running on \"DIR\"; close it, then "
                                      "import again\n";
        QTest::newRow("pending change") << "pending"
                                        << "plumbline-import: an unfinished change is pending in \"DIR\"; "
                                           "start Plumbline once to complete it\n";
    }
    void toolRefusesFilesAndFolders()
    {
        QFETCH(QString, kind);
        QFETCH(QString, error);
        testing::TempDataFolder folder;
        writeFolder(folder);
        QTemporaryDir files;
        const QString csvPath = files.filePath(QStringLiteral("records.csv"));
        if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(csvPath).constData(), 0600), 0);
        } else {
            QFile out(csvPath);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write("date,original,current\r\n2021-01-01,1,2\r\n");
            if (kind == QLatin1String("large"))
                QVERIFY(out.resize(64 * 1024 * 1024 + 1)); // sparse: no 64 MB written
            out.close();
        }
        storage::FolderLock lock(folder.path(QStringLiteral("Plumbline.lock")));
        if (kind == QLatin1String("lock"))
            QCOMPARE(lock.tryLock(), storage::FolderLock::Result::Locked);
        if (kind == QLatin1String("pending"))
            folder.writeBytes(storage::CommitMarkerName, "Plumbline 3.5 renames 2\n");
        const QByteArray invest = folder.readBytes(Invest);
        const QByteArray hist = folder.readBytes(Hist);
        const Run run = importTool(
            {QStringLiteral("--data-dir"), folder.dir(), QStringLiteral("--investment"), QStringLiteral("1"), csvPath});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QString(error)
                              .replace(QStringLiteral("\"CSV\""), QLatin1Char('"') + csvPath + QLatin1Char('"'))
                              .replace(QStringLiteral("CSV is"), csvPath + QStringLiteral(" is"))
                              .replace(QStringLiteral("DIR"), QDir::toNativeSeparators(folder.dir())));
        QCOMPARE(folder.readBytes(Invest), invest);
        QCOMPARE(folder.readBytes(Hist), hist);
    }

    // --date-format decides dates with slashes; a dry run says what would change and changes nothing.
    void toolDateFormatsAndDryRun_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mdy") << "mdy"
                             << "2021-03-04 1 2 0";
        QTest::newRow("dmy") << "dmy"
                             << "2021-04-03 1 2 0";
    }
    void toolDateFormatsAndDryRun()
    {
        QFETCH(QString, form);
        QFETCH(QString, expected);
        testing::TempDataFolder folder;
        writeFolder(folder);
        QTemporaryDir files;
        const QString csvPath = files.filePath(QStringLiteral("records.csv"));
        QFile out(csvPath);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("Date,Original Amount,Current Amount\n03/04/2021,1,2\n");
        out.close();
        const QByteArray hist = folder.readBytes(Hist);
        const QStringList args = {QStringLiteral("--data-dir"),
                                  folder.dir(),
                                  QStringLiteral("--investment"),
                                  QStringLiteral("2"),
                                  QStringLiteral("--date-format"),
                                  form,
                                  csvPath};
        const Run dry = importTool(QStringList(args) << QStringLiteral("--dry-run"));
        QCOMPARE(dry.exitCode, 0);
        QCOMPARE(dry.out, QStringLiteral("Would add 1 record to investment 2 (Bond, Other): 1 appended, 0 merged by "
                                         "date.\n  line 2: %1, 1, 2, rate 0, at the end\n")
                              .arg(expected.left(10)));
        QCOMPARE(folder.readBytes(Hist), hist);
        const Run real = importTool(args);
        QCOMPARE(real.exitCode, 0);
        QCOMPARE(real.out, QStringLiteral("Added 1 record to investment 2 (Bond, Other): 1 appended, 0 merged by "
                                          "date.\n"));
        QCOMPARE(recordsOf(folder.readBytes(Hist), 2).last(), expected);
    }

    // Rates filled without a file, from a shipped series, as the suggestion rule gives them.
    void toolFillsRates()
    {
        testing::TempDataFolder folder;
        folder.writeBytes(Invest, testing::recordBytes(1, "Savings", "Bank"));
        folder.writeBytes(Hist, "1,#2010-01-15#,100,100,0\r\n1,#2011-01-15#,0,0,0\r\n1,#2012-01-15#,100,104,0\r\n");
        PriceIndex series;
        QString error;
        QVERIFY2(storage::loadPriceIndex(QStringLiteral("US-CPI-U"), series, error), qPrintable(error));
        // The suggestion's two-decimal text, as the history then writes the rate.
        const QString twoYears = singleToText(series.rate(QDate(2010, 1, 15), QDate(2012, 1, 15)).text().toFloat());
        const QString oneYear = singleToText(series.rate(QDate(2010, 1, 15), QDate(2011, 1, 15)).text().toFloat());
        QVERIFY(twoYears != oneYear);
        const Run run =
            importTool({QStringLiteral("--data-dir"), folder.dir(), QStringLiteral("--investment"), QStringLiteral("1"),
                        QStringLiteral("--fill-rates"), QStringLiteral("--series"), QStringLiteral("US-CPI-U")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QStringLiteral("Filled 2 of 2 missing rates from US-CPI-U.")), qPrintable(run.out));
        QCOMPARE(recordsOf(folder.readBytes(Hist), 1),
                 (QStringList{"2010-01-15 100 100 0", "2011-01-15 0 0 " + oneYear, "2012-01-15 100 104 " + twoYears}));
    }

    // An import into a new investment is one change: one version, and its undo brings both
    // files back byte for byte.
    void toolImportIsOneVersion()
    {
        testing::CleanStorage clean;
        testing::TempDataFolder folder;
        writeFolder(folder);
        const QByteArray invest = folder.readBytes(Invest);
        const QByteArray hist = folder.readBytes(Hist);
        QTemporaryDir files;
        const QString csvPath = files.filePath(QStringLiteral("records.csv"));
        QFile out(csvPath);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("date,original,current\r\n2021-01-01,1,2\r\n2021-02-01,1,3\r\n");
        out.close();
        const Run run =
            importTool({QStringLiteral("--data-dir"), folder.dir(), QStringLiteral("--new-investment"),
                        QStringLiteral("Gold"), QStringLiteral("--institution"), QStringLiteral("Vault"), csvPath});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(folder.readBytes(Invest) != invest);
        storage::setProgramFolder(folder.dir());
        storage::FolderLock lock(folder.path(QStringLiteral("Plumbline.lock")));
        QCOMPARE(lock.tryLock(), storage::FolderLock::Result::Locked);
        {
            storage::VersionStore versions(folder.dir());
            const QList<storage::VersionInfo> list = versions.list();
            QVERIFY(!list.isEmpty());
            QCOMPARE(list.first().change.kind, storage::ChangeKind::ImportRecords);
            QCOMPARE(list.first().change.count, 2);
            QCOMPARE(list.first().change.investment, QStringLiteral("Gold, Vault"));
            int changes = 0;
            for (const storage::VersionInfo &v : list)
                changes += v.change.kind == storage::ChangeKind::ImportRecords ? 1 : 0;
            QCOMPARE(changes, 1);
            versions.undo();
        }
        lock.unlock();
        storage::setProgramFolder(QString());
        QCOMPARE(folder.readBytes(Invest), invest);
        QCOMPARE(folder.readBytes(Hist), hist);
    }

    // An investment exported and imported into a new investment has the same records and
    // the same figures.
    void roundTripThroughExport()
    {
        testing::TempDataFolder folder;
        const Run made =
            runTool(QStringLiteral(PLUMBLINE_GENDATA_BIN),
                    {QStringLiteral("--out"), folder.dir(), QStringLiteral("--investments"), QStringLiteral("3"),
                     QStringLiteral("--records-per-investment"), QStringLiteral("40")});
        QCOMPARE(made.exitCode, 0);
        const auto exportOf = [&](int n) {
            return runTool(QStringLiteral(PLUMBLINE_EXPORT_BIN), {QStringLiteral("--data-dir"), folder.dir(),
                                                                  QStringLiteral("--investment"), QString::number(n)});
        };
        const Run original = exportOf(2);
        QCOMPARE(original.exitCode, 0);
        QTemporaryDir files;
        const QString csvPath = files.filePath(QStringLiteral("export.csv"));
        QFile out(csvPath);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(original.out.toUtf8());
        out.close();
        const Run imported =
            importTool({QStringLiteral("--data-dir"), folder.dir(), QStringLiteral("--new-investment"),
                        QStringLiteral("Copy"), QStringLiteral("--institution"), QStringLiteral("Of two"), csvPath});
        QCOMPARE(imported.exitCode, 0);
        const Run copy = exportOf(4);
        QCOMPARE(copy.exitCode, 0);
        // From the record number on, every field of every row is the same.
        const auto figures = [](const QString &csv) {
            QStringList rows;
            for (const QString &row : csv.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1))
                rows << row.section(QLatin1Char(','), 3);
            return rows;
        };
        QCOMPARE(figures(copy.out).size(), 40);
        QCOMPARE(figures(copy.out), figures(original.out));
        QVERIFY(copy.out.contains(QStringLiteral("4,Copy,Of two,1,")));
    }
};

QTEST_GUILESS_MAIN(tst_RecordImport)
#include "tst_recordimport.moc"
