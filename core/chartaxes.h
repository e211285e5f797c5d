#pragma once

#include "core/chartseries.h"

#include <vector>

// The arithmetic of the chart's axes and of thinning a long series to the plot's width;
// no drawing here, so every rule is testable without a window.
namespace chartaxes {

enum class DateUnit { Month, Quarter, Year };

struct DateTick
{
    double serial = 0; // the first day of the month, quarter or year
    int year = 0;
    int month = 0; // 1..12
};

struct DateAxis
{
    DateUnit unit = DateUnit::Year;
    int stepMonths = 12;         // 1, 3, 6 or a whole number of years in months
    ValueRange range;            // serial days, from the start of a unit to the start of one
    std::vector<DateTick> ticks; // every tick inside range, rising
};

// Ticks for records from `first` to `last` (serial days) with room for at most `maxTicks`
// labels: months for a short span, quarters for a year or two, years (1, 2, 5, 10, 20, 50,
// ...) beyond. The range reaches out to whole units so every record lies inside it.
DateAxis dateAxis(ValueRange dates, int maxTicks);

struct AmountAxis
{
    ValueRange range;          // a whole number of steps
    double step = 1;           // 1, 2 or 5 times a power of ten, at least one cent
    std::vector<double> ticks; // range.min, range.min + step, ..., range.max
};

// Amount ticks for values from amounts.min to amounts.max with at most `maxTicks` steps.
AmountAxis amountAxis(ValueRange amounts, int maxTicks);

// Thins a run of points to what a pixel-wide column shows: for each column (the whole part
// of x) the first, lowest, highest and last of each run of consecutive points in it, in their
// order (file order need not rise in date). Returns the
// indices kept, so a long history costs a fixed number of lines to draw.
std::vector<int> reduceToColumns(const std::vector<double> &x, const std::vector<double> &y);

} // namespace chartaxes
