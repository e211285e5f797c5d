// The whole sequential reader of the history: any bytes as "PlDataHist.txt" are read
// record by record with the end-of-file test before each read, the way every pass of
// the program reads. Each read either fills the data record or raises a numbered
// reader error, always moves on through the file, and gives exactly what the line
// parser gives for that line; the records read, written back with the program's
// writer, read again to the same values, and that file goes across the rebuild's
// work-file copy byte for byte.
#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "fuzzsupport.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/historyreader.h"
#include "storage/textrecords.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

struct Values
{
    int investNum;
    double date;
    int64_t original;
    int64_t current;
    float rate;
};

Values inHand()
{
    using namespace modPlMainMod;
    return Values{int(intHistInvestNum), dtmRecDate.serial(), curOriginalAmount.units(), curCurrentAmount.units(),
                  sngInflRate};
}

bool isReaderError(int number)
{
    return number == RuntimeError::TypeMismatch || number == RuntimeError::InputPastEndOfFile ||
           number == RuntimeError::Overflow;
}

struct Line
{
    const char *begin;
    const char *end; // without the line end
    size_t length;   // up to the LF
};

std::vector<Line> splitLines(const uint8_t *data, size_t size)
{
    std::vector<Line> lines;
    const char *p = reinterpret_cast<const char *>(data);
    const char *const end = p + size;
    while (p != end) {
        const char *lf = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        const char *stop = lf ? lf : end;
        const char *text = stop;
        if (text != p && text[-1] == '\r')
            --text;
        lines.push_back(Line{p, text, size_t(stop - p)});
        p = lf ? lf + 1 : end;
    }
    return lines;
}

// The line reader of a pass gives what the line parser gives for the same line.
void checkAgainstLineParser(const Line &line, int error)
{
    if (line.length > size_t(storage::MaxLineLength))
        return; // over-long: refused before any parsing
    storage::HistFields fields;
    int parserError = 0;
    try {
        storage::parseHistLine(line.begin, line.end, fields);
    } catch (const RuntimeError &e) {
        parserError = e.number();
    }
    FUZZ_CHECK(parserError == error);
    if (error != 0)
        return;
    const Values read = inHand();
    FUZZ_CHECK(read.investNum == int(fields.investNum));
    FUZZ_CHECK(std::memcmp(&read.date, &fields.date, sizeof read.date) == 0);
    FUZZ_CHECK(read.original == fields.original.units());
    FUZZ_CHECK(read.current == fields.current.units());
    FUZZ_CHECK(std::memcmp(&read.rate, &fields.rate, sizeof read.rate) == 0);
}

// The reader every pass outside the windows owns gives, line for line, what the windows'
// reader gives: the same values, the same error at the same line.
void checkHistoryReader(const QString &path, const std::vector<Values> &values,
                        const std::vector<long long> &errorLines, const std::vector<int> &errors)
{
    try {
        storage::HistoryReader reader(path);
        storage::HistFields fields;
        size_t value = 0, error = 0;
        while (reader.nextLine()) {
            try {
                reader.decode(fields);
            } catch (const storage::HistoryPassError &failure) {
                FUZZ_CHECK(error < errors.size());
                FUZZ_CHECK(failure.line == errorLines[error] && failure.error.number() == errors[error]);
                ++error;
                continue;
            }
            FUZZ_CHECK(value < values.size());
            const Values &v = values[value++];
            FUZZ_CHECK(v.investNum == int(fields.investNum));
            FUZZ_CHECK(std::memcmp(&v.date, &fields.date, sizeof v.date) == 0);
            FUZZ_CHECK(v.original == fields.original.units() && v.current == fields.current.units());
            FUZZ_CHECK(std::memcmp(&v.rate, &fields.rate, sizeof v.rate) == 0);
        }
        FUZZ_CHECK(value == values.size());
    } catch (const storage::HistoryPassError &failure) {
        // An over-long line is refused as the line is read, by both readers.
        FUZZ_CHECK(failure.error.number() == RuntimeError::TypeMismatch);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzsupport::resetAll();
    const QString path = fuzzsupport::writeFile(storage::HistFileName, data, size);
    const QString copyPath = storage::programFile(storage::TempHistFileName);
    std::vector<Values> read;
    std::vector<long long> errorLines;
    std::vector<int> errors;
    bool overLong = false;
    const std::vector<Line> lines = splitLines(data, size);
    try {
        storage::open(2, path, storage::OpenMode::Input);
        storage::open(3, copyPath, storage::OpenMode::Output);
        // Every read takes at least one byte, so a file of n bytes ends within n reads.
        size_t reads = 0;
        long long lastLine = 0;
        while (!storage::eof(2)) {
            FUZZ_CHECK(++reads <= size);
            int error = 0;
            try {
                storage::inputHistRecord(2);
            } catch (const RuntimeError &e) {
                error = e.number();
                FUZZ_CHECK(isReaderError(error));
                // The real passes stop at the first error; reading on checks that a
                // damaged line never leaves the reader stuck on it.
            }
            FUZZ_CHECK(storage::lineNumber(2) > lastLine);
            lastLine = storage::lineNumber(2);
            FUZZ_CHECK(lastLine >= 1 && size_t(lastLine) <= lines.size());
            checkAgainstLineParser(lines[size_t(lastLine - 1)], error);
            if (error != 0) {
                errorLines.push_back(lastLine);
                errors.push_back(error);
                overLong = overLong || lines[size_t(lastLine - 1)].length > size_t(storage::MaxLineLength);
            }
            if (error == 0) {
                read.push_back(inHand());
                storage::writeHistRecord(3);
            }
        }
        storage::close(2);
        storage::close(3);
        if (!overLong)
            checkHistoryReader(path, read, errorLines, errors);

        storage::open(2, copyPath, storage::OpenMode::Input);
        for (const Values &expected : read) {
            FUZZ_CHECK(!storage::eof(2));
            storage::inputHistRecord(2);
            const Values again = inHand();
            FUZZ_CHECK(again.investNum == expected.investNum);
            FUZZ_CHECK(again.date == expected.date);
            FUZZ_CHECK(again.original == expected.original);
            FUZZ_CHECK(again.current == expected.current);
            FUZZ_CHECK(again.rate == expected.rate || std::fabs(double(again.rate) - double(expected.rate)) <=
                                                          std::fabs(double(expected.rate)) * 1e-6);
        }
        FUZZ_CHECK(storage::eof(2));
        storage::close(2);

        // What the program wrote goes across a rebuild's work-file copy unchanged.
        const QString againPath = storage::programFile(storage::SuccesFileName);
        storage::open(3, copyPath, storage::OpenMode::Input);
        storage::open(4, againPath, storage::OpenMode::Output);
        storage::copyHistRecords(3, 4);
        storage::close(3);
        storage::close(4);
        FUZZ_CHECK(fuzzsupport::readFile(storage::SuccesFileName) == fuzzsupport::readFile(storage::TempHistFileName));
    } catch (const RuntimeError &error) {
        std::fprintf(stderr, "unexpected error %d\n", error.number());
        fuzzsupport::fail("the history reader raised an error outside a read");
    }
    return 0;
}
