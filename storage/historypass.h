#pragma once

#include "core/runtimeerror.h"
#include "core/valuetypes.h"

#include <QString>
#include <functional>

namespace storage {

enum class FigureState { Computed, Carried, Skipped };
// Computed: rate != 0 and both amounts > 0. Carried: rate 0, so loss to inflation, AFI and P/L AFI are carried from the
// previous record. Skipped: an amount <= 0; nothing is computed for this record (figures as they stood).
struct RecordFigures
{
    int investment; // investment number
    int record;     // rank among the investment's lines, from 1
    Date date;
    Currency originalAmount, currentAmount;
    Single rate; // as the grid reads it back (at most seven significant digits)
    Currency incDec, profitLoss, lossToInfl, currentAmountAFI, profitLossAFI;
    FigureState state;
};
struct HistoryPassError
{
    QString file;
    long long line;
    RuntimeError error;
};
// The investment's records in file order, computed as the grid computes them (the shared calculation variables of
// modPlMainMod are saved and restored around the pass). Raises HistoryPassError for a damaged line.
void forEachRecord(const QString &historyPath, int investment, const std::function<void(const RecordFigures &)> &sink);
// Every investment's records in one pass over the file, each investment with its own running calculation.
void forEachRecordOfAll(const QString &historyPath, const std::function<void(const RecordFigures &)> &sink);
// A rate as the program writes and reads it back.
Single asWrittenRate(Single rate);
} // namespace storage
