#include "core/suggestedrate.h"

bool RateBase::counts(Currency original, Currency current)
{
    // The test CalculateRecord makes before it works anything out.
    const Currency zero;
    return original > zero && current > zero;
}

void RateBase::pass(Date date, Currency original, Currency current)
{
    ++m_passed;
    if (!counts(original, current))
        return;
    m_found = true;
    m_date = date;
}

SuggestedRate suggestRate(const PriceIndex &index, const RateBase &base, Date to)
{
    SuggestedRate result;
    if (base.recordsPassed() == 0) {
        result.outcome = SuggestedRate::Outcome::FirstRecord;
        return result;
    }
    if (!base.found()) {
        result.outcome = SuggestedRate::Outcome::NothingCounted;
        return result;
    }
    result.since = base.date();
    const QDate from = base.date().toQDate();
    const QDate until = to.toQDate();
    if (until < from) {
        result.outcome = SuggestedRate::Outcome::BeforeBase;
        return result;
    }
    result.rate = index.rate(from, until);
    result.outcome = result.rate.ok ? SuggestedRate::Outcome::Rate : SuggestedRate::Outcome::NoRate;
    return result;
}
