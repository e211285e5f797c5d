#pragma once

#include "core/priceindex.h"

// What a new version of a series does to the figures the old one held: publishers revise
// their newest months, and a re-imported file may differ further back than the user expects.
struct PriceIndexRevision
{
    int changed = 0; // periods of the old series the new one gives another value, or none
    // The largest change, in percentage points, of a rate over 12 months (4 quarters) that
    // both versions give; negative when no such rate could be compared.
    double largestRateChange = -1;

    bool any() const { return changed > 0; }
    // "3 past months changed; a rate over 12 months changed by up to 0.35 points".
    QString text(PriceIndex::Kind kind) const;
};

PriceIndexRevision comparePriceIndexes(const PriceIndex &before, const PriceIndex &after);
