#include "storage/historypass.h"

#include "core/plmainmod.h"
#include "storage/filetable.h"

#include <unordered_map>

using namespace modPlMainMod;

namespace storage {

namespace {

// The calculation variables a pass changes, kept so the windows find them as they left them.
struct SavedCalc
{
    Integer histInvestNum = intHistInvestNum;
    Date recDate = dtmRecDate;
    Currency original = curOriginalAmount, current = curCurrentAmount, prev = curPrevAmount, incDec = curIncDec,
             profitLoss = curProfitLoss, loss = curLossToInfl, afi = curCurAmntAFI, prevAfi = curPrevAmntAFI,
             profLossAfi = curProfLossAFI;
    Single rate = sngInflRate, fraction = sngInflFraction;
    ~SavedCalc()
    {
        intHistInvestNum = histInvestNum;
        dtmRecDate = recDate;
        curOriginalAmount = original;
        curCurrentAmount = current;
        curPrevAmount = prev;
        curIncDec = incDec;
        curProfitLoss = profitLoss;
        curLossToInfl = loss;
        curCurAmntAFI = afi;
        curPrevAmntAFI = prevAfi;
        curProfLossAFI = profLossAfi;
        sngInflRate = rate;
        sngInflFraction = fraction;
    }
};

// One investment's running figures between its records.
struct Running
{
    int records = 0;
    Currency prev, incDec, profitLoss, loss, afi, prevAfi, profLossAfi;
    Single fraction = 0;
};

RecordFigures calculate(Running &run)
{
    curPrevAmount = run.prev;
    curIncDec = run.incDec;
    curProfitLoss = run.profitLoss;
    curLossToInfl = run.loss;
    curCurAmntAFI = run.afi;
    curPrevAmntAFI = run.prevAfi;
    curProfLossAFI = run.profLossAfi;
    sngInflFraction = run.fraction;
    ++run.records;
    if (run.records == 1)
        curPrevAmount = Currency();
    CalculateRecord();
    run.prev = curPrevAmount;
    run.incDec = curIncDec;
    run.profitLoss = curProfitLoss;
    run.loss = curLossToInfl;
    run.afi = curCurAmntAFI;
    run.prevAfi = curPrevAmntAFI;
    run.profLossAfi = curProfLossAFI;
    run.fraction = sngInflFraction;

    const Currency zero;
    FigureState state = FigureState::Computed;
    if (curCurrentAmount <= zero || curOriginalAmount <= zero)
        state = FigureState::Skipped;
    else if (sngInflRate == 0.0f)
        state = FigureState::Carried;
    return RecordFigures{intHistInvestNum, run.records,   dtmRecDate,     curOriginalAmount,
                         curCurrentAmount, sngInflRate,   curIncDec,      curProfitLoss,
                         curLossToInfl,    curCurAmntAFI, curProfLossAFI, state};
}

void runPass(const QString &historyPath, const std::function<bool(int)> &wanted,
             const std::function<void(const RecordFigures &)> &sink)
{
    const SavedCalc saved;
    std::unordered_map<int, Running> running;
    open(2, historyPath, OpenMode::Input);
    try {
        while (!eof(2)) {
            inputHistRecord(2);
            if (!wanted(intHistInvestNum))
                continue;
            const RecordFigures figures = calculate(running[intHistInvestNum]);
            sink(figures);
        }
    } catch (const RuntimeError &error) {
        const long long line = lineNumber(2);
        discard(2);
        throw HistoryPassError{historyPath, line, error};
    } catch (...) {
        discard(2);
        throw;
    }
    close(2);
}

} // namespace

void forEachRecord(const QString &historyPath, int investment, const std::function<void(const RecordFigures &)> &sink)
{
    runPass(
        historyPath, [investment](int n) { return n == investment; }, sink);
}

void forEachRecordOfAll(const QString &historyPath, const std::function<void(const RecordFigures &)> &sink)
{
    runPass(
        historyPath, [](int) { return true; }, sink);
}

Single asWrittenRate(Single rate)
{
    const QByteArray text = singleToText(rate).toLatin1();
    Single back = 0;
    return parseSingle(text.constData(), text.constData() + text.size(), back) ? back : rate;
}

} // namespace storage
