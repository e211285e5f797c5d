#pragma once

#include "storage/textrecords.h"

#include <QString>

#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace storage {

class HistoryReader;

// A history line read and decoded, with where it stands in the file.
struct DecodedLine
{
    HistFields fields;
    long long line = 0;
};

// Reads and decodes the history on a thread of its own while the calling thread works the
// records out, so a pass over every investment keeps two processor cores busy. The lines
// come in file order, in batches; a damaged line is raised by next() on the calling thread,
// after every line before it was handed over, just as a pass on one thread would meet it.
// The reader is the thread's alone; nothing else is shared but the queue.
class DecodedHistory
{
public:
    // Opens the history (53 when missing, 75 for anything but a plain file) on the calling
    // thread, then starts reading. Without a thread to be had, next() reads in its stead.
    explicit DecodedHistory(const QString &path);
    // Stops the reading and waits for the thread.
    ~DecodedHistory();
    DecodedHistory(const DecodedHistory &) = delete;
    DecodedHistory &operator=(const DecodedHistory &) = delete;

    const QString &path() const { return m_path; }
    qint64 size() const { return m_size; }

    // The next lines, replacing what `batch` held; false at the end of the file. Rethrows
    // what stopped the reading (HistoryPassError for a damaged line).
    bool next(std::vector<DecodedLine> &batch);

private:
    struct Stopped
    {
    };

    void run();
    // Fills `batch` from the reader; false when the file ended before any line.
    bool readBatch(std::vector<DecodedLine> &batch);
    void push(std::vector<DecodedLine> batch);

    QString m_path;
    qint64 m_size = 0;
    std::unique_ptr<HistoryReader> m_reader;
    std::exception_ptr m_readFailure; // the reader's own, for the batch after the lines before it

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::vector<DecodedLine>> m_queue;
    std::vector<std::vector<DecodedLine>> m_spare; // batches handed back, their room kept
    bool m_stop = false;
    bool m_done = false;
    std::exception_ptr m_failure;
    std::thread m_thread;
};

} // namespace storage
