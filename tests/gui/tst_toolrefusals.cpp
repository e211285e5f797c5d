// The command-line tools on data folders they must not read as they stand: an investment
// delete killed between its renames (the pair may be half changed) and a folder where a
// data file belongs. Each tool refuses with a message and a failure exit, the way the
// windows refuse; and the report, like the export, says which history lines it leaves out.
#include "appfixture.h"
#include "datafiles.h"

#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/leftovers.h"
#include "storage/transaction.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QByteArray History = "1,#2001-01-02#,10000,10000,0\r\n"
                           "2,#2001-06-30#,2500,2500,0\r\n"
                           "3,#2001-07-01#,700,700,0\r\n"
                           "1,#2002-01-02#,10000,10800,1.6\r\n"
                           "3,#2002-07-01#,700,750,2\r\n";

QByteArray investments()
{
    return testing::recordBytes(1, "Mutual fund", "First Bank") + testing::recordBytes(2, "Bond", "Treasury") +
           testing::recordBytes(3, "Savings", "Credit Union");
}

// The tool on the folder: its result, and the PDF the report wrote, if any.
struct ToolResult
{
    testing::ToolRun run;
    bool wroteFile = false;
};

ToolResult runTool(const QString &tool, const QString &folder, const QStringList &more = {})
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("report.pdf"));
    QStringList arguments{QStringLiteral("--data-dir"), folder};
    if (tool == QLatin1String("report"))
        arguments << QStringLiteral("--out") << pdf;
    ToolResult result;
    result.run = testing::runTool(tool == QLatin1String("report") ? QStringLiteral(PLUMBLINE_REPORT_BIN)
                                                                  : QStringLiteral(PLUMBLINE_EXPORT_BIN),
                                  arguments + more);
    result.wroteFile = QFileInfo::exists(pdf);
    return result;
}

QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(dir).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(QDir(dir).filePath(name));
        files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return files;
}

void addToolRows(const QStringList &cases)
{
    for (const char *tool : {"export", "report"}) {
        for (const QString &name : cases)
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(tool), name)))
                << QString::fromLatin1(tool) << name;
    }
}

} // namespace

class tst_ToolRefusals : public QObject
{
    Q_OBJECT

