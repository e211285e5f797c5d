#include "storage/investrecords.h"

#include "core/runtimeerror.h"
#include "storage/codepage.h"
#include "storage/fileops.h"

#include <QFile>

#include <cstring>

namespace storage {

bool decodeInvestRecord(const char *bytes, qint64 size, InvestRecord &record)
{
    bool decodable = size == InvestRecordLength;
    const int16_t recNum = decodable ? int16_t(uint16_t(static_cast<unsigned char>(bytes[0])) |
                                               uint16_t(uint16_t(static_cast<unsigned char>(bytes[1])) << 8))
                                     : 0;
    if (decodable && recNum < 1)
        decodable = false;
    // Bytes the program never writes into a text: the record is damaged.
    for (int i = 2; decodable && i < InvestRecordLength; ++i) {
        if (bytes[i] == '\0' || bytes[i] == '\r' || bytes[i] == '\n')
            decodable = false;
    }
    if (!decodable) {
        record = InvestRecord();
        record.RecNum = 0;
        return false;
    }
    record.RecNum = recNum;
    record.InvestType = fromCp1252(bytes + 2, 50);
    record.Institution = fromCp1252(bytes + 52, 50);
    return true;
}

void encodeInvestRecord(const InvestRecord &record, char *bytes)
{
    const uint16_t recNum = uint16_t(record.RecNum.value());
    bytes[0] = char(recNum & 0xFF);
    bytes[1] = char(recNum >> 8);
    const QByteArray type = toCp1252(record.InvestType.text());
    const QByteArray institution = toCp1252(record.Institution.text());
    std::memset(bytes + 2, ' ', 100);
    std::memcpy(bytes + 2, type.constData(), size_t(qMin(50, int(type.size()))));
    std::memcpy(bytes + 52, institution.constData(), size_t(qMin(50, int(institution.size()))));
}

Integer recordCount(long long lengthInBytes)
{
    const long long whole = lengthInBytes / InvestRecordLength;
    const long long rest = lengthInBytes % InvestRecordLength;
    long long count = whole;
    if (rest * 2 > InvestRecordLength || (rest * 2 == InvestRecordLength && (whole % 2) == 1))
        ++count;
    return Integer::fromLongLong(count);
}

QString trimPadding(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

std::vector<InvestmentInfo> readInvestmentList(const QString &path)
{
    QFile file;
    openForReading(file, path);
    // Raises 6 for a file longer than any count of investments, before reading it.
    const int count = recordCount(file.size());
    const QByteArray bytes = file.read(qint64(count) * InvestRecordLength);
    if (file.error() != QFileDevice::NoError)
        throw RuntimeError(RuntimeError::DeviceIOError);
    std::vector<InvestmentInfo> list;
    list.reserve(size_t(count));
    for (int n = 1; n <= count; ++n) {
        const qint64 offset = qint64(n - 1) * InvestRecordLength;
        InvestRecord record;
        InvestmentInfo info;
        info.number = n;
        info.readable = decodeInvestRecord(bytes.constData() + offset,
                                           qMin<qint64>(InvestRecordLength, bytes.size() - offset), record);
        info.type = trimPadding(record.InvestType);
        info.institution = trimPadding(record.Institution);
        list.push_back(std::move(info));
    }
    return list;
}

} // namespace storage
