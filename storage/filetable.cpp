#include "storage/filetable.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "storage/codepage.h"
#include "storage/faults.h"
#include "storage/fileops.h"
#include "storage/linebuffer.h"
#include "storage/textrecords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace storage {

namespace {

// Large enough that a pass over a long history makes few system calls.
constexpr size_t kBufferSize = 256 * 1024;

struct Channel
{
    bool open = false;
    OpenMode mode = OpenMode::Input;
    QString path;
    QString tempPath; // set while a replacing file is written
    std::unique_ptr<QFile> file;
    std::unique_ptr<LineBuffer> in;         // Input only
    std::unique_ptr<HistLineParser> parser; // Input only
    std::string out;
};

Channel channels[MaxFileNumber + 1];

Channel &channel(int number)
{
    if (number < 1 || number > MaxFileNumber)
        throw RuntimeError(RuntimeError::BadFileNameOrNumber);
    return channels[number];
}

Channel &openChannel(int number)
{
    Channel &c = channel(number);
    if (!c.open)
        throw RuntimeError(RuntimeError::BadFileNameOrNumber);
    return c;
}

[[noreturn]] void raiseOpenError(const QFile &file, const QString &path, bool mustExist)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw RuntimeError(RuntimeError::PathNotFound);
    if (mustExist && !info.exists())
        throw RuntimeError(RuntimeError::FileNotFound);
    if (file.error() == QFileDevice::OpenError && !info.exists() && !mustExist)
        throw RuntimeError(RuntimeError::PathFileAccessError);
    throw RuntimeError(RuntimeError::PathFileAccessError);
}

void flushOut(Channel &c)
{
    if (c.out.empty())
        return;
    try {
        writeAll(*c.file, c.out.data(), qint64(c.out.size()));
    } catch (...) {
        c.out.clear();
        throw;
    }
    c.out.clear();
}

void writeText(Channel &c, const std::string &line)
{
    if (c.mode != OpenMode::Output && c.mode != OpenMode::Append)
        throw RuntimeError(RuntimeError::BadFileMode);
    c.out += line;
    if (c.out.size() >= kBufferSize)
        flushOut(c);
}

// Next line of a sequential input file, without its line end.
void readLine(Channel &c, const char *&begin, const char *&end)
{
    if (c.mode != OpenMode::Input)
        throw RuntimeError(RuntimeError::BadFileMode);
    c.in->readLine(begin, end);
}

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

bool isBlankLineAhead(Channel &c)
{
    return c.in->atEnd();
}

} // namespace

