#pragma once

#include "core/chartseries.h"
#include "render/report/reportcells.h"
#include "storage/recordspool.h"
#include "storage/reportsummary.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace render {

class ReportTable;

// A record row of the report, laid out and ready to paint.
struct PreparedRow
{
    int record = 0;
    bool quick = false; // glyphs laid out; otherwise `cells` take the full text layout
    QList<quint32> glyphs;
    QList<QPointF> positions; // along a baseline at 0
    QStringList cells;
};

// Lays out the report's record rows on a thread of its own while the painting thread draws
// the pages, so a long report keeps two processor cores busy instead of one. The records come
// from the spool the report's first pass over the history filled, investment by investment in
// the report's order; with each investment's rows comes the next investment's chart.
//
// The spool is the feed's alone while it runs (the first pass is over before the feed starts),
// and each replay works the figures out with a calculation of its own.
class RecordFeed
{
public:
    // `table` lays the rows out (ReportTable::layOutQuickRow) and must outlive the feed.
    RecordFeed(storage::RecordSpool &spool, const QList<storage::InvestmentSummary> &investments,
               const ReportTable &table);
    // Stops the passes and waits for the thread.
    ~RecordFeed();
    RecordFeed(const RecordFeed &) = delete;
    RecordFeed &operator=(const RecordFeed &) = delete;

    // The next rows of the investment in hand. False at the investment's end, with the next
    // investment's chart points in `nextChart`. Rethrows what ended the passes early.
    bool next(std::vector<PreparedRow> &rows, ChartSeries &nextChart);

private:
    struct Item
    {
        std::vector<PreparedRow> rows;
        bool end = false;
        ChartSeries nextChart;
    };
    struct Stopped
    {
    };

    void run();
    PreparedRow prepare(const RecordFigures &figures) const;
    // Blocks while the queue is full; throws Stopped once the feed is being destroyed.
    void push(Item item);

    storage::RecordSpool &m_spool;
    std::vector<std::pair<int, int>> m_investments; // number, records
    const ReportTable &m_table;
    RecordCellFormatter m_cells;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Item> m_queue;
    bool m_stop = false;
    bool m_done = false;
    std::exception_ptr m_failure;
    std::thread m_thread;
};

} // namespace render
