#include "core/priceindexrevision.h"

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
    const QString period = kind == PriceIndex::Kind::Monthly     ? QStringLiteral("month")
                           : kind == PriceIndex::Kind::Quarterly ? QStringLiteral("quarter")
                                                                 : QStringLiteral("year");
    QString line = QStringLiteral("%1 past %2%3 changed").arg(changed).arg(period, changed == 1 ? "" : "s");
    if (largestRateChange >= 0)
        line += QStringLiteral("; a rate over 12 months changed by up to %1 points")
                    .arg(hundredthsText(roundPercentToHundredths(largestRateChange)));
    return line;
}
