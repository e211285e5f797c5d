// An investment delete killed at every step and at random instants, on a large history:
// after the next start-up's clean-up both data files are old or both are new, whatever
// the commit marker said is what happened, and nothing else is left in the folder. Killed
// between its renames and then copied or moved, the folder is recovered from its own
// files, and the folder it came from is never touched.
#include "datafiles.h"
#include "tempdatafolder.h"

#include "storage/datafolder.h"
#include "storage/fileops.h"
#include "storage/leftovers.h"
#include "storage/transaction.h"

#include <QDir>
#include <QDirIterator>
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

// Every file of a folder (hidden ones and subfolders too) with its bytes.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files[QDir(folder).relativeFilePath(path)] = file.open(QIODevice::ReadOnly) ? file.readAll() : "(folder)";
    }
    return files;
}

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The marker as the previous version wrote it for the same renames: absolute paths, and
// each new file known by its device, inode and size.
QByteArray oldFormMarker(const QString &folder)
{
    QFile file(QDir(folder).filePath(storage::CommitMarkerName));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray text = "Plumbline 3.5 renames\n";
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines.mid(1)) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 4)
            continue;
        const QString to = QDir(folder).filePath(QString::fromUtf8(QByteArray::fromPercentEncoding(fields.at(0))));
        const QString from = QDir(folder).filePath(QString::fromUtf8(QByteArray::fromPercentEncoding(fields.at(1))));
        // The new file is still under its own name, or already under the old one's.
        const storage::FileIdentity id =
            storage::identityOf(from).exists ? storage::identityOf(from) : storage::identityOf(to);
        text += QFile::encodeName(from).toPercentEncoding("/ ") + '\t' + QFile::encodeName(to).toPercentEncoding("/ ") +
                '\t' + QByteArray::number(id.size) + '\t' + QByteArray::number(id.device) + '\t' +
                QByteArray::number(id.inode) + '\n';
    }
    return text + "end\n";
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

    // Killed at the marker's own rename (2: nothing renamed yet) or between the two renames
    // (3: the investment file is new, the history still old), then the folder is copied or
    // moved before the next start. That start completes the delete from the files of the
    // folder it runs in, or leaves a pair that belongs together: both old, or both data
    // files set aside when neither pair can be made. The folder it came from (for a move, a
    // copy put back at the old place) is never touched.
    void recoveredWhereTheFolderNowIs_data()
    {
        QTest::addColumn<QString>("how");    // in place, cp -a, mv, visible files only, cp -a with TempHist.txt cut
        QTest::addColumn<int>("nth");        // the rename killed at
        QTest::addColumn<QString>("marker"); // new, old (the previous version's form), damaged
        QTest::addColumn<QString>("result"); // new, old, set aside
        QTest::newRow("copied, nothing renamed") << "cp" << 2 << "new"
                                                 << "new";
        QTest::newRow("copied, one renamed") << "cp" << 3 << "new"
                                             << "new";
        QTest::newRow("moved, nothing renamed") << "mv" << 2 << "new"
                                                << "new";
        QTest::newRow("moved, one renamed") << "mv" << 3 << "new"
                                            << "new";
        QTest::newRow("copied without hidden files, nothing renamed") << "visible" << 2 << "new"
                                                                      << "old";
        QTest::newRow("copied without hidden files, one renamed") << "visible" << 3 << "new"
                                                                  << "new";
        QTest::newRow("copied, new history cut short, nothing renamed") << "cut" << 2 << "new"
                                                                        << "old";
        QTest::newRow("copied, new history cut short, one renamed") << "cut" << 3 << "new"
                                                                    << "set aside";
        QTest::newRow("old marker in place, one renamed") << "here" << 3 << "old"
                                                          << "new";
        QTest::newRow("old marker moved, one renamed") << "mv" << 3 << "old"
                                                       << "new";
        QTest::newRow("old marker copied, nothing renamed") << "cp" << 2 << "old"
                                                            << "old";
        QTest::newRow("old marker copied, one renamed") << "cp" << 3 << "old"
                                                        << "set aside";
        QTest::newRow("damaged marker copied, one renamed") << "cp" << 3 << "damaged"
                                                            << "set aside";
    }
    void recoveredWhereTheFolderNowIs()
    {
        QFETCH(QString, how);
        QFETCH(int, nth);
        QFETCH(QString, marker);
        QFETCH(QString, result);
        testing::TempDataFolder base;
        const QString original = base.path(QStringLiteral("Plumbline 3.5"));
        QVERIFY(QDir(base.dir()).mkdir(QStringLiteral("Plumbline 3.5")));
        storage::setProgramFolder(original);
        QVERIFY(base.writeBytes(QStringLiteral("Plumbline 3.5/") + Invest, m_files.oldInvest));
        QVERIFY(base.writeBytes(QStringLiteral("Plumbline 3.5/") + Hist, m_files.oldHist));
        QVERIFY(!runChild(original, {QStringLiteral("rename"), QString::number(nth)}).finished);
        QVERIFY(QFileInfo::exists(QDir(original).filePath(storage::CommitMarkerName)));
        if (marker != QLatin1String("new")) {
            const QByteArray text = marker == QLatin1String("old") ? oldFormMarker(original) : "Plumbline 3.5 ren";
            QFile file(QDir(original).filePath(storage::CommitMarkerName));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size());
        }

        QString place = base.path(QStringLiteral("elsewhere"));
        if (how == QLatin1String("here")) {
            place = original;
        } else if (how == QLatin1String("mv")) {
            QVERIFY(run(QStringLiteral("mv"), {original, place}));
            QVERIFY(run(QStringLiteral("cp"), {QStringLiteral("-a"), place, original}));
        } else if (how == QLatin1String("visible")) {
            QVERIFY(QDir().mkdir(place));
            for (const QString &name : QDir(original).entryList(QDir::Files))
                QVERIFY(QFile::copy(QDir(original).filePath(name), QDir(place).filePath(name)));
        } else {
            QVERIFY(run(QStringLiteral("cp"), {QStringLiteral("-a"), original, place}));
            if (how == QLatin1String("cut")) {
                QFile cut(QDir(place).filePath(QStringLiteral("TempHist.txt")));
                QVERIFY(cut.resize(cut.size() / 2));
            }
        }
        const QMap<QString, QByteArray> before = place == original ? QMap<QString, QByteArray>() : snapshot(original);

        storage::setProgramFolder(place);
        const storage::LeftoverReport report = storage::cleanUpLeftovers(QDateTime({2026, 3, 4}, {5, 6, 7}));
        if (place != original)
            QCOMPARE(snapshot(original), before);

        const QDir folder(place);
        const auto bytes = [&](const QString &name) {
            QFile file(folder.filePath(name));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QString recovered = QStringLiteral("Recovered 2026-03-04 050607/");
        QVERIFY(!folder.exists(storage::CommitMarkerName));
        if (result == QLatin1String("new")) {
            QCOMPARE(report.renames, storage::PendingOutcome::RolledForward);
            QVERIFY(bytes(Invest) == m_files.newInvest);
            QVERIFY(bytes(Hist) == m_files.newHist);
            QCOMPARE(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     (QStringList{Hist, Invest}));
            QVERIFY(storage::pendingChangeNote(report).isEmpty());
        } else if (result == QLatin1String("old")) {
            QCOMPARE(report.renames, storage::PendingOutcome::RolledBack);
            QVERIFY(bytes(Invest) == m_files.oldInvest);
            QVERIFY(bytes(Hist) == m_files.oldHist);
            QVERIFY(report.recoveredNames.contains(storage::CommitMarkerName));
            QVERIFY(storage::pendingChangeNote(report).contains(QStringLiteral("undone")));
        } else {
            // Neither pair can be had from this folder: both go aside, as they are.
            QCOMPARE(report.renames, storage::PendingOutcome::Unfinishable);
            QVERIFY(!folder.exists(Invest));
            QVERIFY(!folder.exists(Hist));
            QVERIFY(bytes(recovered + Invest) == m_files.newInvest);
            QVERIFY(bytes(recovered + Hist) == m_files.oldHist);
            QVERIFY(bytes(recovered + storage::CommitMarkerName).size() > 0);
            const QString note = storage::pendingChangeNote(report);
            if (marker == QLatin1String("damaged")) {
                QVERIFY(report.markerUnreadable);
                QVERIFY2(note.contains(QStringLiteral("cannot be read")), qPrintable(note));
            } else if (marker == QLatin1String("old")) {
                // A copy keeps no inode: whether the investment file is the new one is not known.
                QVERIFY(report.replacedNames.isEmpty());
                QCOMPARE(report.notReplacedNames, (QStringList{Invest, Hist}));
                QVERIFY2(note.contains(QStringLiteral("whether it had already replaced \"PlumblineData\" or "
                                                      "\"PlDataHist.txt\" is not known")),
                         qPrintable(note));
            } else {
                QCOMPARE(report.replacedNames, QStringList{Invest});
                QCOMPARE(report.notReplacedNames, QStringList{Hist});
                QVERIFY2(note.contains(QStringLiteral("replaced \"PlumblineData\" but not \"PlDataHist.txt\"")),
                         qPrintable(note));
            }
        }
    }

    // A start killed while it set both data files aside, after the first of them: the marker
    // goes last, so the next start finds it, cannot know the missing file, and sets the
    // other one aside too rather than use it alone.
    void startInterruptedWhileSettingAsideFinishesIt()
    {
        testing::TempDataFolder folder;
        writeOldFolder(folder);
        QVERIFY(!runChild(folder.dir(), {QStringLiteral("rename"), QStringLiteral("3")}).finished);
        QFile cut(folder.path(QStringLiteral("TempHist.txt")));
        QVERIFY(cut.resize(cut.size() - 1));
        const QString first = QStringLiteral("Recovered 2026-03-04 050607");
        QVERIFY(QDir(folder.dir()).mkdir(first));
        QVERIFY(QFile::rename(folder.path(Invest), folder.path(first + QLatin1Char('/') + Invest)));

        const storage::LeftoverReport report = storage::cleanUpLeftovers(QDateTime({2026, 3, 4}, {5, 6, 8}));
        QCOMPARE(report.renames, storage::PendingOutcome::Unfinishable);
        QCOMPARE(report.recoveredNames, (QStringList{Hist, QStringLiteral("TempHist.txt"), storage::CommitMarkerName}));
        QCOMPARE(QDir(folder.dir()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(folder.readBytes(first + QLatin1Char('/') + Invest) == m_files.newInvest);
        QVERIFY(folder.readBytes(QStringLiteral("Recovered 2026-03-04 050608/") + Hist) == m_files.oldHist);
    }

    // Data files that are links elsewhere: their new files wait beside the files they point
    // to, and the start completes the renames there, through the folder's own links, also
    // in a copy of the folder whose links point to the same files.
    void linkedDataFilesAreCompletedWhereTheyPoint_data()
    {
        QTest::addColumn<bool>("copied");
        QTest::newRow("in place") << false;
        QTest::newRow("copied with its links") << true;
    }
    void linkedDataFilesAreCompletedWhereTheyPoint()
    {
        QFETCH(bool, copied);
        testing::TempDataFolder base;
        const QDir dir(base.dir());
        QVERIFY(dir.mkdir(QStringLiteral("data")) && dir.mkdir(QStringLiteral("real")));
        QVERIFY(base.writeBytes(QStringLiteral("real/invest.bin"), m_files.oldInvest));
        QVERIFY(base.writeBytes(QStringLiteral("real/history.txt"), m_files.oldHist));
        const QString data = dir.filePath(QStringLiteral("data"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("real/invest.bin")), data + QLatin1Char('/') + Invest));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("real/history.txt")), data + QLatin1Char('/') + Hist));
        QVERIFY(!runChild(data, {QStringLiteral("rename"), QStringLiteral("3")}).finished);
        QVERIFY(QFileInfo::exists(data + QLatin1Char('/') + storage::CommitMarkerName));
        QString place = data;
        if (copied) {
            place = dir.filePath(QStringLiteral("copy"));
            QVERIFY(run(QStringLiteral("cp"), {QStringLiteral("-a"), data, place}));
        }
        storage::setProgramFolder(place);
        QCOMPARE(storage::cleanUpLeftovers().renames, storage::PendingOutcome::RolledForward);
        QVERIFY(QFileInfo(place + QLatin1Char('/') + Invest).isSymLink());
        QVERIFY(QFileInfo(place + QLatin1Char('/') + Hist).isSymLink());
        QVERIFY(base.readBytes(QStringLiteral("real/invest.bin")) == m_files.newInvest);
        QVERIFY(base.readBytes(QStringLiteral("real/history.txt")) == m_files.newHist);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("real"))).entryList(QDir::Files | QDir::Hidden).size(), 2);
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
