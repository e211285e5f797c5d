#include "storage/recordspool.h"

#include "core/runtimeerror.h"
#include "storage/fileops.h"

#include <QDir>
#include <QTemporaryFile>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace storage {

RecordSpool::RecordSpool(size_t memoryBudget, const QString &tempFolder)
    : m_budget(std::max<size_t>(memoryBudget, sizeof(Entry))),
      m_tempFolder(tempFolder.isEmpty() ? QDir::tempPath() : tempFolder)
{
}

RecordSpool::~RecordSpool() = default;

RecordSpool::Bucket &RecordSpool::bucket(int investment)
{
    if (investment < 0 || investment > 32767)
        return m_others[investment];
    if (size_t(investment) >= m_byNumber.size())
        m_byNumber.resize(std::max(size_t(investment) + 1, m_byNumber.size() * 2));
    std::unique_ptr<Bucket> &slot = m_byNumber[size_t(investment)];
    if (!slot)
        slot = std::make_unique<Bucket>();
    return *slot;
}

const RecordSpool::Bucket *RecordSpool::find(int investment) const
{
    if (investment < 0 || investment > 32767) {
        const auto it = m_others.find(investment);
        return it == m_others.end() ? nullptr : &it->second;
    }
    return size_t(investment) < m_byNumber.size() ? m_byNumber[size_t(investment)].get() : nullptr;
}

template <typename Each> void RecordSpool::forEachBucket(Each each)
{
    for (auto &[investment, b] : m_others) {
        if (investment < 0)
            each(investment, b);
    }
    for (size_t n = 0; n < m_byNumber.size(); ++n) {
        if (m_byNumber[n])
            each(int(n), *m_byNumber[n]);
    }
    for (auto &[investment, b] : m_others) {
        if (investment > 32767)
            each(investment, b);
    }
}

void RecordSpool::add(const HistFields &line)
{
    append({line.date.serial(), line.original.units(), line.current.units(), line.rate, int(line.investNum)});
}

void RecordSpool::add(const RecordFigures &figures)
{
    append({figures.date.serial(), figures.originalAmount.units(), figures.currentAmount.units(), figures.rate,
            figures.investment});
}

void RecordSpool::append(const Entry &entry)
{
    Bucket &b = bucket(entry.investment);
    b.pending.push_back(entry);
    ++b.records;
    ++m_pendingRecords;
    if (m_pendingRecords * sizeof(Entry) >= m_budget && !m_fileFailed)
        spill();
}

bool RecordSpool::openFile()
{
    if (m_file.isOpen())
        return true;
    const QByteArray folder = QFile::encodeName(m_tempFolder);
#ifdef Q_OS_LINUX
    // A file without a name: nothing is left behind when the process is killed.
    const int fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_EXCL | O_CLOEXEC, PrivateFileMode);
    if (fd >= 0) {
        if (m_file.open(fd, QIODevice::ReadWrite | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
            return true;
        ::close(fd);
    }
#endif
    QTemporaryFile temp(QDir(m_tempFolder).filePath(QStringLiteral("plumbline-spool-XXXXXX")));
    temp.setAutoRemove(false);
    if (!temp.open())
        return false;
    const QString name = temp.fileName();
    temp.close();
    m_file.setFileName(name);
    const bool opened = m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    // Unlinked while open where the system allows it; elsewhere removed at the end.
    QFile::remove(name);
    return opened;
}

void RecordSpool::spill()
{
    if (!openFile()) {
        m_fileFailed = true;
        return;
    }
    bool failed = false;
    forEachBucket([this, &failed](int, Bucket &b) {
        if (failed || b.pending.empty())
            return;
        const qint64 bytes = qint64(b.pending.size() * sizeof(Entry));
        if (!m_file.seek(m_fileSize) ||
            m_file.write(reinterpret_cast<const char *>(b.pending.data()), bytes) != bytes) {
            // A full temporary folder: what is not written stays in memory.
            failed = m_fileFailed = true;
            return;
        }
        b.chunks.push_back({m_fileSize, int(b.pending.size())});
        m_fileSize += bytes;
        m_spilledRecords += qint64(b.pending.size());
        m_pendingRecords -= b.pending.size();
        b.pending.clear();
    });
}

std::vector<int> RecordSpool::investments() const
{
    std::vector<int> numbers;
    const_cast<RecordSpool *>(this)->forEachBucket(
        [&numbers](int investment, Bucket &) { numbers.push_back(investment); });
    return numbers;
}

int RecordSpool::records(int investment) const
{
    const Bucket *b = find(investment);
    return b ? b->records : 0;
}

void RecordSpool::replay(int investment, const std::function<void(const RecordFigures &)> &sink)
{
    const Bucket *found = find(investment);
    if (!found)
        return;
    const Bucket &b = *found;
    Calculation calculation;
    const auto give = [&calculation, &sink](const Entry &e) {
        sink(calculation.add(e.investment, Date(e.date), Currency::fromUnits(e.original),
                             Currency::fromUnits(e.current), e.rate));
    };
    for (const Chunk &chunk : b.chunks) {
        m_readBack.resize(size_t(chunk.count));
        const qint64 bytes = qint64(size_t(chunk.count) * sizeof(Entry));
        if (!m_file.seek(chunk.offset) || m_file.read(reinterpret_cast<char *>(m_readBack.data()), bytes) != bytes)
            throw RuntimeError(RuntimeError::DeviceIOError);
        for (const Entry &e : m_readBack)
            give(e);
    }
    for (const Entry &e : b.pending)
        give(e);
}

} // namespace storage
