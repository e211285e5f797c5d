// The kept versions when things go wrong: a process killed at every open, write, flush and
// rename of a change, an undo, a redo and a restore; a real full disk; a Versions folder
// damaged or not the program's own.
#include "datafiles.h"
#include "tempdatafolder.h"
#include "versionstesting.h"

#include "storage/fileops.h"
#include "storage/leftovers.h"
#include "storage/versions.h"

#include <QDirIterator>
#include <QProcess>
#include <QtTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using storage::VersionStore;
using testing::DataPair;
using testing::readPair;

namespace {

const QByteArray BackupInvest = testing::investRecord(1, "Cash", "Home") + testing::investRecord(2, "Gold", "Vault");
const QByteArray BackupHist = "1,#2010-05-01#,100,100,0\r\n2,#2011-07-04#,50,55,1\r\n";

void keptChange(VersionStore &store, const QString &kind)
{
    auto kept = store.begin(testing::describeChange(kind));
    testing::makeChange(kind);
    kept.commit();
}

// Two changes kept (a record added, an investment deleted), then what `operation` needs.
void prepare(const QString &folder, const QString &operation, const QString &backup)
{
    testing::writeStartPair(folder);
    testing::openChannelOne();
    VersionStore store(folder);
    keptChange(store, QStringLiteral("add record"));
    keptChange(store, QStringLiteral("delete investment"));
    if (operation == QLatin1String("redo")) {
        storage::close(1);
        store.undo();
        testing::openChannelOne();
    }
    storage::close(1);
    testing::writeFile(QDir(backup).filePath(storage::InvestFileName), BackupInvest);
    testing::writeFile(QDir(backup).filePath(storage::HistFileName), BackupHist);
}

// The operation in this process, with channel 1 closed.
void runHere(const QString &folder, const QString &operation)
{
    VersionStore store(folder);
    if (operation == QLatin1String("change")) {
        testing::openChannelOne();
        auto kept = store.begin(testing::describeChange(QStringLiteral("edit record"), 7));
        testing::makeChange(QStringLiteral("edit record"), 7);
        kept.commit();
        storage::close(1);
    } else if (operation == QLatin1String("undo")) {
        store.undo();
    } else if (operation == QLatin1String("redo")) {
        store.redo();
    } else if (operation.startsWith(QLatin1String("restore:"))) {
        store.restore(operation.mid(8).toInt());
    } else {
        store.restoreBackup(operation.mid(7));
    }
}

// The way back from the state the operation makes.
void reverseHere(const QString &folder, const QString &operation)
{
    VersionStore store(folder);
    if (operation == QLatin1String("undo"))
        store.redo();
    else
        store.undo();
}

struct ChildRun
{
    bool finished = false;
    bool killed = false;
};

ChildRun runChild(const QString &folder, const QString &operation, const QString &step, int nth)
{
    QProcess child;
    child.start(QStringLiteral(VERSIONS_CHILD_BIN), {folder, operation, step, QString::number(nth)});
    ChildRun run;
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        return run;
    }
    run.killed = child.exitStatus() == QProcess::CrashExit;
    run.finished = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    return run;
}

QStringList strays(const QString &versions)
{
    QStringList names;
    QDirIterator it(versions, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        const QString name = QFileInfo(it.next()).fileName();
        if (name.startsWith(QLatin1Char('.')) || name == QLatin1String("moving"))
            names << name;
    }
    return names;
}

} // namespace

