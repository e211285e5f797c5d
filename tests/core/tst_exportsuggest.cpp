// plumbline-export --suggest-rates: the price index's rate since the record each one is measured
// from, in its own column, the other columns as without it; the series the windows chose.
#include "core/suggestedrate.h"
#include "datafiles.h"
#include "storage/historypass.h"
#include "storage/priceindexchoice.h"
#include "storage/usersettings.h"
#include "tempdatafolder.h"

#include <QtTest>

namespace {

using testing::recordBytes;

testing::ToolRun exportTool(const QStringList &arguments)
{
    return testing::runTool(QStringLiteral(PLUMBLINE_EXPORT_BIN), arguments);
}

// A tool run with its own settings folder and locale, as a user's shell would give them.
testing::ToolRun toolWithSettings(const QString &program, const QStringList &arguments, const QString &configHome,
                                  const QString &locale)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    testing::ToolRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QList<QStringList> rows(const QByteArray &csv)
{
    QList<QStringList> result;
    for (const QByteArray &line : csv.split('\n')) {
        if (!line.trimmed().isEmpty())
            result << QString::fromUtf8(line.trimmed()).split(QLatin1Char(','));
    }
    return result;
}

} // namespace

class tst_exportsuggest : public QObject
{
    Q_OBJECT

private slots:
    void suggestedRateColumn();
    void measuredFromLastCountedRecord_data();
    void measuredFromLastCountedRecord();
    void countedAsTheCalculationCounts();
    void seriesChosenInTheWindows();
    void refusals();
};

