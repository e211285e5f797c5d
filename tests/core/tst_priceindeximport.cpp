// Importing the user's own price index: every accepted CSV shape, every refusal, replacing,
// and the data files never touched; the plumbline-index tool as a process.
#include "core/priceindexcsv.h"
#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/priceindexstore.h"
#include "tempdatafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString RawFolder = QStringLiteral(PLUMBLINE_SOURCE_DIR "/data/cpi/raw/");

QByteArray rawFile(const QString &name)
{
    QFile f(RawFolder + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

double valueOf(const PriceIndex &index, int year, int month)
{
    return index.values.value(PriceIndex::monthKey(year, month), -1);
}

struct ToolRun
{
    int exitCode = -1;
    QByteArray out, err;
};

ToolRun runTool(const QStringList &args)
{
    QProcess tool;
    tool.start(QStringLiteral(PLUMBLINE_INDEX_BIN), args);
    ToolRun run;
    if (!tool.waitForFinished(60000))
        return run;
    run.exitCode = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    run.out = tool.readAllStandardOutput();
    run.err = tool.readAllStandardError();
    return run;
}

// Every file under the folder with its bytes, so a test sees any change at all.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        QFile f(folder + QLatin1Char('/') + name);
        files.insert(name, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>"));
    }
    return files;
}

const QByteArray InvestBytes = QByteArray(102, 'x');
const QByteArray HistoryBytes = "1,#2024-01-15#,1000,1000,0\r\n1,#2024-07-20#,1000,1020,1.99\r\n";

} // namespace

class tst_PriceIndexImport : public QObject
{
    Q_OBJECT

private slots:
    void acceptedShapes_data();
    void acceptedShapes();
    void refusals_data();
    void refusals();
    void importStoresBesideDataFiles();
    void importReplacesWhole();
    void revisedFiguresNeedReplace_data();
    void revisedFiguresNeedReplace();
    void refusedNamesAndLinks();
    void onlyRegularFiles();
    void longFileOfNotes();
    void failedWriteKeepsOldSeries();
    void killedImportLeavesOldOrNew();
    void toolCommands();
};

void tst_PriceIndexImport::acceptedShapes_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<double>("value");

    QTest::newRow("BLS table as downloaded")
        << rawFile(QStringLiteral("us-cpi-u-nsa.csv")) << 1360 << 2024 << 1 << 308.417;
    QTest::newRow("ONS raw download") << rawFile(QStringLiteral("uk-cpi-ons-d7bt.csv")) << 458 << 2026 << 1 << 139.5;
    QTest::newRow("two columns, month") << QByteArray("2024-01,100\n2024-02,100.5\n") << 2 << 2024 << 2 << 100.5;
    QTest::newRow("header, full dates") << QByteArray("date,value\n2024-01-15,100\n2024-02-15,101\n") << 2 << 2024 << 1
                                        << 100.0;
    QTest::newRow("FRED with missing month")
        << QByteArray("observation_date,CPIAUCNS\n2025-09-01,324.800\n2025-10-01,.\n2025-11-01,324.122\n") << 2 << 2025
        << 11 << 324.122;
    QTest::newRow("Statistics Canada")
        << QByteArray("\"REF_DATE\",\"GEO\",\"DGUID\",\"Products and product groups\",\"UOM\",\"UOM_ID\","
                      "\"SCALAR_FACTOR\",\"SCALAR_ID\",\"VECTOR\",\"COORDINATE\",\"VALUE\",\"STATUS\",\"SYMBOL\","
                      "\"TERMINATED\",\"DECIMALS\"\n"
                      "\"2024-01\",\"Canada\",\"2016A000011124\",\"All-items\",\"2002=100\",\"17\",\"units\",\"0\","
                      "\"v41690973\",\"2.2\",\"158.3\",\"\",\"\",\"\",\"1\"\n"
                      "\"2024-02\",\"Canada\",\"2016A000011124\",\"All-items\",\"2002=100\",\"17\",\"units\",\"0\","
                      "\"v41690973\",\"2.2\",\"158.8\",\"\",\"\",\"\",\"1\"\n")
        << 2 << 2024 << 2 << 158.8;
    QTest::newRow("BOM, CR LF, semicolons and decimal comma")
        << QByteArray("\xEF\xBB\xBFMonat;Index\r\n2024-01;117,6\r\n2024-02;118,1\r\n\r\n") << 2 << 2024 << 1 << 117.6;
    QTest::newRow("CR line ends only") << QByteArray("date,value\r2024-01,100\r2024-02,100.5\r") << 2 << 2024 << 2
                                       << 100.5;
    QTest::newRow("CR, LF and CR LF mixed")
        << QByteArray("2024-01,100\r2024-02,101\n2024-03,102\r\n2024-04,103") << 4 << 2024 << 4 << 103.0;
    QTest::newRow("decimal comma, points between thousands")
        << QByteArray("Monat;Index\n2024-01;1.234,5\n2024-02;1.240\n2024-03;987,25\n2024-04;1.234.567,8\n") << 4 << 2024
        << 1 << 1234.5;
    QTest::newRow("thousands point without decimals")
        << QByteArray("2024-01;1.234,5\n2024-02;1.240\n") << 2 << 2024 << 2 << 1240.0;
    QTest::newRow("semicolons with decimal points")
        << QByteArray("2024-01;100.5\n2024-02;101.25\n") << 2 << 2024 << 2 << 101.25;
    QTest::newRow("notes after the rows")
        << QByteArray("2024-01,100\n2024-02,101\n\nFootnotes:,see the website\n") << 2 << 2024 << 2 << 101.0;
}

