// The history passes of the file-number table: lines read and written through the shared
// data record variables, and the bulk copies that move lines in the writer's own form.
#include "storage/filetable.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "storage/channel.h"
#include "storage/fileops.h"
#include "storage/textrecords.h"

#include <cstring>
#include <string>

namespace storage {

using detail::Channel;
using detail::flushOut;
using detail::isBlankLineAhead;
using detail::kBufferSize;
using detail::openChannel;
using detail::readLine;

namespace {

// ---- History lines in the writer's own form ---------------------------------------
// Passes copy most lines unchanged from one file to another: when the values written
// are those of the line just read in the writer's own form, its bytes are put out
// again instead of formatting the values anew, and they are the same bytes.

struct LastHistLine
{
    bool valid = false;
    HistFields fields;
    int numberLength = 0; // length of the investment number, up to the first comma
    int length = 0;
    char text[64];
};

LastHistLine g_lastHistLine;

bool sameBits(Single a, Single b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Keeps the bytes of the line just read into `fields` of the last line.
void rememberHistLine(const char *begin, const char *end, int numberLength)
{
    LastHistLine &last = g_lastHistLine;
    last.valid = false;
    if (end - begin > long(sizeof last.text))
        return;
    last.numberLength = numberLength;
    last.length = int(end - begin);
    std::memcpy(last.text, begin, size_t(last.length));
    last.valid = true;
}

// Writes the values as the line just read when they are its values (the investment
// number may differ: it is then written anew before the rest of the line).
bool writeRememberedHistLine(const HistFields &fields, std::string &out)
{
    const LastHistLine &last = g_lastHistLine;
    if (!last.valid || fields.date != last.fields.date || fields.original != last.fields.original ||
        fields.current != last.fields.current || !sameBits(fields.rate, last.fields.rate))
        return false;
    if (fields.investNum.value() == last.fields.investNum.value()) {
        out.append(last.text, size_t(last.length));
    } else {
        appendInteger(fields.investNum, out);
        out.append(last.text + last.numberLength, size_t(last.length - last.numberLength));
    }
    out.append("\r\n", 2);
    return true;
}

// Puts the fields of a history line into the shared data record variables.
void decodeHistLine(HistLineParser &parser, const char *begin, const char *end)
{
    using namespace modPlMainMod;
    LastHistLine &last = g_lastHistLine;
    last.valid = false;
    int numberLength = 0;
    HistFields parsed;
    const bool written = parser.parseWritten(begin, end, last.fields, numberLength);
    if (!written)
        parseHistLine(begin, end, parsed);
    const HistFields &fields = written ? last.fields : parsed;
    intHistInvestNum = fields.investNum;
    dtmRecDate = fields.date;
    curOriginalAmount = fields.original;
    curCurrentAmount = fields.current;
    sngInflRate = fields.rate;
    if (written)
        rememberHistLine(begin, end, numberLength);
}

} // namespace

void inputHistRecord(int number)
{
    inputHistRecordIf(number, nullptr);
}

bool inputHistRecordIf(int number, const std::function<bool(int)> &wanted)
{
    Channel &c = openChannel(number);
    g_lastHistLine.valid = false;
    const char *begin = nullptr, *end = nullptr;
    readLine(c, begin, end);
    if (wanted) {
        // At most five digits: a larger number is out of range, and decoding reports it.
        int investment = 0;
        const char *p = begin;
        while (p != end && p - begin < 5 && *p >= '0' && *p <= '9')
            investment = investment * 10 + (*p++ - '0');
        if (p != begin && p != end && *p == ',' && investment <= 32767 && !wanted(investment))
            return false;
    }
    decodeHistLine(*c.parser, begin, end);
    return true;
}

namespace {

// A copy reads a sequential input and writes a sequential output.
void checkCopyModes(const Channel &in, const Channel &out)
{
    if (out.mode != OpenMode::Output && out.mode != OpenMode::Append)
        throw RuntimeError(RuntimeError::BadFileMode);
    if (in.mode != OpenMode::Input)
        throw RuntimeError(RuntimeError::BadFileMode);
}

} // namespace

void copyHistRecords(int from, int to)
{
    Channel &in = openChannel(from);
    Channel &out = openChannel(to);
    checkCopyModes(in, out);
    g_lastHistLine.valid = false;
    std::string last;
    while (!isBlankLineAhead(in)) {
        // The lines in the buffer that end in CR LF and start with no blank go across
        // in one piece; anything else, one line at a time as a line-by-line copy would.
        const char *const start = in.in->data();
        const char *const stop = start + in.in->available();
        const char *p = start;
        const char *lastBegin = nullptr;
        long long lines = 0;
        while (p != stop && *p != ' ' && *p != '\t' && *p != '\r' && *p != '\n') {
            const char *nl = static_cast<const char *>(std::memchr(p, '\n', size_t(stop - p)));
            if (!nl || nl[-1] != '\r' || nl - p > MaxLineLength)
                break;
            lastBegin = p;
            p = nl + 1;
            ++lines;
        }
        if (lines > 0) {
            // Written straight from the input buffer: no copy of the bytes in between.
            flushOut(out);
            writeAll(*out.file, start, qint64(p - start));
            last.assign(lastBegin, size_t(p - 2 - lastBegin));
            in.in->consume(size_t(p - start), lines);
        } else {
            const char *begin = nullptr, *end = nullptr;
            readLine(in, begin, end);
            out.out.append(begin, size_t(end - begin));
            out.out.append("\r\n", 2);
            last.assign(begin, size_t(end - begin));
        }
        if (out.out.size() >= kBufferSize)
            flushOut(out);
    }
    if (!last.empty())
        decodeHistLine(*in.parser, last.data(), last.data() + last.size());
}

namespace {

// What a bulk pass does with a line in the writer's own form of investment `number`.
enum class LineAction { Copy, Renumber, Drop, Stop };

// Lines of `from` onto `to` as a loop of inputHistRecord and writeHistRecord would put
// them, without the loop's cost per line: every line is still decoded and checked, and
// one kept under its own number goes out as the very bytes it was read from. Stops at a
// line `action` says to stop at, the end, or a line not in the form written (left to the
// line-by-line reader, which reads or reports it). The last line read is left in the
// shared variables, its number as written out.
template <typename Action> void passWrittenLines(int from, int to, Action action)
{
    Channel &in = openChannel(from);
    Channel &out = openChannel(to);
    checkCopyModes(in, out);
    bool taken = false;
    int lastNumber = 0;
    for (;;) {
        const char *const start = in.in->data();
        const char *const stop = start + in.in->available();
        const char *p = start;
        const char *run = start; // start of the lines still to go out unchanged
        const char *lastBegin = nullptr;
        const char *lastEnd = nullptr;
        int lastNumberLength = 0;
        HistFields fields, lastFields;
        long long lines = 0;
        bool stopped = false;
        while (p != stop) {
            const char *nl = static_cast<const char *>(std::memchr(p, '\n', size_t(stop - p)));
            if (!nl)
                break;
            int numberLength = 0;
            LineAction what = LineAction::Stop;
            if (nl != p && nl[-1] == '\r' && nl - p <= MaxLineLength &&
                in.parser->parseWritten(p, nl - 1, fields, numberLength))
                what = action(fields.investNum.value());
            if (what == LineAction::Stop) {
                stopped = true;
                break;
            }
            if (what != LineAction::Copy) {
                out.out.append(run, size_t(p - run));
                if (what == LineAction::Renumber) {
                    appendInteger(fields.investNum.value() - 1, out.out);
                    out.out.append(p + numberLength, size_t(nl + 1 - (p + numberLength)));
                }
                run = nl + 1;
            }
            lastBegin = p;
            lastEnd = nl - 1;
            lastNumberLength = numberLength;
            lastFields = fields;
            lastNumber = fields.investNum.value() - (what == LineAction::Renumber ? 1 : 0);
            p = nl + 1;
            ++lines;
        }
        if (lines > 0) {
            out.out.append(run, size_t(p - run));
            in.in->consume(size_t(p - start), lines);
            rememberHistLine(lastBegin, lastEnd, lastNumberLength);
            g_lastHistLine.fields = lastFields;
            taken = true;
            if (out.out.size() >= kBufferSize)
                flushOut(out);
        }
        if (stopped)
            break;
        const size_t waiting = in.in->available();
        if (!in.in->refill() || in.in->available() == waiting)
            break;
    }
    if (taken) {
        using namespace modPlMainMod;
        const HistFields &last = g_lastHistLine.fields;
        intHistInvestNum = lastNumber;
        dtmRecDate = last.date;
        curOriginalAmount = last.original;
        curCurrentAmount = last.current;
        sngInflRate = last.rate;
    }
}

} // namespace

void copyOtherInvestments(int from, int to, int investNum)
{
    passWrittenLines(from, to,
                     [investNum](int number) { return number == investNum ? LineAction::Stop : LineAction::Copy; });
}

void copyWithoutInvestment(int from, int to, int investNum)
{
    passWrittenLines(from, to, [investNum](int number) {
        return number == investNum ? LineAction::Drop : number > investNum ? LineAction::Renumber : LineAction::Copy;
    });
}

void writeHistRecord(int number)
{
    Channel &c = openChannel(number);
    if (c.mode != OpenMode::Output && c.mode != OpenMode::Append)
        throw RuntimeError(RuntimeError::BadFileMode);
    using namespace modPlMainMod;
    HistFields fields;
    fields.investNum = intHistInvestNum;
    fields.date = dtmRecDate;
    fields.original = curOriginalAmount;
    fields.current = curCurrentAmount;
    fields.rate = sngInflRate;
    if (!writeRememberedHistLine(fields, c.out))
        formatHistLine(fields, c.out);
    if (c.out.size() >= kBufferSize)
        flushOut(c);
}

} // namespace storage
