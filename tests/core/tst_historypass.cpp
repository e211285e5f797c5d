#include "datafiles.h"
#include "tempdatafolder.h"

#include "core/plmainmod.h"
#include "storage/historypass.h"

#include <QtTest>

#include <map>
#include <vector>


namespace {

std::vector<RecordFigures> passOf(const QString &path, int investment)
{
    std::vector<RecordFigures> records;
    storage::forEachRecord(path, investment, [&](const RecordFigures &f) { records.push_back(f); });
    return records;
}

QString row(const RecordFigures &f)
{
    return QStringList{
        QString::number(f.investment),   QString::number(f.record),    f.originalAmount.toPlainString(),
        f.currentAmount.toPlainString(), singleToText(f.rate),         f.incDec.toPlainString(),
        f.profitLoss.toPlainString(),    f.lossToInfl.toPlainString(), f.currentAmountAFI.toPlainString(),
        f.profitLossAFI.toPlainString(), QString::number(int(f.state))}
        .join(QLatin1Char(','));
}

} // namespace

class tst_historypass : public QObject
{
    Q_OBJECT

private slots:
    void ratesAreTakenInTheirWrittenForm_data()
    {
        QTest::addColumn<float>("rate");
        QTest::addColumn<float>("written");
        QTest::newRow("seven digits stay") << 1.234568f << 1.234568f;
        QTest::newRow("eight digits round") << 1.2345678f << 1.234568f;
        QTest::newRow("thirds") << 0.33333334f << 0.3333333f;
        QTest::newRow("zero") << 0.0f << 0.0f;
        QTest::newRow("negative") << -2.5f << -2.5f;
    }

    void ratesAreTakenInTheirWrittenForm()
    {
        QFETCH(float, rate);
        QFETCH(float, written);
        QCOMPARE(storage::asWrittenRate(rate), written);
    }

    void statesFollowTheCalculation()
    {
        testing::TempDataFolder folder;
        folder.writeBytes(QStringLiteral("PlDataHist.txt"), "1,#2001-01-01#,10000,10000,0\r\n"
                                                            "1,#2002-01-01#,10000,10500,2\r\n"
                                                            "1,#2003-01-01#,10000,10600,0\r\n"
                                                            "1,#2004-01-01#,10000,0,3\r\n"
                                                            "1,#2005-01-01#,10000,10800,1.2345678\r\n");
        const auto records = passOf(folder.path(QStringLiteral("PlDataHist.txt")), 1);
        QCOMPARE(records.size(), std::size_t(5));
        QCOMPARE(records[0].state, FigureState::Carried);
        QCOMPARE(records[1].state, FigureState::Computed);
        QCOMPARE(records[2].state, FigureState::Carried);
        QCOMPARE(records[3].state, FigureState::Skipped);
        QCOMPARE(records[4].state, FigureState::Computed);
        // Record 2: loss on the previous amount, 10000 x 2 %.
        QCOMPARE(records[1].lossToInfl.toPlainString(), QStringLiteral("200"));
        QCOMPARE(records[1].currentAmountAFI.toPlainString(), QStringLiteral("10300"));
        // The carried record keeps record 2's loss; the skipped one keeps every figure.
        QCOMPARE(records[2].lossToInfl.toPlainString(), QStringLiteral("200"));
        QCOMPARE(records[3].lossToInfl, records[2].lossToInfl);
        QCOMPARE(records[3].incDec, records[2].incDec);
        // The last rate is the one the grid reads back: 10600 x 1.234568 % = 130.864208, to the ten-thousandth.
        QCOMPARE(records[4].rate, 1.234568f);
        QCOMPARE(records[4].lossToInfl.toPlainString(), QStringLiteral("130.8642"));
    }

    void onePassForAllGivesEachInvestmentsOwnPass()
    {
        testing::TempDataFolder folder;
        folder.writeBytes(QStringLiteral("PlDataHist.txt"), "2,#2010-01-01#,5000,4800,3\r\n"
                                                            "1,#2010-01-01#,100,100,0\r\n"
                                                            "2,#2011-01-01#,5000,5100,-0.5\r\n"
                                                            "1,#2011-01-01#,100,120,10\r\n"
                                                            "3,#2011-02-01#,700,0,2\r\n"
                                                            "2,#2012-01-01#,5000,0,2\r\n"
                                                            "1,#2012-01-01#,100,90,0\r\n"
                                                            "2,#2013-01-01#,6000,6300,1.2\r\n"
                                                            "3,#2012-02-01#,700,750,4\r\n");
        const QString path = folder.path(QStringLiteral("PlDataHist.txt"));
        std::map<int, QStringList> together;
        storage::forEachRecordOfAll(path, [&](const RecordFigures &f) { together[f.investment] << row(f); });
        QCOMPARE(together.size(), std::size_t(3));
        for (int investment = 1; investment <= 3; ++investment) {
            QStringList alone;
            for (const RecordFigures &f : passOf(path, investment))
                alone << row(f);
            QCOMPARE(together[investment], alone);
        }
        QCOMPARE(together[2].at(3), QStringLiteral("2,4,6000,6300,1.2,1200,300,61.2,6118.8,118.8,0"));

        // Two of the three in one pass: the same figures, and nothing of the third.
        std::map<int, QStringList> some;
        storage::forEachRecordOfSome(path, {3, 1}, [&](const RecordFigures &f) { some[f.investment] << row(f); });
        QCOMPARE(some.size(), std::size_t(2));
        QCOMPARE(some[1], together[1]);
        QCOMPARE(some[3], together[3]);
    }