void tst_PriceIndexImport::acceptedShapes()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, count);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(double, value);
    PriceIndex index;
    QString error;
    QVERIFY2(readPriceIndexCsv(csv, index, error), qPrintable(error));
    QCOMPARE(index.values.size(), count);
    QCOMPARE(valueOf(index, year, month), value);
    QCOMPARE(index.kind, PriceIndex::Kind::Monthly);
}

void tst_PriceIndexImport::refusals_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("message");
    QTest::newRow("month twice") << QByteArray("date,value\n2024-01,100\n2024-02,101\n2024-01-31,102\n")
                                 << "Line 4: the month 2024-01 appears again (first on line 2).";
    QTest::newRow("zero") << QByteArray("2024-01,100\n2024-02,0\n") << "Line 2: the value 0 is not above 0.";
    QTest::newRow("negative") << QByteArray("2024-01,-3.5\n") << "Line 1: the value -3.5 is not above 0.";
    QTest::newRow("not a number") << QByteArray("2024-01,100\r\n2024-02,n/a\r\n")
                                  << "Line 2: the value \"n/a\" is not a number.";
    // Where values carry a decimal comma, a point parts thousands: "100.5" is no number there.
    QTest::newRow("decimal point among decimal commas")
        << QByteArray("2024-01;100,5\n2024-02;100.5\n") << "Line 2: the value \"100.5\" is not a number.";
    QTest::newRow("thousands not in threes")
        << QByteArray("2024-01;1.234,5\n2024-02;12.34,5\n") << "Line 2: the value \"12.34,5\" is not a number.";
    QTest::newRow("thousands point after the comma")
        << QByteArray("2024-01;1.234,5\n2024-02;1,234.5\n") << "Line 2: the value \"1,234.5\" is not a number.";
    QTest::newRow("line counted after CR")
        << QByteArray("2024-01,100\r\r2024-02,x\r") << "Line 3: the value \"x\" is not a number.";
    // A NUL is shown, and what follows it stays in the message.
    QTest::newRow("NUL in a value") << QByteArray("2024-01,100\n2024-02,1\0 5 tail\n", 30)
                                    << QStringLiteral("Line 2: the value \"1\uFFFD 5 tail\" is not a number.");
    QTest::newRow("NUL in a date") << QByteArray("2024-01,100\n2024\0-02,5\n", 23)
                                   << QStringLiteral("Line 2: the date \"2024\uFFFD-02\" is not in the form YYYY-MM or "
                                                     "YYYY-MM-DD.");
    QTest::newRow("earlier value before later date")
        << QByteArray("2024-01,abc\n2024/02,1\n") << "Line 1: the value \"abc\" is not a number.";
    QTest::newRow("no usable row") << QByteArray("Title,Something\nUnit,Index\n")
                                   << "The file has no usable row: no line with a month (YYYY-MM or YYYY-MM-DD) and a "
                                      "value.";
    QTest::newRow("only missing values") << QByteArray("observation_date,CPIAUCNS\n2024-01-01,.\n")
                                         << "The file has no usable row: no line with a month (YYYY-MM or "
                                            "YYYY-MM-DD) and a value.";
    QTest::newRow("empty file") << QByteArray()
                                << "The file has no usable row: no line with a month (YYYY-MM or YYYY-MM-DD) and a "
                                   "value.";
    QTest::newRow("other date form") << QByteArray("2024-01,100\n2024/02,101\n")
                                     << "Line 2: the date \"2024/02\" is not in the form YYYY-MM or YYYY-MM-DD.";
    QTest::newRow("month 13") << QByteArray("2024-13,100\n") << "Line 1: \"2024-13\" is not a valid date.";
    QTest::newRow("no value") << QByteArray("2024-01\n") << "Line 1: there is no value after the date.";
}

