#include "core/returns.h"

#include <QCoreApplication>
#include <QDate>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

constexpr double DaysPerYear = 365.25;
constexpr double MinimumSpanDays = 365;

double daysBetween(Date from, Date to)
{
    return std::floor(to.serial()) - std::floor(from.serial());
}

// The flows' present value at u = ln(1 + x), divided by its largest discount factor so no
// term overflows: the sign is that of the present value, for any u.
double scaledValue(const std::vector<std::pair<double, double>> &flows, double u)
{
    const double reference = u >= 0 ? flows.front().first : flows.back().first;
    double sum = 0;
    for (const auto &[years, amount] : flows)
        sum += amount * std::exp(-u * (years - reference));
    return sum;
}

// The value and its slope in u, scaled as scaledValue scales them.
std::pair<double, double> scaledValueAndSlope(const std::vector<std::pair<double, double>> &flows, double u)
{
    const double reference = u >= 0 ? flows.front().first : flows.back().first;
    double sum = 0, slope = 0;
    for (const auto &[years, amount] : flows) {
        const double term = amount * std::exp(-u * (years - reference));
        sum += term;
        slope -= (years - reference) * term;
    }
    return {sum, slope};
}

// The root in [low, high], where the value changes sign: Newton's steps, which take a few
// sweeps over the flows, kept inside the shrinking bracket by halving it whenever a step
// would leave it.
double solveInBracket(const std::vector<std::pair<double, double>> &flows, double low, double high)
{
    const bool negativeAtLow = scaledValue(flows, low) < 0;
    double u = low < 0.05 && 0.05 < high ? 0.05 : (low + high) / 2;
    for (int i = 0; i < 200; ++i) {
        const auto [value, slope] = scaledValueAndSlope(flows, u);
        if (value == 0)
            return u;
        if ((value < 0) == negativeAtLow)
            low = u;
        else
            high = u;
        double next = slope != 0 ? u - value / slope : low;
        if (!(next > low && next < high))
            next = (low + high) / 2;
        if (std::fabs(next - u) < 1e-14 || high - low < 1e-14)
            return next;
        u = next;
    }
    return u;
}

// Adds each flow's term to `values`, stepping outward from u = 0: every term is multiplied by
// the same factor at every step. The flows go in blocks of four, one step at a time, so the
// four multiplications are independent of each other and of the sum, while each value still
// takes the terms one by one in the flows' order (the same sums to the last bit as a loop
// over the flows for each step).
void addScannedTerms(const std::vector<std::pair<double, double>> &flows, double reference, double step, double *values,
                     int count)
{
    size_t k = 0;
    for (; k + 4 <= flows.size(); k += 4) {
        double t0 = flows[k].second, t1 = flows[k + 1].second, t2 = flows[k + 2].second, t3 = flows[k + 3].second;
        const double f0 = std::exp(-step * (flows[k].first - reference));
        const double f1 = std::exp(-step * (flows[k + 1].first - reference));
        const double f2 = std::exp(-step * (flows[k + 2].first - reference));
        const double f3 = std::exp(-step * (flows[k + 3].first - reference));
        for (int s = 0; s < count; ++s) {
            double sum = values[s];
            sum += t0;
            sum += t1;
            sum += t2;
            sum += t3;
            values[s] = sum;
            t0 *= f0;
            t1 *= f1;
            t2 *= f2;
            t3 *= f3;
        }
    }
    for (; k < flows.size(); ++k) {
        double term = flows[k].second;
        const double factor = std::exp(-step * (flows[k].first - reference));
        for (int s = 0; s < count; ++s) {
            values[s] += term;
            term *= factor;
        }
    }
}

// The present value, scaled, at `steps` + 1 evenly spaced u from `low` < 0 to `high` > 0
// (with u = 0 among them): outward from u = 0 each flow's term is multiplied by the same
// factor at every step, so the whole scan costs one exp() per flow rather than one per flow
// and step. Outward, every term shrinks, so none overflows.
std::vector<double> scannedValues(const std::vector<std::pair<double, double>> &flows, double low, double high,
                                  int steps)
{
    const double step = (high - low) / steps;
    const int zero = int(std::lround(-low / step));
    std::vector<double> values(size_t(steps) + 1, 0.0);
    // Upwards from u = 0, measured from the first flow.
    addScannedTerms(flows, flows.front().first, step, values.data() + zero, steps - zero + 1);
    // Downwards from u = 0, measured from the last flow, in reverse order so the steps still
    // run outward.
    std::vector<double> downwards(size_t(zero) + 1, 0.0);
    addScannedTerms(flows, flows.back().first, -step, downwards.data(), zero + 1);
    for (int s = 0; s < zero; ++s)
        values[size_t(s)] = downwards[size_t(zero - s)];
    return values;
}

