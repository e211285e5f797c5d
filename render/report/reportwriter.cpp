#include "render/report/reportwriter.h"

#include "core/runtimeerror.h"
#include "platform/locale.h"
#include "render/report/recordfeed.h"
#include "render/report/reportcells.h"
#include "render/report/reportchart.h"
#include "render/report/reportpages.h"
#include "render/report/reportreturns.h"
#include "render/report/reporttable.h"
#include "storage/chartload.h"
#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/filetable.h"
#include "storage/historypass.h"
#include "storage/reportsummary.h"
#include "storage/safesavefile.h"
#include "storage/savetarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>
#include <functional>
#include <memory>
#include <unordered_map>

namespace render {

namespace {

QString amount(Currency value)
{
    return platform::LocaleServices::displayAmount(value);
}

QString investmentTitle(const storage::InvestmentSummary &one)
{
    const QString number = QString::number(one.investment);
    const QString type = one.type.trimmed();
    const QString institution = one.institution.trimmed();
    if (type.isEmpty() && institution.isEmpty())
        //: %1 the investment's number
        return QCoreApplication::translate("Report", "Investment %1").arg(number);
    if (type.isEmpty() || institution.isEmpty())
        //: %1 the investment's number, %2 its type or its institution
        return QCoreApplication::translate("Report", "Investment %1: %2").arg(number, type + institution);
    //: %1 the investment's number, %2 its type, %3 its institution
    return QCoreApplication::translate("Report", "Investment %1: %2, %3").arg(number, type, institution);
}

QList<ReportTable::Column> summaryColumns()
{
    const Qt::Alignment right = Qt::AlignRight;
    return {
        //: Short for number
        {QCoreApplication::translate("Report", "No."), 0.55, Qt::AlignLeft},
        {QCoreApplication::translate("Report", "Type"), 2.0, Qt::AlignLeft},
        {QCoreApplication::translate("Report", "Institution"), 2.0, Qt::AlignLeft},
        {QCoreApplication::translate("Report", "First Record"), 1.15, right},
        {QCoreApplication::translate("Report", "Last Record"), 1.15, right},
        {QCoreApplication::translate("Report", "Last Original Amount"), 1.45, right},
        {QCoreApplication::translate("Report", "Last Current Amount"), 1.45, right},
        {QCoreApplication::translate("Report", "Profit/Loss"), 1.45, right},
        //: AFI = adjusted for inflation
        {QCoreApplication::translate("Report", "Current Amount AFI"), 1.45, right},
        {QCoreApplication::translate("Report", "Profit/Loss AFI"), 1.45, right},
        {QCoreApplication::translate("Report", "Total Loss To Inflation"), 1.45, right},
    };
}

// The grid's ten columns and headings.
QList<ReportTable::Column> recordColumns()
{
    const Qt::Alignment right = Qt::AlignRight;
    return {
        //: Short for record number
        {QCoreApplication::translate("Report", "Rec"), 0.6, right},
        {QCoreApplication::translate("Report", "Date"), 1.1, right},
        {QCoreApplication::translate("Report", "Original Amount"), 1.4, right},
        {QCoreApplication::translate("Report", "Current Amount"), 1.4, right},
        //: Increase or decrease of the amount
        {QCoreApplication::translate("Report", "Inc/Dec"), 1.4, right},
        {QCoreApplication::translate("Report", "Profit/Loss"), 1.4, right},
        {QCoreApplication::translate("Report", "Inflation Rate (%)"), 0.95, right},
        {QCoreApplication::translate("Report", "Loss To Inflation"), 1.4, right},
        //: AFI = adjusted for inflation
        {QCoreApplication::translate("Report", "Current Amount AFI"), 1.4, right},
        {QCoreApplication::translate("Report", "Profit/Loss AFI"), 1.4, right},
    };
}

QStringList summaryCells(const storage::InvestmentSummary &one)
{
    QStringList cells{QString::number(one.investment), one.type, one.institution};
    if (one.records > 0)
        cells << platform::LocaleServices::shortDate(one.firstDate)
              << platform::LocaleServices::shortDate(one.lastDate);
    else
        cells << QString() << QString();
    if (one.hasFigures)
        cells << amount(one.lastOriginal) << amount(one.lastCurrent) << amount(one.profitLoss) << amount(one.lastAFI)
              << amount(one.lastProfitLossAFI) << amount(one.lossToInflation);
    else
        for (int i = 0; i < 6; ++i)
            cells << QString();
    return cells;
}

QStringList totalCells(const storage::ReportTotals &totals)
{
    //: The summary's total row, under Type
    const QString investments =
        totals.investments == 1
            ? QCoreApplication::translate("Report", "Total, 1 investment")
            : QCoreApplication::translate("Report", "Total, %1 investments").arg(totals.investments);
    const QString records = totals.records == 1
                                ? QCoreApplication::translate("Report", "1 data record")
                                : QCoreApplication::translate("Report", "%1 data records").arg(totals.records);
    return {QString(),
            investments,
            records,
            QString(),
            QString(),
            amount(totals.lastOriginal),
            amount(totals.lastCurrent),
            amount(totals.profitLoss),
            amount(totals.lastAFI),
            amount(totals.lastProfitLossAFI),
            amount(totals.lossToInflation)};
}

class ReportLayout
{
public:
    ReportLayout(const PageSetup &setup, const storage::ReportSummary &summary, int investment, QString folder)
        : m_setup(setup), m_summary(summary), m_investment(investment), m_folder(std::move(folder)),
          m_bottom(setup.height - Pages::footerHeight(setup, m_folder))
    {
    }

