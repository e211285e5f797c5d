#pragma once

#include "core/runtimeerror.h"
#include "core/valuetypes.h"

#include <QString>

#include <functional>
#include <vector>

// The running calculation of the grid, for readers other than the grid (export, chart,
// report): the same records in the same order give the same figures.
namespace storage {

enum class FigureState {
    Computed, // a rate and both amounts: this record's loss, AFI and P/L AFI were worked out
    Carried,  // no rate: loss, AFI and P/L AFI are the previous record's
    Skipped,  // an amount at or below 0: nothing was worked out, every figure is as it stood
};

struct RecordFigures
{
    int investment = 0;
    int record = 0; // rank among the investment's lines, from 1
    Date date;
    Currency originalAmount;
    Currency currentAmount;
    Single rate = 0; // as the grid reads it back from its page file
    Currency incDec;
    Currency profitLoss;
    Currency lossToInfl;
    Currency currentAmountAFI;
    Currency profitLossAFI;
    FigureState state = FigureState::Computed;
};

struct HistoryPassError
{
    QString file;
    long long line = 0;
    RuntimeError error;

    // "FILE", line N: error NUMBER: DESCRIPTION, for the command-line tools.
    QString message() const;
};

using RecordSink = std::function<void(const RecordFigures &)>;

// One investment's records in file order. The calculation's shared variables are saved
// and restored around the pass, so a window's pass never disturbs the main window's.
// Reads on file number 2. A damaged line raises HistoryPassError; a missing history
// file raises RuntimeError 53.
void forEachRecord(const QString &historyPath, int investment, const RecordSink &sink);

// Every investment's records in one pass over the file, each with its own running
// calculation; records come in file order, so investments interleave as their lines do.
void forEachRecordOfAll(const QString &historyPath, const RecordSink &sink);

// The records of the listed investments only, in one pass, each with its own running
// calculation; the same figures as a pass of forEachRecord per investment. The lines of
// other investments are passed over once their number is read, not decoded: a caller that
// must know the whole file is sound reads it first (the report's summary pass does).
void forEachRecordOfSome(const QString &historyPath, const std::vector<int> &investments, const RecordSink &sink);

// A rate as the program writes it to its page file and reads it back (at most seven
// significant digits), so every reader computes with the figure the grid uses.
Single asWrittenRate(Single rate);

} // namespace storage
