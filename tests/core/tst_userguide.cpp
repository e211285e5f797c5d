// The explanation document says what the program does: it covers what the instructions
// promise, and its example tables are what the calculation gives.
#include "core/plmainmod.h"

#include <QFile>
#include <QtTest>

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

} // namespace

class tst_userguide : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetAll(); }

    void coversWhatTheInstructionsPromise_data();
    void coversWhatTheInstructionsPromise();
    void namesEveryColumnOfTheGrid();
    void exampleTablesAreWhatTheCalculationGives_data();
    void exampleTablesAreWhatTheCalculationGives();
    void worksTheRateExampleOut();
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
}

void tst_userguide::coversWhatTheInstructionsPromise()
{
    QFETCH(QString, heading);
    const QString guide = guideText();
    QVERIFY2(!guide.isEmpty(), "docs/user-guide.md is missing");
    QVERIFY2(guide.contains(QLatin1Char('\n') + heading + QLatin1Char('\n')), qPrintable(heading));
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

QTEST_GUILESS_MAIN(tst_userguide)
#include "tst_userguide.moc"
