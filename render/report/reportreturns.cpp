#include "render/report/reportreturns.h"

#include "platform/locale.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>

namespace render {

namespace {

// Ten investments and one column for all of them fit a landscape page with amounts in the
// millions on one line.
constexpr int InvestmentsPerTable = 10;

const QString Blank = QStringLiteral("\u2014");

QChar decimalPoint()
{
    const QString point = platform::LocaleServices::locale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

// "10.01", "−0.63" (a true minus sign), "—" for a figure that cannot be given.
QString percentCell(const std::optional<double> &fraction)
{
    if (!fraction)
        return Blank;
    QString text = percentText(fraction);
    text.replace(QLatin1Char('.'), decimalPoint());
    if (text.startsWith(QLatin1Char('-')))
        text.replace(0, 1, QChar(0x2212));
    return text;
}

QString yearsCell(double years)
{
    return yearsText(years).replace(QLatin1Char('.'), decimalPoint());
}

QString dateCell(int records, Date date)
{
    return records > 0 ? platform::LocaleServices::shortDate(date) : QString();
}

QString amount(Currency value)
{
    return platform::LocaleServices::displayAmount(value);
}

QString shortTitle(const storage::InvestmentSummary &one)
{
    const QString type = one.type.trimmed();
    const QString institution = one.institution.trimmed();
    const QString number = QString::number(one.investment);
    if (type.isEmpty() && institution.isEmpty())
        return number;
    if (type.isEmpty() || institution.isEmpty())
        //: A column heading: %1 the investment's number, %2 its type or its institution
        return QCoreApplication::translate("Report", "%1: %2").arg(number, type + institution);
    //: A column heading: %1 the investment's number, %2 its type, %3 its institution
    return QCoreApplication::translate("Report", "%1: %2, %3").arg(number, type, institution);
}

// Tops the following pages of a table: its title, "(continued)", and its heading row.
SectionFlow::Continuation continuedTable(const PageSetup &setup, std::shared_ptr<const ReportTable> table,
                                         const QString &title)
{
    //: %1 the title of a table that goes on from the page before
    const LaidOutText continued(setup.heading, QCoreApplication::translate("Report", "%1 (continued)").arg(title),
                                setup.width, Qt::AlignLeft);
    return [&setup, table = std::move(table), continued](QPainter *painter, qreal top) {
        qreal y = top + continued.height();
        if (painter)
            continued.draw(*painter, 0, top);
        y += setup.pt(4);
        if (painter)
            table->drawHeading(*painter, y);
        return y + table->headingHeight();
    };
}

// The title, an optional note under it and the heading row, kept on one page with the first
// row below them. Returns that row's top.
qreal placeTableStart(SectionFlow &flow, const PageSetup &setup, const ReportTable &table, const QString &title,
                      const QString &note, qreal firstRowHeight)
{
    const qreal width = setup.width;
    const qreal gap = setup.pt(12);
    const qreal titleHeight = setup.heading.height(title, width);
    const qreal noteHeight = note.isEmpty() ? 0 : setup.note.height(note, width) + setup.pt(2);
    const qreal head = gap + titleHeight + noteHeight + setup.pt(4) + table.headingHeight();
    const qreal top = flow.place(head + firstRowHeight);
    if (QPainter *painter = flow.painter()) {
        drawText(painter, setup.heading, top + gap, width, title);
        if (!note.isEmpty())
            setup.note.draw(*painter, 0, top + gap + titleHeight + setup.pt(2), width, note, Qt::AlignLeft);
        table.drawHeading(*painter, top + head - table.headingHeight());
    }
    return top + head;
}

void placeNote(SectionFlow &flow, const PageSetup &setup, const QString &text)
{
    const qreal top = flow.place(setup.pt(6) + setup.note.height(text, setup.width));
    if (QPainter *painter = flow.painter())
        setup.note.draw(*painter, 0, top + setup.pt(6), setup.width, text, Qt::AlignLeft);
}

} // namespace

QList<ReportTable::Column> returnsColumns()
{
    const Qt::Alignment right = Qt::AlignRight;
    return {
        //: Short for number
        {QCoreApplication::translate("Report", "No."), 0.55, Qt::AlignLeft},
        {QCoreApplication::translate("Report", "Type"), 1.9, Qt::AlignLeft},
        {QCoreApplication::translate("Report", "Institution"), 1.9, Qt::AlignLeft},
        {QCoreApplication::translate("Report", "First Counted Record"), 1.15, right},
        {QCoreApplication::translate("Report", "Last Counted Record"), 1.15, right},
        {QCoreApplication::translate("Report", "Years"), 0.7, right},
        {QCoreApplication::translate("Report", "Time-Weighted a Year (%)"), 1.15, right},
        {QCoreApplication::translate("Report", "After Inflation a Year (%)"), 1.15, right},
        {QCoreApplication::translate("Report", "Money-Weighted a Year (%)"), 1.15, right},
        {QCoreApplication::translate("Report", "After Inflation a Year (%)"), 1.15, right},
        {QCoreApplication::translate("Report", "Why a Figure Is Blank"), 3.6, Qt::AlignLeft},
    };
}

QStringList returnsCells(const storage::InvestmentSummary &names, const InvestmentReturns &r)
{
    const bool spans = r.records >= 2 && r.takesPart();
    return {QString::number(names.investment),
            names.type,
            names.institution,
            dateCell(r.records, r.firstDate),
            dateCell(r.records, r.lastDate),
            spans ? yearsCell(r.years) : QString(),
            percentCell(r.twrAnnual),
            percentCell(r.realTwrAnnual),
            percentCell(r.mwrAnnual),
            percentCell(r.realMwrAnnual),
            r.note()};
}

QStringList allReturnsCells(const PortfolioReturns &all)
{
    const bool any = all.investments > 0;
    return {QString(),
            QCoreApplication::translate("Report", "All investments"),
            all.series, // the price index, named in the note below
            dateCell(any ? all.records : 0, all.firstDate),
            dateCell(any ? all.records : 0, all.lastDate),
            any ? yearsCell(all.years) : QString(),
            Blank,
            Blank,
            percentCell(all.mwrAnnual),
            percentCell(all.realMwrAnnual),
            !all.mwrReason.isEmpty() ? all.mwrReason : all.realReason};
}

QString returnsLine(const InvestmentReturns &returns)
{
    return returnsSentence(returns, dateCell(returns.records, returns.firstDate), decimalPoint());
}

qreal returnsLineHeight(const PageSetup &setup)
{
    return 2 * setup.body.lineHeight();
}

void drawReturnsLine(QPainter &painter, const PageSetup &setup, qreal top, const QString &line)
{
    QStringList lines = setup.body.lines(line, setup.width);
    // Two lines hold every sentence the figures make; a longer one ends where the room does.
    if (lines.size() > 2) {
        lines = lines.mid(0, 2);
        lines.last() =
            setup.body.metrics().elidedText(lines.last() + QStringLiteral(" \u2026"), Qt::ElideRight, setup.width);
    }
    qreal y = top;
    for (const QString &text : std::as_const(lines))
        y += setup.body.draw(painter, 0, y, setup.width, text, Qt::AlignLeft);
}

void returnsTable(SectionFlow &flow, const PageSetup &setup, const storage::ReportSummary &summary,
                  const PortfolioReturns *all)
{
    if (summary.investments.isEmpty())
        return;
    const QString title = QCoreApplication::translate("Report", "Returns a year");
    const ReportTable &table = setup.returns;
    // The table outlives the flow: the page setup holds it.
    flow.setContinuation(
        continuedTable(setup, std::shared_ptr<const ReportTable>(&table, [](const ReportTable *) {}), title));
    QPainter *painter = flow.painter();
    for (qsizetype i = 0; i < summary.investments.size(); ++i) {
        const QStringList cells = returnsCells(summary.investments.at(i), summary.returns.at(size_t(i)));
        const qreal height = table.rowHeight(cells);
        const qreal top = i == 0 ? placeTableStart(flow, setup, table, title, QString(), height) : flow.place(height);
        if (painter)
            table.drawRow(*painter, top, cells, i % 2 == 1);
    }
    QString explanation = QCoreApplication::translate(
        "Report", "Per year, in percent, over each investment's counted records (both amounts above zero). "
                  "Time-weighted: the returns between records (money added counted at mid-interval) chained "
                  "together, how the investment itself did whatever was put in or taken out. Money-weighted: "
                  "the yearly rate at which the money put in, the money taken out and the last current amount "
                  "come to nothing, how the money in it did. After inflation: less the inflation rates of the "
                  "records. A span under a year has no figure per year; each investment's page gives its "
                  "figures in all.");
    if (all) {
        const QStringList cells = allReturnsCells(*all);
        const qreal top = flow.place(table.rowHeightBold(cells));
        if (painter)
            table.drawRow(*painter, top, cells, false, true);
        explanation += QLatin1Char(' ');
        explanation +=
            all->series.isEmpty()
                ? QCoreApplication::translate("Report",
                                              "All investments: money-weighted over every investment's money.")
                //: %1 the name of a price index
                : QCoreApplication::translate("Report",
                                              "All investments: money-weighted over every investment's money, after "
                                              "inflation by the price index %1.")
                      .arg(all->series);
    }
    placeNote(flow, setup, explanation);
}

void yearByYearTables(SectionFlow &flow, const PageSetup &setup, const storage::ReportSummary &summary)
{
    const QList<storage::InvestmentSummary> &investments = summary.investments;
    if (investments.isEmpty())
        return;
    const QString title = QCoreApplication::translate("Report", "What inflation took, year by year");
    const std::map<int, Currency> &years = summary.totals.lossByYear;
    const QString note = QCoreApplication::translate(
        "Report", "The Loss To Inflation of the records dated in each calendar year, counted as Total Loss To "
                  "Inflation counts it: records with an inflation rate only, so a loss carried by a record "
                  "without a rate counts once. The Total row is each investment's Total Loss To Inflation. A "
                  "blank: no record with an inflation rate that year.");
    if (years.empty()) {
        const QString none = QCoreApplication::translate("Report", "No record has an inflation rate yet.");
        const qreal gap = setup.pt(12);
        const qreal top =
            flow.place(gap + setup.heading.height(title, setup.width) + setup.body.height(none, setup.width));
        if (QPainter *painter = flow.painter()) {
            const qreal y = top + gap + drawText(painter, setup.heading, top + gap, setup.width, title);
            drawText(painter, setup.body, y, setup.width, none);
        }
        return;
    }
    const qsizetype count = investments.size();
    for (qsizetype first = 0; first < count; first += InvestmentsPerTable) {
        const qsizetype last = std::min<qsizetype>(count, first + InvestmentsPerTable);
        QList<ReportTable::Column> columns{{QCoreApplication::translate("Report", "Year"), 0.7, Qt::AlignLeft}};
        for (qsizetype i = first; i < last; ++i)
            columns.append({shortTitle(investments.at(i)), 1.45, Qt::AlignRight});
        columns.append({QCoreApplication::translate("Report", "All Investments"), 1.45, Qt::AlignRight});
        // As wide as the page when it has all its columns, narrower for the last few.
        const qreal width =
            setup.width * (0.7 + 1.45 * qreal(columns.size() - 1)) / (0.7 + 1.45 * qreal(InvestmentsPerTable + 1));
        auto table = std::make_shared<const ReportTable>(columns, pointFont(7.5), pointFont(7, true), setup.device,
                                                         count > InvestmentsPerTable ? width : setup.width);
        //: %1 and %2 investment numbers
        const QString blockTitle =
            count > InvestmentsPerTable
                ? QCoreApplication::translate("Report", "What inflation took, year by year (investments %1 to %2)")
                      .arg(investments.at(first).investment)
                      .arg(investments.at(last - 1).investment)
                : title;
        flow.setContinuation(continuedTable(setup, table, blockTitle));
        QPainter *painter = flow.painter();
        bool firstRow = true;
        int row = 0;
        const auto placeRow = [&](const QStringList &cells, bool emphasis) {
            const qreal height = emphasis ? table->rowHeightBold(cells) : table->rowHeight(cells);
            const qreal top =
                firstRow ? placeTableStart(flow, setup, *table, blockTitle, first == 0 ? note : QString(), height)
                         : flow.place(height);
            firstRow = false;
            if (painter)
                table->drawRow(*painter, top, cells, !emphasis && row % 2 == 1, emphasis);
            ++row;
        };
        for (const auto &[year, total] : years) {
            QStringList cells{QString::number(year)};
            for (qsizetype i = first; i < last; ++i) {
                const std::map<int, Currency> &own = investments.at(i).lossByYear;
                const auto it = own.find(year);
                cells << (it == own.end() ? QString() : amount(it->second));
            }
            cells << amount(total);
            placeRow(cells, false);
        }
        QStringList totals{QCoreApplication::translate("Report", "Total")};
        for (qsizetype i = first; i < last; ++i)
            totals << (investments.at(i).lossByYear.empty() ? QString() : amount(investments.at(i).lossToInflation));
        totals << amount(summary.totals.lossToInflation);
        placeRow(totals, true);
    }
}

} // namespace render
