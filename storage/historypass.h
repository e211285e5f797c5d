#pragma once

#include "core/calculation.h"
#include "storage/historyreader.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The running calculation of the grid, for readers other than the grid (export, chart,
// report, returns): the same records in the same order give the same figures. Each pass
// owns its reader and its calculations; none touches the main window's shared variables or
// file numbers, so passes run beside the grid, and on other threads, without disturbing it.
namespace storage {

using RecordSink = std::function<void(const RecordFigures &)>;

// One investment's records in file order. Only that investment's lines are read whole;
// the others are passed over once their number is read. A damaged line raises
// HistoryPassError; a missing history file raises RuntimeError 53.
void forEachRecord(const QString &historyPath, int investment, const RecordSink &sink);
void forEachRecord(HistoryReader &reader, int investment, const RecordSink &sink);

// Every investment's records in one pass over the file, each with its own running
// calculation; records come in file order, so investments interleave as their lines do.
// Every line is read whole, so a damaged line anywhere raises.
void forEachRecordOfAll(const QString &historyPath, const RecordSink &sink);
void forEachRecordOfAll(HistoryReader &reader, const RecordSink &sink);

// The records of the listed investments only, in one pass, each with its own running
// calculation; the same figures as a pass of forEachRecord per investment. The lines of
// other investments are passed over once their number is read, not decoded: a caller that
// must know the whole file is sound reads it first.
void forEachRecordOfSome(const QString &historyPath, const std::vector<int> &investments, const RecordSink &sink);

// A rate as the program writes it to its page file and reads it back (at most seven
// significant digits), so every reader computes with the figure the grid uses.
Single asWrittenRate(Single rate);

// Rates repeat from line to line: each is turned into its written form once.
class WrittenRates
{
public:
    Single operator()(Single rate);

private:
    struct Entry
    {
        uint32_t bits = 0;
        bool used = false;
        Single written = 0;
    };
    std::array<Entry, 256> m_entries;
};

// The running calculations of many investments, one per investment number met.
class Calculations
{
public:
    Calculations();
    ~Calculations();
    Calculations(const Calculations &) = delete;
    Calculations &operator=(const Calculations &) = delete;

    // The record's figures, worked out with its investment's calculation (the rate taken in
    // its written form).
    RecordFigures add(const HistFields &line);
    // The rate as the calculations take it.
    Single writtenRate(Single rate);
    // The investment's calculation; nullptr before its first record.
    const Calculation *find(int investment) const;

private:
    struct Store;
    std::unique_ptr<Store> m_store;
    WrittenRates m_rates;
};

} // namespace storage