void tst_exportsuggest::suggestedRateColumn()
{
    testing::TempDataFolder folder;
    folder.writeBytes(QStringLiteral("PlumblineData"),
                      recordBytes(1, "Fund", "Bank") + recordBytes(2, "Savings", "CU"));
    const QByteArray history = "1,#2024-01-15#,1000,1000,0\r\n"
                               "2,#2026-01-31#,500,500,0\r\n"
                               "1,#2024-07-20#,1000,1010,2\r\n"
                               "1,#2025-10-05#,1000,1020,1\r\n"
                               "2,#2026-02-01#,500,501,0.5\r\n"
                               "1,#2025-11-03#,1000,1030,0.5\r\n"
                               "1,#2025-09-01#,1000,1030,0\r\n";
    folder.writeBytes(QStringLiteral("PlDataHist.txt"), history);
    const QStringList dataDir{QStringLiteral("--data-dir"), folder.dir()};

    const testing::ToolRun plain = exportTool(dataDir);
    QCOMPARE(plain.exitCode, 0);
    const testing::ToolRun us =
        exportTool(dataDir + QStringList{QStringLiteral("--suggest-rates"), QStringLiteral("--series"),
                                         QStringLiteral("US-CPI-U")});
    QCOMPARE(us.exitCode, 0);
    const QList<QStringList> withColumn = rows(us.out);
    QCOMPARE(withColumn.first().at(9), QStringLiteral("inflation_rate"));
    QCOMPARE(withColumn.first().at(10), QStringLiteral("suggested_rate"));
    QCOMPARE(withColumn.first().at(11), QStringLiteral("loss_to_inflation"));

    // Investment 1 in file order (investment 2: 2026-02 over 2026-01 = 0.47 %): the first has none; Jan to Jul 2024 is
    // 314.540 / 308.417 - 1 = 1.99 %; October 2025 has no level (to it and from it); a date before the previous
    // record's gives none.
    QStringList suggested;
    for (int i = 1; i < withColumn.size(); ++i)
        suggested << withColumn.at(i).at(0) + QLatin1Char(':') + withColumn.at(i).at(10);
    QCOMPARE(suggested,
             (QStringList{QStringLiteral("1:"), QStringLiteral("1:1.99"), QStringLiteral("1:"), QStringLiteral("1:"),
                          QStringLiteral("1:"), QStringLiteral("2:"), QStringLiteral("2:0.47")}));

    // Without the column the rows are the plain export's, byte for byte.
    QByteArray stripped;
    for (const QStringList &row : withColumn) {
        QStringList fields = row;
        fields.removeAt(10);
        stripped += fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    QCOMPARE(stripped, plain.out);

    // UK CPI for investment 2: 140.1 / 139.5 - 1 = 0.43 %.
    const testing::ToolRun uk = exportTool(dataDir + QStringList{QStringLiteral("--suggest-rates"),
                                                                 QStringLiteral("--series"), QStringLiteral("UK-CPI"),
                                                                 QStringLiteral("--investment"), QStringLiteral("2")});
    QCOMPARE(uk.exitCode, 0);
    const QList<QStringList> ukRows = rows(uk.out);
    QCOMPARE(ukRows.size(), 3);
    QCOMPARE(ukRows.at(1).at(10), QString());
    QCOMPARE(ukRows.at(2).at(10), QStringLiteral("0.43"));
    QCOMPARE(folder.readBytes(QStringLiteral("PlDataHist.txt")), history);
}

void tst_exportsuggest::measuredFromLastCountedRecord_data()
{
    QTest::addColumn<QByteArray>("history");
    QTest::addColumn<QStringList>("suggested");
    // The calculation passes over 9/1/2023 (current amount 0) and compares 3/1/2024 with
    // 3/1/2023: 312.332 / 301.836 - 1 = 3.48 %, not 312.332 / 307.789 - 1 = 1.48 % from the
    // skipped record. The skipped record itself is measured from 3/1/2023 too (1.97 %), as the
    // dialog measures it when it is edited.
    QTest::newRow("one skipped between") << QByteArray("1,#2023-03-01#,5000,5000,0\r\n"
                                                       "1,#2023-09-01#,5000,0,0\r\n"
                                                       "1,#2024-03-01#,5000,5150,3.48\r\n")
                                         << QStringList{"", "1.97", "3.48"};
    QTest::newRow("two skipped, negative and zero original") << QByteArray("1,#2023-03-01#,5000,5000,0\r\n"
                                                                           "1,#2023-09-01#,5000,-10,0\r\n"
                                                                           "1,#2024-01-01#,0,5000,0\r\n"
                                                                           "1,#2024-03-01#,5000,5150,0\r\n"
                                                                           "1,#2024-04-01#,5000,5150,0\r\n")
                                                             << QStringList{"", "1.97", "2.18", "3.48", "0.39"};
    // None counted yet: a rate has nothing to run from, as for a first record.
    QTest::newRow("nothing counted before") << QByteArray("1,#2023-03-01#,0,0,0\r\n"
                                                          "1,#2023-09-01#,5000,0,0\r\n"
                                                          "1,#2024-03-01#,5000,5150,0\r\n"
                                                          "1,#2024-04-01#,5000,5150,0\r\n")
                                            << QStringList{"", "", "", "0.39"};
}

void tst_exportsuggest::measuredFromLastCountedRecord()
{
    QFETCH(QByteArray, history);
    QFETCH(QStringList, suggested);
    testing::TempDataFolder folder;
    folder.writeBytes(QStringLiteral("PlumblineData"), recordBytes(1, "Fund", "Bank"));
    folder.writeBytes(QStringLiteral("PlDataHist.txt"), history);
    const testing::ToolRun run =
        exportTool({QStringLiteral("--data-dir"), folder.dir(), QStringLiteral("--suggest-rates"),
                    QStringLiteral("--series"), QStringLiteral("US-CPI-U")});
    QCOMPARE(run.exitCode, 0);
    const QList<QStringList> table = rows(run.out);
    QStringList column;
    for (int i = 1; i < table.size(); ++i)
        column << table.at(i).at(10);
    QCOMPARE(column, suggested);
    if (QTest::currentDataTag() == QByteArrayLiteral("one skipped between"))
        QCOMPARE(table.at(3).at(11), QStringLiteral("174")); // 5,000 at 3.48 %: the loss a full year took
}

void tst_exportsuggest::countedAsTheCalculationCounts()
{
    // RateBase's test and CalculateRecord's must agree record for record, or the suggestion would
    // run from a record the calculation passed over.
    testing::TempDataFolder folder;
    testing::CleanStorage clean;
    const QList<QByteArray> amounts = {"100,100",    "0,100",      "100,0",     "-1,100", "100,-1",
                                       "0.0001,100", "100,0.0001", "-0.0001,5", "0,0",    "5,100"};
    QByteArray history;
    for (int i = 0; i < amounts.size(); ++i)
        history += "1,#2024-01-" + QByteArray::number(i + 1).rightJustified(2, '0') + "#," + amounts.at(i) + ",1\r\n";
    folder.writeBytes(QStringLiteral("PlDataHist.txt"), history);
    int seen = 0;
    int skipped = 0;
    try {
        storage::forEachRecord(folder.path(QStringLiteral("PlDataHist.txt")), 1, [&](const RecordFigures &f) {
            ++seen;
            skipped += f.state == FigureState::Skipped ? 1 : 0;
            QCOMPARE(RateBase::counts(f.originalAmount, f.currentAmount), f.state != FigureState::Skipped);
        });
    } catch (const storage::HistoryPassError &e) {
        QFAIL(qPrintable(e.message()));
    }
    QCOMPARE(seen, amounts.size());
    QCOMPARE(skipped, 6);
}

void tst_exportsuggest::seriesChosenInTheWindows()
{
    testing::TempDataFolder folder;
    folder.writeBytes(QStringLiteral("PlumblineData"), recordBytes(1, "Fund", "Bank"));
    folder.writeBytes(QStringLiteral("PlDataHist.txt"), "1,#2026-01-31#,500,500,0\r\n1,#2026-02-01#,500,501,0.5\r\n");
    const QStringList suggest{QStringLiteral("--data-dir"), folder.dir(), QStringLiteral("--suggest-rates")};
    const QString exportBin = QStringLiteral(PLUMBLINE_EXPORT_BIN);
    const QString indexBin = QStringLiteral(PLUMBLINE_INDEX_BIN);
    const QStringList rate{QStringLiteral("rate"), QStringLiteral("2026-01"), QStringLiteral("2026-02"),
                           QStringLiteral("--data-dir"), folder.dir()};
    // January to February 2026: US CPI-U 0.47 %, UK CPI 0.43 %.
    const auto suggestedFor = [&](const QString &locale) {
        const testing::ToolRun run = toolWithSettings(exportBin, suggest, folder.settingsPath(), locale);
        return run.exitCode == 0 ? rows(run.out).value(2).value(10) : QString::fromUtf8(run.err);
    };

    // No choice saved: the locale's country decides.
    QCOMPARE(suggestedFor(QStringLiteral("en_US.UTF-8")), QStringLiteral("0.47"));
    QCOMPARE(suggestedFor(QStringLiteral("en_GB.UTF-8")), QStringLiteral("0.43"));

    // Saved where the windows save it (this process's settings folder is the child's
    // XDG_CONFIG_HOME): the choice wins over the locale, for both tools.
    QVERIFY(storage::writeUserSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("PRICEINDEX"),
                                      QStringLiteral("Series"), QStringLiteral("UK-CPI")));
    QVERIFY(QFile::exists(folder.settingsPath() + QStringLiteral("/PLUMBLINE/PLUMBLINE.ini")));
    QCOMPARE(storage::savedPriceIndexChoice(), QStringLiteral("UK-CPI"));
    QCOMPARE(suggestedFor(QStringLiteral("en_US.UTF-8")), QStringLiteral("0.43"));
    QCOMPARE(toolWithSettings(indexBin, rate, folder.settingsPath(), QStringLiteral("en_US.UTF-8")).out,
             QByteArray("0.43\n"));
    // --series still names another.
    const testing::ToolRun named =
        toolWithSettings(exportBin, suggest + QStringList{QStringLiteral("--series"), QStringLiteral("US-CPI-U")},
                         folder.settingsPath(), QStringLiteral("en_GB.UTF-8"));
    QCOMPARE(rows(named.out).value(2).value(10), QStringLiteral("0.47"));

    // A choice whose series is gone is an error that says where it came from.
    QVERIFY(storage::writeUserSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("PRICEINDEX"),
                                      QStringLiteral("Series"), QStringLiteral("GONE")));
    QCOMPARE(suggestedFor(QStringLiteral("en_US.UTF-8")),
             QStringLiteral("plumbline-export: There is no price index named GONE. It is the series chosen under View, "
                            "Price Index; --series NAME gives another.\n"));
}

void tst_exportsuggest::refusals()
{
    testing::TempDataFolder folder;
    folder.writeBytes(QStringLiteral("PlumblineData"), recordBytes(1, "Fund", "Bank"));
    const QStringList dataDir{QStringLiteral("--data-dir"), folder.dir()};
    testing::ToolRun run = exportTool(dataDir + QStringList{QStringLiteral("--series"), QStringLiteral("UK-CPI")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QByteArray("plumbline-export: --series needs --suggest-rates or --returns\n"));
    run = exportTool(
        dataDir + QStringList{QStringLiteral("--suggest-rates"), QStringLiteral("--series"), QStringLiteral("NOPE")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QByteArray("plumbline-export: There is no price index named NOPE.\n"));
    QVERIFY(run.out.isEmpty());
    run = exportTool(QStringList{QStringLiteral("--help")});
    QVERIFY(run.out.contains("--suggest-rates"));
}

QTEST_GUILESS_MAIN(tst_exportsuggest)
#include "tst_exportsuggest.moc"
