// An investment delete killed at every step and at random instants, on a large history:
// after the next start-up's clean-up both data files are old or both are new, whatever
// the commit marker said is what happened, and nothing else is left in the folder.
#include "datafiles.h"
#include "tempdatafolder.h"

#include "storage/leftovers.h"
#include "storage/transaction.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

namespace {

const QString Invest = QStringLiteral("PlumblineData");
const QString Hist = QStringLiteral("PlDataHist.txt");
constexpr int Investments = 20;
constexpr int Deleted = 7;
constexpr int Lines = 100000;

QByteArray histLine(int invest, int n)
{
    return QByteArray::number(invest) + ",#" + QByteArray::number(1950 + n % 70) + '-' +
           QByteArray::number(n % 12 + 1).rightJustified(2, '0') + '-' +
           QByteArray::number(n % 28 + 1).rightJustified(2, '0') + "#," + QByteArray::number(1000 + n % 997) + ',' +
           QByteArray::number(900 + n) + ".25," + QByteArray::number(n % 9) + ".5\r\n";
}

// The folder before the delete, and what the delete must make of it: the deleted
// investment's lines gone, the later ones numbered one lower, everything else as it was.
struct Expected
{
    QByteArray oldInvest, oldHist, newInvest, newHist;
};

Expected expectedFiles()
{
    Expected e;
    for (int n = 1; n <= Investments; ++n) {
        const QByteArray type = "Type " + QByteArray::number(n);
        e.oldInvest += testing::recordBytes(n, type, "Bank");
        if (n != Deleted)
            e.newInvest += testing::recordBytes(n < Deleted ? n : n - 1, type, "Bank");
    }
    e.oldHist.reserve(Lines * 40);
    e.newHist.reserve(Lines * 40);
    for (int n = 0; n < Lines; ++n) {
        const int invest = (n * 7) % Investments + 1; // interleaved, as years of use leave them
        e.oldHist += histLine(invest, n);
        if (invest != Deleted)
            e.newHist += histLine(invest < Deleted ? invest : invest - 1, n);
    }
    return e;
}

struct ChildRun
{
    bool finished = false; // ran to its end on its own
    int milliseconds = 0;
};

ChildRun runChild(const QString &folder, const QStringList &killStep = {}, int killAfterMs = -1)
{
    QProcess child;
    child.setProgram(QStringLiteral(REWRITE_CHILD_BIN));
    child.setArguments(
        QStringList{folder, QStringLiteral("deleteinvestment"), QString::number(Deleted), QStringLiteral("0")} +
        killStep);
    ChildRun run;
    child.start();
    if (!child.waitForStarted(10000) || !child.waitForReadyRead(10000)) {
        child.waitForFinished(60000);
        return run;
    }
    QElapsedTimer timer;
    timer.start();
    if (killAfterMs >= 0) {
        QTest::qSleep(killAfterMs);
        child.kill();
    }
    child.waitForFinished(60000);
    run.milliseconds = int(timer.elapsed());
    run.finished = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 &&
                   child.readAllStandardOutput().contains("done");
    return run;
}

} // namespace

class tst_crashsafety : public QObject
{
    Q_OBJECT

private:
    Expected m_files;

    void writeOldFolder(const testing::TempDataFolder &folder)
    {
        QVERIFY(folder.writeBytes(Invest, m_files.oldInvest));
        QVERIFY(folder.writeBytes(Hist, m_files.oldHist));
    }

