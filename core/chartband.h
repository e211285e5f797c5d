#pragma once

#include <vector>

// The band between Current Amount and Current Amount AFI. Where the AFI lies below the
// Current Amount inflation took the difference; where it lies above (prices fell) the
// difference was gained. The band is split exactly where the two lines cross, so each part
// can be drawn in its own colour.
namespace chartband {

enum class Side { Loss, Gain };

struct BandPoint
{
    double x = 0; // where the record is drawn; the lines run straight between records
    double current = 0;
    double afi = 0;
};

struct BandPart
{
    Side side = Side::Loss;
    // In the order given. A part that meets another starts or ends on the crossing, where
    // current and afi are equal: a record of the run, or a point between two records.
    std::vector<BandPoint> points;
};

// Splits one run of consecutive records (in file order, x need not rise) into parts of one
// side each. Records where the two lines meet bound parts but make none of their own.
std::vector<BandPart> splitBand(const std::vector<BandPoint> &run);

} // namespace chartband
