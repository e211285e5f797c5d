// plumbline-versions on a data folder: what it lists, undo and redo through it, its exit
// codes, and its refusals while the program holds the folder or a change waits to be completed.
#include "datafiles.h"
#include "tempdatafolder.h"
#include "versionstesting.h"

#include "storage/folderlock.h"
#include "storage/transaction.h"
#include "storage/versions.h"

#include <QtTest>

using testing::DataPair;
using testing::readPair;

namespace {

struct Fixture
{
    testing::TempDataFolder folder;
    testing::CleanStorage clean;
    DataPair start, afterAdd, afterDelete;

    Fixture()
    {
        testing::writeStartPair(folder.dir());
        testing::openChannelOne();
        start = readPair(folder.dir());
        storage::VersionStore store(folder.dir());
        for (const QString &kind : {QStringLiteral("add record"), QStringLiteral("delete investment")}) {
            auto kept = store.begin(testing::describeChange(kind));
            testing::makeChange(kind);
            kept.commit();
            (afterAdd.invest.isNull() ? afterAdd : afterDelete) = readPair(folder.dir());
        }
        storage::close(1);
    }

    testing::ToolRun tool(const QStringList &arguments) const
    {
        return testing::runTool(QStringLiteral(PLUMBLINE_VERSIONS_BIN),
                                QStringList{QStringLiteral("--data-dir"), folder.dir()} + arguments);
    }
};

} // namespace

class tst_versionstool : public QObject
{
    Q_OBJECT

private slots:
    void listUndoRedo()
    {
        Fixture f;
        testing::ToolRun run = f.tool({QStringLiteral("list")});
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        QList<QByteArray> fields = lines.at(0).split('\t');
        QCOMPARE(fields.size(), 6);
        QCOMPARE(fields.at(0), QByteArray("2"));
        QCOMPARE(fields.at(2), QByteArray("2")); // investments
        QCOMPARE(fields.at(3).toInt(), int(f.afterDelete.hist.count('\n')));
        QCOMPARE(fields.at(4), QByteArray("current"));
        QCOMPARE(fields.at(5), QByteArray("Deleted investment Bond 0, Treasury"));
        QCOMPARE(lines.at(1).split('\t').at(5), QByteArray("Added record 2 (1/15/2024) to Mutual fund, First Bank"));

        run = f.tool({QStringLiteral("undo")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("Undone: Deleted investment Bond 0, Treasury\n"));
        QVERIFY(readPair(f.folder.dir()) == f.afterAdd);
        run = f.tool({QStringLiteral("undo")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(readPair(f.folder.dir()) == f.start);
        run = f.tool({QStringLiteral("undo")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("there is no change to undo"), run.err.constData());
        QVERIFY(readPair(f.folder.dir()) == f.start);
        QVERIFY(f.tool({QStringLiteral("list")}).out.contains("undone"));

        QCOMPARE(f.tool({QStringLiteral("redo")}).exitCode, 0);
        QCOMPARE(f.tool({QStringLiteral("redo")}).exitCode, 0);
        QVERIFY(readPair(f.folder.dir()) == f.afterDelete);
        run = f.tool({QStringLiteral("redo")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("there is no change to redo"), run.err.constData());

        // Restore is a change of its own, undone like any other.
        run = f.tool({QStringLiteral("restore"), QStringLiteral("1")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(readPair(f.folder.dir()) == f.afterAdd);
        QVERIFY(f.tool({QStringLiteral("list")}).out.startsWith("3\t"));
        QCOMPARE(f.tool({QStringLiteral("undo")}).exitCode, 0);
        QVERIFY(readPair(f.folder.dir()) == f.afterDelete);
    }

    void showAndExport()
    {
        Fixture f;
        QTemporaryDir out;
        const QString csv = out.filePath(QStringLiteral("version.csv"));
        const testing::ToolRun run =
            f.tool({QStringLiteral("show"), QStringLiteral("1"), QStringLiteral("--export"), csv});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("Version: 1\n"), run.out.constData());
        QVERIFY(run.out.contains("Change: Added record 2 (1/15/2024) to Mutual fund, First Bank\n"));
        QVERIFY(run.out.contains("Investments: 3\n"));
        QVERIFY(run.out.contains(QByteArray("Records: ") + QByteArray::number(f.afterAdd.hist.count('\n')) + '\n'));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = file.readAll().split('\n');
        // The header, one row a record, the empty piece after the last line end.
        QCOMPARE(rows.size(), 2 + int(f.afterAdd.hist.count('\n')));
        QVERIFY(rows.first().startsWith("investment,type,institution,record,date"));
        QVERIFY2(rows.contains("1,Mutual fund,First Bank,4,2024-01-01,10000,11001,3.5\r"), rows.join('|').constData());

        QCOMPARE(f.tool({QStringLiteral("show"), QStringLiteral("9")}).exitCode, 1);
        QCOMPARE(f.tool({QStringLiteral("show")}).exitCode, 1);
        QCOMPARE(f.tool({QStringLiteral("frobnicate")}).exitCode, 1);
        QCOMPARE(f.tool({QStringLiteral("undo"), QStringLiteral("--export"), csv}).exitCode, 1);
        QCOMPARE(testing::runTool(QStringLiteral(PLUMBLINE_VERSIONS_BIN), {QStringLiteral("--help")}).exitCode, 0);
    }

    // Never beside a running program, nor over a change it has yet to complete.
    void refusals_data()
    {
        QTest::addColumn<QString>("why");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("running program") << "lock" << QByteArray("in use by a running copy of Plumbline");
        QTest::newRow("pending delete") << "marker" << QByteArray("");
        QTest::newRow("no folder") << "missing" << QByteArray("does not exist");
    }
    void refusals()
    {
        QFETCH(QString, why);
        QFETCH(QByteArray, message);
        Fixture f;
        storage::FolderLock lock(f.folder.path(QStringLiteral("Plumbline.lock")));
        if (why == QLatin1String("lock"))
            QCOMPARE(lock.tryLock(), storage::FolderLock::Result::Locked);
        else if (why == QLatin1String("marker"))
            QVERIFY(f.folder.writeBytes(storage::CommitMarkerName, "Plumbline 3.5 renames 2\nend\n"));
        const DataPair before = readPair(f.folder.dir());
        for (const char *command : {"undo", "list"}) {
            const testing::ToolRun run =
                why == QLatin1String("missing")
                    ? testing::runTool(QStringLiteral(PLUMBLINE_VERSIONS_BIN),
                                       {QStringLiteral("--data-dir"), f.folder.path(QStringLiteral("nowhere")),
                                        QString::fromLatin1(command)})
                    : f.tool({QString::fromLatin1(command)});
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.startsWith("plumbline-versions: ") && run.err.contains(message), run.err.constData());
            QVERIFY(run.out.isEmpty());
        }
        QVERIFY(readPair(f.folder.dir()) == before);
    }
};

QTEST_GUILESS_MAIN(tst_versionstool)
#include "tst_versionstool.moc"