void tst_PriceIndexImport::refusals()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, message);
    PriceIndex index;
    QString error;
    QVERIFY(!readPriceIndexCsv(csv, index, error));
    QCOMPARE(error, message);
}

void tst_PriceIndexImport::importStoresBesideDataFiles()
{
    testing::TempDataFolder folder;
    QVERIFY(folder.writeBytes(storage::InvestFileName, InvestBytes));
    QVERIFY(folder.writeBytes(storage::HistFileName, HistoryBytes));
    const QMap<QString, QByteArray> before = snapshot(folder.dir());

    storage::PriceIndexImport result;
    QString error;
    QVERIFY2(storage::importPriceIndex(RawFolder + QStringLiteral("uk-cpi-ons-d7bt.csv"), QStringLiteral("MY-UK"),
                                       QStringLiteral("gb"), result, error),
             qPrintable(error));
    QVERIFY(!result.replaced);
    QCOMPARE(result.series.country, QStringLiteral("GB"));
    QCOMPARE(snapshot(folder.dir()), before);
    QCOMPARE(QDir(folder.path(storage::PriceIndexFolderName)).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("MY-UK.txt")});

    PriceIndex back;
    QVERIFY2(storage::loadPriceIndex(QStringLiteral("my-uk"), back, error), qPrintable(error));
    QCOMPARE(back.values, storage::allPriceIndexes().last().values);
    QCOMPARE(back.rate(QDate(2026, 1, 1), QDate(2026, 2, 1)).text(), QStringLiteral("0.43"));
    QCOMPARE(storage::importedPriceIndexNames(), QStringList{QStringLiteral("MY-UK")});
    QCOMPARE(back.source, QStringLiteral("imported from uk-cpi-ons-d7bt.csv"));
}