int signChanges(const std::vector<std::pair<double, double>> &flows)
{
    int changes = 0;
    int last = 0;
    for (const auto &flow : flows) {
        const int sign = flow.second > 0 ? 1 : -1;
        if (last != 0 && sign != last)
            ++changes;
        last = sign;
    }
    return changes;
}

} // namespace

RateSolution moneyWeightedRate(std::vector<CashFlow> flows)
{
    RateSolution solution;
    const auto earlier = [](const CashFlow &a, const CashFlow &b) { return a.date.serial() < b.date.serial(); };
    if (!std::is_sorted(flows.begin(), flows.end(), earlier)) // an investment's flows come in order
        std::stable_sort(flows.begin(), flows.end(), earlier);
    // Flows of one day are one flow; a flow of nothing is none.
    std::vector<std::pair<double, double>> byDay; // day, amount
    byDay.reserve(flows.size());
    for (const CashFlow &flow : flows) {
        const double day = std::floor(flow.date.serial());
        if (!byDay.empty() && byDay.back().first == day)
            byDay.back().second += flow.amount;
        else
            byDay.emplace_back(day, flow.amount);
    }
    std::vector<std::pair<double, double>> dated; // years since the first flow, amount
    dated.reserve(byDay.size());
    for (const auto &[day, amount] : byDay) {
        if (amount != 0)
            dated.emplace_back((day - byDay.front().first) / DaysPerYear, amount);
    }
    const int changes = signChanges(dated);
    if (dated.size() < 2 || changes == 0) {
        solution.reason = QCoreApplication::translate("Returns", "no unique rate");
        return solution;
    }
    // ln(1 + x) from about -100 % (e^-40) to e^40 times the money.
    constexpr double Low = -40, High = 40;
    if (changes == 1) {
        // One change of sign allows one rate and no more: it lies in the range when the present
        // value has opposite signs at its ends.
        const double atLow = scaledValue(dated, Low);
        const double atHigh = scaledValue(dated, High);
        if (atLow == 0 || atHigh == 0 || (atLow < 0) == (atHigh < 0)) {
            solution.reason = QCoreApplication::translate("Returns", "no unique rate");
            return solution;
        }
        solution.rate = std::expm1(solveInBracket(dated, Low, High));
        return solution;
    }
    // More changes may allow more rates: each stretch where the present value changes sign
    // holds one, and a rate is given only where exactly one is found.
    constexpr int Steps = 8000;
    const std::vector<double> values = scannedValues(dated, Low, High, Steps);
    std::vector<std::pair<double, double>> brackets;
    for (int step = 1; step <= Steps && brackets.size() < 2; ++step) {
        const double previous = values[size_t(step - 1)];
        const double value = values[size_t(step)];
        if (previous == 0 || (value != 0 && (value < 0) != (previous < 0)))
            brackets.emplace_back(Low + (High - Low) * (step - 1) / Steps, Low + (High - Low) * step / Steps);
    }
    if (brackets.size() != 1) {
        solution.reason = QCoreApplication::translate("Returns", "no unique rate");
        return solution;
    }
    solution.rate = std::expm1(solveInBracket(dated, brackets.front().first, brackets.front().second));
    return solution;
}

QString InvestmentReturns::note() const
{
    for (const QString *reason : {&nominalReason, &annualReason, &realReason, &mwrReason, &realMwrReason}) {
        if (!reason->isEmpty())
            return *reason;
    }
    return QString();
}

void ReturnsBuilder::addFlow(double day, double amount, double real)
{
    if (!m_flows.empty() && std::floor(m_flows.back().day) == std::floor(day)) {
        m_flows.back().amount += amount;
        m_flows.back().real += real;
        return;
    }
    m_flows.push_back({day, amount, real});
}