    QTemporaryDir m_runtimeDir;

private slots:
    // The report is a GUI program: without a runtime folder Qt would add a line of its own
    // to what the tests compare.
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtimeDir.path())); }

    // A delete of investment 2 killed at the marker's rename (2) or between the two
    // renames (3). Until the program has started once, no tool reads the folder.
    void unfinishedDeleteIsNeverRead_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("killedAt");
        addToolRows({QStringLiteral("2"), QStringLiteral("3")});
    }
    void unfinishedDeleteIsNeverRead()
    {
        QFETCH(QString, tool);
        QFETCH(QString, killedAt);
        testing::TempDataFolder folder;
        QVERIFY(folder.writeBytes(storage::InvestFileName, investments()));
        QVERIFY(folder.writeBytes(storage::HistFileName, History));
        QProcess child;
        child.start(QStringLiteral(REWRITE_CHILD_BIN),
                    {folder.dir(), QStringLiteral("deleteinvestment"), QStringLiteral("2"), QStringLiteral("0"),
                     QStringLiteral("rename"), killedAt});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY(folder.exists(storage::CommitMarkerName));

        const auto before = snapshot(folder.dir());
        const ToolResult refused = runTool(tool, folder.dir());
        QCOMPARE(refused.run.exitCode, 1);
        QCOMPARE(refused.run.out, QByteArray());
        QCOMPARE(refused.run.err,
                 QStringLiteral("plumbline-%1: an unfinished change is pending in \"%2\"; start Plumbline once to "
                                "complete it\n")
                     .arg(tool, QDir::toNativeSeparators(folder.dir()))
                     .toLocal8Bit());
        QVERIFY(!refused.wroteFile);
        QCOMPARE(snapshot(folder.dir()), before);

        // The program's start completes it; then the tool reads the new pair.
        QCOMPARE(storage::cleanUpLeftovers().renames, storage::PendingOutcome::RolledForward);
        const ToolResult read = runTool(tool, folder.dir());
        QCOMPARE(read.run.exitCode, 0);
        QCOMPARE(read.run.err, QByteArray());
        if (tool == QLatin1String("export")) {
            QVERIFY(!read.run.out.contains("Bond"));
            QVERIFY(read.run.out.contains("2,Savings,Credit Union,2,2002-07-01,700,750"));
        } else {
            QVERIFY(read.wroteFile);
        }
    }

    // A folder (or a link to one) where a data file belongs: the windows' error 75, from
    // the tools as from the main window.
    void folderWhereADataFileBelongs_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("what");
        addToolRows({QStringLiteral("PlumblineData"), QStringLiteral("PlDataHist.txt"),
                     QStringLiteral("PlDataHist.txt linked to a folder"), QStringLiteral("PlDataHist.txt a pipe")});
    }
    void folderWhereADataFileBelongs()
    {
        QFETCH(QString, tool);
        QFETCH(QString, what);
        testing::AppFixture app;
        const QString name = what.section(QLatin1Char(' '), 0, 0);
        QDir dir(app.folder().dir());
        if (name != storage::InvestFileName)
            QVERIFY(app.folder().writeBytes(storage::InvestFileName, investments()));
        const bool pipe = what.contains(QLatin1String("pipe"));
        if (pipe) {
            // A read of it would wait for a writer for ever.
            QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(name)).constData(), 0600), 0);
        } else if (what.contains(QLatin1String("linked"))) {
            QVERIFY(dir.mkdir(QStringLiteral("elsewhere")));
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("elsewhere")), dir.filePath(name)));
        } else {
            QVERIFY(dir.mkdir(name));
        }
        if (!pipe)
            QVERIFY(dir.mkpath(dir.filePath(name) + QStringLiteral("/inside")));

        const RuntimeError error(RuntimeError::PathFileAccessError);
        const ToolResult refused = runTool(tool, app.folder().dir());
        QCOMPARE(refused.run.exitCode, 1);
        QCOMPARE(refused.run.out, QByteArray());
        QCOMPARE(refused.run.err, QStringLiteral("plumbline-%1: \"%2\": error 75: %3\n")
                                      .arg(tool, QDir::toNativeSeparators(dir.filePath(name)), error.description())
                                      .toLocal8Bit());
        QVERIFY(!refused.wroteFile);

        // The main window gives the same error for a folder.
        if (pipe)
            return;
        app.startMainWindow();
        QVERIFY(!app.boxes().calls().isEmpty());
        const QString shown = app.boxes().calls().constFirst().text;
        QVERIFY2(shown.contains(error.description()), qPrintable(shown));
    }

    // The report leaves out the lines of no investment, as the export does, and says so
    // in the export's words.
    void reportSaysWhichLinesItLeavesOut_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("all investments") << QStringList();
        QTest::newRow("one investment") << QStringList{QStringLiteral("--investment"), QStringLiteral("2")};
    }
    void reportSaysWhichLinesItLeavesOut()
    {
        QFETCH(QStringList, arguments);
        testing::TempDataFolder folder;
        QVERIFY(folder.writeBytes(storage::InvestFileName, testing::recordBytes(1, "Mutual fund", "First Bank") +
                                                               testing::recordBytes(2, "Bond", "Treasury")));
        QVERIFY(folder.writeBytes(storage::HistFileName, "0,#2001-01-02#,1,1,0\r\n"
                                                         "1,#2001-01-02#,10000,10000,0\r\n"
                                                         "-1,#2001-01-02#,1,1,0\r\n"
                                                         "2,#2001-06-30#,2500,2500,0\r\n"
                                                         "3,#2001-06-30#,2500,2500,0\r\n"
                                                         "1,#2002-01-02#,10000,10800,1.6\r\n"
                                                         "32767,#2001-06-30#,2500,2500,0\r\n"));
        const auto before = snapshot(folder.dir());
        const ToolResult report = runTool(QStringLiteral("report"), folder.dir(), arguments);
        QCOMPARE(report.run.exitCode, 0);
        QVERIFY(report.wroteFile);
        const QString history = QDir::toNativeSeparators(folder.path(storage::HistFileName));
        QCOMPARE(report.run.err,
                 QStringLiteral("plumbline-report: warning: 4 lines of \"%1\" name no investment (investments are "
                                "numbered 1 to 2) and are not in the report: lines 1, 3, 5, 7\n")
                     .arg(history)
                     .toLocal8Bit());
        QCOMPARE(snapshot(folder.dir()), before);

        // Every line owned: not a word.
        QVERIFY(folder.writeBytes(storage::HistFileName, "1,#2001-01-02#,10000,10000,0\r\n"));
        const ToolResult clean = runTool(QStringLiteral("report"), folder.dir(), arguments);
        QCOMPARE(clean.run.exitCode, 0);
        QCOMPARE(clean.run.err, QByteArray());
    }
};

QTEST_MAIN(tst_ToolRefusals)
#include "tst_toolrefusals.moc"
