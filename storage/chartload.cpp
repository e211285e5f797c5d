#include "storage/chartload.h"

#include "core/plmainmod.h"
#include "storage/filetable.h"

namespace storage {

ChartSeries loadChartSeries(const QString &historyPath, int investment)
{
    ChartSeries series;
    series.investment = investment;
    if (!fileExists(historyPath))
        return series;

    using namespace modPlMainMod;
    // The grid's running calculation works on the shared variables: keep them for the window.
    const Date savedDate = dtmRecDate;
    const Currency savedOriginal = curOriginalAmount, savedCurrent = curCurrentAmount, savedPrev = curPrevAmount,
                   savedIncDec = curIncDec, savedProfitLoss = curProfitLoss, savedLoss = curLossToInfl,
                   savedAfi = curCurAmntAFI, savedPrevAfi = curPrevAmntAFI, savedProfLossAfi = curProfLossAFI;
    const Single savedRate = sngInflRate, savedFraction = sngInflFraction;
    const Integer savedHistInvest = intHistInvestNum;
    const auto restore = [&] {
        dtmRecDate = savedDate;
        curOriginalAmount = savedOriginal;
        curCurrentAmount = savedCurrent;
        curPrevAmount = savedPrev;
        curIncDec = savedIncDec;
        curProfitLoss = savedProfitLoss;
        curLossToInfl = savedLoss;
        curCurAmntAFI = savedAfi;
        curPrevAmntAFI = savedPrevAfi;
        curProfLossAFI = savedProfLossAfi;
        sngInflRate = savedRate;
        sngInflFraction = savedFraction;
        intHistInvestNum = savedHistInvest;
    };

    ResetCalcState();
    try {
        open(2, historyPath, OpenMode::Input);
    } catch (const RuntimeError &error) {
        restore();
        if (error.number() == RuntimeError::FileNotFound)
            return series;
        throw ChartLoadError{historyPath, 0, error};
    }
    int record = 0;
    try {
        while (!eof(2)) {
            inputHistRecord(2);
            if (intHistInvestNum != investment)
                continue;
            ++record;
            if (record == 1)
                curPrevAmount = Currency();
            ChartPoint p;
            p.record = record;
            p.date = dtmRecDate;
            p.original = curOriginalAmount;
            p.current = curCurrentAmount;
            p.rate = sngInflRate;
            if (curCurrentAmount <= Currency() || curOriginalAmount <= Currency())
                p.state = PointState::Skipped;
            else
                p.state = sngInflRate != 0.0f ? PointState::Computed : PointState::Carried;
            CalculateRecord();
            p.incDec = curIncDec;
            p.profitLoss = curProfitLoss;
            p.lossToInfl = curLossToInfl;
            p.currentAfi = curCurAmntAFI;
            p.profitLossAfi = curProfLossAFI;
            series.append(p);
        }
        close(2);
    } catch (const RuntimeError &error) {
        const long long line = lineNumber(2);
        discard(2);
        restore();
        throw ChartLoadError{historyPath, line, error};
    }
    restore();
    return series;
}

} // namespace storage
