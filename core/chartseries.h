#pragma once

#include "core/valuetypes.h"

#include <QString>
#include <vector>

// The figures of one investment's data records, one point per record in file order, as the
// grid computes them; what the chart draws and what its hover text reads.
enum class PointState {
    Computed, // rate entered and both amounts above 0: every figure new
    Carried,  // no rate: loss to inflation, AFI and P/L AFI are the previous record's
    Skipped,  // an amount at or below 0: nothing computed, the figures as they stood
};

struct ChartPoint
{
    int record = 0; // rank among the investment's records, from 1
    Date date;
    Currency original;
    Currency current;
    Single rate = 0;
    Currency incDec;
    Currency profitLoss;
    Currency lossToInfl;
    Currency currentAfi;
    Currency profitLossAfi;
    PointState state = PointState::Computed;
};

struct ValueRange
{
    double min = 0;
    double max = 0;
    bool contains(double value) const { return value >= min && value <= max; }
    double span() const { return max - min; }
};

class ChartSeries
{
public:
    // Why nothing can be drawn, if so.
    enum class Emptiness {
        None,      // at least one record with amounts to draw
        NoRecords, // the investment has no data records
        NoAmounts, // every record has an amount at or below 0
        NoAfi,     // amounts, but no inflation rate entered yet, so no AFI
    };

    void clear();
    void append(const ChartPoint &point);
    void reserve(std::size_t count) { m_points.reserve(count); }

    const std::vector<ChartPoint> &points() const { return m_points; }
    std::size_t size() const { return m_points.size(); }
    bool isEmpty() const { return m_points.empty(); }

    // The investment the points belong to; the texts without the padding of the stored fields.
    int investment = 0;
    QString investType;
    QString institution;
    void setInvestment(int number, const QString &type, const QString &institution);
    // "Type, Institution", or the one that is not blank.
    QString caption() const;

    Emptiness emptiness() const;
    // Whether point i has an AFI to draw: a computed AFI at it or before it (a carried AFI
    // before the first rate is still the empty 0 of the start of the pass).
    bool hasAfi(std::size_t i) const;
    bool isDrawn(std::size_t i) const { return m_points[i].state != PointState::Skipped; }
    // Records with an AFI below their Current Amount (inflation took some of it) and above it
    // (prices fell, so the amount bought more).
    std::size_t lossRecords() const { return m_lossRecords; }
    std::size_t gainRecords() const { return m_gainRecords; }

    // Serial days of the first and last record (in file order the dates need not rise).
    ValueRange dateRange() const;
    // Every drawn amount: original, current and, where there is one, the AFI.
    ValueRange amountRange() const;

    // The index of the drawn or skipped point nearest to the date; -1 when there are none.
    int nearestPoint(double serial) const;

private:
    std::vector<ChartPoint> m_points;
    std::size_t m_firstAfi = std::size_t(-1);
    std::size_t m_drawn = 0;
    std::size_t m_lossRecords = 0;
    std::size_t m_gainRecords = 0;
};

// Trims the blanks that pad a stored text field.
QString trimFieldPadding(const QString &text);
