#include "storage/historypass.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <unordered_map>

namespace storage {

Single asWrittenRate(Single rate)
{
    char text[48];
    const int length = singleToChars(rate, text);
    Single written = 0;
    return parseSingle(text, text + length, written) ? written : rate;
}

Single WrittenRates::operator()(Single rate)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &rate, sizeof bits);
    Entry &e = m_entries[(bits * 2654435761u) >> 24];
    if (!e.used || e.bits != bits) {
        e.used = true;
        e.bits = bits;
        e.written = asWrittenRate(rate);
    }
    return e.written;
}

// Investment numbers are 16-bit: those from 0 to 32767 are found by index, the rest (only
// damaged or foreign lines carry them) by hash.
struct Calculations::Store
{
    std::deque<Calculation> calculations;
    std::vector<int> byNumber; // index + 1 into calculations, 0 for none yet
    std::unordered_map<int, size_t> others;

    Calculation *find(int investment, bool create)
    {
        if (investment >= 0 && investment <= 32767) {
            if (size_t(investment) >= byNumber.size()) {
                if (!create)
                    return nullptr;
                byNumber.resize(std::max(size_t(investment) + 1, byNumber.size() * 2), 0);
            }
            int &slot = byNumber[size_t(investment)];
            if (slot == 0) {
                if (!create)
                    return nullptr;
                calculations.emplace_back();
                slot = int(calculations.size());
            }
            return &calculations[size_t(slot - 1)];
        }
        const auto it = others.find(investment);
        if (it != others.end())
            return &calculations[it->second];
        if (!create)
            return nullptr;
        calculations.emplace_back();
        others.emplace(investment, calculations.size() - 1);
        return &calculations.back();
    }
};

Calculations::Calculations() : m_store(std::make_unique<Store>()) {}

Calculations::~Calculations() = default;

Single Calculations::writtenRate(Single rate)
{
    return m_rates(rate);
}

RecordFigures Calculations::add(const HistFields &line)
{
    const int investment = line.investNum;
    return m_store->find(investment, true)->add(investment, line.date, line.original, line.current, m_rates(line.rate));
}

const Calculation *Calculations::find(int investment) const
{
    return m_store->find(investment, false);
}

void forEachRecord(HistoryReader &reader, int investment, const RecordSink &sink)
{
    Calculation calculation;
    WrittenRates rates;
    HistFields line;
    while (reader.nextLine()) {
        int number = 0;
        if (reader.quickNumber(number) && number != investment)
            continue;
        reader.decode(line);
        if (line.investNum != investment)
            continue;
        try {
            sink(calculation.add(investment, line.date, line.original, line.current, rates(line.rate)));
        } catch (const RuntimeError &error) {
            reader.fail(error);
        }
    }
}

void forEachRecord(const QString &historyPath, int investment, const RecordSink &sink)
{
    HistoryReader reader(historyPath);
    forEachRecord(reader, investment, sink);
}

void forEachRecordOfAll(HistoryReader &reader, const RecordSink &sink)
{
    Calculations calculations;
    HistFields line;
    while (reader.nextLine()) {
        reader.decode(line);
        try {
            sink(calculations.add(line));
        } catch (const RuntimeError &error) {
            reader.fail(error);
        }
    }
}

void forEachRecordOfAll(const QString &historyPath, const RecordSink &sink)
{
    HistoryReader reader(historyPath);
    forEachRecordOfAll(reader, sink);
}

void forEachRecordOfSome(const QString &historyPath, const std::vector<int> &investments, const RecordSink &sink)
{
    HistoryReader reader(historyPath);
    Calculations calculations;
    const auto wanted = [&investments](int investment) {
        return std::find(investments.begin(), investments.end(), investment) != investments.end();
    };
    HistFields line;
    while (reader.nextLine()) {
        int number = 0;
        if (reader.quickNumber(number) && !wanted(number))
            continue;
        reader.decode(line);
        if (!wanted(line.investNum))
            continue;
        try {
            sink(calculations.add(line));
        } catch (const RuntimeError &error) {
            reader.fail(error);
        }
    }
}

} // namespace storage
