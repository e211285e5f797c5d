#include "storage/decodedhistory.h"

#include "storage/historyreader.h"

#include <system_error>
#include <utility>

namespace storage {

namespace {

// Lines a batch holds, and batches that may wait: enough for the reader to run ahead over
// a slow stretch of the calculation, little enough to stay in the processor's caches.
constexpr size_t BatchLines = 1024;
constexpr size_t QueuedBatches = 8;

} // namespace

DecodedHistory::DecodedHistory(const QString &path) : m_path(path), m_reader(std::make_unique<HistoryReader>(path))
{
    m_size = m_reader->size();
    try {
        m_thread = std::thread([this] { run(); });
    } catch (const std::system_error &) {
        // No thread to be had: next() reads on the calling thread.
    }
}

DecodedHistory::~DecodedHistory()
{
    if (m_thread.joinable()) {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
}

bool DecodedHistory::readBatch(std::vector<DecodedLine> &batch)
{
    if (m_readFailure)
        std::rethrow_exception(std::exchange(m_readFailure, nullptr));
    batch.resize(BatchLines);
    size_t n = 0;
    try {
        while (n < BatchLines && m_reader->nextLine()) {
            DecodedLine &line = batch[n];
            m_reader->decode(line.fields);
            line.line = m_reader->lineNumber();
            ++n;
        }
    } catch (...) {
        // The lines before the damaged one go first, so their own faults are met first.
        if (n == 0)
            throw;
        m_readFailure = std::current_exception();
    }
    batch.resize(n);
    return n > 0;
}

void DecodedHistory::push(std::vector<DecodedLine> batch)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_queue.size() < QueuedBatches || m_stop; });
    if (m_stop)
        throw Stopped();
    m_queue.push_back(std::move(batch));
    lock.unlock();
    m_changed.notify_all();
}

void DecodedHistory::run()
{
    try {
        for (;;) {
            std::vector<DecodedLine> batch;
            {
                const std::lock_guard lock(m_mutex);
                if (!m_spare.empty()) {
                    batch = std::move(m_spare.back());
                    m_spare.pop_back();
                }
            }
            if (!readBatch(batch))
                break;
            push(std::move(batch));
        }
    } catch (const Stopped &) {
    } catch (...) {
        const std::lock_guard lock(m_mutex);
        m_failure = std::current_exception();
    }
    {
        const std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_changed.notify_all();
}

bool DecodedHistory::next(std::vector<DecodedLine> &batch)
{
    if (!m_thread.joinable())
        return readBatch(batch);
    std::unique_lock lock(m_mutex);
    if (!batch.empty() || batch.capacity() > 0)
        m_spare.push_back(std::move(batch));
    batch = {};
    m_changed.wait(lock, [this] { return !m_queue.empty() || m_done; });
    if (m_queue.empty()) {
        if (m_failure)
            std::rethrow_exception(m_failure);
        return false;
    }
    batch = std::move(m_queue.front());
    m_queue.pop_front();
    lock.unlock();
    m_changed.notify_all();
    return true;
}

} // namespace storage