void tst_PriceIndexImport::importReplacesWhole()
{
    testing::TempDataFolder folder;
    QVERIFY(folder.writeBytes(QStringLiteral("long.csv"), "2020-01,100\n2020-02,101\n2020-03,102\n"));
    QVERIFY(folder.writeBytes(QStringLiteral("short.csv"), "2021-06,200\n"));
    storage::PriceIndexImport result;
    QString error;
    QVERIFY(storage::importPriceIndex(folder.path(QStringLiteral("long.csv")), QStringLiteral("Mine"), QString(),
                                      result, error));
    QVERIFY(storage::importPriceIndex(folder.path(QStringLiteral("short.csv")), QStringLiteral("MINE"), QString(),
                                      result, error));
    QVERIFY(result.replaced);
    // The old months are gone, not merged; the new letter case names the file.
    QCOMPARE(QDir(storage::priceIndexFolder()).entryList(QDir::Files), QStringList{QStringLiteral("MINE.txt")});
    PriceIndex back;
    QVERIFY(storage::loadPriceIndex(QStringLiteral("mine"), back, error));
    QCOMPARE(back.values.size(), 1);
    QCOMPARE(valueOf(back, 2021, 6), 200.0);

    // A refused file leaves the stored series as it was.
    QVERIFY(folder.writeBytes(QStringLiteral("bad.csv"), "2021-06,200\n2021-06,201\n"));
    const QByteArray stored = folder.readBytes(storage::PriceIndexFolderName + QStringLiteral("/MINE.txt"));
    QVERIFY(!storage::importPriceIndex(folder.path(QStringLiteral("bad.csv")), QStringLiteral("MINE"), QString(),
                                       result, error));
    QCOMPARE(error, QStringLiteral("Line 2: the month 2021-06 appears again (first on line 1)."));
    QCOMPARE(folder.readBytes(storage::PriceIndexFolderName + QStringLiteral("/MINE.txt")), stored);
}

void tst_PriceIndexImport::refusedNamesAndLinks()
{
    testing::TempDataFolder folder;
    QVERIFY(folder.writeBytes(storage::HistFileName, HistoryBytes));
    QVERIFY(folder.writeBytes(QStringLiteral("in.csv"), "2020-01,100\n"));
    const QString csv = folder.path(QStringLiteral("in.csv"));
    storage::PriceIndexImport result;
    QString error;

    QVERIFY(!storage::importPriceIndex(csv, QStringLiteral("../PlDataHist"), QString(), result, error));
    QVERIFY(error.startsWith(QStringLiteral("The name \"../PlDataHist\" cannot be used.")));
    QVERIFY(!storage::importPriceIndex(csv, QStringLiteral("us-cpi-u"), QString(), result, error));
    QCOMPARE(error, QStringLiteral("us-cpi-u is the name of a price index that comes with Plumbline. Choose another "
                                   "name."));
    QVERIFY(!storage::importPriceIndex(csv, QStringLiteral("X"), QStringLiteral("USA"), result, error));
    QCOMPARE(error, QStringLiteral("The country \"USA\" is not a two-letter country code (such as CA or DE)."));
    QVERIFY(!storage::importPriceIndex(folder.path(QStringLiteral("missing.csv")), QStringLiteral("X"), QString(),
                                       result, error));
    QVERIFY(error.contains(QStringLiteral("could not be opened")));

    // A series file that is a link to the history file is never written through.
    QVERIFY(QDir().mkpath(storage::priceIndexFolder()));
    QVERIFY(
        QFile::link(folder.path(storage::HistFileName), storage::priceIndexFolder() + QStringLiteral("/LINKED.txt")));
    QVERIFY(!storage::importPriceIndex(csv, QStringLiteral("LINKED"), QString(), result, error));
    QVERIFY(error.endsWith(QStringLiteral("is not a plain file; it was left as it is and nothing was imported.")));
    QCOMPARE(folder.readBytes(storage::HistFileName), HistoryBytes);

    // Nor a folder that is a link (here to the data folder itself).
    QVERIFY(QDir(storage::priceIndexFolder()).removeRecursively());
    QVERIFY(QFile::link(folder.dir(), storage::priceIndexFolder()));
    QVERIFY(!storage::importPriceIndex(csv, QStringLiteral("PlDataHist"), QString(), result, error));
    QVERIFY(error.endsWith(QStringLiteral("is not a plain folder; nothing was imported.")));
    QCOMPARE(folder.readBytes(storage::HistFileName), HistoryBytes);
}

