#include "datafiles.h"
#include "tempdatafolder.h"

#include "core/plmainmod.h"
#include "storage/reportsummary.h"

#include <QtTest>

using storage::InvestmentSummary;

namespace {

Currency money(const char *text)
{
    Currency value;
    if (!Currency::parse(QString::fromLatin1(text), value))
        qFatal("bad amount in test: %s", text);
    return value;
}

// Investment 1 has a computed record, a record without a rate after it (carried, not counted
// again), a skipped record and a computed record after the skip; 2 has two records; 3 none.
// Worked out by hand from the calculation's rules:
//   1/2: rise 800 >= 0, loss on the previous 10000 at 1.6% = 160, AFI 10800 - 160 = 10640
//   1/3: no rate, loss 160 and AFI 10640 shown as carried; the carry keeps the rise: 10640 + 200 = 10840
//   1/4: current amount 0, skipped
//   1/5: rise 11500 - 11000 = 500, loss on 11000 at 2% = 220, AFI 10840 + 500 - 220 = 11120
//   2/2: rise 62.5, loss on 2500 at 2.1% = 52.5, AFI 2562.5 - 52.5 = 2510
const QByteArray History = "1,#2001-01-02#,10000,10000,0\r\n"
                           "2,#2001-06-30#,2500,2500,0\r\n"
                           "1,#2002-01-02#,10000,10800,1.6\r\n"
                           "2,#2002-06-30#,2500,2562.5,2.1\r\n"
                           "1,#2003-01-02#,10000,11000,0\r\n"
                           "1,#2004-01-02#,10000,0,2\r\n"
                           "1,#2005-01-02#,10000,11500,2\r\n";

void writeFolder(const testing::TempDataFolder &folder, const QByteArray &history)
{
    QVERIFY(folder.writeBytes(storage::InvestFileName, testing::recordBytes(1, "Mutual Fund", "Big Bank") +
                                                           testing::recordBytes(2, "Savings", "Credit Union") +
                                                           testing::recordBytes(3, "Bond", "Treasury")));
    if (!history.isNull())
        QVERIFY(folder.writeBytes(storage::HistFileName, history));
}

} // namespace

class tst_reportsummary : public QObject
{
    Q_OBJECT

private slots:
    void init() { modPlMainMod::ResetAll(); }

    void everyInvestmentInOnePass()
    {
        testing::TempDataFolder folder;
        writeFolder(folder, History);
        const QByteArray before = folder.readBytes(storage::HistFileName);
        const storage::ReportSummary summary = storage::summarizeInvestments(0);

        QCOMPARE(summary.investments.size(), 3);
        const InvestmentSummary &one = summary.investments.at(0);
        QCOMPARE(one.investment, 1);
        QCOMPARE(one.type, QStringLiteral("Mutual Fund"));
        QCOMPARE(one.institution, QStringLiteral("Big Bank"));
        QCOMPARE(one.records, 5);
        QVERIFY(one.hasFigures);
        QCOMPARE(one.firstDate, Date::fromYmd(2001, 1, 2));
        QCOMPARE(one.lastDate, Date::fromYmd(2005, 1, 2));
        QCOMPARE(one.lastOriginal, money("10000"));
        QCOMPARE(one.lastCurrent, money("11500"));
        QCOMPARE(one.profitLoss, money("1500"));
        QCOMPARE(one.lastAFI, money("11120"));
        QCOMPARE(one.lastProfitLossAFI, money("1120"));
        QCOMPARE(one.lossToInflation, money("380")); // 160 + 220: the carried 160 once

        const InvestmentSummary &two = summary.investments.at(1);
        QCOMPARE(two.records, 2);
        QCOMPARE(two.lastCurrent, money("2562.5"));
        QCOMPARE(two.lastAFI, money("2510"));
        QCOMPARE(two.lastProfitLossAFI, money("10"));
        QCOMPARE(two.lossToInflation, money("52.5"));

        const InvestmentSummary &three = summary.investments.at(2);
        QCOMPARE(three.records, 0);
        QVERIFY(!three.hasFigures);
        QCOMPARE(three.lossToInflation, Currency());

        QCOMPARE(summary.totals.investments, 3);
        QCOMPARE(summary.totals.records, 7);
        QCOMPARE(summary.totals.lastOriginal, money("12500"));
        QCOMPARE(summary.totals.lastCurrent, money("14062.5"));
        QCOMPARE(summary.totals.profitLoss, money("1562.5"));
        QCOMPARE(summary.totals.lastAFI, money("13630"));
        QCOMPARE(summary.totals.lastProfitLossAFI, money("1130"));
        QCOMPARE(summary.totals.lossToInflation, money("432.5"));

        // Only read: the files are as they were and no file number is left open.
        QCOMPARE(folder.readBytes(storage::HistFileName), before);
        for (int n = 1; n <= storage::MaxFileNumber; ++n)
            QVERIFY(!storage::isOpen(n));
    }

    void oneInvestment()
    {
        testing::TempDataFolder folder;
        writeFolder(folder, History);
        const storage::ReportSummary summary = storage::summarizeInvestments(2);
        QCOMPARE(summary.investments.size(), 1);
        QCOMPARE(summary.investments.at(0).investment, 2);
        QCOMPARE(summary.totals.records, 2);
        QCOMPARE(summary.totals.lossToInflation, money("52.5"));
        QCOMPARE(summary.totals.lastCurrent, money("2562.5"));
    }

