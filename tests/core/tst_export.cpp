#include "datafiles.h"
#include "tempdatafolder.h"

#include <QDir>
#include <QtTest>

namespace {

using testing::recordBytes;

using Run = testing::ToolRun;

Run exportTool(const QStringList &arguments)
{
    return testing::runTool(QStringLiteral(PLUMBLINE_EXPORT_BIN), arguments);
}

const QByteArray kHeader = "investment,type,institution,record,date,original_amount,current_amount,inc_dec,"
                           "profit_loss,inflation_rate,loss_to_inflation,current_amount_afi,profit_loss_afi\r\n";

// Every file of the folder with its bytes, to prove nothing was written.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    const QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        QFile file(QDir(dir).filePath(name));
        file.open(QIODevice::ReadOnly);
        files.insert(name, file.readAll());
    }
    return files;
}

} // namespace

class tst_export : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<testing::TempDataFolder> m_folder;

    void writeExample()
    {
        m_folder->writeBytes(QStringLiteral("PlumblineData"), recordBytes(1, "Mutual fund", "First Bank") +
                                                                  recordBytes(2, "Savings account", "Credit Union"));
        m_folder->writeBytes(QStringLiteral("PlDataHist.txt"), "1,#2001-01-02#,10000,10000,0\r\n"
                                                               "2,#2001-06-30#,2500,2500,0\r\n"
                                                               "1,#2002-01-02#,10000,10800,1.6\r\n"
                                                               "2,#2002-06-30#,2500,2562.5,2.1\r\n");
    }