void ReturnsBuilder::add(const RecordFigures &record)
{
    if (record.state == FigureState::Skipped)
        return;
    if (record.state == FigureState::Computed)
        m_lossToInflation += record.lossToInfl;
    m_lastCurrent = record.currentAmount;
    const Counted now{record.record, record.date, record.originalAmount.units(), record.currentAmount.units()};
    if (m_count++ == 0) {
        m_first = now;
        m_last = now;
        return;
    }
    const Counted before = m_last;
    m_last = now;
    if (now.date.serial() < before.date.serial() && m_datesReason.isEmpty()) {
        m_datesReason =
            QCoreApplication::translate("Returns", "record %1 is dated before the record before it").arg(now.record);
        m_blank = true;
    }
    if (m_blank)
        return; // every figure is blank already
    // A return is a ratio of amounts: worked out in whole units, with a single division.
    const int64_t added = now.original - before.original;
    const double base = double(before.current) + double(added) / 2;
    if (base <= 0) {
        m_baseReason =
            QCoreApplication::translate("Returns", "record %1 leaves no money in the investment to measure a return on")
                .arg(now.record);
        m_blank = true;
        return;
    }
    m_growth *= 1 + double(now.current - before.current - added) / base;
    const double rate = double(record.rate);
    if ((rate == 0 || rate <= -100) && !m_realBlank) {
        m_result.realReason =
            rate == 0 ? QCoreApplication::translate("Returns", "record %1 has no inflation rate").arg(now.record)
                      : QCoreApplication::translate("Returns", "record %1 has an inflation rate at or below -100 %")
                            .arg(now.record);
        m_realBlank = true;
    }
    m_prices *= 1 + rate / 100;
    if (added != 0)
        addFlow(now.date.serial(), double(-added), double(-added) / m_prices);
}

InvestmentReturns ReturnsBuilder::finish() const
{
    InvestmentReturns r = m_result;
    r.records = m_count;
    r.lastCurrent = m_lastCurrent;
    r.lossToInflation = m_lossToInflation;
    if (m_count > 0) {
        r.firstDate = m_first.date;
        r.lastDate = m_last.date;
    }
    if (m_count < 2) {
        r.nominalReason = QCoreApplication::translate("Returns", "fewer than two records with both amounts above zero");
        return r;
    }
    if (!m_datesReason.isEmpty()) {
        r.nominalReason = m_datesReason;
        return r;
    }
    const double days = daysBetween(r.firstDate, r.lastDate);
    r.years = days / DaysPerYear;
    if (!m_baseReason.isEmpty()) {
        r.nominalReason = m_baseReason;
        return r;
    }

    std::vector<CashFlow> realFlows;
    r.flows.reserve(m_flows.size() + 2);
    realFlows.reserve(m_flows.size() + 2);
    // The amounts back in the currency: a rate does not depend on the unit, but the flows of
    // every investment are added up for all of them.
    constexpr double Unit = 1.0 / 10000;
    r.flows.push_back({m_first.date, -double(m_first.current) * Unit});
    realFlows.push_back(r.flows.back());
    for (const Flow &flow : m_flows) {
        r.flows.push_back({Date(flow.day), flow.amount * Unit});
        realFlows.push_back({Date(flow.day), flow.real * Unit});
    }
    r.flows.push_back({m_last.date, double(m_last.current) * Unit});
    realFlows.push_back({m_last.date, double(m_last.current) * Unit / m_prices});

    r.twr = m_growth - 1;
    // The product of (1 + r) / (1 + i) over the intervals is that of (1 + r) over that of (1 + i).
    const double realGrowth = m_growth / m_prices;
    const bool real = r.realReason.isEmpty();
    if (real) {
        r.inflation = m_prices - 1;
        r.realTwr = realGrowth - 1;
    }
    if (days < MinimumSpanDays) {
        // Annualising a few weeks turns a small change into an absurd yearly figure.
        r.annualReason = QCoreApplication::translate("Returns", "the records span less than a year");
        r.mwrReason = r.annualReason;
        r.realMwrReason = real ? r.annualReason : r.realReason;
        return r;
    }
    r.twrAnnual = std::pow(m_growth, 1 / r.years) - 1;
    if (real)
        r.realTwrAnnual = std::pow(realGrowth, 1 / r.years) - 1;
    const RateSolution nominal = moneyWeightedRate(r.flows);
    r.mwrAnnual = nominal.rate;
    r.mwrReason = nominal.reason;
    if (real) {
        const RateSolution afterInflation = moneyWeightedRate(std::move(realFlows));
        r.realMwrAnnual = afterInflation.rate;
        r.realMwrReason = afterInflation.reason;
    } else {
        r.realMwrReason = r.realReason;
    }
    return r;
}

QString PortfolioReturns::note() const
{
    // In the order of the columns: inflation, money-weighted, money-weighted after inflation.
    QString first = !realReason.isEmpty() && !inflation ? realReason : !mwrReason.isEmpty() ? mwrReason : realReason;
    if (first.endsWith(QLatin1Char('.')))
        first.chop(1);
    if (!series.isEmpty())
        //: %1 is the name of a price index
        first += (first.isEmpty() ? QString() : QCoreApplication::translate("Returns", "; ")) +
                 QCoreApplication::translate("Returns", "series %1").arg(series);
    return first;
}