    // The row of all investments, once the pass has given every investment's returns.
    void setAll(const PortfolioReturns *all) { m_all = all; }

    qreal bottom() const { return m_bottom; }

    // ---- The summary: title, one row per investment, the totals.
    int summarySection(Pages *pages)
    {
        const qreal width = m_setup.width;
        const LaidOutText continued(m_setup.heading, QCoreApplication::translate("Report", "Summary (continued)"),
                                    width, Qt::AlignLeft);
        SectionFlow flow(pages, m_bottom, [this, continued](QPainter *painter, qreal top) {
            qreal y = top + continued.height();
            if (painter)
                continued.draw(*painter, 0, top);
            y += m_setup.pt(4);
            if (painter)
                m_setup.summary.drawHeading(*painter, y);
            return y + m_setup.summary.headingHeight();
        });
        QPainter *painter = flow.painter();
        qreal y = drawText(painter, m_setup.title, 0, width, QCoreApplication::translate("Report", "Plumbline Report"));
        const QString scope = m_investment == 0
                                  ? QCoreApplication::translate("Report", "All investments")
                                  : QCoreApplication::translate("Report", "Investment %1").arg(m_investment);
        y += drawText(painter, m_setup.body, y, width, scope);
        y += m_setup.pt(10);
        y += drawText(painter, m_setup.heading, y, width, QCoreApplication::translate("Report", "Summary"));
        y += m_setup.pt(4);
        if (painter)
            m_setup.summary.drawHeading(*painter, y);
        y += m_setup.summary.headingHeight();
        flow.advance(y);
        int row = 0;
        for (const storage::InvestmentSummary &one : m_summary.investments) {
            const QStringList cells = summaryCells(one);
            const qreal top = flow.place(m_setup.summary.rowHeight(cells));
            if (painter)
                m_setup.summary.drawRow(*painter, top, cells, row % 2 == 1);
            ++row;
        }
        const QStringList totals = totalCells(m_summary.totals);
        const qreal top = flow.place(m_setup.summary.rowHeightBold(totals));
        if (painter)
            m_setup.summary.drawRow(*painter, top, totals, false, true);
        const QString explanation =
            //: AFI = adjusted for inflation
            QCoreApplication::translate(
                "Report", "The amounts and figures are those of each investment's last record with both amounts "
                          "above zero, as its row shows them: Profit/Loss is its Current Amount less its Original "
                          "Amount; Current Amount AFI and Profit/Loss AFI are those of the last record with an "
                          "inflation rate. Total Loss To Inflation adds up the loss of every record that has an "
                          "inflation rate; a record without a rate carries the loss before it and adds nothing, "
                          "and a record with an amount of zero or less is left out.");
        const qreal noteTop = flow.place(m_setup.pt(6) + m_setup.note.height(explanation, width));
        if (painter)
            m_setup.note.draw(*painter, 0, noteTop + m_setup.pt(6), width, explanation, Qt::AlignLeft);
        returnsTable(flow, m_setup, m_summary, m_all);
        yearByYearTables(flow, m_setup, m_summary);
        return flow.pages();
    }