private slots:
    void init() { m_folder = std::make_unique<testing::TempDataFolder>(); }
    void cleanup() { m_folder.reset(); }

    void exampleDataSet()
    {
        writeExample();
        const auto before = snapshot(m_folder->dir());
        const Run run = exportTool({QStringLiteral("--data-dir"), m_folder->dir()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.out, kHeader +
                              "1,Mutual fund,First Bank,1,2001-01-02,10000,10000,0,0,0,0,0,0\r\n"
                              "1,Mutual fund,First Bank,2,2002-01-02,10000,10800,800,800,1.6,160,10640,640\r\n"
                              "2,Savings account,Credit Union,1,2001-06-30,2500,2500,0,0,0,0,0,0\r\n"
                              "2,Savings account,Credit Union,2,2002-06-30,2500,2562.5,62.5,62.5,2.1,52.5,2510,10\r\n");
        QCOMPARE(snapshot(m_folder->dir()), before);
    }

    void oneInvestmentAndTheSecondWorkedExample()
    {
        m_folder->writeBytes(QStringLiteral("PlumblineData"),
                             recordBytes(1, "Bond", "") + recordBytes(2, "Fund, \"growth\"", "Bank"));
        m_folder->writeBytes(QStringLiteral("PlDataHist.txt"), "2,#2010-01-01#,5000,4800,3\r\n"
                                                               "1,#2010-01-01#,1,1,0\r\n"
                                                               "2,#2011-01-01#,5000,5100,-0.5\r\n"
                                                               "2,#2012-01-01#,5000,0,2\r\n"
                                                               "2,#2013-01-01#,6000,6300,1.2\r\n");
        const Run run = exportTool(
            {QStringLiteral("--data-dir"), m_folder->dir(), QStringLiteral("--investment"), QStringLiteral("2")});
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> rows = run.out.split('\n');
        QCOMPARE(rows.size(), 6); // header, four records, and the empty rest after the last CR LF
        QCOMPARE(rows.at(1),
                 QByteArray("2,\"Fund, \"\"growth\"\"\",Bank,1,2010-01-01,5000,4800,-200,-200,3,144,4656,-344\r"));
        QCOMPARE(rows.at(2),
                 QByteArray("2,\"Fund, \"\"growth\"\"\",Bank,2,2011-01-01,5000,5100,300,100,-0.5,-24,4980,-20\r"));
        QCOMPARE(rows.at(3),
                 QByteArray("2,\"Fund, \"\"growth\"\"\",Bank,3,2012-01-01,5000,0,300,100,2,-24,4980,-20\r"));
        QCOMPARE(rows.at(4),
                 QByteArray("2,\"Fund, \"\"growth\"\"\",Bank,4,2013-01-01,6000,6300,1200,300,1.2,61.2,6118.8,118.8\r"));
    }

    void ratesWithMoreDigitsGiveTheGridsFigures()
    {
        // The grid reads every rate back from its page file, at most seven significant digits.
        m_folder->writeBytes(QStringLiteral("PlumblineData"), recordBytes(1, "Bond", "Bank"));
        m_folder->writeBytes(QStringLiteral("PlDataHist.txt"), "1,#1999-01-15#,100000000,100000000,0\r\n"
                                                               "1,#2000-01-15#,100000000,100000000,1.2345678\r\n");
        const Run run = exportTool({QStringLiteral("--data-dir"), m_folder->dir()});
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> rows = run.out.split('\n');
        // Single-precision 1.234568 % of 100,000,000 (the grid shows $1,234,568.00), not 1234567.7242 from the
        // rate as typed.
        QCOMPARE(rows.at(2), QByteArray("1,Bond,Bank,2,2000-01-15,100000000,100000000,0,0,1.234568,1234568.0036,"
                                        "98765431.9964,-1234568.0036\r"));
    }

    void failuresNameTheFileAndLeaveNothingBehind()
    {
        // A damaged line: the file, the line number and the numbered error.
        writeExample();
        m_folder->writeBytes(QStringLiteral("PlDataHist.txt"), "1,#2001-01-02#,10000,10000,0\r\n"
                                                               "1,#2002-01-02#,10000,ten,1.6\r\n");
        const auto before = snapshot(m_folder->dir());
        Run run = exportTool({QStringLiteral("--data-dir"), m_folder->dir()});
        QVERIFY(run.exitCode > 0);
        QVERIFY2(run.err.contains("PlDataHist.txt") && run.err.contains("line 2") && run.err.contains("error 13") &&
                     run.err.contains("Type mismatch"),
                 run.err.constData());
        QCOMPARE(snapshot(m_folder->dir()), before);

        // A missing folder.
        run = exportTool({QStringLiteral("--data-dir"), m_folder->dir() + QStringLiteral("/missing")});
        QVERIFY(run.exitCode > 0);
        QVERIFY(run.err.contains("missing"));
        QVERIFY(!QFileInfo::exists(m_folder->dir() + QStringLiteral("/missing")));

        // A missing investment file is not created.
        m_folder->remove(QStringLiteral("PlumblineData"));
        run = exportTool({QStringLiteral("--data-dir"), m_folder->dir()});
        QVERIFY(run.exitCode > 0);
        QVERIFY2(run.err.contains("PlumblineData") && run.err.contains("error 53"), run.err.constData());
        QVERIFY(!m_folder->exists(QStringLiteral("PlumblineData")));

        // An investment that is not there.
        writeExample();
        run = exportTool(
            {QStringLiteral("--data-dir"), m_folder->dir(), QStringLiteral("--investment"), QStringLiteral("3")});
        QVERIFY(run.exitCode > 0);
        QVERIFY(run.out.isEmpty());
    }

    void noHistoryYetGivesTheHeaderOnly()
    {
        m_folder->writeBytes(QStringLiteral("PlumblineData"), recordBytes(1, "Bond", "Bank"));
        const Run run = exportTool({QStringLiteral("--data-dir"), m_folder->dir()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, kHeader);
        QVERIFY(!m_folder->exists(QStringLiteral("PlDataHist.txt")));
    }

    // Lines naming investment 0, a negative number or one past the last are exported by
    // nobody: the tool says so on standard error, exports the rest and still succeeds.
    void linesOfNoInvestmentAreReported_data()
    {
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("warning");
        QTest::addColumn<int>("rowsExported");

        const QByteArray mixed = "0,#2001-01-02#,1,1,0\r\n"
                                 "1,#2001-01-02#,10000,10000,0\r\n"
                                 "-1,#2001-01-02#,1,1,0\r\n"
                                 "2,#2001-06-30#,2500,2500,0\r\n"
                                 "3,#2001-06-30#,2500,2500,0\r\n"
                                 "1,#2002-01-02#,10000,10800,1.6\r\n"
                                 "32767,#2001-06-30#,2500,2500,0\r\n";
        QTest::newRow("0, -1, past the last") << mixed << QStringList()
                                              << QByteArray("4 lines of \"%1\" name no investment (investments are "
                                                            "numbered 1 to 2) and are not exported: lines 1, 3, 5, 7")
                                              << 3;
        QTest::newRow("with --investment") << mixed << QStringList{QStringLiteral("--investment"), QStringLiteral("2")}
                                           << QByteArray("4 lines of \"%1\" name no investment (investments are "
                                                         "numbered 1 to 2) and are not exported: lines 1, 3, 5, 7")
                                           << 1;

        QByteArray many = "1,#2001-01-02#,10000,10000,0\r\n";
        for (int i = 0; i < 12; ++i)
            many += "9,#2001-01-02#,1,1,0\r\n";
        QTest::newRow("more than ten") << many << QStringList()
                                       << QByteArray(
                                              "12 lines of \"%1\" name no investment (investments are numbered 1 to 2) "
                                              "and are not exported: lines 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 and 2 more")
                                       << 1;
        QTest::newRow("one")
            << QByteArray("1,#2001-01-02#,10000,10000,0\r\n3,#2001-01-02#,1,1,0\r\n") << QStringList()
            << QByteArray(
                   "1 line of \"%1\" names no investment (investments are numbered 1 to 2) and is not exported: line 2")
            << 1;
    }

    void linesOfNoInvestmentAreReported()
    {
        QFETCH(QByteArray, history);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, warning);
        QFETCH(int, rowsExported);
        m_folder->writeBytes(QStringLiteral("PlumblineData"),
                             recordBytes(1, "Mutual fund", "First Bank") + recordBytes(2, "Bond", "Treasury"));
        m_folder->writeBytes(QStringLiteral("PlDataHist.txt"), history);
        const auto before = snapshot(m_folder->dir());
        const Run run = exportTool(QStringList{QStringLiteral("--data-dir"), m_folder->dir()} + arguments);
        QCOMPARE(run.exitCode, 0);
        const QByteArray path =
            QDir::toNativeSeparators(m_folder->path(QStringLiteral("PlDataHist.txt"))).toLocal8Bit();
        QCOMPARE(run.err, "plumbline-export: warning: " + warning.replace("%1", path) + "\n");
        QCOMPARE(int(run.out.count("\r\n")), 1 + rowsExported);
        QVERIFY(run.out.startsWith(kHeader));
        QCOMPARE(snapshot(m_folder->dir()), before);
    }

    void noWarningWhenEveryLineHasItsInvestment()
    {
        writeExample();
        const Run run = exportTool({QStringLiteral("--data-dir"), m_folder->dir()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
    }

    void helpDescribesTheTool()
    {
        const Run run = exportTool({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("--data-dir"));
        QVERIFY(run.out.contains("--investment"));
        QVERIFY(run.out.contains("CSV"));
    }
};

QTEST_GUILESS_MAIN(tst_export)
#include "tst_export.moc"
