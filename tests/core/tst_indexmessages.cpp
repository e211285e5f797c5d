// What plumbline-index says when an import fails: one line that names the CSV file once,
// and only where the file is the trouble (a name, a country or the series folder are not).
#include "datafiles.h"
#include "tempdatafolder.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class tst_IndexMessages : public QObject
{
    Q_OBJECT

private slots:
    void importFailureNamesTheFileOnce_data();
    void importFailureNamesTheFileOnce();
};

void tst_IndexMessages::importFailureNamesTheFileOnce_data()
{
    QTest::addColumn<QByteArray>("csv");      // the file's bytes; empty: no file at all
    QTest::addColumn<QStringList>("options"); // after import FILE
    QTest::addColumn<QString>("message");     // %1 the CSV's path, %2 the data folder
    const QStringList mine{QStringLiteral("--name"), QStringLiteral("MINE")};
    QTest::newRow("missing file") << QByteArray() << mine
                                  << QStringLiteral("%1 could not be opened: No such file or directory");
    QTest::newRow("date that is none") << QByteArray("2020-01,100\n2020-02,101\n2020-13,102\n") << mine
                                       << QStringLiteral("%1, line 3: \"2020-13\" is not a valid date.");
    QTest::newRow("value that is no number") << QByteArray("month,value\n2020-01,one hundred\n") << mine
                                             << QStringLiteral("%1, line 2: the value \"one hundred\" is not a "
                                                               "number.");
    QTest::newRow("no usable row") << QByteArray("nothing to see\n") << mine
                                   << QStringLiteral("%1 has no usable row: no line with a month (YYYY-MM or "
                                                     "YYYY-MM-DD) and a value.");
    // About the options, not the file: the file goes unnamed.
    QTest::newRow("name that cannot be used")
        << QByteArray("2020-01,100\n") << QStringList{QStringLiteral("--name"), QStringLiteral("../x")}
        << QStringLiteral("The name \"../x\" cannot be used. A name has 1 to 40 letters, digits, '-', '_' or '.', "
                          "and does not start with '.'.");
    QTest::newRow("shipped name") << QByteArray("2020-01,100\n")
                                  << QStringList{QStringLiteral("--name"), QStringLiteral("US-CPI-U")}
                                  << QStringLiteral("US-CPI-U is the name of a price index that comes with "
                                                    "Plumbline. Choose another name.");
    QTest::newRow("country") << QByteArray("2020-01,100\n")
                             << mine + QStringList{QStringLiteral("--country"), QStringLiteral("USA")}
                             << QStringLiteral("The country \"USA\" is not a two-letter country code (such as CA "
                                               "or DE).");
    QTest::newRow("no name") << QByteArray("2020-01,100\n") << QStringList()
                             << QStringLiteral("import needs --name NAME");
    QTest::newRow("series folder is a file")
        << QByteArray("2020-01,100\n") << mine + QStringList{QStringLiteral("--folder-is-a-file")}
        << QStringLiteral("%2/Price Indexes is not a plain folder; nothing was imported.");
}

void tst_IndexMessages::importFailureNamesTheFileOnce()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    testing::TempDataFolder folder;
    QVERIFY(folder.isValid());
    // A path that is not a word of any message.
    const QString path = folder.path(QStringLiteral("cpi-input.csv"));
    if (!csv.isEmpty())
        QVERIFY(folder.writeBytes(QStringLiteral("cpi-input.csv"), csv));
    if (options.removeAll(QStringLiteral("--folder-is-a-file")) > 0)
        QVERIFY(folder.writeBytes(QStringLiteral("Price Indexes"), "not a folder"));

    const testing::ToolRun run = testing::runTool(
        QStringLiteral(PLUMBLINE_INDEX_BIN),
        QStringList{QStringLiteral("--data-dir"), folder.dir(), QStringLiteral("import"), path} + options);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QByteArray());
    const QString expected =
        QStringLiteral("plumbline-index: ") +
        QString(message).replace(QLatin1String("%1"), path).replace(QLatin1String("%2"), folder.dir()) +
        QLatin1Char('\n');
    QCOMPARE(QString::fromUtf8(run.err), expected);
    QVERIFY(QString::fromUtf8(run.err).count(path) <= 1);
    // Nothing was imported.
    QVERIFY(!QFileInfo(folder.path(QStringLiteral("Price Indexes"))).isDir() ||
            QDir(folder.path(QStringLiteral("Price Indexes"))).isEmpty());
}

QTEST_GUILESS_MAIN(tst_IndexMessages)
#include "tst_indexmessages.moc"
