#pragma once

#include "core/valuetypes.h"

// The running inflation calculation of one investment, record by record in file order, as
// an object its reader owns: two passes (two investments, two threads) never share state.
enum class FigureState {
    Computed, // a rate and both amounts: this record's loss, AFI and P/L AFI were worked out
    Carried,  // no rate: loss, AFI and P/L AFI are the previous record's
    Skipped,  // an amount at or below 0: nothing was worked out, every figure is as it stood
};

// One data record and what the calculation made of it.
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

// What the calculation carries from one record to the next, and the figures it last showed.
struct CalculationState
{
    Currency prevAmount;    // the current amount of the last record counted (P)
    Currency prevAmountAFI; // its amount adjusted for inflation (PA)
    Currency incDec;
    Currency profitLoss;
    Single inflFraction = 0;
    Currency lossToInfl;
    Currency currentAmountAFI;
    Currency profitLossAFI;
};

// Works one record into `state`: the increase or decrease, profit or loss, loss to
// inflation, adjusted amount and adjusted profit or loss. A record with an amount at or
// below zero changes nothing; one without a rate carries the inflation figures. Raises
// error 6 for a rate whose fraction is out of the Single range.
FigureState calculateRecord(CalculationState &state, Currency original, Currency current, Single rate);

// One investment's records in file order, each with its figures.
class Calculation
{
public:
    // `rate` is taken as it is; readers of the history pass it through asWrittenRate first.
    RecordFigures add(int investment, Date date, Currency original, Currency current, Single rate);
    int records() const { return m_records; }
    const CalculationState &state() const { return m_state; }

private:
    CalculationState m_state;
    int m_records = 0;
};