namespace {

// The flows in date order, those of one day added into one. Records span some thousands of
// days, so the flows are added up in a slot per day; a span far longer than there are flows
// (a date mistyped by centuries) is sorted instead.
std::vector<CashFlow> flowsByDay(std::vector<CashFlow> flows)
{
    if (flows.empty())
        return flows;
    double first = std::floor(flows.front().date.serial()), last = first;
    for (const CashFlow &flow : flows) {
        first = std::min(first, std::floor(flow.date.serial()));
        last = std::max(last, std::floor(flow.date.serial()));
    }
    const double span = last - first + 1;
    std::vector<CashFlow> merged;
    if (span <= std::max<double>(4.0 * double(flows.size()), 65536)) {
        std::vector<double> amounts(size_t(span), 0.0);
        std::vector<bool> used(size_t(span), false);
        for (const CashFlow &flow : flows) {
            const size_t slot = size_t(std::floor(flow.date.serial()) - first);
            amounts[slot] += flow.amount;
            used[slot] = true;
        }
        for (size_t slot = 0; slot < amounts.size(); ++slot) {
            if (used[slot])
                merged.push_back({Date(first + double(slot)), amounts[slot]});
        }
        return merged;
    }
    std::stable_sort(flows.begin(), flows.end(),
                     [](const CashFlow &a, const CashFlow &b) { return a.date.serial() < b.date.serial(); });
    for (const CashFlow &flow : flows) {
        if (!merged.empty() && std::floor(merged.back().date.serial()) == std::floor(flow.date.serial()))
            merged.back().amount += flow.amount;
        else
            merged.push_back({Date(std::floor(flow.date.serial())), flow.amount});
    }
    return merged;
}

} // namespace

PortfolioReturns portfolioReturns(const std::vector<InvestmentReturns> &investments, const PriceIndex *series)
{
    PortfolioReturns all;
    std::vector<CashFlow> flows;
    for (const InvestmentReturns &one : investments) {
        if (!one.takesPart())
            continue;
        ++all.investments;
        all.records += one.records;
        all.lastCurrent += one.lastCurrent;
        all.lossToInflation += one.lossToInflation;
        if (flows.empty() || one.firstDate.serial() < all.firstDate.serial())
            all.firstDate = one.firstDate;
        if (flows.empty() || one.lastDate.serial() > all.lastDate.serial())
            all.lastDate = one.lastDate;
        flows.insert(flows.end(), one.flows.begin(), one.flows.end());
    }
    // The investments' flows of one day are one flow, deflated once.
    flows = flowsByDay(std::move(flows));
    if (series)
        all.series = series->name;
    if (all.investments == 0) {
        all.mwrReason = QCoreApplication::translate("Returns", "no investment has figures of its own");
        all.realReason = all.mwrReason;
        return all;
    }
    const double days = daysBetween(all.firstDate, all.lastDate);
    all.years = days / DaysPerYear;

    // Prices over the span, and each flow in money of the first date, from the common index.
    std::vector<CashFlow> realFlows;
    if (!series) {
        all.realReason = QCoreApplication::translate("Returns", "no price index");
    } else {
        const QDate first = all.firstDate.toQDate();
        const PriceIndex::RateResult span = series->rate(first, all.lastDate.toQDate());
        if (!span.ok)
            all.realReason = span.reason;
        else
            all.inflation = span.exact / 100;
        for (const CashFlow &flow : flows) {
            if (!all.realReason.isEmpty())
                break;
            const PriceIndex::RateResult since = series->rate(first, flow.date.toQDate());
            if (!since.ok)
                all.realReason = since.reason;
            else
                realFlows.push_back({flow.date, flow.amount / (1 + since.exact / 100)});
        }
        if (!all.realReason.isEmpty())
            all.inflation.reset();
    }
    if (days < MinimumSpanDays) {
        all.mwrReason = QCoreApplication::translate("Returns", "the records span less than a year");
        if (all.realReason.isEmpty())
            all.realReason = all.mwrReason;
        return all;
    }
    const RateSolution nominal = moneyWeightedRate(flows);
    all.mwrAnnual = nominal.rate;
    all.mwrReason = nominal.reason;
    if (all.realReason.isEmpty()) {
        const RateSolution real = moneyWeightedRate(realFlows);
        all.realMwrAnnual = real.rate;
        all.realReason = real.reason;
    }
    return all;
}

QString percentText(const std::optional<double> &fraction)
{
    if (!fraction || !std::isfinite(*fraction))
        return QString();
    return hundredthsText(roundPercentToHundredths(*fraction * 100));
}