void tst_PriceIndexImport::onlyRegularFiles()
{
    testing::TempDataFolder folder;
    QVERIFY(folder.writeBytes(QStringLiteral("in.csv"), "2020-01,100\n2020-02,101\n"));
    const QStringList dataDir{QStringLiteral("--data-dir"), folder.dir()};
    storage::PriceIndexImport result;
    QString error;

    // A FIFO no one writes to, and a device that never ends: refused at once, in a process of
    // their own so a wait could not stop this test.
    const QString fifo = folder.path(QStringLiteral("pipe.csv"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &path : {fifo, QStringLiteral("/dev/zero")}) {
        const ToolRun run = runTool(
            QStringList{QStringLiteral("import"), path, QStringLiteral("--name"), QStringLiteral("P")} + dataDir);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("plumbline-index: %1 is not a regular file (it is a folder, pipe or "
                                         "device); nothing was read.\n")
                              .arg(path)
                              .toUtf8());
    }
    QVERIFY(!storage::importPriceIndex(folder.dir(), QStringLiteral("P"), QString(), result, error));
    QCOMPARE(error, QStringLiteral("%1 is not a regular file (it is a folder, pipe or device); nothing was read.")
                        .arg(folder.dir()));
    // A link to a FIFO is the FIFO.
    QVERIFY(QFile::link(fifo, folder.path(QStringLiteral("link-to-pipe.csv"))));
    QVERIFY(!storage::importPriceIndex(folder.path(QStringLiteral("link-to-pipe.csv")), QStringLiteral("P"), QString(),
                                       result, error));
    QVERIFY(
        error.endsWith(QStringLiteral("is not a regular file (it is a folder, pipe or device); nothing was read.")));
    QVERIFY(!QFileInfo::exists(storage::priceIndexFolder()));

    // A link to a regular file is read.
    QVERIFY(QFile::link(folder.path(QStringLiteral("in.csv")), folder.path(QStringLiteral("link.csv"))));
    QVERIFY2(storage::importPriceIndex(folder.path(QStringLiteral("link.csv")), QStringLiteral("L"), QString(), result,
                                       error),
             qPrintable(error));
    QCOMPARE(result.series.values.size(), 2);

    // Past the limit (a sparse file, so nothing is written to disk): refused before it is read.
    QFile big(folder.path(QStringLiteral("big.csv")));
    QVERIFY(big.open(QIODevice::WriteOnly));
    QVERIFY(big.resize(MaxPriceIndexCsvBytes + 1));
    big.close();
    QVERIFY(!storage::importPriceIndex(big.fileName(), QStringLiteral("B"), QString(), result, error));
    QCOMPARE(error, QStringLiteral("The file is too large to be a price index (more than 64 MB)."));

    // A series file that is a FIFO is never waited for either.
    QVERIFY(::mkfifo(QFile::encodeName(storage::priceIndexFolder() + QStringLiteral("/F.txt")).constData(), 0600) == 0);
    PriceIndex none;
    QVERIFY(!storage::loadPriceIndex(QStringLiteral("F"), none, error));
    const ToolRun list = runTool(QStringList{QStringLiteral("list")} + dataDir);
    QCOMPARE(list.exitCode, 0); // a FIFO is no series file, so it is not listed
    QVERIFY(list.out.contains("L\tmonthly\t2020-01 to 2020-02"));
    QVERIFY(!list.out.contains("\nF\t"));
}

void tst_PriceIndexImport::longFileOfNotes()
{
    // 2,000,000 lines of notes (32 MB) around three months: read once, line by line, as any download.
    testing::TempDataFolder folder;
    QByteArray csv;
    csv.reserve(34 * 1000 * 1000);
    csv += "Series,CPI\r\n2024-01,100\r\n";
    for (int i = 0; i < 1000000; ++i)
        csv += "Note: see website\r\n";
    csv += "2024-02,101.5\r\n";
    for (int i = 0; i < 1000000; ++i)
        csv += "Note: see website\r\n";
    csv += "2024-03,102\r\n";
    QVERIFY(csv.size() > 32 * 1000 * 1000);
    QVERIFY(folder.writeBytes(QStringLiteral("notes.csv"), csv));
    storage::PriceIndexImport result;
    QString error;
    QVERIFY2(storage::importPriceIndex(folder.path(QStringLiteral("notes.csv")), QStringLiteral("N"), QString(), result,
                                       error),
             qPrintable(error));
    QCOMPARE(result.series.values.size(), 3);
    QCOMPARE(valueOf(result.series, 2024, 2), 101.5);

    // A damaged row at the very end is still named by its line.
    csv += "2024-04,oops\r\n";
    QVERIFY(folder.writeBytes(QStringLiteral("notes.csv"), csv));
    QVERIFY(!storage::importPriceIndex(folder.path(QStringLiteral("notes.csv")), QStringLiteral("N"), QString(), result,
                                       error));
    QCOMPARE(error, QStringLiteral("Line 2000005: the value \"oops\" is not a number."));
}

