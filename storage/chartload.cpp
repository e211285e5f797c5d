#include "storage/chartload.h"

#include "storage/historypass.h"

namespace storage {

namespace {

PointState pointState(FigureState state)
{
    switch (state) {
    case FigureState::Carried:
        return PointState::Carried;
    case FigureState::Skipped:
        return PointState::Skipped;
    case FigureState::Computed:
        break;
    }
    return PointState::Computed;
}

} // namespace

ChartPoint chartPoint(const RecordFigures &f)
{
    ChartPoint p;
    p.record = f.record;
    p.date = f.date;
    p.original = f.originalAmount;
    p.current = f.currentAmount;
    p.rate = f.rate;
    p.incDec = f.incDec;
    p.profitLoss = f.profitLoss;
    p.lossToInfl = f.lossToInfl;
    p.currentAfi = f.currentAmountAFI;
    p.profitLossAfi = f.profitLossAFI;
    p.state = pointState(f.state);
    return p;
}

ChartSeries loadChartSeries(const QString &historyPath, int investment, InvestmentReturns *returns)
{
    ChartSeries series;
    series.investment = investment;
    ReturnsBuilder builder(investment);
    ReturnsBuilder *const feed = returns ? &builder : nullptr;
    try {
        forEachRecord(historyPath, investment, [&series, feed](const RecordFigures &f) {
            series.append(chartPoint(f));
            if (feed)
                feed->add(f);
        });
    } catch (const HistoryPassError &failure) {
        throw ChartLoadError{failure.file, failure.line, failure.error};
    } catch (const RuntimeError &error) {
        // No history yet: no records to draw.
        if (error.number() != RuntimeError::FileNotFound)
            throw ChartLoadError{historyPath, 0, error};
    }
    if (returns)
        *returns = builder.finish();
    return series;
}

} // namespace storage
