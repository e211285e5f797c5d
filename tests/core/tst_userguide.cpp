// The explanation document says what the program does: it covers what the instructions
// promise, and its example tables are what the calculation gives.
#include "core/plmainmod.h"
#include "datafiles.h"
#include "tempdatafolder.h"

#include <QFile>
#include <QtTest>

#include <cmath>

using namespace modPlMainMod;

namespace {

QString guideText()
{
    QFile file(QFINDTESTDATA("../../docs/user-guide.md"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// "10,640.00" and "(300.00)" as the grid shows amounts; an empty cell is 0.
bool parseShown(QString text, Currency &value)
{
    text = text.trimmed();
    if (text.isEmpty())
        text = QStringLiteral("0");
    const bool negative = text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'));
    if (negative)
        text = text.mid(1, text.size() - 2);
    text.remove(QLatin1Char(','));
    return Currency::parse(negative ? QLatin1Char('-') + text : text, value);
}

// The rows of the Markdown table whose header row starts with `header`.
QList<QStringList> tableAfter(const QString &guide, const QString &header)
{
    QList<QStringList> rows;
    const QStringList lines = guide.split(QLatin1Char('\n'));
    qsizetype i = 0;
    while (i < lines.size() && !lines.at(i).startsWith(header))
        ++i;
    for (i += 2; i < lines.size() && lines.at(i).startsWith(QLatin1Char('|')); ++i) {
        QStringList cells = lines.at(i).split(QLatin1Char('|'));
        cells = cells.mid(1, cells.size() - 2);
        for (QString &cell : cells)
            cell = cell.trimmed();
        rows << cells;
    }
    return rows;
}

// The rows of every Markdown table whose header row starts with `header`, table by table.
QList<QList<QStringList>> tablesAfter(const QString &guide, const QString &header)
{
    QList<QList<QStringList>> tables;
    QString rest = guide;
    for (qsizetype at = rest.indexOf(header); at >= 0; at = rest.indexOf(header)) {
        rest = rest.mid(at);
        tables << tableAfter(rest, header);
        rest = rest.mid(header.size());
    }
    return tables;
}

} // namespace

class tst_userguide : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetAll(); }

    void coversWhatTheInstructionsPromise_data();
    void coversWhatTheInstructionsPromise();
    void namesEveryColumnOfTheGrid();
    void undoSectionNamesTheCommandsAndKeys_data();
    void undoSectionNamesTheCommandsAndKeys();
    void exampleTablesAreWhatTheCalculationGives_data();
    void exampleTablesAreWhatTheCalculationGives();
    void worksTheRateExampleOut();
    void returnsExampleIsWhatTheExportGives();
};

void tst_userguide::coversWhatTheInstructionsPromise_data()
{
    QTest::addColumn<QString>("heading");
    QTest::newRow("columns") << QStringLiteral("## What each column means");
    QTest::newRow("calculation") << QStringLiteral("## How the figures are worked out");
    QTest::newRow("missing rates") << QStringLiteral("### A record without an inflation rate");
    QTest::newRow("zero amounts") << QStringLiteral("### A record with an amount of zero");
    QTest::newRow("finding a rate") << QStringLiteral("## How to find an inflation rate");
    QTest::newRow("backup and recovery") << QStringLiteral("## Backing up your data and getting it back");
    QTest::newRow("importing") << QStringLiteral("## Importing records");
    QTest::newRow("undo and versions") << QStringLiteral("## Undo and earlier versions");
}

void tst_userguide::coversWhatTheInstructionsPromise()
{
    QFETCH(QString, heading);
    const QString guide = guideText();
    QVERIFY2(!guide.isEmpty(), "docs/user-guide.md is missing");
    QVERIFY2(guide.contains(QLatin1Char('\n') + heading + QLatin1Char('\n')), qPrintable(heading));
}

void tst_userguide::undoSectionNamesTheCommandsAndKeys_data()
{
    QTest::addColumn<QString>("words");
    // As the menus and the dialog spell them.
    QTest::newRow("undo") << QStringLiteral("Edit, Undo (Ctrl+Z)");
    QTest::newRow("redo") << QStringLiteral("Edit, Redo\n(Ctrl+Y or Ctrl+Shift+Z)");
    QTest::newRow("versions") << QStringLiteral("File, Restore Earlier Version…");
    QTest::newRow("backup") << QStringLiteral("File, Restore from Backup…");
    QTest::newRow("csv") << QStringLiteral("Save Records as CSV…");
    QTest::newRow("setting") << QStringLiteral("`SizeLimitMB` in section `[VERSIONS]`");
}

void tst_userguide::undoSectionNamesTheCommandsAndKeys()
{
    QFETCH(QString, words);
    const QString guide = guideText();
    const qsizetype start = guide.indexOf(QStringLiteral("\n## Undo and earlier versions\n"));
    QVERIFY(start >= 0);
    const qsizetype end = guide.indexOf(QStringLiteral("\n## "), start + 1);
    const QString section = guide.mid(start, end < 0 ? -1 : end - start);
    // Lines are wrapped: a line break counts as a blank.
    QString flat = section;
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QString wanted = words;
    wanted.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QVERIFY2(flat.contains(wanted), qPrintable(words));
}

void tst_userguide::namesEveryColumnOfTheGrid()
{
    const QList<QStringList> rows = tableAfter(guideText(), QStringLiteral("| Column |"));
    QStringList names;
    for (const QStringList &row : rows)
        names << row.value(0);
    QCOMPARE(names,
             QStringList({QStringLiteral("Rec"), QStringLiteral("Date"), QStringLiteral("Original Amount"),
                          QStringLiteral("Current Amount"), QStringLiteral("Inc/Dec"), QStringLiteral("Profit/Loss"),
                          QStringLiteral("Inflation Rate (%)"), QStringLiteral("Loss To Inflation"),
                          QStringLiteral("Current Amount AFI"), QStringLiteral("Profit/Loss AFI")}));
}

void tst_userguide::exampleTablesAreWhatTheCalculationGives_data()
{
    // The header of each table and where its figures stand (-1: not in the table).
    QTest::addColumn<QString>("header");
    QTest::addColumn<QList<int>>("figureColumns"); // inc/dec, profit/loss, loss, AFI, profit/loss AFI
    QTest::newRow("four records") << QStringLiteral("| Rec | Original | Current | Rate | Inc/Dec |")
                                  << QList<int>{4, 5, 6, 7, 8};
    QTest::newRow("unrated interval") << QStringLiteral("| Rec | Original | Current | Rate | Loss To Inflation |")
                                      << QList<int>{-1, -1, 4, 5, 6};
}

void tst_userguide::exampleTablesAreWhatTheCalculationGives()
{
    QFETCH(QString, header);
    QFETCH(QList<int>, figureColumns);
    const QList<QStringList> rows = tableAfter(guideText(), header);
    QCOMPARE(rows.size(), 4);
    ResetCalcState();
    for (const QStringList &row : rows) {
        const QString rec = row.value(0);
        if (rec == QLatin1String("1"))
            curPrevAmount = Currency();
        QVERIFY(parseShown(row.value(1), curOriginalAmount));
        QVERIFY(parseShown(row.value(2), curCurrentAmount));
        sngInflRate = row.value(3).isEmpty() ? 0.0f : row.value(3).toFloat();
        CalculateRecord();
        const Currency figures[] = {curIncDec, curProfitLoss, curLossToInfl, curCurAmntAFI, curProfLossAFI};
        for (int k = 0; k < 5; ++k) {
            if (figureColumns.at(k) < 0)
                continue;
            Currency shown;
            QVERIFY(parseShown(row.value(figureColumns.at(k)), shown));
            QVERIFY2(shown == figures[k],
                     qPrintable(QStringLiteral("record %1, figure %2: guide %3, calculation %4")
                                    .arg(rec)
                                    .arg(k)
                                    .arg(row.value(figureColumns.at(k)), figures[k].toPlainString())));
        }
    }
}

void tst_userguide::worksTheRateExampleOut()
{
    // The guide's worked rate: index 308.417 to 314.540 gives 1.99 %.
    const QString guide = guideText();
    QVERIFY(guide.contains(QStringLiteral("314.540 / 308.417 - 1 = 0.01985")));
    QVERIFY(guide.contains(QStringLiteral("the rate for that half year is 1.99")));
    QCOMPARE(QString::number(314.540 / 308.417 - 1, 'f', 5), QStringLiteral("0.01985"));
    QCOMPARE(QString::number((314.540 / 308.417 - 1) * 100, 'f', 2), QStringLiteral("1.99"));
}

// The returns example's records, each example an investment of a data folder, through
// plumbline-export --returns: every figure of the guide's table is the export's.
void tst_userguide::returnsExampleIsWhatTheExportGives()
{
    const QString guide = guideText();
    const QList<QList<QStringList>> examples =
        tablesAfter(guide, QStringLiteral("| Date | Original Amount | Current Amount | Inflation Rate (%) |"));
    QCOMPARE(examples.size(), 2);
    testing::TempDataFolder folder;
    QByteArray history;
    for (int n = 1; n <= 2; ++n)
        for (const QStringList &row : examples.at(n - 1))
            history += QStringLiteral("%1,#%2#,%3,%4,%5\r\n")
                           .arg(n)
                           .arg(row.value(0), QString(row.value(1)).remove(QLatin1Char(',')),
                                QString(row.value(2)).remove(QLatin1Char(',')),
                                row.value(3).isEmpty() ? QStringLiteral("0") : row.value(3))
                           .toLatin1();
    QVERIFY(folder.writeBytes(QStringLiteral("PlumblineData"), testing::recordBytes(1, "First", "Example") +
                                                                   testing::recordBytes(2, "Second", "Example")));
    QVERIFY(folder.writeBytes(QStringLiteral("PlDataHist.txt"), history));
    const testing::ToolRun run = testing::runTool(
        QStringLiteral(PLUMBLINE_EXPORT_BIN), {QStringLiteral("--data-dir"), folder.dir(), QStringLiteral("--returns"),
                                               QStringLiteral("--series"), QStringLiteral("US-CPI-U")});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = QString::fromUtf8(run.out).split(QStringLiteral("\r\n"));
    const QStringList header = lines.value(0).split(QLatin1Char(','));
    const QStringList columns{QStringLiteral("twr_pct"),
                              QStringLiteral("twr_annual_pct"),
                              QStringLiteral("inflation_pct"),
                              QStringLiteral("real_twr_pct"),
                              QStringLiteral("real_twr_annual_pct"),
                              QStringLiteral("mwr_annual_pct"),
                              QStringLiteral("real_mwr_annual_pct")};
    const QList<QStringList> figures = tableAfter(guide, QStringLiteral("| Figure | First example |"));
    QCOMPARE(figures.size(), columns.size());
    for (int n = 1; n <= 2; ++n) {
        const QStringList exported = lines.value(n).split(QLatin1Char(','));
        for (int k = 0; k < columns.size(); ++k)
            QVERIFY2(figures.at(k).value(n) == exported.value(header.indexOf(columns.at(k))),
                     qPrintable(QStringLiteral("%1, example %2: guide %3, export %4")
                                    .arg(figures.at(k).value(0))
                                    .arg(n)
                                    .arg(figures.at(k).value(n), exported.value(header.indexOf(columns.at(k))))));
    }
    // The money-weighted search worked at 8.01 % and the deflated flows.
    const auto at801 = [](double amount, double days) {
        return QString::number(amount / std::pow(1.0801, days / 365.25), 'f', 2);
    };
    QCOMPARE(at801(5000, 182), QStringLiteral("4811.66"));
    QCOMPARE(at801(16000, 366), QStringLiteral("14811.10"));
    QVERIFY(guide.contains(QStringLiteral("5,000 / 1.0801^(182 / 365.25) = 4,811.66")));
    QCOMPARE(QString::number(5000 / 1.01, 'f', 2), QStringLiteral("4950.50"));
    QCOMPARE(QString::number(16000 / 1.0201, 'f', 2), QStringLiteral("15684.74"));
    QVERIFY(guide.contains(QStringLiteral("16,000 / 1.0201 = 15,684.74")));
}

QTEST_GUILESS_MAIN(tst_userguide)
#include "tst_userguide.moc"