void tst_PriceIndexImport::failedWriteKeepsOldSeries()
{
    testing::TempDataFolder folder;
    QVERIFY(folder.writeBytes(QStringLiteral("a.csv"), "2020-01,100\n"));
    QVERIFY(folder.writeBytes(QStringLiteral("b.csv"), "2020-01,100\n2020-02,150\n"));
    storage::PriceIndexImport result;
    QString error;
    QVERIFY(
        storage::importPriceIndex(folder.path(QStringLiteral("a.csv")), QStringLiteral("S"), QString(), result, error));
    const QMap<QString, QByteArray> before = snapshot(storage::priceIndexFolder());
    for (const storage::faults::Step step : {storage::faults::Step::Open, storage::faults::Step::Write,
                                             storage::faults::Step::Flush, storage::faults::Step::Rename}) {
        storage::faults::failAt(step, 1);
        QVERIFY(!storage::importPriceIndex(folder.path(QStringLiteral("b.csv")), QStringLiteral("S"), QString(), result,
                                           error));
        storage::faults::clear();
        QVERIFY(error.startsWith(QStringLiteral("The price index could not be saved (error 57:")));
        QCOMPARE(snapshot(storage::priceIndexFolder()), before);
    }
}

void tst_PriceIndexImport::killedImportLeavesOldOrNew()
{
    testing::TempDataFolder folder;
    // A long series (every month of 3,000 years) so the write takes a moment.
    QByteArray big;
    for (int year = 1000; year < 4000; ++year)
        for (int month = 1; month <= 12; ++month)
            big += QByteArray::number(year) + '-' + QByteArray::number(month).rightJustified(2, '0') + ",123.456789\n";
    QVERIFY(folder.writeBytes(QStringLiteral("big.csv"), big));
    QVERIFY(folder.writeBytes(QStringLiteral("small.csv"), "2020-01,100\n"));
    const QStringList dirArgs{QStringLiteral("--data-dir"), folder.dir(), QStringLiteral("--name"),
                              QStringLiteral("K")};
    QCOMPARE(
        runTool(QStringList{QStringLiteral("import"), folder.path(QStringLiteral("small.csv"))} + dirArgs).exitCode, 0);
    const QString seriesPath = storage::priceIndexFolder() + QStringLiteral("/K.txt");
    const QByteArray oldBytes = folder.readBytes(storage::PriceIndexFolderName + QStringLiteral("/K.txt"));

    for (int round = 0; round < 12; ++round) {
        QProcess tool;
        tool.start(QStringLiteral(PLUMBLINE_INDEX_BIN),
                   QStringList{QStringLiteral("import"), folder.path(QStringLiteral("big.csv"))} + dirArgs);
        QVERIFY(tool.waitForStarted());
        QTest::qWait(int(QRandomGenerator::global()->bounded(5, 120)));
        tool.kill();
        tool.waitForFinished();
        QFile stored(seriesPath);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        PriceIndex back;
        QString error;
        QVERIFY2(PriceIndex::fromText(stored.readAll(), back, error), qPrintable(error));
        QVERIFY(back.values.size() == 1 || back.values.size() == 36000);
        QCOMPARE(QDir(storage::priceIndexFolder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("K.txt")});
        if (back.values.size() == 36000) { // finished before the kill: start from the old one again
            QFile::remove(seriesPath);
            QVERIFY(folder.writeBytes(storage::PriceIndexFolderName + QStringLiteral("/K.txt"), oldBytes));
        }
    }
}