class tst_versionscrash : public QObject
{
    Q_OBJECT

private slots:
    // Killed the nth time a step runs, for every n until the operation gets through: the
    // next start leaves the pair wholly old or wholly new, the versions agree with it, and
    // the operation can be made (old) or taken back (new) byte for byte.
    void killedAtEachStep_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("step");
        for (const char *operation : {"change", "undo", "redo", "restore:1", "backup"}) {
            for (const char *step : {"open", "write", "flush", "rename"})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(operation, step)))
                    << QString::fromLatin1(operation) << QString::fromLatin1(step);
        }
    }
    void killedAtEachStep()
    {
        QFETCH(QString, operation);
        QFETCH(QString, step);
        testing::CleanStorage clean;
        QTemporaryDir backup;
        // What the operation makes, worked out once without a kill.
        DataPair oldPair, newPair;
        {
            testing::TempDataFolder reference;
            const QString op =
                operation == QLatin1String("backup") ? operation + QLatin1Char(':') + backup.path() : operation;
            prepare(reference.dir(), operation, backup.path());
            oldPair = readPair(reference.dir());
            runHere(reference.dir(), op);
            newPair = readPair(reference.dir());
            QVERIFY(oldPair != newPair);
        }
        const QString op =
            operation == QLatin1String("backup") ? operation + QLatin1Char(':') + backup.path() : operation;
        int kills = 0;
        for (int nth = 1; nth < 200; ++nth) {
            testing::CleanStorage fresh;
            testing::TempDataFolder folder;
            prepare(folder.dir(), operation, backup.path());
            const ChildRun run = runChild(folder.dir(), op, step, nth);
            QVERIFY2(run.finished || run.killed, qPrintable(QStringLiteral("nth %1").arg(nth)));
            const QString what = QStringLiteral("%1, killed at %2 %3").arg(operation, step).arg(nth);

            // The next start.
            const storage::LeftoverReport leftovers = storage::cleanUpLeftovers();
            QVERIFY2(leftovers.recoveredFolder.isEmpty(), qPrintable(what));
            VersionStore store(folder.dir());
            const VersionStore::Recovery recovery = store.recover();
            const DataPair now = readPair(folder.dir());
            const bool isNew = now == newPair;
            QVERIFY2(isNew || now == oldPair, qPrintable(what));
            if (run.finished)
                QVERIFY2(isNew, qPrintable(what));
            QVERIFY2(recovery.note.isEmpty() || !run.finished, qPrintable(recovery.note));
            QCOMPARE(strays(QDir(folder.dir()).filePath(storage::VersionsFolderName)), QStringList());

            // The versions agree with the live pair: each way works, byte for byte.
            if (isNew) {
                reverseHere(folder.dir(), op);
                QVERIFY2(readPair(folder.dir()) == oldPair, qPrintable(what));
            } else {
                runHere(folder.dir(), op);
                QVERIFY2(readPair(folder.dir()) == newPair, qPrintable(what));
            }
            if (run.finished)
                break;
            ++kills;
        }
        QVERIFY(kills > 0);
    }

    // A real full disk: keeping the state before a change fails with 61 and leaves the data
    // files and the versions as they were, whatever room there is left.
    void fullDisk()
    {
        if (::geteuid() != 0)
            QSKIP("mounting a small tmpfs needs root; the fault layer's tests cover the rest");
        QTemporaryDir mountPoint;
        const QByteArray where = QFile::encodeName(mountPoint.path());
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("no tmpfs could be mounted here");
        struct Unmount
        {
            QByteArray where;
            ~Unmount() { ::umount2(where.constData(), MNT_DETACH); }
        } unmount{where};
        testing::TempDataFolder settings; // the settings files of the test, not the user's
        testing::CleanStorage clean;
        storage::setProgramFolder(mountPoint.path());
        testing::writeStartPair(mountPoint.path());
        testing::openChannelOne();
        {
            VersionStore store(mountPoint.path());
            keptChange(store, QStringLiteral("add record"));
        }
        const QString versions = mountPoint.filePath(storage::VersionsFolderName);
        int refused = 0;
        for (int room = 0; room <= 8 * 4096; room += 2048) {
            QFile filler(mountPoint.filePath(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {
            }
            filler.close();
            QVERIFY(filler.resize(qMax<qint64>(0, filler.size() - room)));
            const DataPair before = readPair(mountPoint.path());
            QStringList kept = QDir(versions).entryList(QDir::Files | QDir::Hidden);
            VersionStore store(mountPoint.path());
            try {
                auto change = store.begin(testing::describeChange(QStringLiteral("edit investment"), room));
                QVERIFY(room > 0);
                // Room for the version: the change and its commit go ahead or fail whole.
                try {
                    testing::makeChange(QStringLiteral("edit investment"), room);
                    change.commit();
                } catch (const RuntimeError &) {
                }
            } catch (const RuntimeError &error) {
                QCOMPARE(error.number(), int(RuntimeError::DiskFull));
                QVERIFY(readPair(mountPoint.path()) == before);
                QCOMPARE(QDir(versions).entryList(QDir::Files | QDir::Hidden), kept);
                ++refused;
            }
            QFile::remove(filler.fileName());
            VersionStore restarted(mountPoint.path());
            restarted.recover();
            QVERIFY(restarted.undoChange().has_value());
        }
        QVERIFY(refused > 0);
    }

    // Data files that are links to another file system: no hard link can reach them, so the
    // history is kept by a copy; undo and redo write through the links, which stay links.
    void dataFilesLinkedToAnotherFileSystem()
    {
        if (::geteuid() != 0)
            QSKIP("mounting a tmpfs needs root");
        QTemporaryDir mountPoint;
        const QByteArray where = QFile::encodeName(mountPoint.path());
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=1m") != 0)
            QSKIP("no tmpfs could be mounted here");
        struct Unmount
        {
            QByteArray where;
            ~Unmount() { ::umount2(where.constData(), MNT_DETACH); }
        } unmount{where};
        testing::TempDataFolder folder;
        testing::CleanStorage clean;
        QVERIFY(testing::writeStartPair(mountPoint.path()));
        for (const QString &name : {storage::InvestFileName, storage::HistFileName})
            QVERIFY(QFile::link(QDir(mountPoint.path()).filePath(name), folder.path(name)));
        testing::openChannelOne();
        const DataPair before = readPair(folder.dir());
        VersionStore store(folder.dir());
        keptChange(store, QStringLiteral("add record"));
        const DataPair after = readPair(folder.dir());
        QVERIFY(after != before);
        const QString keptHist =
            QDir(folder.path(storage::VersionsFolderName)).filePath(QStringLiteral("00000001.before.hist"));
        QVERIFY(storage::identityOf(keptHist).isRegular);
        storage::close(1);
        store.undo();
        QVERIFY(readPair(folder.dir()) == before);
        store.redo();
        QVERIFY(readPair(folder.dir()) == after);
        for (const QString &name : {storage::InvestFileName, storage::HistFileName})
            QVERIFY(QFileInfo(folder.path(name)).isSymLink());
        QVERIFY(readPair(mountPoint.path()) == after);
    }

    // A Versions folder the program cannot trust never stops it: it is set aside like the
    // recovery folders, the user is told, and versions are kept anew.
    void damagedFolderSetAside_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("atStart");
        for (const char *damage : {"file", "link", "mode", "owner", "entry", "cursor"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1 at start").arg(damage))) << damage << true;
            QTest::newRow(qPrintable(QStringLiteral("%1 at a change").arg(damage))) << damage << false;
        }
    }
    void damagedFolderSetAside()
    {
        QFETCH(QString, damage);
        QFETCH(bool, atStart);
        testing::CleanStorage clean;
        testing::TempDataFolder folder;
        testing::writeStartPair(folder.dir());
        testing::openChannelOne();
        const QString versions = folder.path(storage::VersionsFolderName);
        {
            VersionStore store(folder.dir());
            keptChange(store, QStringLiteral("add record"));
        }
        QTemporaryDir elsewhere;
        if (damage == QLatin1String("file") || damage == QLatin1String("link")) {
            QVERIFY(QDir(versions).removeRecursively());
            if (damage == QLatin1String("file"))
                QVERIFY(testing::writeFile(versions, "not a folder"));
            else
                QVERIFY(QFile::link(elsewhere.path(), versions));
        } else if (damage == QLatin1String("mode")) {
            QVERIFY(::chmod(QFile::encodeName(versions).constData(), 0755) == 0);
        } else if (damage == QLatin1String("owner")) {
            if (::geteuid() != 0)
                QSKIP("giving the folder to another user needs root");
            QVERIFY(::chown(QFile::encodeName(versions).constData(), 4242, 4242) == 0);
        } else {
            const QString name =
                damage == QLatin1String("entry") ? QStringLiteral("00000001.entry") : QStringLiteral("cursor");
            QVERIFY(testing::writeFile(QDir(versions).filePath(name), "Plumbline 3.5 version 1\nid x\n"));
        }
        const DataPair live = readPair(folder.dir());

        VersionStore store(folder.dir());
        QString note;
        if (atStart) {
            note = store.recover().note;
        } else {
            keptChange(store, QStringLiteral("edit investment"));
            note = store.takeNote();
        }
        QVERIFY2(note.contains(QLatin1String("moved to")), qPrintable(note));
        const QStringList recovered = QDir(folder.dir()).entryList({QStringLiteral("Recovered *")}, QDir::Dirs);
        QCOMPARE(recovered.size(), 1);
        QVERIFY(note.contains(recovered.first()));
        QVERIFY(storage::identityOf(QDir(folder.path(recovered.first())).filePath(storage::VersionsFolderName)).exists);
        if (atStart) {
            QVERIFY(readPair(folder.dir()) == live);
            QVERIFY(!storage::identityOf(versions).exists);
            keptChange(store, QStringLiteral("edit investment"));
        }
        // Versions are kept anew, and the change made undoes.
        QCOMPARE(store.list().size(), 1);
        storage::close(1);
        store.undo();
        QVERIFY(readPair(folder.dir()) == live);
    }
};

QTEST_GUILESS_MAIN(tst_versionscrash)
#include "tst_versionscrash.moc"
