#pragma once

// The report's returns: the table of each investment's returns a year and those of all of
// them, the line on each investment's page, and what inflation took year by year. Laid out
// through SectionFlow like the rest, so the count pass and the paint pass agree.
#include "core/returns.h"
#include "render/report/reportpages.h"
#include "storage/reportsummary.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace render {

// No., type, institution, first and last counted record, years, the four figures a year
// (time-weighted and money-weighted, each nominal and after inflation) and why one is blank.
QList<ReportTable::Column> returnsColumns();
QStringList returnsCells(const storage::InvestmentSummary &names, const InvestmentReturns &returns);
QStringList allReturnsCells(const PortfolioReturns &all);

// The line on an investment's page (core/returns.h), dates and decimal point as the report's
// locale writes them. It takes two lines of body text whatever it says: the page count is
// made before the figures are known.
QString returnsLine(const InvestmentReturns &returns);
qreal returnsLineHeight(const PageSetup &setup);
void drawReturnsLine(QPainter &painter, const PageSetup &setup, qreal top, const QString &line);

// The returns table after the summary, on the summary's pages. `all` is null for a report
// of one investment, which has no row for all of them.
void returnsTable(SectionFlow &flow, const PageSetup &setup, const storage::ReportSummary &summary,
                  const PortfolioReturns *all);

// "What inflation took, year by year": rows of calendar years, a column for each of up to
// ten investments at a time and one for all of them, then each column's total.
void yearByYearTables(SectionFlow &flow, const PageSetup &setup, const storage::ReportSummary &summary);

} // namespace render