void tst_PriceIndexImport::toolCommands()
{
    testing::TempDataFolder folder;
    QVERIFY(folder.writeBytes(storage::InvestFileName, InvestBytes));
    QVERIFY(folder.writeBytes(storage::HistFileName, HistoryBytes));
    const QMap<QString, QByteArray> before = snapshot(folder.dir());
    const QStringList dataDir{QStringLiteral("--data-dir"), folder.dir()};

    ToolRun run = runTool({QStringLiteral("--version")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.trimmed(), QByteArray("plumbline-index " PLUMBLINE_VERSION));
    run = runTool({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("rate FROM TO [--series NAME]"));

    run = runTool(QStringList{QStringLiteral("rate"), QStringLiteral("2024-01-15"), QStringLiteral("2024-07-20"),
                              QStringLiteral("--series"), QStringLiteral("US-CPI-U")} +
                  dataDir);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("1.99\n"));
    run = runTool(QStringList{QStringLiteral("rate"), QStringLiteral("2025-09"), QStringLiteral("2025-10"),
                              QStringLiteral("--series"), QStringLiteral("US-CPI-U")} +
                  dataDir);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err, QByteArray("plumbline-index: no rate: US CPI-U has no value for 2025-10.\n"));
    run = runTool(QStringList{QStringLiteral("rate"), QStringLiteral("2024-01"), QStringLiteral("2024-02"),
                              QStringLiteral("--series"), QStringLiteral("NOPE")} +
                  dataDir);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QByteArray("plumbline-index: There is no price index named NOPE.\n"));

    QVERIFY(folder.writeBytes(QStringLiteral("fred.csv"),
                              "observation_date,CPIAUCNS\n2024-01-01,100\n2024-02-01,.\n2024-03-01,103\n"));
    run =
        runTool(QStringList{QStringLiteral("import"), folder.path(QStringLiteral("fred.csv")), QStringLiteral("--name"),
                            QStringLiteral("Fred"), QStringLiteral("--country"), QStringLiteral("us")} +
                dataDir);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith("Imported Fred: 2 months, 2024-01 to 2024-03"));
    run = runTool(QStringList{QStringLiteral("rate"), QStringLiteral("2024-01-31"), QStringLiteral("2024-03-01"),
                              QStringLiteral("--series"), QStringLiteral("fred")} +
                  dataDir);
    QCOMPARE(run.out, QByteArray("3.00\n"));
    run = runTool(QStringList{QStringLiteral("rate"), QStringLiteral("2024-01-31"), QStringLiteral("2024-02-01"),
                              QStringLiteral("--series"), QStringLiteral("Fred")} +
                  dataDir);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err, QByteArray("plumbline-index: no rate: Fred has no value for 2024-02.\n"));

    QVERIFY(folder.writeBytes(QStringLiteral("dup.csv"), "2024-01,1\n2024-01,2\n"));
    run = runTool(QStringList{QStringLiteral("import"), folder.path(QStringLiteral("dup.csv")),
                              QStringLiteral("--name"), QStringLiteral("Fred")} +
                  dataDir);
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.endsWith("dup.csv, line 2: the month 2024-01 appears again (first on line 1).\n"));

    run = runTool(QStringList{QStringLiteral("list")} + dataDir);
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.split('\n');
    QVERIFY(lines.contains("US-CPI-U\tmonthly\t1913-01 to 2026-05\tUS\tshipped\tUS CPI-U\tindex, 1982-84 = 100\t"
                           "US Bureau of Labor Statistics\t2026-12-07"));
    QVERIFY(lines.contains("UK-CPI\tmonthly\t1988-01 to 2026-02\tGB\tshipped\tUK CPI\tindex, 2015 = 100\t"
                           "Office for National Statistics\t2026-12-07"));
    // An import is taken on the day it is made; its publisher is not known.
    QVERIFY(lines.contains("Fred\tmonthly\t2024-01 to 2024-03\tUS\timported\tFred\tindex\t-\t" +
                           QDate::currentDate().toString(Qt::ISODate).toLatin1()));

    // Only the series folder is new in the data folder; the data files are as they were.
    QMap<QString, QByteArray> after = snapshot(folder.dir());
    after.remove(QStringLiteral("fred.csv"));
    after.remove(QStringLiteral("dup.csv"));
    QCOMPARE(after, before);
}

