#pragma once

#include "core/calculation.h"
#include "core/priceindex.h"

#include <QString>

#include <optional>
#include <vector>

// Did the savings beat inflation? The returns of an investment's records and of all of them,
// nominal and after inflation, worked out so a reader can redo them on paper:
//  - counted records: both amounts above zero, the records the calculation counts;
//  - each interval between counted records: money added F = O(k) - O(k-1), return (Modified
//    Dietz, the money added at mid-interval) r = (C(k) - C(k-1) - F) / (C(k-1) + F/2),
//    inflation i = R(k) / 100, real return (1 + r) / (1 + i) - 1;
//  - time-weighted: the product of (1 + r), less 1; real and inflation likewise;
//  - per year: (1 + X)^(1 / years) - 1, years = days / 365.25, only for a span of a year or more;
//  - money-weighted: the yearly rate at which the flows (the first current amount in, the money
//    added in at each later record, the last current amount out) are worth nothing today.
// Every figure is a fraction (0.1 for 10 %); a blank figure has a reason.

// A dated amount of money: negative going into an investment, positive coming out.
struct CashFlow
{
    Date date;
    double amount = 0;
};

// The yearly rate x > -100 % at which the flows, discounted by (1 + x)^(days since the first
// flow / 365.25), sum to zero. Given when there is exactly one such rate (always so when the
// flows, in date order, change sign once); otherwise none, with the reason.
struct RateSolution
{
    std::optional<double> rate;
    QString reason;
};
RateSolution moneyWeightedRate(std::vector<CashFlow> flows);

// What one investment's records come to.
struct InvestmentReturns
{
    int investment = 0;
    int records = 0; // the counted records
    Date firstDate;  // of the first and last counted records, when there are any
    Date lastDate;
    double years = 0;
    Currency lastCurrent;     // the last counted record's current amount
    Currency lossToInflation; // the losses the calculation worked out, each counted once

    std::optional<double> twr;
    std::optional<double> twrAnnual;
    std::optional<double> inflation;
    std::optional<double> realTwr;
    std::optional<double> realTwrAnnual;
    std::optional<double> mwrAnnual;
    std::optional<double> realMwrAnnual;
    // Why each figure is blank, column by column in that order; `note()` is the first.
    QString nominalReason; // every figure blank
    QString realReason;    // inflation and every real figure blank
    QString annualReason;  // every per-year figure blank
    QString mwrReason;     // money-weighted, nominal
    QString realMwrReason; // money-weighted, real
    QString note() const;

    // The nominal figures stand: the investment takes part in the figures of all of them.
    bool takesPart() const { return nominalReason.isEmpty(); }
    // The flows of the money-weighted rate, in date order.
    std::vector<CashFlow> flows;
};

// One investment's records in file order, as a pass over the history gives them. Each
// interval is worked out as its record arrives; what is kept is one flow per day on which
// money was added or taken out, so a long history costs a few bytes a record.
class ReturnsBuilder
{
public:
    explicit ReturnsBuilder(int investment = 0) { m_result.investment = investment; }
    void add(const RecordFigures &record);
    InvestmentReturns finish() const;

private:
    struct Counted
    {
        int record = 0;
        Date date;
        int64_t original = 0; // in the currency's smallest units: differences are exact
        int64_t current = 0;
    };
    void addFlow(double day, double amount, double real);

    // What every record reads or changes comes first, so that a pass over many investments
    // at once touches a few cache lines of each builder.
    int m_count = 0;
    bool m_blank = false;     // m_datesReason or m_baseReason is given: every figure is blank
    bool m_realBlank = false; // m_result.realReason is given
    Counted m_last;
    double m_growth = 1;
    double m_prices = 1;
    Currency m_lastCurrent;     // the last counted record's current amount
    Currency m_lossToInflation; // the losses the calculation worked out
    // The flows between the first and the last record, one per day (the date of its first
    // record), nominal and in money of the first date (deflated by the records' own rates),
    // in the currency's smallest units.
    struct Flow
    {
        double day = 0;
        double amount = 0;
        double real = 0;
    };
    std::vector<Flow> m_flows;
    Counted m_first;
    InvestmentReturns m_result;
    QString m_datesReason; // a record dated before the one before it
    QString m_baseReason;  // no money left to measure a return on
};

// The money-weighted figures of every investment that takes part, over the union of their
// flows. The real figure deflates each flow by `series`: multiplied by I(first date) / I(its
// date); the inflation over the span comes from the series too. No time-weighted figure:
// the investments' records fall on different dates.
struct PortfolioReturns
{
    int investments = 0; // that took part
    int records = 0;
    Date firstDate;
    Date lastDate;
    double years = 0;
    Currency lastCurrent;
    Currency lossToInflation;
    std::optional<double> inflation;
    std::optional<double> mwrAnnual;
    std::optional<double> realMwrAnnual;
    QString mwrReason;
    QString realReason; // inflation and the real figure
    QString series;     // the price index's name
    // The first reason a figure is blank, then the series used.
    QString note() const;
};
PortfolioReturns portfolioReturns(const std::vector<InvestmentReturns> &investments, const PriceIndex *series);

// A fraction as a percentage with two decimals, halves away from zero ("10.00", "-0.63");
// empty for a blank figure.
QString percentText(const std::optional<double> &fraction);
// Years with two decimals ("25.00").
QString yearsText(double years);

// The line under an investment's chart and on its report page, for example "Since 1/15/2000
// (25.0 years): 2.00 % a year, after inflation −0.63 % a year (time-weighted); money-weighted
// 2.01 % and −0.60 %". `firstDate` is the first counted record's date as the window shows
// dates; `decimalPoint` the locale's. A figure that cannot be given is named with its reason.
QString returnsSentence(const InvestmentReturns &returns, const QString &firstDate,
                        QChar decimalPoint = QLatin1Char('.'));
