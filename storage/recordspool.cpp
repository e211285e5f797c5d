#include "storage/recordspool.h"

#include "core/runtimeerror.h"
#include "storage/fileops.h"

#include <QDir>
#include <QTemporaryFile>

#include <type_traits>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace storage {

static_assert(std::is_trivially_copyable_v<RecordFigures>, "records are spooled as their bytes");

RecordSpool::RecordSpool(size_t memoryBudget, const QString &tempFolder)
    : m_budget(std::max<size_t>(memoryBudget, sizeof(RecordFigures))),
      m_tempFolder(tempFolder.isEmpty() ? QDir::tempPath() : tempFolder)
{
}

RecordSpool::~RecordSpool() = default;

RecordSpool::Bucket &RecordSpool::bucket(int investment)
{
    if (!m_last || investment != m_lastInvestment) {
        m_last = &m_buckets[investment];
        m_lastInvestment = investment;
    }
    return *m_last;
}

void RecordSpool::add(const RecordFigures &figures)
{
    Bucket &b = bucket(figures.investment);
    b.pending.push_back(figures);
    ++b.records;
    ++m_pendingRecords;
    if (m_pendingRecords * sizeof(RecordFigures) >= m_budget && !m_fileFailed)
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
    for (auto &[investment, b] : m_buckets) {
        if (b.pending.empty())
            continue;
        const qint64 bytes = qint64(b.pending.size() * sizeof(RecordFigures));
        if (!m_file.seek(m_fileSize) ||
            m_file.write(reinterpret_cast<const char *>(b.pending.data()), bytes) != bytes) {
            // A full temporary folder: what is not written stays in memory.
            m_fileFailed = true;
            return;
        }
        b.chunks.push_back({m_fileSize, int(b.pending.size())});
        m_fileSize += bytes;
        m_spilledRecords += qint64(b.pending.size());
        m_pendingRecords -= b.pending.size();
        b.pending.clear();
        b.pending.shrink_to_fit();
    }
}

std::vector<int> RecordSpool::investments() const
{
    std::vector<int> numbers;
    numbers.reserve(m_buckets.size());
    for (const auto &entry : m_buckets)
        numbers.push_back(entry.first);
    return numbers;
}

int RecordSpool::records(int investment) const
{
    const auto it = m_buckets.find(investment);
    return it == m_buckets.end() ? 0 : it->second.records;
}

void RecordSpool::replay(int investment, const std::function<void(const RecordFigures &)> &sink)
{
    const auto it = m_buckets.find(investment);
    if (it == m_buckets.end())
        return;
    const Bucket &b = it->second;
    for (const Chunk &chunk : b.chunks) {
        m_readBack.resize(size_t(chunk.count));
        const qint64 bytes = qint64(size_t(chunk.count) * sizeof(RecordFigures));
        if (!m_file.seek(chunk.offset) || m_file.read(reinterpret_cast<char *>(m_readBack.data()), bytes) != bytes)
            throw RuntimeError(RuntimeError::DeviceIOError);
        for (const RecordFigures &figures : m_readBack)
            sink(figures);
    }
    for (const RecordFigures &figures : b.pending)
        sink(figures);
}

} // namespace storage
