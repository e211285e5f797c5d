#include "storage/historypass.h"

#include "core/plmainmod.h"
#include "storage/filetable.h"

#include <QDir>

#include <algorithm>
#include <functional>
#include <unordered_map>

namespace storage {

namespace {

using namespace modPlMainMod;

// Everything CalculateRecord reads or writes, plus the record in hand.
struct CalcState
{
    Integer histInvestNum;
    Date recDate;
    Currency originalAmount;
    Single inflRate = 0;
    Currency currentAmount;
    Currency prevAmount;
    Currency incDec;
    Currency profitLoss;
    Single inflFraction = 0;
    Currency lossToInfl;
    Currency curAmntAFI;
    Currency prevAmntAFI;
    Currency profLossAFI;

    static CalcState capture()
    {
        return CalcState{intHistInvestNum, dtmRecDate,     curOriginalAmount, sngInflRate,     curCurrentAmount,
                         curPrevAmount,    curIncDec,      curProfitLoss,     sngInflFraction, curLossToInfl,
                         curCurAmntAFI,    curPrevAmntAFI, curProfLossAFI};
    }

    void restore() const
    {
        intHistInvestNum = histInvestNum;
        dtmRecDate = recDate;
        curOriginalAmount = originalAmount;
        sngInflRate = inflRate;
        curCurrentAmount = currentAmount;
        curPrevAmount = prevAmount;
        curIncDec = incDec;
        curProfitLoss = profitLoss;
        sngInflFraction = inflFraction;
        curLossToInfl = lossToInfl;
        curCurAmntAFI = curAmntAFI;
        curPrevAmntAFI = prevAmntAFI;
        curProfLossAFI = profLossAFI;
    }
};

class SavedCalcState
{
public:
    SavedCalcState() : m_saved(CalcState::capture()) {}
    ~SavedCalcState() { m_saved.restore(); }
    SavedCalcState(const SavedCalcState &) = delete;
    SavedCalcState &operator=(const SavedCalcState &) = delete;

private:
    CalcState m_saved;
};

// The record in hand is in the shared variables: work it out as the grid's loop does.
RecordFigures calculate(int record)
{
    sngInflRate = asWrittenRate(sngInflRate);
    if (record == 1)
        curPrevAmount = Currency();
    const Currency zero;
    FigureState state = FigureState::Computed;
    if (curCurrentAmount <= zero || curOriginalAmount <= zero)
        state = FigureState::Skipped;
    else if (sngInflRate == 0.0f)
        state = FigureState::Carried;
    CalculateRecord();
    RecordFigures figures;
    figures.investment = intHistInvestNum;
    figures.record = record;
    figures.date = dtmRecDate;
    figures.originalAmount = curOriginalAmount;
    figures.currentAmount = curCurrentAmount;
    figures.rate = sngInflRate;
    figures.incDec = curIncDec;
    figures.profitLoss = curProfitLoss;
    figures.lossToInfl = curLossToInfl;
    figures.currentAmountAFI = curCurAmntAFI;
    figures.profitLossAFI = curProfLossAFI;
    figures.state = state;
    return figures;
}

// `only`, when given, passes over the lines of the investments it refuses without decoding them.
template <typename Body>
void readHistory(const QString &historyPath, Body body, const std::function<bool(int)> &only = nullptr)
{
    storage::open(2, historyPath, OpenMode::Input);
    try {
        while (!storage::eof(2)) {
            if (inputHistRecordIf(2, only))
                body();
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

QString HistoryPassError::message() const
{
    return QStringLiteral("\"%1\", line %2: error %3: %4")
        .arg(QDir::toNativeSeparators(file))
        .arg(line)
        .arg(error.number())
        .arg(error.description());
}

Single asWrittenRate(Single rate)
{
    char text[48];
    const int length = singleToChars(rate, text);
    Single written = 0;
    return parseSingle(text, text + length, written) ? written : rate;
}

void forEachRecord(const QString &historyPath, int investment, const RecordSink &sink)
{
    const SavedCalcState saved;
    ResetCalcState();
    int record = 0;
    readHistory(historyPath, [&] {
        if (intHistInvestNum != investment)
            return;
        sink(calculate(++record));
    });
}

namespace {

// Records of the investments `wanted` accepts, each investment with its own running calculation.
// `passOver`: lines of other investments are passed over once their number is read.
template <typename Wanted>
void forEachRecordWhere(const QString &historyPath, Wanted wanted, const RecordSink &sink, bool passOver)
{
    const SavedCalcState saved;
    struct Running
    {
        int records = 0;
        CalcState state;
    };
    std::unordered_map<int, Running> running;
    CalcState fresh;
    {
        ResetCalcState();
        fresh = CalcState::capture();
    }
    const auto take = [&] {
        if (!wanted(int(intHistInvestNum)))
            return;
        const CalcState read = CalcState::capture();
        auto [it, inserted] = running.try_emplace(int(intHistInvestNum));
        Running &investment = it->second;
        if (inserted)
            investment.state = fresh;
        // Bring back this investment's carried figures under the record just read.
        CalcState merged = investment.state;
        merged.histInvestNum = read.histInvestNum;
        merged.recDate = read.recDate;
        merged.originalAmount = read.originalAmount;
        merged.inflRate = read.inflRate;
        merged.currentAmount = read.currentAmount;
        merged.restore();
        sink(calculate(++investment.records));
        investment.state = CalcState::capture();
    };
    readHistory(historyPath, take, passOver ? std::function<bool(int)>(wanted) : nullptr);
}

} // namespace

void forEachRecordOfAll(const QString &historyPath, const RecordSink &sink)
{
    forEachRecordWhere(
        historyPath, [](int) { return true; }, sink, false);
}

void forEachRecordOfSome(const QString &historyPath, const std::vector<int> &investments, const RecordSink &sink)
{
    forEachRecordWhere(
        historyPath,
        [&investments](int investment) {
            return std::find(investments.begin(), investments.end(), investment) != investments.end();
        },
        sink, true);
}

} // namespace storage
