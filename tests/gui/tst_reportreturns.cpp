// The report's returns: each investment's figures a year and those of all of them, the line on
// each investment's page and what inflation took year by year, all as plumbline-export gives
// them, read back from the PDF with pdftotext.

#include "reporttesting.h"
#include "returnstesting.h"

#include "core/returns.h"

#include <QTemporaryDir>
#include <QtTest>

#include <map>

using namespace reporttesting;
using namespace returnstesting;

namespace {

// Investment 1 takes a deposit, 2 has a record without a rate, 3 spans half a year, 4 has no
// records. By hand: in 2016 inflation took 10,000 x 2 % = 200.00 of 1 and 5,000 x 1.2 % =
// 60.00 of 2, 260.00 in all.
const QStringList Records{
    QStringLiteral("1,#2015-01-10#,10000,10000,0"),   QStringLiteral("2,#2015-06-01#,5000,5000,0"),
    QStringLiteral("1,#2016-01-10#,10000,10600,2"),   QStringLiteral("2,#2016-06-01#,5000,5100,1.2"),
    QStringLiteral("1,#2017-01-10#,12000,13000,1.5"), QStringLiteral("2,#2017-06-01#,5000,5200,0"),
    QStringLiteral("1,#2018-01-10#,12000,13500,2.1"), QStringLiteral("2,#2018-06-01#,5000,5300,1.8"),
    QStringLiteral("3,#2018-03-01#,2000,2000,0"),     QStringLiteral("3,#2018-09-01#,2000,2040,1"),
};

struct Report
{
    QStringList pages;
    int pageCount = 0;
};

// The report of the fixture's folder as the tool writes it, every run of blanks and line break
// one blank, so a wrapped line reads as one.
Report reportOf(testing::AppFixture &app)
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("r.pdf"));
    const testing::ToolRun run = testing::runTool(
        QStringLiteral(PLUMBLINE_REPORT_BIN),
        {QStringLiteral("--data-dir"), app.folder().dir(), QStringLiteral("--out"), pdf, QStringLiteral("--series"),
         QStringLiteral("US-CPI-U"), QStringLiteral("--locale"), QStringLiteral("en_US")});
    Report report;
    if (run.exitCode != 0)
        return report;
    report.pageCount = pdfInfo(pdf, QStringLiteral("Pages")).toInt();
    for (QString page : pageTexts(pdf))
        report.pages << page.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    return report;
}

QString dash(const QString &figure)
{
    return figure.isEmpty() ? QStringLiteral("\u2014") : QString(figure).replace(QLatin1Char('-'), QChar(0x2212));
}

QString usDate(const QString &iso)
{
    return QDate::fromString(iso, Qt::ISODate).toString(QStringLiteral("M/d/yyyy"));
}

// The returns table's figures for an exported row: dates, years and the four per-year figures.
QString tableFigures(const QMap<QString, QString> &row)
{
    QStringList cells;
    if (!row.value(QStringLiteral("first_date")).isEmpty())
        cells << usDate(row.value(QStringLiteral("first_date"))) << usDate(row.value(QStringLiteral("last_date")));
    if (!row.value(QStringLiteral("years")).isEmpty())
        cells << row.value(QStringLiteral("years"));
    for (const char *column : {"twr_annual_pct", "real_twr_annual_pct", "mwr_annual_pct", "real_mwr_annual_pct"})
        cells << dash(row.value(QLatin1String(column)));
    return cells.join(QLatin1Char(' '));
}

// Loss to inflation in ten-thousandths, as the export writes it, by (year, investment) from the
// export's records: those with both amounts above zero and a rate, the records whose loss the
// calculation works out.
std::map<int, std::map<int, qint64>> exportedLossByYear(testing::AppFixture &app)
{
    std::map<int, std::map<int, qint64>> losses;
    for (const QMap<QString, QString> &row : exportedRows(app, false)) {
        if (row.value(QStringLiteral("original_amount")).toDouble() <= 0 ||
            row.value(QStringLiteral("current_amount")).toDouble() <= 0 ||
            row.value(QStringLiteral("inflation_rate")).toDouble() == 0)
            continue;
        const int year = QDate::fromString(row.value(QStringLiteral("date")), Qt::ISODate).year();
        losses[year][row.value(QStringLiteral("investment")).toInt()] +=
            qRound64(row.value(QStringLiteral("loss_to_inflation")).toDouble() * 10000);
    }
    return losses;
}

