#pragma once

#include "core/calculation.h"
#include "storage/textrecords.h"

#include <QFile>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace storage {

// The records of one pass over the history, in file order, handed back investment by
// investment with their figures. A pass over all investments reads the file once, but a
// report or an export goes through them one investment after another, and after years of
// appends their lines are interleaved. The spool keeps each record's values (not its
// figures: those are worked out again as it is handed back, each investment with a
// calculation of its own) in memory up to a budget and the rest in a private temporary file
// outside the data folder (removed however the process ends), so its memory stays the same
// for ten thousand lines or ten million.
class RecordSpool
{
public:
    static constexpr size_t DefaultBudget = 4 * 1024 * 1024;

    // `tempFolder`: where the temporary file goes (default: the system's temporary folder).
    explicit RecordSpool(size_t memoryBudget = DefaultBudget, const QString &tempFolder = QString());
    ~RecordSpool();
    RecordSpool(const RecordSpool &) = delete;
    RecordSpool &operator=(const RecordSpool &) = delete;

    // A record of the history, its rate already in its written form (asWrittenRate).
    void add(const HistFields &line);
    // The record a pass worked out (its values; the figures are worked out again).
    void add(const RecordFigures &figures);

    // The investments met, in ascending order, and how many records each has.
    std::vector<int> investments() const;
    int records(int investment) const;
    // The investment's records in the order they were added, with the figures a pass over
    // the investment alone gives. Raises RuntimeError when the temporary file cannot be read
    // back, and what the calculation raises.
    void replay(int investment, const std::function<void(const RecordFigures &)> &sink);
    // Whether records went to the temporary file (for tests).
    bool spilled() const { return m_spilledRecords > 0; }

private:
    struct Chunk
    {
        qint64 offset = 0;
        int count = 0;
    };
    // What the spool keeps of a record.
    struct Entry
    {
        double date;
        int64_t original;
        int64_t current;
        Single rate;
        int32_t investment;
    };
    struct Bucket
    {
        std::vector<Entry> pending;
        std::vector<Chunk> chunks;
        int records = 0;
    };

    void append(const Entry &entry);
    Bucket &bucket(int investment);
    const Bucket *find(int investment) const;
    template <typename Each> void forEachBucket(Each each);
    void spill();
    bool openFile();

    size_t m_budget;
    QString m_tempFolder;
    size_t m_pendingRecords = 0;
    long long m_spilledRecords = 0;
    // Investment numbers are 16-bit: those from 0 to 32767 are found by index, the rest
    // (only damaged or foreign lines carry them) in the map.
    std::vector<std::unique_ptr<Bucket>> m_byNumber;
    std::map<int, Bucket> m_others;
    QFile m_file;
    qint64 m_fileSize = 0;
    bool m_fileFailed = false; // the temporary file could not be had: everything stays in memory
    std::vector<Entry> m_readBack;
};

} // namespace storage
