#include "core/plmainmod.h"

#include <QtTest>

class tst_smoke : public QObject
{
    Q_OBJECT
private slots:
    void resetClearsCarry()
    {
        modPlMainMod::curPrevAmount = Currency::fromWhole(5);
        modPlMainMod::ResetCalcState();
        QCOMPARE(modPlMainMod::curPrevAmount.units(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_smoke)
#include "tst_smoke.moc"
