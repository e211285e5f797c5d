#include "core/calculation.h"
#include "core/plmainmod.h"
#include "core/runtimeerror.h"

#include <QtTest>

using namespace modPlMainMod;

namespace {

Currency cur(const QString &text)
{
    Currency value;
    if (!Currency::parse(text, value))
        qFatal("bad amount %s", qPrintable(text));
    return value;
}

// Runs one record the way the grid does and returns the figures as plain texts.
QStringList runRecord(int recordNumber, const QString &original, const QString &current, float rate)
{
    curOriginalAmount = cur(original);
    curCurrentAmount = cur(current);
    sngInflRate = rate;
    if (recordNumber == 1)
        curPrevAmount = Currency();
    CalculateRecord();
    return {curIncDec.toPlainString(),     curProfitLoss.toPlainString(),  curLossToInfl.toPlainString(),
            curCurAmntAFI.toPlainString(), curProfLossAFI.toPlainString(), curPrevAmount.toPlainString(),
            curPrevAmntAFI.toPlainString()};
}

} // namespace

class tst_calculation : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetAll(); }

    // Each row: record of a run from a fresh reset, its inputs and every figure
    // (increase, profit, loss to inflation, AFI amount, AFI profit, P after, PA after).
    void workedExamples_data()
    {
        QTest::addColumn<int>("run");
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("current");
        QTest::addColumn<float>("rate");
        QTest::addColumn<QStringList>("figures");
        QTest::newRow("A1 first record, no rate")
            << 1 << 1 << "10000"
            << "10000" << 0.0f << QStringList{"0", "0", "0", "0", "0", "10000", "0"};
        QTest::newRow("A2 increase, loss on P")
            << 1 << 2 << "10000"
            << "10800" << 1.6f << QStringList{"800", "800", "160", "10640", "640", "10800", "10640"};
        QTest::newRow("A3 decrease, loss on C")
            << 1 << 3 << "10000"
            << "10500" << 2.4f << QStringList{"-300", "500", "252", "10088", "88", "10500", "10088"};
        // The shown figures are kept; the carried adjusted amount takes the interval's 500.
        QTest::newRow("A4 rate 0 keeps inflation figures")
            << 1 << 4 << "10000"
            << "11000" << 0.0f << QStringList{"500", "1000", "252", "10088", "88", "11000", "10588"};
        QTest::newRow("B1 first record with rate, C below O")
            << 2 << 1 << "5000"
            << "4800" << 3.0f << QStringList{"-200", "-200", "144", "4656", "-344", "4800", "4656"};
        QTest::newRow("B2 deflation") << 2 << 2 << "5000"
                                      << "5100" << -0.5f
                                      << QStringList{"300", "100", "-24", "4980", "-20", "5100", "4980"};
        QTest::newRow("B3 zero amount keeps everything")
            << 2 << 3 << "5000"
            << "0" << 2.0f << QStringList{"300", "100", "-24", "4980", "-20", "5100", "4980"};
        QTest::newRow("B4 compared with the last calculated")
            << 2 << 4 << "6000"
            << "6300" << 1.2f << QStringList{"1200", "300", "61.2", "6118.8", "118.8", "6300", "6118.8"};
        // An unrated interval with a gain: the gain stays in every later adjusted amount.
        QTest::newRow("C1 first record, no rate")
            << 3 << 1 << "10000"
            << "10000" << 0.0f << QStringList{"0", "0", "0", "0", "0", "10000", "0"};
        QTest::newRow("C2 first rated record")
            << 3 << 2 << "10000"
            << "10000" << 2.0f << QStringList{"0", "0", "200", "9800", "-200", "10000", "9800"};
        QTest::newRow("C3 unrated gain: shown figures kept, carry takes the gain")
            << 3 << 3 << "10000"
            << "11000" << 0.0f << QStringList{"1000", "1000", "200", "9800", "-200", "11000", "10800"};
        QTest::newRow("C4 next rated record keeps the earlier gain")
            << 3 << 4 << "10000"
            << "11000" << 2.0f << QStringList{"0", "1000", "220", "10580", "580", "11000", "10580"};
        // Two unrated intervals in a row, a loss then a gain, both carried.
        QTest::newRow("D3 unrated loss carried")
            << 4 << 3 << "1000"
            << "900" << 0.0f << QStringList{"-100", "-100", "10", "990", "-10", "900", "890"};
        QTest::newRow("D4 unrated gain carried on top")
            << 4 << 4 << "1000"
            << "1200" << 0.0f << QStringList{"300", "200", "10", "990", "-10", "1200", "1190"};
        QTest::newRow("D5 rated record after both")
            << 4 << 5 << "1000"
            << "1200" << 10.0f << QStringList{"0", "200", "120", "1070", "70", "1200", "1070"};
    }
    void workedExamples()
    {
        QFETCH(int, run);
        QFETCH(int, record);
        QFETCH(QString, original);
        QFETCH(QString, current);
        QFETCH(float, rate);
        QFETCH(QStringList, figures);

        // Replay the run from a fresh reset up to this record.
        struct Input
        {
            const char *o, *c;
            float r;
        };
        const QList<Input> runs[4] = {
            {{"10000", "10000", 0.0f}, {"10000", "10800", 1.6f}, {"10000", "10500", 2.4f}, {"10000", "11000", 0.0f}},
            {{"5000", "4800", 3.0f}, {"5000", "5100", -0.5f}, {"5000", "0", 2.0f}, {"6000", "6300", 1.2f}},
            {{"10000", "10000", 0.0f}, {"10000", "10000", 2.0f}, {"10000", "11000", 0.0f}, {"10000", "11000", 2.0f}},
            {{"1000", "1000", 0.0f},
             {"1000", "1000", 1.0f},
             {"1000", "900", 0.0f},
             {"1000", "1200", 0.0f},
             {"1000", "1200", 10.0f}}};
        ResetCalcState();
        QStringList got;
        for (int i = 0; i < record; ++i) {
            const Input &in = runs[run - 1].at(i);
            if (i == record - 1) {
                QCOMPARE(QString::fromLatin1(in.o), original);
                QCOMPARE(QString::fromLatin1(in.c), current);
                QCOMPARE(in.r, rate);
            }
            got = runRecord(i + 1, QString::fromLatin1(in.o), QString::fromLatin1(in.c), in.r);
        }
        QCOMPARE(got, figures);

        // A calculation object of its own gives the same figures, and leaves the shared ones alone.
        ResetCalcState();
        Calculation own;
        RecordFigures f;
        for (int i = 0; i < record; ++i) {
            const Input &in = runs[run - 1].at(i);
            f = own.add(1, Date(), cur(QString::fromLatin1(in.o)), cur(QString::fromLatin1(in.c)), in.r);
        }
        QCOMPARE(f.record, record);
        QCOMPARE((QStringList{f.incDec.toPlainString(), f.profitLoss.toPlainString(), f.lossToInfl.toPlainString(),
                              f.currentAmountAFI.toPlainString(), f.profitLossAFI.toPlainString(),
                              own.state().prevAmount.toPlainString(), own.state().prevAmountAFI.toPlainString()}),
                 figures);
        QCOMPARE(curPrevAmount.units(), 0);
        QCOMPARE(curIncDec.units(), 0);
    }

    void inflationFractionIsStoredAsSingle()
    {
        ResetCalcState();
        runRecord(1, QStringLiteral("10000"), QStringLiteral("10000"), 1.6f);
        QCOMPARE(sngInflFraction, float(1.6f * 0.01));
        QCOMPARE(double(sngInflFraction), 0.01600000075995922);
    }

    void firstRecordLossTakenOnOriginalWhenNotBelow()
    {
        ResetCalcState();
        // C at or above O: loss on O (P is O while the first record is worked).
        QCOMPARE(runRecord(1, QStringLiteral("1000"), QStringLiteral("1200"), 10.0f).at(2), QStringLiteral("100"));
        ResetCalcState();
        QCOMPARE(runRecord(1, QStringLiteral("1000"), QStringLiteral("900"), 10.0f).at(2), QStringLiteral("90"));
    }

    void increaseOfExactlyZeroTakesLossOnPrevious()
    {
        ResetCalcState();
        runRecord(1, QStringLiteral("1000"), QStringLiteral("2000"), 0.0f);
        const QStringList figures = runRecord(2, QStringLiteral("1000"), QStringLiteral("2000"), 10.0f);
        QCOMPARE(figures.at(0), QStringLiteral("0"));
        QCOMPARE(figures.at(2), QStringLiteral("200")); // P 2000 × 0.1
    }

    void negativeAmountsLeaveFiguresAndCarry()
    {
        ResetCalcState();
        const QStringList before = runRecord(1, QStringLiteral("1000"), QStringLiteral("1100"), 5.0f);
        QCOMPARE(runRecord(2, QStringLiteral("-5"), QStringLiteral("1200"), 5.0f), before);
        QCOMPARE(runRecord(3, QStringLiteral("1000"), QStringLiteral("0"), 5.0f), before);
        QCOMPARE(runRecord(4, QStringLiteral("0"), QStringLiteral("0"), 0.0f), before);
    }

    void adjustedAmountOfExactlyZeroRestarts()
    {
        ResetCalcState();
        // C 100 with a loss of 100 % leaves an adjusted amount of exactly 0.
        QCOMPARE(runRecord(1, QStringLiteral("100"), QStringLiteral("100"), 100.0f).at(3), QStringLiteral("0"));
        QCOMPARE(curPrevAmntAFI.units(), 0);
        // The next record starts afresh from its own current amount: 300 - 30.
        const QStringList next = runRecord(2, QStringLiteral("100"), QStringLiteral("300"), 10.0f);
        QCOMPARE(next.at(2), QStringLiteral("10")); // increase, so on P = 100
        QCOMPARE(next.at(3), QStringLiteral("290"));
    }

    void lossRoundsHalvesToEven()
    {
        // 50 % is exactly 0.5 as a Single, so the loss on 0.0005 is 2.5 ten-thousandths
        // (a true tie after the double product) and goes to the even 2.
        ResetCalcState();
        const QStringList figures = runRecord(1, QStringLiteral("0.0005"), QStringLiteral("0.0005"), 50.0f);
        QCOMPARE(figures.at(2), QStringLiteral("0.0002"));
        ResetCalcState();
        QCOMPARE(runRecord(1, QStringLiteral("0.0007"), QStringLiteral("0.0007"), 50.0f).at(2),
                 QStringLiteral("0.0004")); // 3.5 units → 4
    }

    void resetMakesTheNextRecordAFirstRecord()
    {
        ResetCalcState();
        runRecord(1, QStringLiteral("1000"), QStringLiteral("1500"), 2.0f);
        ResetCalcState();
        QCOMPARE(curPrevAmount.units(), 0);
        QCOMPARE(curPrevAmntAFI.units(), 0);
        QCOMPARE(dtmRecDate.serial(), 0.0);
        // Same inputs give the same figures again.
        QCOMPARE(runRecord(1, QStringLiteral("1000"), QStringLiteral("1500"), 2.0f).at(0), QStringLiteral("500"));
    }

    void resetTouchesNoCounterStringOrFlag()
    {
        intHistCounter = 7;
        strOperation = QStringLiteral("DELETE");
        blnPrintMode = true;
        ResetCalcState();
        QCOMPARE(int(intHistCounter), 7);
        QCOMPARE(strOperation, QStringLiteral("DELETE"));
        QVERIFY(blnPrintMode);
    }

    void currencyOverflowIsErrorSixWithEarlierOutputsKept()
    {
        ResetCalcState();
        curOriginalAmount = Currency::fromUnits(1);
        curCurrentAmount = Currency::fromUnits(std::numeric_limits<int64_t>::max());
        curPrevAmount = Currency::fromUnits(-std::numeric_limits<int64_t>::max()); // negative carry
        sngInflRate = 0;
        try {
            CalculateRecord();
            QFAIL("expected overflow");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), 6);
        }
    }
};

QTEST_GUILESS_MAIN(tst_calculation)
#include "tst_calculation.moc"
