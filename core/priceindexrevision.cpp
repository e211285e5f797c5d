#include "core/priceindexrevision.h"

#include <QCoreApplication>

#include <cmath>

PriceIndexRevision comparePriceIndexes(const PriceIndex &before, const PriceIndex &after)
{
    PriceIndexRevision revision;
    if (before.kind != after.kind) {
        revision.changed = int(before.values.size());
        return revision;
    }
    for (auto it = before.values.cbegin(); it != before.values.cend(); ++it) {
        const auto now = after.values.constFind(it.key());
        if (now == after.values.cend() || *now != it.value())
            ++revision.changed;
    }
    if (revision.changed == 0 || before.kind == PriceIndex::Kind::Annual)
        return revision;
    const int step = before.kind == PriceIndex::Kind::Quarterly ? 4 : 12;
    for (auto it = before.values.cbegin(); it != before.values.cend(); ++it) {
        const int start = it.key() - step;
        if (!before.values.contains(start) || !after.values.contains(start) || !after.values.contains(it.key()))
            continue;
        const double old = (it.value() / before.values.value(start) - 1.0) * 100.0;
        const double now = (after.values.value(it.key()) / after.values.value(start) - 1.0) * 100.0;
        const double change = std::fabs(now - old);
        if (std::isfinite(change) && change > revision.largestRateChange)
            revision.largestRateChange = change;
    }
    return revision;
}

QString PriceIndexRevision::text(PriceIndex::Kind kind) const
{
    // One sentence per period and number, so each language words its own plural.
    QString line;
    const bool one = changed == 1;
    switch (kind) {
    case PriceIndex::Kind::Monthly:
        if (one)
            //: %1 is how many months' values of the price index changed.
            line = QCoreApplication::translate("PriceIndex", "%1 past month changed");
        else
            //: %1 is how many months' values of the price index changed.
            line = QCoreApplication::translate("PriceIndex", "%1 past months changed");
        break;
    case PriceIndex::Kind::Quarterly:
        if (one)
            //: %1 is how many quarters' values of the price index changed.
            line = QCoreApplication::translate("PriceIndex", "%1 past quarter changed");
        else
            //: %1 is how many quarters' values of the price index changed.
            line = QCoreApplication::translate("PriceIndex", "%1 past quarters changed");
        break;
    case PriceIndex::Kind::Annual:
        if (one)
            //: %1 is how many years' values of the price index changed.
            line = QCoreApplication::translate("PriceIndex", "%1 past year changed");
        else
            //: %1 is how many years' values of the price index changed.
            line = QCoreApplication::translate("PriceIndex", "%1 past years changed");
        break;
    }
    line = line.arg(changed);
    if (largestRateChange >= 0)
        //: Follows "3 past months changed"; %1 is the largest change in percentage points.
        line += QCoreApplication::translate("PriceIndex", "; a rate over 12 months changed by up to %1 points")
                    .arg(hundredthsText(roundPercentToHundredths(largestRateChange)));
    return line;
}
