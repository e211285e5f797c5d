// The report under failure: a damaged history, a write or an open that fails on either of its
// threads, a process killed part way. Each leaves no partial file, the older report as it was,
// and the data folder untouched. (The targets it must refuse: tst_reporttargets.)
#include "appfixture.h"
#include "reporttesting.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/locale.h"
#include "render/report/reportwriter.h"
#include "storage/datafolder.h"
#include "storage/faults.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

using namespace reporttesting;

namespace {

// Whether files can be created without a name in `folder` (ext4, tmpfs): then a killed report
// leaves nothing at all behind.
bool unnamedFilesIn(const QString &folder)
{
#ifdef O_TMPFILE
    const int fd = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_WRONLY, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
#else
    Q_UNUSED(folder);
    return false;
#endif
}

} // namespace

class tst_reportsafety : public QObject
{
    Q_OBJECT

private slots:
    void init() { platform::LocaleServices::setToday(QDate(2026, 3, 14)); }
    void cleanup()
    {
        storage::faults::clear();
        platform::LocaleServices::setToday(QDate());
    }

    void damagedHistoryWritesNothing()
    {
        testing::AppFixture app;
        writeExample(app);
        QStringList damaged = History;
        damaged.insert(3, QStringLiteral("2,#2002-13-45#,2500,2500,1"));
        app.writeHistory(damaged);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("r.pdf"));
        long long line = 0;
        QCOMPARE(errorOf([&] { render::writeReport({pdf, 0}); }, &line), int(RuntimeError::TypeMismatch));
        QCOMPARE(line, 4LL);
        QVERIFY(entries(out.path()).isEmpty());

