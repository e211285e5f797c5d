#include "core/chartaxes.h"

#include <QDate>

#include <algorithm>
#include <cmath>

namespace chartaxes {

namespace {

const qint64 BaseJulianDay = QDate(1899, 12, 30).toJulianDay();

// Months counted from January of year 0, so a step can be taken across years.
long long monthIndex(int year, int month)
{
    return static_cast<long long>(year) * 12 + (month - 1);
}

DateTick tickAt(long long index)
{
    DateTick tick;
    tick.year = int(index >= 0 ? index / 12 : -((-index + 11) / 12));
    tick.month = int(index - static_cast<long long>(tick.year) * 12) + 1;
    tick.serial = double(QDate(tick.year, tick.month, 1).toJulianDay() - BaseJulianDay);
    return tick;
}

long long monthIndexOf(double serial)
{
    const QDate date = QDate::fromJulianDay(BaseJulianDay + static_cast<qint64>(std::floor(serial)));
    return monthIndex(date.year(), date.month());
}

long long floorTo(long long value, long long step)
{
    const long long q = value / step;
    return (value % step != 0 && value < 0) ? (q - 1) * step : q * step;
}

} // namespace

DateAxis dateAxis(ValueRange dates, int maxTicks)
{
    maxTicks = std::max(maxTicks, 2);
    const long long first = monthIndexOf(dates.min);
    const long long last = monthIndexOf(std::max(dates.min, dates.max));

    static const int steps[] = {1, 3, 6, 12, 24, 60, 120, 240, 600, 1200, 2400, 6000, 12000, 24000, 60000};
    DateAxis axis;
    for (int step : steps) {
        long long start = 0;
        long long end = 0;
        long long firstTick = 0;
        if (step < 12) {
            // Months and quarters: the range starts and ends on a tick.
            start = floorTo(first, step);
            end = floorTo(last, step) + step;
            firstTick = start;
        } else {
            // Years: the range is the whole years of the records; ticks on multiples of the step.
            start = floorTo(first, 12);
            end = floorTo(last, 12) + 12;
            firstTick = floorTo(start + step - 1, step);
        }
        const long long count = firstTick > end ? 0 : (end - firstTick) / step + 1;
        const bool largest = step == steps[std::size(steps) - 1];
        if (count > maxTicks && !largest)
            continue;
        axis.stepMonths = step;
        axis.unit = step == 1 ? DateUnit::Month : step < 12 ? DateUnit::Quarter : DateUnit::Year;
        axis.range.min = tickAt(start).serial;
        axis.range.max = tickAt(end).serial;
        axis.ticks.clear();
        for (long long m = firstTick; m <= end; m += step)
            axis.ticks.push_back(tickAt(m));
        break;
    }
    return axis;
}

AmountAxis amountAxis(ValueRange amounts, int maxTicks)
{
    maxTicks = std::max(maxTicks, 1);
    // In whole cents, so the steps and ticks are exact.
    long long low = static_cast<long long>(std::floor(amounts.min * 100));
    long long high = static_cast<long long>(std::ceil(std::max(amounts.min, amounts.max) * 100));
    if (high <= low) {
        const long long pad = std::max(std::llabs(low) / 10, 100LL);
        low -= pad;
        high += pad;
    }
    static const long long multiples[] = {1, 2, 5};
    long long magnitude = 1;
    int which = 0;
    const auto step = [&] { return multiples[which] * magnitude; };
    const auto advance = [&] {
        if (++which == 3) {
            which = 0;
            magnitude *= 10;
        }
    };
    const auto floorDiv = [](long long a, long long b) { return a / b - ((a % b != 0) && (a < 0)); };
    while (double(step()) * maxTicks < double(high - low))
        advance();
    for (;;) {
        const long long firstStep = floorDiv(low, step());
        const long long lastStep = -floorDiv(-high, step());
        if (lastStep - firstStep <= maxTicks) {
            AmountAxis axis;
            axis.step = double(step()) / 100;
            axis.range.min = double(firstStep * step()) / 100;
            axis.range.max = double(lastStep * step()) / 100;
            for (long long k = firstStep; k <= lastStep; ++k)
                axis.ticks.push_back(double(k * step()) / 100);
            return axis;
        }
        advance();
    }
}

std::vector<int> reduceToColumns(const std::vector<double> &x, const std::vector<double> &y)
{
    std::vector<int> kept;
    const int n = int(std::min(x.size(), y.size()));
    int i = 0;
    while (i < n) {
        const double column = std::floor(x[i]);
        int j = i;
        int low = i;
        int high = i;
        while (j + 1 < n && std::floor(x[j + 1]) == column) {
            ++j;
            if (y[j] < y[low])
                low = j;
            if (y[j] > y[high])
                high = j;
        }
        int picks[4] = {i, low, high, j};
        std::sort(std::begin(picks), std::end(picks));
        for (int k = 0; k < 4; ++k) {
            if (k == 0 || picks[k] != picks[k - 1])
                kept.push_back(picks[k]);
        }
        i = j + 1;
    }
    return kept;
}

} // namespace chartaxes
