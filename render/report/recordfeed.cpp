#include "render/report/recordfeed.h"

#include "core/runtimeerror.h"
#include "render/report/reporttable.h"
#include "storage/chartload.h"

#include <system_error>

namespace render {

namespace {

// Rows handed over at a time, and batches waiting at most: a few thousand rows, a few
// megabytes, however long the history.
constexpr std::size_t BatchRows = 128;
constexpr std::size_t QueuedBatches = 16;

} // namespace

RecordFeed::RecordFeed(storage::RecordSpool &spool, const QList<storage::InvestmentSummary> &investments,
                       const ReportTable &table)
    : m_spool(spool), m_table(table)
{
    m_investments.reserve(std::size_t(investments.size()));
    for (const storage::InvestmentSummary &one : investments)
        m_investments.emplace_back(one.investment, one.records);
    try {
        m_thread = std::thread([this] { run(); });
    } catch (const std::system_error &) {
        // No thread to be had: the same answer as a report that runs out of memory.
        throw RuntimeError(RuntimeError::OutOfMemory);
    }
}

RecordFeed::~RecordFeed()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

bool RecordFeed::next(std::vector<PreparedRow> &rows, ChartSeries &nextChart)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_queue.empty() || m_done; });
    if (m_queue.empty()) {
        if (m_failure)
            std::rethrow_exception(m_failure);
        nextChart.clear();
        return false;
    }
    Item item = std::move(m_queue.front());
    m_queue.pop_front();
    lock.unlock();
    m_changed.notify_all();
    if (item.end) {
        nextChart = std::move(item.nextChart);
        return false;
    }
    rows = std::move(item.rows);
    return true;
}

void RecordFeed::push(Item item)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_queue.size() < QueuedBatches || m_stop; });
    if (m_stop)
        throw Stopped{};
    m_queue.push_back(std::move(item));
    lock.unlock();
    m_changed.notify_all();
}

PreparedRow RecordFeed::prepare(const RecordFigures &figures) const
{
    PreparedRow row;
    row.record = figures.record;
    QStringList cells = m_cells.cells(figures);
    row.quick = m_table.layOutQuickRow(cells, row.glyphs, row.positions);
    if (!row.quick)
        row.cells = std::move(cells);
    return row;
}

void RecordFeed::run()
{
    try {
        for (std::size_t i = 0; i < m_investments.size(); ++i) {
            const int current = m_investments[i].first;
            const bool haveNext = i + 1 < m_investments.size();

            Item batch;
            batch.rows.reserve(BatchRows);
            m_spool.replay(current, [&](const RecordFigures &figures) {
                batch.rows.push_back(prepare(figures));
                if (batch.rows.size() == BatchRows) {
                    push(std::move(batch));
                    batch = Item();
                    batch.rows.reserve(BatchRows);
                }
            });
            ChartSeries nextChart;
            if (haveNext) {
                nextChart.reserve(std::size_t(m_investments[i + 1].second));
                m_spool.replay(m_investments[i + 1].first, [&nextChart](const RecordFigures &figures) {
                    nextChart.append(storage::chartPoint(figures));
                });
            }
            if (!batch.rows.empty())
                push(std::move(batch));
            Item end;
            end.end = true;
            end.nextChart = std::move(nextChart);
            push(std::move(end));
        }
    } catch (const Stopped &) {
    } catch (...) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_failure = std::current_exception();
    }
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_done = true;
    }
    m_changed.notify_all();
}

} // namespace render