        // From the command line: file and line, exit code 1, no file.
        QProcess tool;
        tool.start(QStringLiteral(PLUMBLINE_REPORT_BIN),
                   {QStringLiteral("--data-dir"), app.folder().dir(), QStringLiteral("--out"), pdf});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 1);
        QVERIFY(QString::fromUtf8(tool.readAllStandardError())
                    .endsWith(QStringLiteral("plumbline-report: \"%1\", line 4: error 13: Type mismatch\n")
                                  .arg(QDir::toNativeSeparators(app.folder().path(storage::HistFileName)))));
        QVERIFY(entries(out.path()).isEmpty());
    }

    void failingWriteLeavesNoPartialFile_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("nth");
        QTest::newRow("opening") << int(storage::faults::Step::Open) << 1;
        QTest::newRow("first page") << int(storage::faults::Step::Write) << 1;
        QTest::newRow("third page") << int(storage::faults::Step::Write) << 3;
        QTest::newRow("putting in place") << int(storage::faults::Step::Rename) << 1;
    }

    void failingWriteLeavesNoPartialFile()
    {
        QFETCH(int, step);
        QFETCH(int, nth);
        testing::AppFixture app;
        writeExample(app);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("r.pdf"));
        QVERIFY(QFile(pdf).open(QIODevice::WriteOnly)); // an older report stays whole
        {
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old report");
        }
        storage::faults::failAt(storage::faults::Step(step), nth);
        QCOMPARE(errorOf([&] { render::writeReport({pdf, 0}); }), int(RuntimeError::DeviceIOError));
        QCOMPARE(entries(out.path()), QStringList{QStringLiteral("r.pdf")});
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old report"));
    }

    // A failure at any of the report's opens gives the numbered error and no file, and leaves
    // the window's figures as they were: the next report comes out whole.
    void failureAtAnOpenWritesNothing()
    {
        testing::AppFixture app;
        writeExample(app);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("r.pdf"));
        render::writeReport({pdf, 0});
        const QStringList expected = pageTexts(pdf);
        QCOMPARE(expected.size(), 4);
        QVERIFY(QFile::remove(pdf));

        const Currency shown = Currency::fromUnits(1234567);
        modPlMainMod::curCurAmntAFI = shown;
        int failures = 0;
        for (int nth = 1; nth <= 50; ++nth) {
            storage::faults::failAt(storage::faults::Step::Open, nth);
            const int error = errorOf([&] { render::writeReport({pdf, 0}); });
            storage::faults::clear();
            QCOMPARE(modPlMainMod::curCurAmntAFI, shown);
            if (error == 0)
                break;
            QCOMPARE(error, int(RuntimeError::DeviceIOError));
            QVERIFY(entries(out.path()).isEmpty());
            ++failures;
        }
        // The report's file, then the investment file and the history for the one pass over it;
        // the reading thread takes the records from that pass and opens nothing.
        QCOMPARE(failures, 3);
        QCOMPARE(pageTexts(pdf), expected);
    }

    // A page that cannot be written while the reading thread waits for room to hand over rows:
    // the thread is stopped, nothing is written, and the next report is whole.
    void failureOnThePaintingThreadStopsTheReading()
    {
        testing::AppFixture app;
        writeTwoLongInvestments(app, 8000, 1700);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("long.pdf"));
        const Currency shown = Currency::fromUnits(7654321);
        modPlMainMod::curCurAmntAFI = shown;
        for (const int nth : {2, 40, 150}) {
            storage::faults::failAt(storage::faults::Step::Write, nth);
            QCOMPARE(errorOf([&] { render::writeReport({pdf, 0}); }), int(RuntimeError::DeviceIOError));
            storage::faults::clear();
            QVERIFY(entries(out.path()).isEmpty());
            QCOMPARE(modPlMainMod::curCurAmntAFI, shown);
        }
        const int pages = render::writeReport({pdf, 0});
        QVERIFY(pages > 150);
        const QStringList text = pageTexts(pdf);
        QCOMPARE(text.size(), pages);
        QVERIFY(text.last().contains(QStringLiteral("Page %1 of %1").arg(pages)));
        QVERIFY(text.last().contains(QStringLiteral("4000 4/15/2033 $5,000.00 $12,999.00")));
    }

    // A report killed at any moment, on either thread's watch, leaves the older report as it
    // was, or no file where there was none. Where the file system has unnamed files (ext4,
    // tmpfs) nothing at all is left beside it; elsewhere at most its unfinished ".r.pdf.*.new".
    void killedPartWayLeavesTheOldReport_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("nth");
        QTest::addColumn<bool>("older");
        QTest::newRow("opening") << QStringLiteral("open") << 1 << true;
        QTest::newRow("reading the history") << QStringLiteral("open") << 3 << true;
        QTest::newRow("first page") << QStringLiteral("write") << 1 << true;
        QTest::newRow("second page") << QStringLiteral("write") << 2 << true;
        QTest::newRow("a middle page") << QStringLiteral("write") << 60 << true;
        QTest::newRow("a middle page, no older report") << QStringLiteral("write") << 60 << false;
        QTest::newRow("syncing") << QStringLiteral("flush") << 1 << true;
        QTest::newRow("putting in place") << QStringLiteral("rename") << 1 << true;
        QTest::newRow("putting in place, no older report") << QStringLiteral("rename") << 1 << false;
    }

    void killedPartWayLeavesTheOldReport()
    {
        QFETCH(QString, step);
        QFETCH(int, nth);
        QFETCH(bool, older);
        testing::AppFixture app;
        writeTwoLongInvestments(app, 6000, 1800);
        const QByteArray history = app.historyBytes();
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("r.pdf"));
        if (older)
            QVERIFY(writeBytes(pdf, "old report"));
        QProcess child;
        child.start(QStringLiteral(REPORT_CHILD_BIN), {app.folder().dir(), pdf, step, QString::number(nth)});
        QVERIFY(child.waitForFinished(120000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY(!child.readAllStandardOutput().contains("done"));
        QStringList left = entries(out.path());
        QCOMPARE(left.removeAll(QStringLiteral("r.pdf")), qsizetype(older ? 1 : 0));
        if (unnamedFilesIn(out.path()))
            QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
        else
            QVERIFY2(left.isEmpty() || (left.size() == 1 && left.first().startsWith(QStringLiteral(".r.pdf."))),
                     qPrintable(left.join(QLatin1Char(' '))));
        if (older) {
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("old report"));
        }
        QCOMPARE(app.historyBytes(), history);
    }
};

QTEST_MAIN(tst_reportsafety)
#include "tst_reportsafety.moc"
