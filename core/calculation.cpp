#include "core/calculation.h"

#include "core/runtimeerror.h"

#include <cmath>
#include <limits>

FigureState calculateRecord(CalculationState &s, Currency original, Currency current, Single rate)
{
    const Currency zero;
    // A record without both amounts is skipped and does not advance the carry.
    if (current <= zero || original <= zero)
        return FigureState::Skipped;

    if (s.prevAmount == zero) {
        s.incDec = current - original;
        s.prevAmount = original;
    } else {
        s.incDec = current - s.prevAmount;
    }
    s.profitLoss = current - original;

    FigureState result = FigureState::Carried;
    if (rate != 0.0f) {
        const double fraction = double(rate) * 0.01;
        if (std::fabs(fraction) > double(std::numeric_limits<float>::max()))
            throw RuntimeError(RuntimeError::Overflow);
        s.inflFraction = Single(fraction);

        // The loss is taken on the smaller of the previous and the current amount.
        const Currency base = s.incDec >= zero ? s.prevAmount : current;
        s.lossToInfl = Currency::fromDouble(base.toDouble() * double(s.inflFraction));

        if (s.prevAmountAFI == zero)
            s.currentAmountAFI = current - s.lossToInfl;
        else
            s.currentAmountAFI = (s.prevAmountAFI + s.incDec) - s.lossToInfl;
        s.profitLossAFI = s.currentAmountAFI - original;
        s.prevAmountAFI = s.currentAmountAFI;
        result = FigureState::Computed;
    } else if (s.prevAmountAFI != zero) {
        // Without a rate the record shows the earlier inflation figures, but the carried
        // adjusted amount still takes the interval's change, or the gain or loss of an
        // unrated interval would be missing from every later adjusted amount.
        s.prevAmountAFI = s.prevAmountAFI + s.incDec;
    }

    s.prevAmount = current;
    return result;
}

RecordFigures Calculation::add(int investment, Date date, Currency original, Currency current, Single rate)
{
    RecordFigures f;
    f.investment = investment;
    f.record = ++m_records;
    f.date = date;
    f.originalAmount = original;
    f.currentAmount = current;
    f.rate = rate;
    f.state = calculateRecord(m_state, original, current, rate);
    f.incDec = m_state.incDec;
    f.profitLoss = m_state.profitLoss;
    f.lossToInfl = m_state.lossToInfl;
    f.currentAmountAFI = m_state.currentAmountAFI;
    f.profitLossAFI = m_state.profitLossAFI;
    return f;
}