    // The next start-up, then the state: true for the new pair, false for the old one.
    bool startAndCheck(const testing::TempDataFolder &folder, const QString &what)
    {
        const bool marked = folder.exists(storage::CommitMarkerName);
        const storage::LeftoverReport report = storage::cleanUpLeftovers();
        [&] { QVERIFY2(report.recoveredFolder.isEmpty(), qPrintable(what)); }();
        const QByteArray invest = folder.readBytes(Invest);
        const QByteArray hist = folder.readBytes(Hist);
        const bool oldPair = invest == m_files.oldInvest && hist == m_files.oldHist;
        const bool newPair = invest == m_files.newInvest && hist == m_files.newHist;
        [&] {
            QVERIFY2(oldPair || newPair,
                     qPrintable(QStringLiteral("%1: investments %2 bytes (%3), history %4 bytes (%5)")
                                    .arg(what)
                                    .arg(invest.size())
                                    .arg(invest == m_files.oldInvest ? "old" : "not old")
                                    .arg(hist.size())
                                    .arg(hist == m_files.oldHist ? "old" : "not old")));
            // A marker means the delete was committed: the start-up completes it.
            if (marked) {
                QVERIFY2(newPair, qPrintable(what));
                QCOMPARE(report.renames, storage::PendingOutcome::RolledForward);
            } else {
                QCOMPARE(report.renames, storage::PendingOutcome::None);
            }
            QStringList names = QDir(folder.dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            names.sort();
            QCOMPARE(names, (QStringList{Hist, Invest}));
        }();
        return newPair;
    }

private slots:
    void initTestCase() { m_files = expectedFiles(); }

    // Killed the nth time each step runs: the opens of the work and new files, the writes,
    // the flushes to disk (the history's among them), the marker's rename, the renames
    // of both files and the removal of the marker.
    void killedAtEachStep_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QList<int>>("nths");
        QList<int> every;
        for (int n = 1; n <= 12; ++n)
            every.append(n);
        QTest::newRow("open") << "open" << every;
        QTest::newRow("flush") << "flush" << every;
        QTest::newRow("rename") << "rename" << every;
        QTest::newRow("write") << "write" << QList<int>{1, 2, 20, 60, 61, 62, 63, 90, 120, 125, 130, 140, 200, 5000};
    }
    void killedAtEachStep()
    {
        QFETCH(QString, step);
        QFETCH(QList<int>, nths);
        testing::TempDataFolder folder;
        int oldSeen = 0, newSeen = 0, finished = 0;
        for (int nth : nths) {
            writeOldFolder(folder);
            const ChildRun run = runChild(folder.dir(), {step, QString::number(nth)});
            if (run.finished)
                ++finished;
            const QString what = QStringLiteral("killed at %1 %2").arg(step).arg(nth);
            const bool isNew = startAndCheck(folder, what);
            if (QTest::currentTestFailed())
                return;
            isNew ? ++newSeen : ++oldSeen;
            QVERIFY2(!run.finished || isNew, qPrintable(what));
        }
        qInfo("%s: %d left the old files, %d the new ones, %d ran to the end", qPrintable(step), oldSeen, newSeen,
              finished);
        QVERIFY(oldSeen > 0);
        if (step == QLatin1String("rename"))
            QVERIFY(newSeen > finished); // killed after the commit, completed at the start
    }

    void killedAtRandomInstants()
    {
        testing::TempDataFolder folder;
        writeOldFolder(folder);
        const ChildRun whole = runChild(folder.dir());
        QVERIFY(whole.finished);
        QVERIFY(startAndCheck(folder, QStringLiteral("a run to its end")));

        int oldSeen = 0, newSeen = 0;
        const int runs = 16;
        for (int run = 0; run < runs; ++run) {
            writeOldFolder(folder);
            const int delay = int(QRandomGenerator::global()->bounded(whole.milliseconds * 3 / 2 + 1));
            runChild(folder.dir(), {}, delay);
            const bool isNew =
                startAndCheck(folder, QStringLiteral("killed after %1 ms of %2").arg(delay).arg(whole.milliseconds));
            if (QTest::currentTestFailed())
                return;
            isNew ? ++newSeen : ++oldSeen;
        }
        qInfo("%d ms a delete; %d left the old files, %d the new ones", whole.milliseconds, oldSeen, newSeen);
    }

    // A marker whose new files are not all there (removed from outside): nothing is
    // renamed, the marker is set aside and the old files stay.
    void markerWithoutItsFilesRollsBack()
    {
        testing::TempDataFolder folder;
        writeOldFolder(folder);
        QVERIFY(folder.writeBytes(QStringLiteral("TempHist.txt"), m_files.newHist));
        const QByteArray marker =
            "Plumbline 3.5 renames\n" +
            QFile::encodeName(folder.path(QStringLiteral("TempHist.txt"))).toPercentEncoding("/ ") + '\t' +
            QFile::encodeName(folder.path(Hist)).toPercentEncoding("/ ") + "\t1\t2\t3\nend\n";
        QVERIFY(folder.writeBytes(storage::CommitMarkerName, marker));
        const storage::LeftoverReport report = storage::cleanUpLeftovers(QDateTime({2026, 3, 4}, {5, 6, 7}));
        QCOMPARE(report.renames, storage::PendingOutcome::RolledBack);
        QCOMPARE(folder.readBytes(Hist), m_files.oldHist);
        QCOMPARE(folder.readBytes(Invest), m_files.oldInvest);
        QCOMPARE(report.recoveredFolder, folder.path(QStringLiteral("Recovered 2026-03-04 050607")));
        QCOMPARE(report.recoveredNames, (QStringList{QStringLiteral("TempHist.txt"), storage::CommitMarkerName}));
        QCOMPARE(QFile(report.recoveredFolder + QStringLiteral("/TempHist.txt")).size(), m_files.newHist.size());
        QVERIFY(!folder.exists(storage::CommitMarkerName));
    }
};

QTEST_GUILESS_MAIN(tst_crashsafety)
#include "tst_crashsafety.moc"
