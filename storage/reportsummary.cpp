#include "storage/reportsummary.h"

#include "core/investrecord.h"
#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/investrecords.h"

namespace storage {

namespace {

InvestmentSummary namesOf(const std::vector<InvestmentInfo> &list, int investment)
{
    InvestmentSummary one;
    one.investment = investment;
    one.type = list[size_t(investment - 1)].type;
    one.institution = list[size_t(investment - 1)].institution;
    return one;
}

} // namespace

void InvestmentSummary::add(const RecordFigures &figures)
{
    ++records;
    if (records == 1)
        firstDate = figures.date;
    lastDate = figures.date;
    if (figures.state == FigureState::Skipped)
        return;
    hasFigures = true;
    lastOriginal = figures.originalAmount;
    lastCurrent = figures.currentAmount;
    profitLoss = figures.profitLoss;
    lastAFI = figures.currentAmountAFI;
    lastProfitLossAFI = figures.profitLossAFI;
    if (figures.state == FigureState::Computed) {
        lossToInflation += figures.lossToInfl;
        int year = 0;
        int month = 0;
        int day = 0;
        figures.date.toYmd(year, month, day);
        lossByYear[year] += figures.lossToInfl;
    }
}

void ReportTotals::add(const InvestmentSummary &summary)
{
    ++investments;
    records += summary.records;
    if (!summary.hasFigures)
        return;
    lastOriginal += summary.lastOriginal;
    lastCurrent += summary.lastCurrent;
    profitLoss += summary.profitLoss;
    lastAFI += summary.lastAFI;
    lastProfitLossAFI += summary.lastProfitLossAFI;
    lossToInflation += summary.lossToInflation;
    for (const auto &[year, loss] : summary.lossByYear)
        lossByYear[year] += loss;
}

int investmentCount()
{
    const QString path = programFile(InvestFileName);
    if (!fileExists(path))
        return 0;
    return int(readInvestmentList(path).size());
}

InvestmentSummary investmentNames(int investment)
{
    const std::vector<InvestmentInfo> list = readInvestmentList(programFile(InvestFileName));
    if (investment < 1 || investment > int(list.size()))
        throw RuntimeError(RuntimeError::BadRecordNumber);
    return namesOf(list, investment);
}

ReportSummary summarizeInvestments(int investment,
                                   const std::function<void(const InvestmentSummary &, const RecordFigures &)> &each)
{
    ReportSummary summary;
    int first = 1;
    int last = 0;
    {
        const std::vector<InvestmentInfo> list = readInvestmentList(programFile(InvestFileName));
        last = int(list.size());
        if (investment != 0) {
            if (investment < 1 || investment > last)
                throw RuntimeError(RuntimeError::BadRecordNumber);
            first = last = investment;
        }
        for (int n = first; n <= last; ++n)
            summary.investments.append(namesOf(list, n));
    }
    std::vector<ReturnsBuilder> builders;
    builders.reserve(size_t(summary.investments.size()));
    for (int n = first; n <= last; ++n)
        builders.emplace_back(n);
    const QString history = programFile(HistFileName);
    if (!summary.investments.isEmpty() && fileExists(history)) {
        const auto sink = [&summary, &builders, &each, first, last](const RecordFigures &figures) {
            if (figures.investment < first || figures.investment > last)
                return;
            InvestmentSummary &one = summary.investments[figures.investment - first];
            one.add(figures);
            builders[size_t(figures.investment - first)].add(figures);
            if (each)
                each(one, figures);
        };
        if (investment != 0)
            forEachRecord(history, investment, sink);
        else
            forEachRecordOfAll(history, sink);
    }
    for (const InvestmentSummary &one : std::as_const(summary.investments))
        summary.totals.add(one);
    summary.returns.reserve(builders.size());
    for (const ReturnsBuilder &builder : builders)
        summary.returns.push_back(builder.finish());
    return summary;
}

} // namespace storage
