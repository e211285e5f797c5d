#include "core/chartband.h"

namespace chartband {

namespace {

// +1 where inflation took something, -1 where falling prices gave something, 0 where even.
int sideOf(const BandPoint &p)
{
    return p.current > p.afi ? 1 : p.current < p.afi ? -1 : 0;
}

// Where the straight lines from a to b cross: both differences have opposite signs.
BandPoint crossing(const BandPoint &a, const BandPoint &b)
{
    const double da = a.current - a.afi;
    const double db = b.current - b.afi;
    const double t = da / (da - db);
    BandPoint c;
    c.x = a.x + t * (b.x - a.x);
    c.current = a.current + t * (b.current - a.current);
    c.afi = c.current;
    return c;
}

} // namespace

std::vector<BandPart> splitBand(const std::vector<BandPoint> &run)
{
    std::vector<BandPart> parts;
    std::vector<BandPoint> points;
    int side = 0; // of the part being gathered; 0 while it has only even records
    const auto close = [&] {
        if (side != 0)
            parts.push_back(BandPart{side > 0 ? Side::Loss : Side::Gain, std::move(points)});
        points.clear();
    };

    for (const BandPoint &p : run) {
        const int s = sideOf(p);
        if (side == 0 || s == 0 || s == side) {
            points.push_back(p);
            if (side == 0)
                side = s;
            continue;
        }
        // The other side: the part ends where the lines met, on the last record when they
        // met there, else where they cross between it and this one.
        const BandPoint last = points.back();
        const BandPoint meet = sideOf(last) == 0 ? last : crossing(last, p);
        if (sideOf(last) != 0)
            points.push_back(meet);
        close();
        points = {meet, p};
        side = s;
    }
    close();
    return parts;
}

} // namespace chartband
