// The investment record reader: any bytes as "PlumblineData" give the record count of
// the count rule, and every record either decodes to its number and two 50-character
// texts that write back to the same 102 bytes, or reads as number 0 with blank texts;
// a record as the program writes it always decodes.
#include "core/investrecord.h"
#include "core/runtimeerror.h"
#include "fuzzsupport.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"

#include <QByteArray>
#include <cstdint>
#include <cstring>

namespace {

long long expectedCount(long long length)
{
    // Length / 102 rounded to the nearest whole number, halves to even.
    const long long whole = length / storage::InvestRecordLength;
    const long long twiceRest = 2 * (length % storage::InvestRecordLength);
    if (twiceRest > storage::InvestRecordLength || (twiceRest == storage::InvestRecordLength && whole % 2 == 1))
        return whole + 1;
    return whole;
}

int16_t numberOf(const uint8_t *bytes)
{
    return int16_t(uint16_t(bytes[0] | (bytes[1] << 8)));
}

// A record as the program writes it: a positive number and printable texts.
bool clean(const uint8_t *bytes)
{
    if (numberOf(bytes) < 1)
        return false;
    for (int i = 2; i < storage::InvestRecordLength; ++i) {
        if (bytes[i] < 0x20)
            return false;
    }
    return true;
}

const QString blank50(50, QLatin1Char(' '));

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzsupport::resetAll();
    const QString path = fuzzsupport::writeFile(storage::InvestFileName, data, size);
    const QString copyPath = storage::programFile(QStringLiteral("RecordCopy"));
    try {
        storage::open(1, path, storage::OpenMode::Random);
        FUZZ_CHECK(storage::lof(1) == (long long)size);
        const long long count = expectedCount((long long)size);
        if (count > 32767) {
            fuzzsupport::resetAll();
            return 0;
        }
        FUZZ_CHECK(int(storage::recordCount(storage::lof(1))) == count);

        for (long long n = 1; n <= count + 1; ++n) {
            InvestRecord record;
            record.RecNum = 7;
            record.InvestType = QStringLiteral("left over");
            const bool ok = storage::getRecord(1, n, record);
            const size_t offset = size_t(n - 1) * storage::InvestRecordLength;
            const bool whole = offset + storage::InvestRecordLength <= size;
            // Only a whole record with a positive number can decode, and a clean one always does.
            FUZZ_CHECK(!ok || (whole && numberOf(data + offset) >= 1));
            FUZZ_CHECK(ok || !whole || !clean(data + offset));
            FUZZ_CHECK(record.InvestType.text().size() == 50 && record.Institution.text().size() == 50);
            if (!ok) {
                FUZZ_CHECK(record.RecNum == 0);
                FUZZ_CHECK(record.InvestType.text() == blank50 && record.Institution.text() == blank50);
                continue;
            }
            FUZZ_CHECK(record.RecNum == numberOf(data + offset));

            // Written back, the record is the same 102 bytes.
            storage::open(3, copyPath, storage::OpenMode::Output);
            storage::close(3);
            storage::open(3, copyPath, storage::OpenMode::Random);
            storage::putRecord(3, 1, record);
            storage::close(3);
            const QByteArray copy = fuzzsupport::readFile(QStringLiteral("RecordCopy"));
            FUZZ_CHECK(copy.size() == storage::InvestRecordLength);
            FUZZ_CHECK(std::memcmp(copy.constData(), data + offset, storage::InvestRecordLength) == 0);
        }
        storage::close(1);
    } catch (const RuntimeError &error) {
        std::fprintf(stderr, "unexpected error %d\n", error.number());
        fuzzsupport::fail("the investment file reader raised an error");
    }
    return 0;
}