    void theMainWindowsFiguresAreLeftAsTheyWere()
    {
        testing::TempDataFolder folder;
        folder.writeBytes(QStringLiteral("PlDataHist.txt"), "1,#2001-01-01#,10000,10500,2\r\n");
        using namespace modPlMainMod;
        intHistInvestNum = 7;
        curPrevAmount = Currency::fromDouble(123);
        curPrevAmntAFI = Currency::fromDouble(456);
        curLossToInfl = Currency::fromDouble(9);
        sngInflRate = 4.5f;
        storage::forEachRecordOfAll(folder.path(QStringLiteral("PlDataHist.txt")), [](const RecordFigures &) {});
        passOf(folder.path(QStringLiteral("PlDataHist.txt")), 1);
        QCOMPARE(int(intHistInvestNum), 7);
        QCOMPARE(curPrevAmount.toPlainString(), QStringLiteral("123"));
        QCOMPARE(curPrevAmntAFI.toPlainString(), QStringLiteral("456"));
        QCOMPARE(curLossToInfl.toPlainString(), QStringLiteral("9"));
        QCOMPARE(sngInflRate, 4.5f);
        ResetAll();
    }

    void damageNamesTheLineAndFreesTheFileNumber()
    {
        testing::TempDataFolder folder;
        folder.writeBytes(QStringLiteral("PlDataHist.txt"), "1,#2001-01-01#,10000,10500,2\r\n"
                                                            "1,#2002-01-01#,10000,x,2\r\n");
        const QString path = folder.path(QStringLiteral("PlDataHist.txt"));
        int seen = 0;
        try {
            storage::forEachRecord(path, 1, [&](const RecordFigures &) { ++seen; });
            QFAIL("a damaged line must stop the pass");
        } catch (const storage::HistoryPassError &failure) {
            QCOMPARE(failure.line, 2LL);
            QCOMPARE(failure.error.number(), 13);
            QCOMPARE(failure.file, path);
        }
        QCOMPARE(seen, 1);
        QVERIFY(!storage::isOpen(2));
        // A missing history is error 53, and the number is free for the next pass.
        QCOMPARE(testing::errorNumberOf([&] { passOf(folder.path(QStringLiteral("none.txt")), 1); }), 53);
        QVERIFY(!storage::isOpen(2));
    }

    // A pass over some investments reads only the other lines' numbers: their damage is the
    // whole-file pass's to report. A line whose number cannot be read, or a damaged line of a
    // listed investment, still stops the pass at its line.
    void aPassOverSomePassesOverTheOthersLines()
    {
        testing::TempDataFolder folder;
        const QString path = folder.path(QStringLiteral("PlDataHist.txt"));
        folder.writeBytes(QStringLiteral("PlDataHist.txt"), "1,#2001-01-01#,10000,10500,2\r\n"
                                                            "2,#2001-13-45#,x,,\r\n"
                                                            "7,garbage\r\n"
                                                            " 1,#2002-01-01#,10000,11000,3\r\n"
                                                            "1,#2003-01-01#,10000,11500,0");
        QStringList some;
        storage::forEachRecordOfSome(path, {1}, [&](const RecordFigures &f) { some << row(f); });
        QCOMPARE(some.size(), 3);
        QCOMPARE(some.at(0), QStringLiteral("1,1,10000,10500,2,500,500,200,10300,300,0"));
        // The same figures as the full reader gives, line for line, without the damaged lines.
        folder.writeBytes(QStringLiteral("Clean.txt"), "1,#2001-01-01#,10000,10500,2\r\n"
                                                       " 1,#2002-01-01#,10000,11000,3\r\n"
                                                       "1,#2003-01-01#,10000,11500,0");
        QStringList alone;
        for (const RecordFigures &f : passOf(folder.path(QStringLiteral("Clean.txt")), 1))
            alone << row(f);
        QCOMPARE(some, alone);

        const auto failingLine = [&](const QByteArray &bytes, std::vector<int> investments) {
            folder.writeBytes(QStringLiteral("PlDataHist.txt"), bytes);
            try {
                storage::forEachRecordOfSome(path, investments, [](const RecordFigures &) {});
            } catch (const storage::HistoryPassError &failure) {
                return failure.line;
            }
            return 0LL;
        };
        QCOMPARE(failingLine("1,#2001-01-01#,1,1,2\r\n2,#2001-13-45#,x,,\r\n", {1, 2}), 2LL);
        QCOMPARE(failingLine("1,#2001-01-01#,1,1,2\r\n2,#2001-13-45#,x,,\r\n", {1}), 0LL);
        QCOMPARE(failingLine("1,#2001-01-01#,1,1,2\r\nx,#2001-01-01#,1,1,2\r\n", {1}), 2LL);
        QCOMPARE(failingLine("1,#2001-01-01#,1,1,2\r\n99999,#2001-01-01#,1,1,2\r\n", {1}), 2LL);
        QVERIFY(!storage::isOpen(2));
    }
};

QTEST_GUILESS_MAIN(tst_historypass)
#include "tst_historypass.moc"