void open(int number, const QString &path, OpenMode mode, bool replace)
{
    Channel &c = channel(number);
    if (c.open)
        throw RuntimeError(RuntimeError::FileAlreadyOpen);

    auto file = std::make_unique<QFile>();
    QString target = path;
    QString tempPath;
    if (replace && (mode == OpenMode::Output || mode == OpenMode::Random)) {
        // A link is rewritten at its target; a file the user may not write is not replaced.
        target = rewriteTarget(path);
        tempPath = createSiblingTemp(target, *file);
        try {
            takeAttributesOf(*file, target);
        } catch (...) {
            file->close();
            QFile::remove(tempPath);
            throw;
        }
    } else if (mode == OpenMode::Output) {
        // A work file starts empty and new: never one a link points at.
        createFresh(path, *file, QIODevice::WriteOnly | QIODevice::Unbuffered);
    } else if (mode == OpenMode::Input || mode == OpenMode::RandomReadOnly) {
        // A pipe or a device where a file belongs is refused at once instead of waited on.
        openForReading(*file, path);
    } else {
        faults::check(faults::Step::Open);
        QIODevice::OpenMode qtMode = QIODevice::Unbuffered;
        switch (mode) {
        case OpenMode::Input:
        case OpenMode::RandomReadOnly:
            qtMode |= QIODevice::ReadOnly;
            break;
        case OpenMode::Append:
            qtMode |= QIODevice::WriteOnly | QIODevice::Append;
            break;
        case OpenMode::Output:
        case OpenMode::Random:
            qtMode |= QIODevice::ReadWrite;
            break;
        }
        refuseSpecialFile(path);
        const bool created = !identityOf(path).exists;
        file->setFileName(path);
        if (QFileInfo(path).isDir() || !file->open(qtMode))
            raiseOpenError(*file, path, mode == OpenMode::Input || mode == OpenMode::RandomReadOnly);
        if (created)
            file->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    c = Channel();
    c.open = true;
    c.mode = mode;
    c.path = target;
    c.tempPath = tempPath;
    c.file = std::move(file);
    if (mode == OpenMode::Input) {
        adviseSequential(*c.file);
        c.in = std::make_unique<LineBuffer>();
        c.in->attach(c.file.get());
        c.parser = std::make_unique<HistLineParser>();
    } else if (mode != OpenMode::Random && mode != OpenMode::RandomReadOnly)
        c.out.reserve(kBufferSize + 256);
}

void close(int number)
{
    Channel &c = channel(number);
    if (!c.open)
        return;
    try {
        flushOut(c);
        if (!c.tempPath.isEmpty()) {
            syncToDisk(*c.file);
            c.file->close();
            atomicRename(c.tempPath, c.path);
            c.tempPath.clear();
        }
    } catch (...) {
        discard(number);
        throw;
    }
    c = Channel();
}

StagedFile closeStaged(int number)
{
    Channel &c = channel(number);
    if (!c.open || c.tempPath.isEmpty())
        throw RuntimeError(RuntimeError::BadFileNameOrNumber);
    StagedFile staged{c.tempPath, c.path};
    try {
        flushOut(c);
        syncToDisk(*c.file);
        c.file->close();
    } catch (...) {
        discard(number);
        throw;
    }
    c = Channel();
    return staged;
}

void discard(int number)
{
    Channel &c = channel(number);
    if (!c.open)
        return;
    c.file->close();
    if (!c.tempPath.isEmpty())
        QFile::remove(c.tempPath);
    c = Channel();
}

void discardAll()
{
    for (int n = 1; n <= MaxFileNumber; ++n)
        discard(n);
}

void limitPermissionsTo(int number, const QString &source)
{
    narrowAttributesTo(*openChannel(number).file, source);
}

bool isOpen(int number)
{
    return channel(number).open;
}

bool eof(int number)
{
    Channel &c = openChannel(number);
    if (c.mode == OpenMode::Input)
        return isBlankLineAhead(c);
    if (c.mode == OpenMode::Random || c.mode == OpenMode::RandomReadOnly)
        return c.file->pos() >= c.file->size();
    return true;
}

long long lof(int number)
{
    Channel &c = openChannel(number);
    return c.file->size() + static_cast<long long>(c.out.size());
}

namespace {

// All or nothing: a record cut short by a full disk would count as one more investment,
// so the file gets back its old length and bytes before the error is raised.
void putBytes(Channel &c, long long position, const char *bytes, qint64 size)
{
    const qint64 offset = (position - 1) * InvestRecordLength;
    const qint64 oldSize = c.file->size();
    QByteArray oldBytes;
    if (offset < oldSize && c.file->seek(offset))
        oldBytes = c.file->read(qMin<qint64>(size, oldSize - offset));
    if (!c.file->seek(offset))
        throw RuntimeError(RuntimeError::DiskFull);
    try {
        writeAll(*c.file, bytes, size);
    } catch (...) {
        if (!oldBytes.isEmpty() && c.file->seek(offset))
            c.file->write(oldBytes);
        if (c.file->size() != oldSize)
            c.file->resize(oldSize);
        throw;
    }
}

} // namespace

bool getRecord(int number, long long position, InvestRecord &record)
{
    Channel &c = openChannel(number);
    if (c.mode != OpenMode::Random && c.mode != OpenMode::RandomReadOnly)
        throw RuntimeError(RuntimeError::BadFileMode);
    if (position < 1)
        throw RuntimeError(RuntimeError::BadRecordNumber);
    char bytes[InvestRecordLength];
    qint64 got = 0;
    if (c.file->seek((position - 1) * InvestRecordLength))
        got = c.file->read(bytes, InvestRecordLength);
    if (got < 0)
        throw RuntimeError(RuntimeError::DeviceIOError);

    return decodeInvestRecord(bytes, got, record);
}

void putRecord(int number, long long position, const InvestRecord &record)
{
    Channel &c = openChannel(number);
    if (c.mode != OpenMode::Random)
        throw RuntimeError(RuntimeError::BadFileMode);
    if (position < 1)
        throw RuntimeError(RuntimeError::BadRecordNumber);
    char bytes[InvestRecordLength];
    encodeInvestRecord(record, bytes);
    putBytes(c, position, bytes, InvestRecordLength);
}

void putRawRecord(int number, long long position, const QByteArray &bytes)
{
    Channel &c = openChannel(number);
    if (c.mode != OpenMode::Random)
        throw RuntimeError(RuntimeError::BadFileMode);
    if (position < 1 || bytes.size() > InvestRecordLength)
        throw RuntimeError(RuntimeError::BadRecordNumber);
    putBytes(c, position, bytes.constData(), bytes.size());
    // A cut-off record is the last one: the file ends with it.
    const qint64 end = (position - 1) * InvestRecordLength + bytes.size();
    if (bytes.size() < InvestRecordLength && c.file->size() > end && !c.file->resize(end))
        throw RuntimeError(RuntimeError::DeviceIOError);
}

namespace {

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

void inputTempDataRecord(int number)
{
    Channel &c = openChannel(number);
    const char *begin = nullptr, *end = nullptr;
    readLine(c, begin, end);
    TempDataFields fields;
    parseTempDataLine(begin, end, fields);
    using namespace modPlMainMod;
    intTempRecNum = fields.number;
    strInvestType = fields.investType;
    strInstitution = fields.institution;
}

void writeTempDataRecord(int number)
{
    Channel &c = openChannel(number);
    using namespace modPlMainMod;
    TempDataFields fields{intTempRecNum, strInvestType, strInstitution};
    std::string line;
    formatTempDataLine(fields, line);
    writeText(c, line);
}

long long lineNumber(int number)
{
    const Channel &c = channel(number);
    return c.in ? c.in->line() : 0;
}

void kill(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        throw RuntimeError(info.absoluteDir().exists() ? RuntimeError::FileNotFound : RuntimeError::PathNotFound);
    if (!QFile::remove(path))
        throw RuntimeError(RuntimeError::PathFileAccessError);
}

void replaceFile(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadWrite))
        throw RuntimeError(QFileInfo::exists(from) ? RuntimeError::PathFileAccessError : RuntimeError::FileNotFound);
    syncToDisk(source);
    source.close();
    atomicRename(from, to);
}

bool fileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

} // namespace storage
