// The line readers of the text files: any bytes either read as a record or raise one
// of the reader's numbered errors; a record that reads is written back in the
// program's own form and that form reads again to the same values; the quick reader
// of lines in that form takes no other line and reads the same values.
#include "core/runtimeerror.h"
#include "fuzzsupport.h"
#include "storage/textrecords.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool isReaderError(int number)
{
    return number == RuntimeError::TypeMismatch || number == RuntimeError::InputPastEndOfFile ||
           number == RuntimeError::Overflow;
}

bool sameRate(float a, float b)
{
    // A Single is written with seven significant digits, so it may come back one
    // step of the seventh digit away, never more.
    if (a == b)
        return true;
    return std::fabs(double(a) - double(b)) <= std::fabs(double(a)) * 1e-6;
}

void checkHistLine(const char *begin, const char *end)
{
    // The quick reader takes only lines in the writer's own form, to the values the full
    // reader gives.
    storage::HistFields quick;
    int numberLength = 0;
    const bool written = storage::parseWrittenHistLine(begin, end, quick, numberLength);

    storage::HistFields first;
    try {
        storage::parseHistLine(begin, end, first);
    } catch (const RuntimeError &error) {
        FUZZ_CHECK(isReaderError(error.number()));
        FUZZ_CHECK(!written);
        return;
    }
    std::string text;
    storage::formatHistLine(first, text);
    FUZZ_CHECK(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0);
    if (written) {
        FUZZ_CHECK(text.compare(0, text.size() - 2, begin, size_t(end - begin)) == 0);
        FUZZ_CHECK(numberLength > 0 && begin[numberLength] == ',');
        FUZZ_CHECK(quick.investNum == first.investNum);
        FUZZ_CHECK(quick.date == first.date);
        FUZZ_CHECK(quick.original == first.original);
        FUZZ_CHECK(quick.current == first.current);
        FUZZ_CHECK(std::memcmp(&quick.rate, &first.rate, sizeof quick.rate) == 0);
    }
    FUZZ_CHECK(text.size() - 2 <= size_t(storage::MaxLineLength));

    storage::HistFields second;
    try {
        storage::parseHistLine(text.data(), text.data() + text.size() - 2, second);
    } catch (const RuntimeError &) {
        fuzzsupport::fail("a line the program wrote does not read back");
    }
    FUZZ_CHECK(second.investNum == first.investNum);
    FUZZ_CHECK(second.date == first.date);
    FUZZ_CHECK(second.original == first.original);
    FUZZ_CHECK(second.current == first.current);
    FUZZ_CHECK(sameRate(first.rate, second.rate));
}

// A text as the investment record holds it and the program writes it: the characters
// that would break a line or a record are blanks, and it is padded or cut to 50.
QString asStored(QString text)
{
    for (QChar &c : text) {
        if (c == QChar(0) || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return text.leftJustified(50, QLatin1Char(' '), true);
}

void checkTempDataLine(const char *begin, const char *end)
{
    storage::TempDataFields first;
    try {
        storage::parseTempDataLine(begin, end, first);
    } catch (const RuntimeError &error) {
        FUZZ_CHECK(isReaderError(error.number()));
        return;
    }
    // Whatever was read, the texts the program writes are those of a record: at their
    // full width they come back exactly, quotes and all.
    first.investType = asStored(first.investType);
    first.institution = asStored(first.institution);
    std::string text;
    storage::formatTempDataLine(first, text);
    storage::TempDataFields second;
    try {
        storage::parseTempDataLine(text.data(), text.data() + text.size() - 2, second);
    } catch (const RuntimeError &) {
        fuzzsupport::fail("a line the program wrote does not read back");
    }
    FUZZ_CHECK(second.number == first.number);
    FUZZ_CHECK(second.investType == first.investType);
    FUZZ_CHECK(second.institution == first.institution);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *begin = reinterpret_cast<const char *>(data);
    checkHistLine(begin, begin + size);
    checkTempDataLine(begin, begin + size);
    return 0;
}
