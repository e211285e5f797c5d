#include "storage/returnspass.h"

#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/historypass.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <memory>
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
        Change &change = changeOn(static_cast<long long>(std::floor(f.date.serial())));
        change.original += f.originalAmount.units() - latest.original;
        change.current += f.currentAmount.units() - latest.current;
        change.afi += afi.units() - latest.afi;
        latest.original = f.originalAmount.units();
        latest.current = f.currentAmount.units();
        latest.afi = afi.units();
    }

    ChartSeries series() const
    {
        ChartSeries series;
        series.reserve(m_days);
        Change sum;
        int n = 0;
        for (size_t b = 0; b < m_blocks.size(); ++b) {
            const Block *block = m_blocks[b].get();
            if (!block)
                continue;
            for (int slot = 0; slot < BlockDays; ++slot) {
                if (!(block->used[slot / 64] >> (slot % 64) & 1))
                    continue;
                const Change &change = block->days[slot];
                sum.original += change.original;
                sum.current += change.current;
                sum.afi += change.afi;
                ChartPoint point;
                point.record = ++n;
                point.date = Date(double((m_firstBlock + static_cast<long long>(b)) * BlockDays + slot));
                point.original = Currency::fromUnits(sum.original);
                point.current = Currency::fromUnits(sum.current);
                point.currentAfi = Currency::fromUnits(sum.afi);
                point.profitLoss = point.current - point.original;
                point.profitLossAfi = point.currentAfi - point.original;
                point.state = PointState::Computed;
                series.append(point);
            }
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
    // The records come in file order, their days in no set order: each day has a slot in a
    // block of BlockDays days, made when a date first needs it, and the blocks stand in date
    // order. Dates run from the year 100 to 9999, so there are at most some 7,100 blocks.
    static constexpr int BlockDays = 512;
    struct Block
    {
        Change days[BlockDays];
        uint64_t used[BlockDays / 64] = {};
    };

    Change &changeOn(long long day)
    {
        const long long blockNumber = day >= 0 ? day / BlockDays : -((-day + BlockDays - 1) / BlockDays);
        const int slot = int(day - blockNumber * BlockDays);
        if (m_blocks.empty())
            m_firstBlock = blockNumber;
        long long index = blockNumber - m_firstBlock;
        if (index < 0) {
            std::vector<std::unique_ptr<Block>> blocks(size_t(-index) + m_blocks.size());
            std::move(m_blocks.begin(), m_blocks.end(), blocks.begin() + (-index));
            m_blocks = std::move(blocks);
            m_firstBlock = blockNumber;
            index = 0;
        } else if (index >= static_cast<long long>(m_blocks.size())) {
            m_blocks.resize(size_t(index) + 1);
        }
        std::unique_ptr<Block> &block = m_blocks[size_t(index)];
        if (!block)
            block = std::make_unique<Block>();
        uint64_t &used = block->used[slot / 64];
        const uint64_t bit = uint64_t(1) << (slot % 64);
        if (!(used & bit)) {
            used |= bit;
            ++m_days;
        }
        return block->days[slot];
    }

    std::vector<Latest> m_latest;
    long long m_firstBlock = 0; // the number of m_blocks[0]
    std::vector<std::unique_ptr<Block>> m_blocks;
    size_t m_days = 0; // days with a record
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
        // One calculation per investment, found by its number: unowned lines never reach them.
        std::vector<Calculation> calculations(size_t(count) + 1);
        WrittenRates rates;
        HistFields line;
        while (reader.nextLine()) {
            reader.decode(line);
            if (portfolio.unowned.check(line.investNum, reader.lineNumber(), count))
                continue;
            RecordFigures figures;
            try {
                figures = calculations[size_t(line.investNum)].add(line.investNum, line.date, line.original,
                                                                   line.current, rates(line.rate));
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