void tst_PriceIndexImport::revisedFiguresNeedReplace_data()
{
    // The stored series: 2023-01 to 2024-03, 100 to 114.
    QByteArray stored;
    for (int i = 0; i < 15; ++i)
        stored += QStringLiteral("%1-%2,%3\n")
                      .arg(2023 + i / 12)
                      .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                      .arg(100 + i)
                      .toLatin1();
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("report"); // empty: taken without asking
    QTest::newRow("new month only") << stored << stored + "2024-04,115\n"
                                    << "";
    QTest::newRow("same figures") << stored << stored << "";
    // 2024-03 over 2023-03: 114 / 102 became 115 / 102, 0.98 points more.
    QTest::newRow("newest month revised") << stored << QByteArray(stored).replace("2024-03,114", "2024-03,115")
                                          << "1 past month changed; a rate over 12 months changed by up to 0.98 points";
    // No 12-month rate both versions give takes 2023-06 (there is no 2022-06 and no 2024-06).
    QTest::newRow("month without a 12-month rate")
        << stored << QByteArray(stored).replace("2023-06,105", "2023-06,104")
        << "1 past month changed; a rate over 12 months changed by up to 0.00 points";
    // The dropped months leave no 12-month rate to compare.
    QTest::newRow("months dropped") << stored << QByteArray("2024-01,112\n2024-02,113\n2024-03,114\n")
                                    << "12 past months changed";
}

void tst_PriceIndexImport::revisedFiguresNeedReplace()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, file);
    QFETCH(QString, report);
    testing::TempDataFolder folder;
    const QStringList dataDir{QStringLiteral("--data-dir"), folder.dir()};
    QVERIFY(folder.writeBytes(QStringLiteral("old.csv"), stored));
    QVERIFY(folder.writeBytes(QStringLiteral("new.csv"), file));
    const QStringList import{QStringLiteral("import"), folder.path(QStringLiteral("new.csv")), QStringLiteral("--name"),
                             QStringLiteral("Mine")};
    ToolRun run = runTool(QStringList{QStringLiteral("import"), folder.path(QStringLiteral("old.csv")),
                                      QStringLiteral("--name"), QStringLiteral("Mine")} +
                          dataDir);
    QCOMPARE(run.exitCode, 0);
    const QString seriesFile = storage::PriceIndexFolderName + QStringLiteral("/Mine.txt");
    const QByteArray before = folder.readBytes(seriesFile);
    QCOMPARE(storage::priceIndexImportRevision(folder.path(QStringLiteral("new.csv")), QStringLiteral("mine"))
                 .text(PriceIndex::Kind::Monthly),
             report.isEmpty() ? QStringLiteral("0 past months changed") : report);

    run = runTool(import + dataDir);
    if (report.isEmpty()) {
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("Replaced Mine: "));
        return;
    }
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(QString::fromUtf8(run.err),
             QStringLiteral("plumbline-index: Mine: %1 changes figures the series holds (%2). Nothing was changed; "
                            "add --replace to replace it.\n")
                 .arg(folder.path(QStringLiteral("new.csv")), report));
    QCOMPARE(folder.readBytes(seriesFile), before);

    run = runTool(import + QStringList{QStringLiteral("--replace")} + dataDir);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith("Revised: " + report.toUtf8() + ".\nReplaced Mine: "));
    QVERIFY(folder.readBytes(seriesFile) != before);
}

QTEST_GUILESS_MAIN(tst_PriceIndexImport)
#include "tst_priceindeximport.moc"