    // ---- One investment: title, chart, the records with headings on every page.
    // `chart` holds the investment's records when painting.
    std::unique_ptr<SectionFlow> startInvestment(Pages *pages, const storage::InvestmentSummary &one,
                                                 const ChartSeries *chart = nullptr)
    {
        const qreal width = m_setup.width;
        const QString title = investmentTitle(one);
        //: %1 the title of a section that goes on from the page before
        const LaidOutText continued(m_setup.heading, QCoreApplication::translate("Report", "%1 (continued)").arg(title),
                                    width, Qt::AlignLeft);
        auto flow = std::make_unique<SectionFlow>(pages, m_bottom, [this, continued](QPainter *painter, qreal top) {
            qreal y = top + continued.height();
            if (painter)
                continued.draw(*painter, 0, top);
            y += m_setup.pt(4);
            if (painter)
                m_setup.records.drawHeading(*painter, y);
            return y + m_setup.records.headingHeight();
        });
        QPainter *painter = flow->painter();
        qreal y = drawText(painter, m_setup.heading, 0, width, title);
        QString info;
        if (one.records == 0)
            info = QCoreApplication::translate("Report", "No data records.");
        else if (one.records == 1)
            //: %1 a date
            info = QCoreApplication::translate("Report", "1 data record, %1.")
                       .arg(platform::LocaleServices::shortDate(one.firstDate));
        else
            //: %1 a number of records, %2 and %3 dates
            info = QCoreApplication::translate("Report", "%1 data records, %2 to %3.")
                       .arg(one.records)
                       .arg(platform::LocaleServices::shortDate(one.firstDate),
                            platform::LocaleServices::shortDate(one.lastDate));
        y += drawText(painter, m_setup.body, y, width, info);
        if (one.records > 0) {
            // Counted before the figures are known: the line's room does not depend on them.
            y += m_setup.pt(4);
            if (painter)
                drawReturnsLine(*painter, m_setup, y, returnsLine(returnsOf(one)));
            y += returnsLineHeight(m_setup);
            y += m_setup.pt(6);
            const QRectF area(0, y, width, chartHeight());
            if (painter && chart)
                paintInvestmentChart(*painter, area, *chart);
            y += area.height() + m_setup.pt(8);
            if (painter)
                m_setup.records.drawHeading(*painter, y);
            y += m_setup.records.headingHeight();
        }
        flow->advance(y);
        return flow;
    }

    // Counts a record's row.
    void record(SectionFlow &flow, const RecordFigures &figures)
    {
        flow.place(m_setup.records.rowHeight(m_cells.cells(figures)));
    }

    // Paints a record's row; its place is found as record() found it.
    void record(SectionFlow &flow, const PreparedRow &row)
    {
        const ReportTable &table = m_setup.records;
        const bool shaded = row.record % 2 == 0;
        if (row.quick) {
            const qreal top = flow.place(table.quickRowHeight());
            table.drawQuickRow(*flow.painter(), top, row.glyphs, row.positions, shaded);
        } else {
            const qreal top = flow.place(table.rowHeight(row.cells));
            table.drawRow(*flow.painter(), top, row.cells, shaded);
        }
    }

private:
    qreal chartHeight() const { return std::min(m_bottom * 0.4, m_setup.pt(200)); }

    const InvestmentReturns &returnsOf(const storage::InvestmentSummary &one) const
    {
        const int first = m_summary.investments.isEmpty() ? 0 : m_summary.investments.constFirst().investment;
        return m_summary.returns.at(size_t(one.investment - first));
    }