QString yearsText(double years)
{
    return hundredthsText(std::round(years * 100));
}

namespace {

// A percentage as a sentence shows it: the locale's decimal point and a true minus sign.
QString shownPercent(const std::optional<double> &fraction, QChar decimalPoint)
{
    QString text = percentText(fraction);
    text.replace(QLatin1Char('.'), decimalPoint);
    if (text.startsWith(QLatin1Char('-')))
        text.replace(0, 1, QChar(0x2212));
    return text + QCoreApplication::translate("Returns", " %");
}

} // namespace

QString returnsSentence(const InvestmentReturns &r, const QString &firstDate, QChar decimalPoint)
{
    if (!r.takesPart())
        //: %1 is the reason
        return QCoreApplication::translate("Returns", "No return can be given: %1.").arg(r.nominalReason);
    QString years = QString::number(std::round(r.years * 10) / 10, 'f', 1);
    years.replace(QLatin1Char('.'), decimalPoint);
    const auto percent = [decimalPoint](const std::optional<double> &figure) {
        return shownPercent(figure, decimalPoint);
    };
    // Whole sentences, one per set of figures there are: %1 the first date, %2 the years.
    if (!r.annualReason.isEmpty()) {
        // Too short a span for a figure per year: the whole span's figures, and why.
        if (r.realTwr)
            //: %3 the return, %4 the return after inflation, %5 why there is no figure per year
            return QCoreApplication::translate("Returns", "Since %1 (%2 years): %3, after inflation %4 in all "
                                                          "(time-weighted); no figure per year: %5")
                .arg(firstDate, years, percent(r.twr), percent(r.realTwr), r.annualReason);
        //: %3 the return, %4 why there is no figure per year, %5 why there is none after inflation
        return QCoreApplication::translate("Returns", "Since %1 (%2 years): %3 in all (time-weighted); no figure per "
                                                      "year: %4; no figure after inflation: %5")
            .arg(firstDate, years, percent(r.twr), r.annualReason, r.realReason);
    }
    const QString twr = percent(r.twrAnnual);
    if (r.realTwrAnnual) {
        const QString realTwr = percent(r.realTwrAnnual);
        if (!r.mwrAnnual)
            //: %3 and %4 returns a year before and after inflation, %5 why there is no money-weighted return
            return QCoreApplication::translate("Returns", "Since %1 (%2 years): %3 a year, after inflation %4 a year "
                                                          "(time-weighted); money-weighted: %5")
                .arg(firstDate, years, twr, realTwr, r.mwrReason);
        if (r.realMwrAnnual)
            //: %3 and %4 time-weighted returns a year before and after inflation, %5 and %6 money-weighted ones
            return QCoreApplication::translate("Returns", "Since %1 (%2 years): %3 a year, after inflation %4 a year "
                                                          "(time-weighted); money-weighted %5 and %6")
                .arg(firstDate, years, twr, realTwr, percent(r.mwrAnnual), percent(r.realMwrAnnual));
        //: %3 and %4 time-weighted returns a year before and after inflation, %5 the money-weighted one, %6 why
        //: there is none after inflation
        return QCoreApplication::translate("Returns", "Since %1 (%2 years): %3 a year, after inflation %4 a year "
                                                      "(time-weighted); money-weighted %5 (after inflation: %6)")
            .arg(firstDate, years, twr, realTwr, percent(r.mwrAnnual), r.realMwrReason);
    }
    if (!r.mwrAnnual)
        //: %3 the return a year, %4 why there is none after inflation, %5 why there is no money-weighted one
        return QCoreApplication::translate("Returns", "Since %1 (%2 years): %3 a year (time-weighted; no figure after "
                                                      "inflation: %4); money-weighted: %5")
            .arg(firstDate, years, twr, r.realReason, r.mwrReason);
    if (r.realMwrAnnual)
        //: %3 the time-weighted return a year, %4 why there is none after inflation, %5 and %6 money-weighted
        //: returns before and after inflation
        return QCoreApplication::translate("Returns", "Since %1 (%2 years): %3 a year (time-weighted; no figure after "
                                                      "inflation: %4); money-weighted %5 and %6")
            .arg(firstDate, years, twr, r.realReason, percent(r.mwrAnnual), percent(r.realMwrAnnual));
    //: %3 the time-weighted return a year, %4 why there is none after inflation, %5 the money-weighted return
    return QCoreApplication::translate("Returns", "Since %1 (%2 years): %3 a year (time-weighted; no figure after "
                                                  "inflation: %4); money-weighted %5")
        .arg(firstDate, years, twr, r.realReason, percent(r.mwrAnnual));
}
