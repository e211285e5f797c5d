#pragma once

#include "core/priceindex.h"
#include "core/valuetypes.h"

// Where a suggested rate is measured from, one rule for the data record dialog and the
// export. CalculateRecord passes over a record with an amount at or below 0 and compares
// the next record with the last one it counted, and the rate typed into that next record
// is taken over the same stretch. So the suggestion runs from the last record before the
// one in hand whose two amounts are above 0, not from a skipped record between.
class RateBase
{
public:
    // Whether the calculation counts a record with these amounts.
    static bool counts(Currency original, Currency current);

    // The investment's records are passed in file order, each after its own suggestion.
    void pass(Date date, Currency original, Currency current);

    int recordsPassed() const { return m_passed; }
    bool found() const { return m_found; }
    Date date() const { return m_date; } // the last counted record's, when found

private:
    int m_passed = 0;
    bool m_found = false;
    Date m_date;
};

struct SuggestedRate
{
    enum class Outcome {
        Rate,           // `rate` holds it
        FirstRecord,    // nothing before the record to measure from
        NothingCounted, // records before it, but none with both amounts above 0
        BeforeBase,     // the record's date is before the one measured from
        NoRate,         // the series has none: `rate.reason`
    };
    Outcome outcome = Outcome::FirstRecord;
    Date since; // the record measured from, unless FirstRecord or NothingCounted
    PriceIndex::RateResult rate;

    bool ok() const { return outcome == Outcome::Rate; }
};

// The rate `index` gives from `base` to a record dated `to`.
SuggestedRate suggestRate(const PriceIndex &index, const RateBase &base, Date to);