    const PageSetup &m_setup;
    const RecordCellFormatter m_cells;
    const storage::ReportSummary &m_summary;
    int m_investment;
    QString m_folder;
    qreal m_bottom;
    const PortfolioReturns *m_all = nullptr;
};

} // namespace

QPageSize::PageSizeId pageSizeFor(const QLocale &locale)
{
    const QLocale::Territory territory = locale.territory();
    return territory == QLocale::UnitedStates || territory == QLocale::Canada ? QPageSize::Letter : QPageSize::A4;
}

QString defaultReportName(Date day)
{
    return QStringLiteral("Plumbline report %1.pdf").arg(day.toQDate().toString(QStringLiteral("yyyy-MM-dd")));
}

int writeReport(const ReportRequest &request)
{
    const QString folder = QDir::toNativeSeparators(storage::programFolder());
    if (request.outputPath.isEmpty())
        throw RuntimeError(RuntimeError::BadFileNameOrNumber);
    if (!QFileInfo(request.outputPath).absoluteDir().exists())
        throw RuntimeError(RuntimeError::PathNotFound);
    // Nothing the program keeps in its folder is ever the report: a replaced lock file would let
    // a second copy in, a replaced work file would lose an edit.
    if (storage::landsInDataFolder(request.outputPath, storage::programFolder()))
        throw RuntimeError(RuntimeError::PathFileAccessError);

    const Date today = platform::LocaleServices::today();
    // A plain file or none: a folder, a device or a pipe is refused (75), as is a read-only
    // report, by root too; a replaced report keeps its permissions, a new one is the user's only.
    storage::SafeSaveFile file(request.outputPath);
    if (!file.open(QIODevice::WriteOnly))
        file.raiseFailure();
    QPdfWriter writer(&file);
    //: The PDF document's title; %1 a date
    writer.setTitle(QCoreApplication::translate("Report", "Plumbline report %1")
                        .arg(today.toQDate().toString(QStringLiteral("yyyy-MM-dd"))));
    writer.setCreator(QStringLiteral("Plumbline ") + QStringLiteral(PLUMBLINE_VERSION));
    writer.setPageLayout(QPageLayout(QPageSize(pageSizeFor(platform::LocaleServices::locale())), QPageLayout::Landscape,
                                     QMarginsF(12, 12, 12, 10), QPageLayout::Millimeter));

    const PageSetup setup(writer, summaryColumns(), returnsColumns(), recordColumns());

    // First pass: the figures of the summary, how many pages every section takes, and the chart
    // of the first investment.
    std::unordered_map<int, std::unique_ptr<SectionFlow>> counting;
    storage::ReportSummary summary;
    ReportLayout layout(setup, summary, request.investment, folder);
    const int firstInvestment = request.investment == 0 ? 1 : request.investment;
    ChartSeries chart;
    // The one pass over the history: what the pages need later waits in the spool.
    storage::RecordSpool spool;
    summary = storage::summarizeInvestments(
        request.investment, [&counting, &layout, &chart, &spool, firstInvestment](const storage::InvestmentSummary &one,
                                                                                  const RecordFigures &figures) {
            spool.add(figures);
            // A section's top depends only on the investment's texts, known before its first record.
            std::unique_ptr<SectionFlow> &flow = counting[one.investment];
            if (!flow)
                flow = layout.startInvestment(nullptr, one);
            layout.record(*flow, figures);
            if (figures.investment == firstInvestment)
                chart.append(storage::chartPoint(figures));
        });

    // Every investment's figures in one: a report of all of them has the row.
    PortfolioReturns all;
    if (request.investment == 0) {
        all = portfolioReturns(summary.returns, request.series);
        if (!request.series && !request.seriesProblem.isEmpty())
            all.realReason = request.seriesProblem;
        layout.setAll(&all);
    }
    int total = layout.summarySection(nullptr);
    for (const storage::InvestmentSummary &one : std::as_const(summary.investments)) {
        const auto it = counting.find(one.investment);
        total += it == counting.end() ? layout.startInvestment(nullptr, one)->pages() : it->second->pages();
    }
    counting.clear();

    // Then one pass per investment, read and laid out on a thread of its own while the pages
    // are painted here. Each pass also gathers the next investment's chart, so each
    // investment's records are read once for both.
    QPainter painter;
    if (!painter.begin(&writer)) {
        file.raiseFailure();
        throw RuntimeError(RuntimeError::DeviceIOError);
    }
    if (request.pageDone)
        request.pageDone(0, total);
    Pages pages(writer, file, painter, setup, total, platform::LocaleServices::shortDate(today), folder,
                request.pageDone);
    const QList<storage::InvestmentSummary> &investments = summary.investments;
    RecordFeed feed(spool, investments, setup.records);
    layout.summarySection(&pages);
    std::vector<PreparedRow> rows;
    for (const storage::InvestmentSummary &one : investments) {
        pages.next();
        chart.setInvestment(one.investment, one.type, one.institution);
        const std::unique_ptr<SectionFlow> flow = layout.startInvestment(&pages, one, &chart);
        ChartSeries nextChart;
        while (feed.next(rows, nextChart))
            for (const PreparedRow &row : rows)
                layout.record(*flow, row);
        chart = std::move(nextChart);
    }
    pages.finishPage();
    const int painted = pages.number();
    // Told before the file is put in place: what stops the report here still leaves nothing.
    if (request.pageDone)
        request.pageDone(painted, total);
    if (!painter.end()) {
        file.raiseFailure();
        throw RuntimeError(RuntimeError::DeviceIOError);
    }
    // Every byte checked, synced, then renamed; a disk that filled on the last bytes is 61 here.
    file.commit();
    return painted;
}

} // namespace render
