#include "storage/returnspass.h"

#include "storage/datafolder.h"
#include "storage/decodedhistory.h"
#include "storage/filetable.h"
#include "storage/historypass.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <system_error>
#include <thread>
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
        // The days in order: those of the span as they stand, the others sorted once here.
        std::vector<std::pair<long long, Change>> days;
        for (size_t i = 0; i < m_span.size(); ++i) {
            if (m_span[i].seen)
                days.emplace_back(m_firstDay + static_cast<long long>(i), m_span[i]);
        }
        if (!m_outside.empty()) {
            days.insert(days.end(), m_outside.begin(), m_outside.end());
            std::sort(days.begin(), days.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        }
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
        bool seen = false;
    };

    // Records fall on the days of a few decades: those are a plain array from the first day
    // met, grown as later or earlier days come; a day far outside (a damaged or odd date)
    // goes to a hash instead of stretching the array over centuries.
    Change &changeOn(long long day)
    {
        if (m_span.empty()) {
            m_firstDay = day;
            m_span.resize(1);
        }
        if (day < m_firstDay) {
            const long long grow = std::max<long long>(m_firstDay - day, 366);
            if (grow + static_cast<long long>(m_span.size()) <= MaxSpanDays) {
                m_span.insert(m_span.begin(), size_t(grow), Change());
                m_firstDay -= grow;
            }
        } else if (day - m_firstDay >= static_cast<long long>(m_span.size())) {
            const long long size =
                std::max<long long>(day - m_firstDay + 366, 2 * static_cast<long long>(m_span.size()));
            if (day - m_firstDay < MaxSpanDays)
                m_span.resize(size_t(std::min<long long>(size, MaxSpanDays)));
        }
        const long long at = day - m_firstDay;
        Change &change = at >= 0 && at < static_cast<long long>(m_span.size()) ? m_span[size_t(at)] : m_outside[day];
        change.seen = true;
        return change;
    }

    static constexpr long long MaxSpanDays = 200 * 366;
    std::vector<Latest> m_latest;
    long long m_firstDay = 0;
    std::vector<Change> m_span;
    std::unordered_map<long long, Change> m_outside;
};

// Each investment's figures, the rates solved on two threads: the builders are independent,
// and a long record of money in and out makes its rate the slow part of the figures.
std::vector<InvestmentReturns> finishAll(const std::vector<ReturnsBuilder> &builders)
{
    std::vector<InvestmentReturns> returns(builders.size());
    const auto finish = [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i)
            returns[i] = builders[i].finish();
    };
    const size_t half = builders.size() / 2;
    std::exception_ptr failure;
    std::thread other;
    try {
        other = std::thread([&] {
            try {
                finish(half, builders.size());
            } catch (...) {
                failure = std::current_exception();
            }
        });
    } catch (const std::system_error &) {
        finish(half, builders.size());
    }
    try {
        finish(0, half);
    } catch (...) {
        if (other.joinable())
            other.join();
        throw;
    }
    if (other.joinable())
        other.join();
    if (failure)
        std::rethrow_exception(failure);
    return returns;
}

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
        DecodedHistory lines(history);
        // About as many records each as the file holds lines per investment (a line is some 36
        // bytes), so the builders of a long history are not copied again and again as they grow.
        if (count > 0) {
            const long long estimate = lines.size() / 36;
            for (ReturnsBuilder &builder : builders)
                builder.reserve(size_t(std::min<long long>(estimate / count + 1, 1 << 20)));
        }
        Calculations calculations;
        std::vector<DecodedLine> batch;
        while (lines.next(batch)) {
            for (const DecodedLine &line : batch) {
                if (portfolio.unowned.check(line.fields.investNum, line.line, count))
                    continue;
                RecordFigures figures;
                try {
                    figures = calculations.add(line.fields);
                } catch (const RuntimeError &error) {
                    throw HistoryPassError{lines.path(), line.line, error};
                }
                builders[size_t(figures.investment - 1)].add(figures);
                amounts.add(figures);
            }
        }
    }
    portfolio.returns = finishAll(builders);
    portfolio.all = portfolioReturns(portfolio.returns, series);
    portfolio.overTime = amounts.series();
    portfolio.overTime.setInvestment(0, QStringLiteral("All investments"), QString());
    return portfolio;
}

} // namespace storage
