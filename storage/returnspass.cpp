#include "storage/returnspass.h"

#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/historypass.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace storage {

namespace {

// Each investment's latest amounts, and what the sums of all of them do day by day.
class AmountsOverTime
{
public:
    explicit AmountsOverTime(int investments) : m_latest(size_t(investments) + 1) {}

    void add(const RecordFigures &f)
    {
        if (f.state == FigureState::Skipped)
            return;
        Latest &latest = m_latest[size_t(f.investment)];
        // Before the first rate there is no adjusted amount yet: the amount is as it stands.
        if (f.state == FigureState::Computed)
            latest.adjusted = true;
        const Currency afi = latest.adjusted ? f.currentAmountAFI : f.currentAmount;
        Change &change = m_changes[static_cast<long long>(std::floor(f.date.serial()))];
        change.original += f.originalAmount.units() - latest.original;
        change.current += f.currentAmount.units() - latest.current;
        change.afi += afi.units() - latest.afi;
        latest.original = f.originalAmount.units();
        latest.current = f.currentAmount.units();
        latest.afi = afi.units();
    }

    ChartSeries series() const
    {
        // A hash by day while the records come in any order; the days sorted once at the end.
        std::vector<std::pair<long long, Change>> days(m_changes.begin(), m_changes.end());
        std::sort(days.begin(), days.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        ChartSeries series;
        series.reserve(days.size());
        Change sum;
        int n = 0;
        for (const auto &[day, change] : days) {
            sum.original += change.original;
            sum.current += change.current;
            sum.afi += change.afi;
            ChartPoint point;
            point.record = ++n;
            point.date = Date(double(day));
            point.original = Currency::fromUnits(sum.original);
            point.current = Currency::fromUnits(sum.current);
            point.currentAfi = Currency::fromUnits(sum.afi);
            point.profitLoss = point.current - point.original;
            point.profitLossAfi = point.currentAfi - point.original;
            point.state = PointState::Computed;
            series.append(point);
        }
        return series;
    }

private:
    struct Latest
    {
        int64_t original = 0;
        int64_t current = 0;
        int64_t afi = 0;
        bool adjusted = false;
    };
    struct Change
    {
        int64_t original = 0;
        int64_t current = 0;
        int64_t afi = 0;
    };
    std::vector<Latest> m_latest;
    std::unordered_map<long long, Change> m_changes;
};

} // namespace

Portfolio readPortfolio(const PriceIndex *series)
{
    Portfolio portfolio;
    portfolio.investments = readInvestmentList(programFile(InvestFileName));
    const int count = int(portfolio.investments.size());
    std::vector<ReturnsBuilder> builders;
    builders.reserve(size_t(count));
    for (int n = 1; n <= count; ++n)
        builders.emplace_back(n);
    AmountsOverTime amounts(count);

    const QString history = programFile(HistFileName);
    if (fileExists(history)) {
        HistoryReader reader(history);
        // About as many records each as the file holds lines per investment (a line is some 36
        // bytes), so the builders of a long history are not copied again and again as they grow.
        if (count > 0) {
            const long long lines = QFileInfo(history).size() / 36;
            for (ReturnsBuilder &builder : builders)
                builder.reserve(size_t(std::min<long long>(lines / count + 1, 1 << 20)));
        }
        Calculations calculations;
        HistFields line;
        while (reader.nextLine()) {
            reader.decode(line);
            if (portfolio.unowned.check(line.investNum, reader.lineNumber(), count))
                continue;
            RecordFigures figures;
            try {
                figures = calculations.add(line);
            } catch (const RuntimeError &error) {
                reader.fail(error);
            }
            builders[size_t(figures.investment - 1)].add(figures);
            amounts.add(figures);
        }
    }
    portfolio.returns.reserve(builders.size());
    for (const ReturnsBuilder &builder : builders)
        portfolio.returns.push_back(builder.finish());
    portfolio.all = portfolioReturns(portfolio.returns, series);
    portfolio.overTime = amounts.series();
    //: Caption of the chart of the whole portfolio over time.
    portfolio.overTime.setInvestment(0, QCoreApplication::translate("Returns", "All investments"), QString());
    return portfolio;
}

} // namespace storage