// Ten-thousandths as the report shows them: whole cents, halves away from zero.
QString dollars(qint64 units)
{
    const qint64 cents = (units + (units < 0 ? -50 : 50)) / 100;
    const QString whole = QLocale(QLocale::English, QLocale::UnitedStates).toString(qAbs(cents) / 100);
    const QString text = QStringLiteral("$%1.%2").arg(whole).arg(qAbs(cents) % 100, 2, 10, QLatin1Char('0'));
    return cents < 0 ? QLatin1Char('(') + text + QLatin1Char(')') : text;
}

// The year table's rows as the export's records add them up, rounded once summed: the year,
// the amount of each of investments first..last that has one that year, all investments';
// then the Total row.
QStringList expectedYearRows(const std::map<int, std::map<int, qint64>> &losses, int first, int last)
{
    QStringList rows;
    std::map<int, qint64> totals;
    qint64 all = 0;
    for (const auto &[year, byInvestment] : losses) {
        QStringList cells{QString::number(year)};
        qint64 sum = 0;
        for (const auto &[investment, units] : byInvestment) {
            sum += units;
            totals[investment] += units;
            if (investment >= first && investment <= last)
                cells << dollars(units);
        }
        all += sum;
        rows << (cells << dollars(sum)).join(QLatin1Char(' '));
    }
    QStringList total{QStringLiteral("Total")};
    for (const auto &[investment, units] : totals)
        if (investment >= first && investment <= last)
            total << dollars(units);
    rows << (total << dollars(all)).join(QLatin1Char(' '));
    return rows;
}

} // namespace

class tst_reportreturns : public QObject
{
    Q_OBJECT

private slots:
    void figuresAreTheExports();
    void yearByYearInTablesOfTenInvestments();
};

void tst_reportreturns::figuresAreTheExports()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Bank")},
                          {QStringLiteral("Savings"), QStringLiteral("Credit Union")},
                          {QStringLiteral("Short"), QStringLiteral("Broker")},
                          {QStringLiteral("Empty"), QStringLiteral("Nobody")}});
    app.writeHistory(Records);
    const QList<QMap<QString, QString>> exported = exportedReturns(app);
    QCOMPARE(exported.size(), 5);
    const Report report = reportOf(app);
    QVERIFY(report.pageCount > 4);
    QCOMPARE(report.pages.size(), report.pageCount);
    for (int i = 0; i < report.pageCount; ++i)
        QVERIFY(report.pages.at(i).contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(report.pageCount)));

    // The summary's pages: up to the first investment's.
    int firstInvestmentPage = 0;
    while (firstInvestmentPage < report.pages.size() &&
           !report.pages.at(firstInvestmentPage).contains(QStringLiteral("Investment 1: Fund, Bank ")))
        ++firstInvestmentPage;
    QVERIFY(firstInvestmentPage < report.pages.size());
    const QString summary = report.pages.mid(0, firstInvestmentPage).join(QLatin1Char(' '));
    const QString returns = summary.section(QStringLiteral("Returns a year"), 1);
    QVERIFY(!returns.isEmpty());
    const QStringList names{QStringLiteral("Fund Bank"), QStringLiteral("Savings Credit Union"),
                            QStringLiteral("Short Broker"), QStringLiteral("Empty Nobody")};
    for (int i = 0; i < 4; ++i) {
        const QString row = QStringLiteral("%1 %2 %3").arg(i + 1).arg(names.at(i), tableFigures(exported.at(i)));
        QVERIFY2(returns.contains(row), qPrintable(row));
    }
    // Each figure that cannot be given says why, in the table and on the page.
    QVERIFY(returns.contains(QStringLiteral("record 3 has no inflation rate")));
    QVERIFY(returns.contains(QStringLiteral("the records span less than a year")));
    QVERIFY(returns.contains(QStringLiteral("fewer than two records with both amounts above zero")));
    const QMap<QString, QString> &all = exported.at(4);
    QCOMPARE(all.value(QStringLiteral("investment")), QStringLiteral("all"));
    const QString allRow = QStringLiteral("All investments US-CPI-U %1").arg(tableFigures(all));
    QVERIFY2(returns.contains(allRow), qPrintable(allRow));
    QVERIFY(!all.value(QStringLiteral("mwr_annual_pct")).isEmpty());
    QVERIFY(returns.contains(QStringLiteral("after inflation by the price index US-CPI-U")));

    // Each investment's page: the line the chart window shows, from the same figures.
    for (int n = 1; n <= 3; ++n) {
        const QMap<QString, QString> &row = exported.at(n - 1);
        const QString line = expectedLine(row, usDate(row.value(QStringLiteral("first_date"))));
        const QString title = QStringLiteral("Investment %1: %2, ").arg(n).arg(names.at(n - 1).section(' ', 0, 0));
        bool found = false;
        for (const QString &page : report.pages)
            if (page.contains(title) && !page.contains(title + QStringLiteral("(continued)")))
                found = found || page.contains(line);
        QVERIFY2(found, qPrintable(line));
    }
    QVERIFY(report.pages.last().contains(QStringLiteral("Investment 4: Empty, Nobody No data records.")));

    // What inflation took: the export's records summed by year, and by hand for 2016.
    const QString years = summary.section(QStringLiteral("What inflation took, year by year"), 1);
    QVERIFY(!years.isEmpty());
    QVERIFY(years.contains(QStringLiteral("Year 1: Fund, Bank 2: Savings, Credit Union 3: Short, Broker 4: "
                                          "Empty, Nobody All Investments")));
    QVERIFY(years.contains(QStringLiteral(" 2016 $200.00 $60.00 $260.00 ")));
    const std::map<int, std::map<int, qint64>> losses = exportedLossByYear(app);
    QCOMPARE(int(losses.size()), 3); // 2015 has no rated record
    for (const QString &row : expectedYearRows(losses, 1, 4))
        QVERIFY2(years.contains(QLatin1Char(' ') + row + QLatin1Char(' ')), qPrintable(row));
    // The Total row is the summary's Total Loss To Inflation, column by column.
    QVERIFY(summary.section(QStringLiteral("Returns a year"), 0, 0)
                .contains(expectedYearRows(losses, 1, 4).constLast().section(' ', -1)));
}

