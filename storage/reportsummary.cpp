#include "storage/reportsummary.h"

#include "core/investrecord.h"
#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"

namespace storage {

namespace {

QString trimPadding(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

// The investment file on number 1: the one the main window keeps open, else opened here
// for reading only and closed again.
class InvestFileReader
{
public:
    InvestFileReader()
    {
        if (!isOpen(1)) {
            open(1, programFile(InvestFileName), OpenMode::RandomReadOnly);
            m_owned = true;
        }
    }
    ~InvestFileReader()
    {
        if (m_owned)
            discard(1);
    }
    InvestFileReader(const InvestFileReader &) = delete;
    InvestFileReader &operator=(const InvestFileReader &) = delete;

    int count() const { return recordCount(lof(1)); }
    InvestRecord record(int position) const
    {
        InvestRecord record;
        getRecord(1, position, record);
        return record;
    }

private:
    bool m_owned = false;
};

InvestmentSummary namesOf(const InvestFileReader &invest, int investment)
{
    const InvestRecord record = invest.record(investment);
    InvestmentSummary one;
    one.investment = investment;
    one.type = trimPadding(record.InvestType);
    one.institution = trimPadding(record.Institution);
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
    if (figures.state == FigureState::Computed)
        lossToInflation += figures.lossToInfl;
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
}

int investmentCount()
{
    if (!isOpen(1) && !fileExists(programFile(InvestFileName)))
        return 0;
    return InvestFileReader().count();
}

InvestmentSummary investmentNames(int investment)
{
    const InvestFileReader invest;
    if (investment < 1 || investment > invest.count())
        throw RuntimeError(RuntimeError::BadRecordNumber);
    return namesOf(invest, investment);
}

ReportSummary summarizeInvestments(int investment,
                                   const std::function<void(const InvestmentSummary &, const RecordFigures &)> &each)
{
    ReportSummary summary;
    int first = 1;
    int last = 0;
    {
        const InvestFileReader invest;
        last = invest.count();
        if (investment != 0) {
            if (investment < 1 || investment > last)
                throw RuntimeError(RuntimeError::BadRecordNumber);
            first = last = investment;
        }
        for (int n = first; n <= last; ++n)
            summary.investments.append(namesOf(invest, n));
    }
    const QString history = programFile(HistFileName);
    if (!summary.investments.isEmpty() && fileExists(history)) {
        const auto sink = [&summary, &each, first, last](const RecordFigures &figures) {
            if (figures.investment < first || figures.investment > last)
                return;
            InvestmentSummary &one = summary.investments[figures.investment - first];
            one.add(figures);
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
    return summary;
}

} // namespace storage
