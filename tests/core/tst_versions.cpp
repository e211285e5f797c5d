// The kept versions of both data files: every kind of change undone and redone byte for byte,
// across a restart, after new changes, restored; pruning by count, age and size; backups
// checked before they replace anything; versions changed in place refused.
#include "datafiles.h"
#include "tempdatafolder.h"
#include "versionstesting.h"

#include "storage/changetext.h"
#include "storage/fileops.h"
#include "storage/versions.h"

#include <QDirIterator>
#include <QtTest>

#include <sys/stat.h>

using storage::ChangeKind;
using storage::VersionStore;
using testing::DataPair;
using testing::readPair;

namespace {

struct Fixture
{
    testing::TempDataFolder folder;
    testing::CleanStorage clean;
    Fixture()
    {
        testing::writeStartPair(folder.dir());
        testing::openChannelOne();
    }
    DataPair pair() const { return readPair(folder.dir()); }
    QString versions() const { return QDir(folder.dir()).filePath(storage::VersionsFolderName); }
};

// A change kept around its rewrite, as the windows make it.
storage::ChangeDescription change(VersionStore &store, const QString &kind, int variant = 0)
{
    const storage::ChangeDescription d = testing::describeChange(kind, variant);
    auto kept = store.begin(d);
    testing::makeChange(kind, variant);
    kept.commit();
    return d;
}

// Undo and redo replace file number 1's file: closed before, opened after.
void undo(VersionStore &store)
{
    storage::close(1);
    store.undo();
    testing::openChannelOne();
}

void redo(VersionStore &store)
{
    storage::close(1);
    store.redo();
    testing::openChannelOne();
}

long long historyLines(const QByteArray &hist)
{
    return hist.count('\n');
}

QString gridDate(const QDate &date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

} // namespace

class tst_versions : public QObject
{
    Q_OBJECT

private slots:
    // Each kind of change: undo gives back both files as they were before it, byte for byte,
    // redo as they were after it, and so again from a new store after a restart.
    void eachChangeUndoneAndRedone_data()
    {
        QTest::addColumn<QString>("kind");
        const QStringList kinds = testing::changeKinds();
        for (const QString &kind : kinds)
            QTest::newRow(qPrintable(kind)) << kind;
    }
    void eachChangeUndoneAndRedone()
    {
        QFETCH(QString, kind);
        Fixture f;
        VersionStore store(f.folder.dir());
        const DataPair before = f.pair();
        const storage::ChangeDescription d = change(store, kind);
        const DataPair after = f.pair();
        QVERIFY(after != before);

        const QList<storage::VersionInfo> versions = store.list();
        QCOMPARE(versions.size(), 1);
        QVERIFY(versions.first().current);
        QCOMPARE(versions.first().change.kind, d.kind);
        QCOMPARE(versions.first().investments, int(after.invest.size() / 102));
        QCOMPARE(versions.first().records, historyLines(after.hist));
        QCOMPARE(store.undoChange()->kind, d.kind);
        QVERIFY(!store.redoChange());

        undo(store);
        QVERIFY(f.pair() == before);
        QVERIFY(!store.undoChange());
        QCOMPARE(store.redoChange()->kind, d.kind);
        QVERIFY(store.list().first().undone);
        redo(store);
        QVERIFY(f.pair() == after);

        // The next start: a new store over the same folder.
        undo(store);
        VersionStore restarted(f.folder.dir());
        QCOMPARE(restarted.recover().note, QString());
        QCOMPARE(restarted.redoChange()->kind, d.kind);
        redo(restarted);
        QVERIFY(f.pair() == after);
        undo(restarted);
        QVERIFY(f.pair() == before);

        // Kept privately: the folder the user's only, the files it wrote too.
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(f.versions()).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, 0700u);
        QDirIterator it(f.versions(), QDir::Files | QDir::Hidden);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!path.endsWith(QLatin1String(".hist"))) {
                QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
                QVERIFY2((st.st_mode & 077) == 0, qPrintable(path));
            }
        }
        // Nothing of the versions in the data folder itself.
        QStringList names = QDir(f.folder.dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        names.sort();
        QCOMPARE(names, (QStringList{storage::HistFileName, storage::InvestFileName, storage::VersionsFolderName}));
    }

    // A chain of changes walked back to the start and forward again from a new store.
    void undoAndRedoAcrossRestart()
    {
        Fixture f;
        QList<DataPair> states{f.pair()};
        {
            VersionStore store(f.folder.dir());
            for (const QString &kind : {QStringLiteral("add record"), QStringLiteral("edit investment"),
                                        QStringLiteral("delete record"), QStringLiteral("delete investment")}) {
                change(store, kind);
                states.append(f.pair());
            }
        }
        VersionStore store(f.folder.dir());
        store.recover();
        for (int i = int(states.size()) - 2; i >= 0; --i) {
            undo(store);
            QVERIFY2(f.pair() == states.at(i), qPrintable(QString::number(i)));
        }
        QVERIFY(!store.undoChange());
        QVERIFY_THROWS_EXCEPTION(storage::VersionRefused, store.undo());
        VersionStore again(f.folder.dir());
        again.recover();
        for (int i = 1; i < states.size(); ++i) {
            redo(again);
            QVERIFY2(f.pair() == states.at(i), qPrintable(QString::number(i)));
        }
        QVERIFY(!again.redoChange());
    }

    // A change after an undo: the undone change is listed but no longer redone, and undo
    // goes back through the new change to the state before the first.
    void changeAfterUndo()
    {
        Fixture f;
        VersionStore store(f.folder.dir());
        const DataPair start = f.pair();
        change(store, QStringLiteral("add record"));
        const DataPair afterA = f.pair();
        change(store, QStringLiteral("edit record"));
        undo(store);
        change(store, QStringLiteral("add investment"));
        const DataPair afterC = f.pair();
        QVERIFY(!store.redoChange());
        const QList<storage::VersionInfo> list = store.list();
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.at(0).change.kind, ChangeKind::AddInvestment);
        QVERIFY(list.at(0).current && !list.at(0).undone);
        QCOMPARE(list.at(1).change.kind, ChangeKind::EditRecord);
        QVERIFY(list.at(1).undone && !list.at(1).current);
        QVERIFY(!list.at(2).undone);
        undo(store);
        QVERIFY(f.pair() == afterA);
        undo(store);
        QVERIFY(f.pair() == start);
        redo(store);
        redo(store);
        QVERIFY(f.pair() == afterC);
    }

    // Restoring a version makes its pair current and is itself undone like a change.
    void restoreAVersion()
    {
        Fixture f;
        VersionStore store(f.folder.dir());
        change(store, QStringLiteral("add record"));
        const DataPair afterA = f.pair();
        const int first = store.list().first().id;
        change(store, QStringLiteral("delete investment"));
        change(store, QStringLiteral("edit record"));
        const DataPair last = f.pair();
        QList<storage::FileIdentity> kept;
        QDirIterator it(f.versions(), {QStringLiteral("*.hist")}, QDir::Files);
        while (it.hasNext())
            kept.append(storage::identityOf(it.next()));
        storage::close(1);
        store.restore(first);
        testing::openChannelOne();
        QVERIFY(f.pair() == afterA);
        // The live files are copies, never a version's own file put in place.
        const storage::FileIdentity live = storage::identityOf(f.folder.path(storage::HistFileName));
        for (const storage::FileIdentity &version : std::as_const(kept))
            QVERIFY(!version.sameFile(live));
        const storage::VersionInfo restored = store.list().first();
        QCOMPARE(restored.change.kind, ChangeKind::RestoreVersion);
        QVERIFY(restored.current);
        QCOMPARE(restored.records, historyLines(afterA.hist));
        QCOMPARE(restored.investments, 3);
        undo(store);
        QVERIFY(f.pair() == last);

        QTemporaryDir shown;
        store.materialize(first, shown.path());
        QVERIFY(readPair(shown.path()) == afterA);
        QVERIFY_THROWS_EXCEPTION(storage::VersionRefused, store.restore(9999));
    }

    // At least the last 100 changes and all of the last 30 days, within the size limit;
    // the newest always.
    void pruning_data()
    {
        QTest::addColumn<int>("changes");
        QTest::addColumn<int>("daysOld");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<int>("kept");
        QTest::newRow("beyond 100, old") << 104 << 40 << VersionStore::DefaultSizeLimit << 100;
        QTest::newRow("beyond 100, recent") << 104 << 29 << VersionStore::DefaultSizeLimit << 104;
        QTest::newRow("over the size limit") << 5 << 0 << qint64(1) << 1;
    }
    void pruning()
    {
        QFETCH(int, changes);
        QFETCH(int, daysOld);
        QFETCH(qint64, limit);
        QFETCH(int, kept);
        Fixture f;
        VersionStore store(f.folder.dir());
        store.setSizeLimit(limit);
        QDateTime clock = QDateTime::currentDateTimeUtc().addDays(-daysOld);
        store.setClock([&clock] { return clock; });
        for (int i = 0; i < changes; ++i)
            change(store, QStringLiteral("edit investment"), i);
        clock = QDateTime::currentDateTimeUtc();
        store.prune();
        const QList<storage::VersionInfo> list = store.list();
        QCOMPARE(int(list.size()), kept);
        QCOMPARE(list.first().id, changes); // the newest stays
        QCOMPARE(list.last().id, changes - kept + 1);
        // Undo still reaches as far back as the kept versions go.
        for (int i = 0; i < kept; ++i)
            undo(store);
        QVERIFY(!store.undoChange());
        // Nothing left but what the kept entries name.
        const int files = int(QDir(f.versions()).entryList(QDir::Files | QDir::Hidden).size());
        QCOMPARE(files, 1 + kept * 5);
    }

    // The history of a change that left it alone is kept by links: it counts once.
    void sizeCountsEachFileOnce()
    {
        Fixture f;
        QByteArray big;
        for (int i = 0; i < 4000; ++i)
            big += "1,#2001-01-02#,10000,10000,0\r\n";
        QVERIFY(f.folder.writeBytes(storage::HistFileName, big));
        VersionStore store(f.folder.dir());
        for (int i = 0; i < 4; ++i)
            change(store, QStringLiteral("edit investment"), i);
        // Eight names of one history file, and eight small copies of the investment file.
        QVERIFY2(store.keptBytes() < big.size() + 8 * 4096, qPrintable(QString::number(store.keptBytes())));
        QVERIFY(store.keptBytes() >= big.size());
        // Room for one more small change: nothing goes. Counted once per name, the history
        // alone would be far over.
        store.setSizeLimit(store.keptBytes() + 8192);
        change(store, QStringLiteral("edit investment"), 9);
        QCOMPARE(store.list().size(), 5);
        store.setSizeLimit(store.keptBytes() - 1);
        store.prune();
        QCOMPARE(store.list().size(), 4);
        QCOMPARE(store.list().first().id, 5);
    }

    // A backup folder is read whole before it replaces anything; a damaged file is refused
    // naming its line, with the data files and the versions as they were.
    void restoreBackup_data()
    {
        QTest::addColumn<QByteArray>("invest");
        QTest::addColumn<QByteArray>("hist");
        QTest::addColumn<QString>("refusal");
        const QByteArray good = testing::investRecord(1, "Cash", "Home") + testing::investRecord(2, "Gold", "Vault");
        const QByteArray hist = "1,#2010-05-01#,100,100,0\r\n2,#2011-07-04#,50,55,1\r\n1,#2012-02-29#,100,120,2\r\n";
        QTest::newRow("whole") << good << hist << QString();
        QTest::newRow("blank lines") << good << (QByteArray("\r\n") + hist.left(26) + "\r\n" + hist.mid(26) + "\n")
                                     << QString();
        QTest::newRow("damaged history line")
            << good << QByteArray("1,#2010-05-01#,100,100,0\r\n2,#2011-07-04#,50,55,1\r\n1,#2012-02-30#,1\r\n")
            << "line 3";
        QTest::newRow("damaged investment record")
            << (good + testing::investRecord(0, "Broken", "")) << hist << "record 3";
        QTest::newRow("investment file cut short") << good.left(150) << hist << "record 2";
    }
    void restoreBackup()
    {
        QFETCH(QByteArray, invest);
        QFETCH(QByteArray, hist);
        QFETCH(QString, refusal);
        Fixture f;
        VersionStore store(f.folder.dir());
        change(store, QStringLiteral("add record"));
        const DataPair live = f.pair();
        QTemporaryDir backup;
        QVERIFY(testing::writeFile(backup.filePath(storage::InvestFileName), invest));
        QVERIFY(testing::writeFile(backup.filePath(storage::HistFileName), hist));
        storage::close(1);
        if (!refusal.isEmpty()) {
            try {
                store.checkBackup(backup.path());
                QFAIL("a damaged backup was taken");
            } catch (const RuntimeError &error) {
                QVERIFY2(error.description().contains(refusal), qPrintable(error.description()));
            }
            QVERIFY_THROWS_EXCEPTION(RuntimeError, store.restoreBackup(backup.path()));
            QVERIFY(f.pair() == live);
            QCOMPARE(store.list().size(), 1);
            return;
        }
        const VersionStore::BackupContents contents = store.checkBackup(backup.path());
        QCOMPARE(contents.investments, 2);
        QCOMPARE(contents.records, 3LL);
        QCOMPARE(contents.newest, QDate(2012, 2, 29));
        store.restoreBackup(backup.path());
        QVERIFY(f.pair() == (DataPair{invest, hist}));
        QCOMPARE(store.list().first().change.kind, ChangeKind::RestoreBackup);
        QCOMPARE(store.list().first().records, 3LL);
        store.undo();
        QVERIFY(f.pair() == live);
        testing::openChannelOne();
    }

    // An older copy of the program appends to the live history in place, which a version
    // shares: the change is kept as a version of its own, and the version whose bytes
    // changed is refused, never restored.
    void versionChangedInPlace()
    {
        Fixture f;
        VersionStore store(f.folder.dir());
        change(store, QStringLiteral("add record"));
        const int appended = store.list().first().id;
        const DataPair afterAppend = f.pair();
        QFile hist(f.folder.path(storage::HistFileName));
        QVERIFY(hist.open(QIODevice::Append));
        hist.write("3,#2024-02-02#,800,810,0\r\n");
        hist.close();
        const DataPair outside = f.pair();

        change(store, QStringLiteral("edit investment"));
        const QList<storage::VersionInfo> list = store.list();
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.at(1).change.kind, ChangeKind::OutsideChange);
        QCOMPARE(list.at(1).records, historyLines(outside.hist));

        undo(store);
        QVERIFY(f.pair() == outside);
        try {
            storage::close(1);
            store.restore(appended);
            QFAIL("a version changed in place was restored");
        } catch (const storage::VersionRefused &refused) {
            QVERIFY2(refused.description().contains(QLatin1String("changed after it was kept")),
                     qPrintable(refused.description()));
        }
        QVERIFY_THROWS_EXCEPTION(storage::VersionRefused, store.undo());
        testing::openChannelOne();
        QVERIFY(f.pair() == outside);
        QVERIFY(afterAppend != outside);
    }

    // A change abandoned before the files changed leaves no version; one whose rewrite ran
    // but whose caller never committed is kept all the same.
    void abandonedChange()
    {
        Fixture f;
        VersionStore store(f.folder.dir());
        {
            auto kept = store.begin(testing::describeChange(QStringLiteral("edit record")));
        }
        QVERIFY(store.list().isEmpty());
        QCOMPARE(QDir(f.versions()).entryList(QDir::Files | QDir::Hidden), QStringList());
        {
            auto kept = store.begin(testing::describeChange(QStringLiteral("add record")));
            testing::makeChange(QStringLiteral("add record"));
        }
        QCOMPARE(store.list().size(), 1);
        QVERIFY(store.list().first().current);
    }

    // The words the Edit menu and the versions list show.
    void changeTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("delete investment")
            << int(ChangeKind::DeleteInvestment) << "Delete Investment 'Savings account, First Bank'"
            << "Deleted investment Savings account, First Bank";
        QTest::newRow("add record") << int(ChangeKind::AddRecord) << "Add Record"
                                    << "Added record 12 (1/15/2024) to Savings account, First Bank";
        QTest::newRow("edit record") << int(ChangeKind::EditRecord) << "Edit Record"
                                     << "Changed record 12 (1/15/2024) of Savings account, First Bank";
        QTest::newRow("import") << int(ChangeKind::ImportRecords) << "Import Records"
                                << "Imported 1 record into Savings account, First Bank";
        QTest::newRow("restore") << int(ChangeKind::RestoreBackup) << "Restore Backup"
                                 << "Restored the backup in /media/usb\tbackup %";
    }
    void changeTexts()
    {
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(QString, sentence);
        storage::ChangeDescription d;
        d.kind = ChangeKind(kind);
        d.investment = QStringLiteral("Savings account, First Bank");
        d.record = 12;
        d.date = QDate(2024, 1, 15);
        d.count = 1;
        d.source = QStringLiteral("/media/usb\tbackup %");
        QCOMPARE(storage::changeTitle(d), title);
        QCOMPARE(storage::changeSentence(d, gridDate), sentence);
        // Kept in an entry file and read back the same.
        const std::optional<storage::ChangeDescription> back = storage::decodeChange(storage::encodeChange(d));
        QVERIFY(back);
        QCOMPARE(storage::changeSentence(*back, gridDate), sentence);
        QVERIFY(!storage::encodeChange(d).contains('\n'));
    }
};

QTEST_GUILESS_MAIN(tst_versions)
#include "tst_versions.moc"