    void everyRecordSeenWithItsInvestmentSoFar()
    {
        testing::TempDataFolder folder;
        writeFolder(folder, History);
        QStringList seen;
        storage::summarizeInvestments(0, [&](const InvestmentSummary &soFar, const RecordFigures &r) {
            seen << QStringLiteral("%1/%2:%3").arg(r.investment).arg(r.record).arg(soFar.records);
        });
        QCOMPARE(seen, (QStringList{QStringLiteral("1/1:1"), QStringLiteral("2/1:1"), QStringLiteral("1/2:2"),
                                    QStringLiteral("2/2:2"), QStringLiteral("1/3:3"), QStringLiteral("1/4:4"),
                                    QStringLiteral("1/5:5")}));
    }

    // Money added part way changes the original amount: the summary's amounts come from one
    // record, so its row and its totals add up (current - original = profit or loss).
    void rowAndTotalsAddUp()
    {
        testing::TempDataFolder folder;
        writeFolder(folder, "1,#2010-01-01#,1000,1000,0\r\n"
                            "2,#2010-06-01#,4000,4000,0\r\n"
                            "3,#2010-01-01#,200,220,1\r\n"
                            "1,#2011-01-01#,1500,1700,2\r\n"
                            "2,#2011-06-01#,5000,5300,3\r\n"
                            "3,#2011-01-01#,300,330,0\r\n"
                            "1,#2012-01-01#,1500,1800,1\r\n"
                            "2,#2012-06-01#,5000,0,1\r\n");
        const storage::ReportSummary summary = storage::summarizeInvestments(0);
        QCOMPARE(summary.investments.size(), 3);
        const char *original[] = {"1500", "5000", "300"};
        const char *current[] = {"1800", "5300", "330"};
        Currency originals, currents, profits;
        for (int i = 0; i < 3; ++i) {
            const InvestmentSummary &one = summary.investments.at(i);
            QCOMPARE(one.lastOriginal, money(original[i]));
            QCOMPARE(one.lastCurrent, money(current[i]));
            QCOMPARE(one.lastCurrent - one.lastOriginal, one.profitLoss);
            originals += one.lastOriginal;
            currents += one.lastCurrent;
            profits += one.profitLoss;
        }
        // Where the last record has a rate, the adjusted figures add up the same way.
        for (int i : {0, 1}) {
            const InvestmentSummary &one = summary.investments.at(i);
            QCOMPARE(one.lastAFI - one.lastOriginal, one.lastProfitLossAFI);
        }
        QCOMPARE(summary.totals.lastOriginal, originals);
        QCOMPARE(summary.totals.lastCurrent, currents);
        QCOMPARE(summary.totals.profitLoss, profits);
        QCOMPARE(summary.totals.lastOriginal, money("6800"));
        QCOMPARE(summary.totals.lastCurrent - summary.totals.lastOriginal, summary.totals.profitLoss);
    }

    void everyRecordSkipped()
    {
        testing::TempDataFolder folder;
        writeFolder(folder, "1,#2001-01-02#,0,100,1\r\n1,#2002-01-02#,100,-5,1\r\n");
        const storage::ReportSummary summary = storage::summarizeInvestments(1);
        const InvestmentSummary &one = summary.investments.at(0);
        QCOMPARE(one.records, 2);
        QVERIFY(!one.hasFigures);
        QCOMPARE(one.lastDate, Date::fromYmd(2002, 1, 2));
        QCOMPARE(summary.totals.lastCurrent, Currency());
        QCOMPARE(summary.totals.lossToInflation, Currency());
    }

    void noHistoryYet()
    {
        testing::TempDataFolder folder;
        writeFolder(folder, QByteArray());
        const storage::ReportSummary summary = storage::summarizeInvestments(0);
        QCOMPARE(summary.investments.size(), 3);
        QCOMPARE(summary.totals.records, 0);
    }

    void damagedLineNamesFileAndLine()
    {
        testing::TempDataFolder folder;
        writeFolder(folder, History + "1,#2006-01-02#,10000,twelve,1\r\n");
        try {
            storage::summarizeInvestments(0);
            QFAIL("a damaged line went through");
        } catch (const storage::HistoryPassError &failure) {
            QCOMPARE(failure.line, 8LL);
            QCOMPARE(failure.error.number(), int(RuntimeError::TypeMismatch));
            QCOMPARE(failure.file, storage::programFile(storage::HistFileName));
        }
        QVERIFY(!storage::isOpen(1));
        QVERIFY(!storage::isOpen(2));
    }

    void investmentOutOfRangeOrMissingFile()
    {
        testing::TempDataFolder folder;
        QCOMPARE(storage::investmentCount(), 0);
        QCOMPARE(testing::errorNumberOf([] { storage::summarizeInvestments(0); }), int(RuntimeError::FileNotFound));
        writeFolder(folder, History);
        QCOMPARE(storage::investmentCount(), 3);
        QCOMPARE(testing::errorNumberOf([] { storage::summarizeInvestments(4); }), int(RuntimeError::BadRecordNumber));
        QVERIFY(!storage::isOpen(1));
    }
};

QTEST_GUILESS_MAIN(tst_reportsummary)
#include "tst_reportsummary.moc"