// Twelve investments: two tables, ten investments and then two, each with the column of all
// of them, the pages counted right.
void tst_reportreturns::yearByYearInTablesOfTenInvestments()
{
    testing::AppFixture app;
    QList<std::pair<QString, QString>> names;
    QStringList history;
    for (int n = 1; n <= 12; ++n) {
        names.append({QStringLiteral("Plan %1").arg(n), QStringLiteral("Bank")});
        for (int year = 0; year < 6; ++year)
            history << QStringLiteral("%1,#%2-0%3-15#,%4,%5,%6")
                           .arg(n)
                           .arg(2000 + year + n % 3)
                           .arg(n % 9 + 1)
                           .arg(1000 * n)
                           .arg(1000 * n + 37 * year * (n % 5 - 1))
                           .arg(year == 0 || (n == 7 && year == 3) ? QStringLiteral("0")
                                                                   : QString::number(1 + (n + year) % 4 * 0.6));
    }
    app.writeInvestments(names);
    app.writeHistory(history);
    const Report report = reportOf(app);
    QVERIFY(report.pageCount > 12);
    QCOMPARE(report.pages.size(), report.pageCount);
    for (int i = 0; i < report.pageCount; ++i)
        QVERIFY(report.pages.at(i).contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(report.pageCount)));
    const QString all = report.pages.join(QLatin1Char(' '));
    const QString first = all.section(QStringLiteral("What inflation took, year by year (investments 1 to 10)"), 1)
                              .section(QStringLiteral("(investments 11 to 12)"), 0, 0);
    const QString second = all.section(QStringLiteral("What inflation took, year by year (investments 11 to 12)"), 1)
                               .section(QStringLiteral("Investment 1: Plan 1, Bank"), 0, 0);
    QVERIFY(!first.isEmpty());
    QVERIFY(!second.isEmpty());
    // Two investments' columns and that of all of them.
    QVERIFY(second.contains(QStringLiteral("11: Plan 11,")));
    QVERIFY(second.contains(QStringLiteral("12: Plan 12,")));
    QVERIFY(!second.contains(QStringLiteral("10: Plan 10,")));
    QVERIFY(first.contains(QStringLiteral("10: Plan 10,")));
    const std::map<int, std::map<int, qint64>> losses = exportedLossByYear(app);
    for (const QString &row : expectedYearRows(losses, 1, 10))
        QVERIFY2(first.contains(QLatin1Char(' ') + row + QLatin1Char(' ')), qPrintable(row));
    for (const QString &row : expectedYearRows(losses, 11, 12))
        QVERIFY2(second.contains(QLatin1Char(' ') + row + QLatin1Char(' ')), qPrintable(row));
}

QTEST_MAIN(tst_reportreturns)
#include "tst_reportreturns.moc"
