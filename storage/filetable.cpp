#include "storage/filetable.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "storage/channel.h"
#include "storage/codepage.h"
#include "storage/faults.h"
#include "storage/fileops.h"
#include "storage/linebuffer.h"
#include "storage/textrecords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <string>

namespace storage {

using detail::Channel;
using detail::kBufferSize;

namespace {

Channel channels[MaxFileNumber + 1];

Channel &channel(int number)
{
    if (number < 1 || number > MaxFileNumber)
        throw RuntimeError(RuntimeError::BadFileNameOrNumber);
    return channels[number];
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

void writeText(Channel &c, const std::string &line)
{
    if (c.mode != OpenMode::Output && c.mode != OpenMode::Append)
        throw RuntimeError(RuntimeError::BadFileMode);
    c.out += line;
    if (c.out.size() >= kBufferSize)
        flushOut(c);
}

} // namespace

namespace detail {

Channel &openChannel(int number)
{
    Channel &c = channel(number);
    if (!c.open)
        throw RuntimeError(RuntimeError::BadFileNameOrNumber);
    return c;
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

void readLine(Channel &c, const char *&begin, const char *&end)
{
    if (c.mode != OpenMode::Input)
        throw RuntimeError(RuntimeError::BadFileMode);
    c.in->readLine(begin, end);
}

bool isBlankLineAhead(Channel &c)
{
    return c.in->atEnd();
}

} // namespace detail

using detail::flushOut;
using detail::isBlankLineAhead;
using detail::openChannel;
using detail::readLine;

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
