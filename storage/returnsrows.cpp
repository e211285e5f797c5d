#include "storage/returnsrows.h"

#include <QDate>

namespace {

const char *const kReturnsHeader = "investment,type,institution,first_date,last_date,years,records,twr_pct,"
                                   "twr_annual_pct,inflation_pct,real_twr_pct,real_twr_annual_pct,mwr_annual_pct,"
                                   "real_mwr_annual_pct,note\r\n";

void text(CsvWriter &out, const QString &value)
{
    const QByteArray bytes = value.toUtf8();
    out.raw(bytes.constData(), size_t(bytes.size()));
}

void dates(CsvWriter &out, int records, Date first, Date last)
{
    if (records > 0)
        out.isoDate(first);
    out.comma();
    if (records > 0)
        out.isoDate(last);
    out.comma();
}

} // namespace

void writeReturnsRows(const storage::Portfolio &portfolio, CsvWriter &out)
{
    out.raw(kReturnsHeader, std::strlen(kReturnsHeader));
    for (size_t i = 0; i < portfolio.returns.size(); ++i) {
        const InvestmentReturns &r = portfolio.returns[i];
        const storage::InvestmentInfo &info = portfolio.investments[i];
        out.integer(info.number);
        out.comma();
        out.raw(CsvWriter::field(info.type));
        out.comma();
        out.raw(CsvWriter::field(info.institution));
        out.comma();
        dates(out, r.records, r.firstDate, r.lastDate);
        if (r.records >= 2 && r.takesPart())
            text(out, yearsText(r.years));
        out.comma();
        out.integer(r.records);
        for (const std::optional<double> *figure :
             {&r.twr, &r.twrAnnual, &r.inflation, &r.realTwr, &r.realTwrAnnual, &r.mwrAnnual, &r.realMwrAnnual}) {
            out.comma();
            text(out, percentText(*figure));
        }
        out.comma();
        out.raw(CsvWriter::field(r.note()));
        out.endRow();
    }
    const PortfolioReturns &all = portfolio.all;
    out.raw("all,,,", 6);
    dates(out, all.investments > 0 ? all.records : 0, all.firstDate, all.lastDate);
    if (all.investments > 0)
        text(out, yearsText(all.years));
    out.comma();
    out.integer(all.records);
    out.raw(",,,", 3); // no time-weighted figure for all of them
    text(out, percentText(all.inflation));
    out.raw(",,,", 3);
    text(out, percentText(all.mwrAnnual));
    out.comma();
    text(out, percentText(all.realMwrAnnual));
    out.comma();
    out.raw(CsvWriter::field(all.note()));
    out.endRow();
}
