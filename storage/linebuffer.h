#pragma once

#include <QtGlobal>

#include <cstddef>
#include <vector>

class QIODevice;

namespace storage {

// The lines of a sequential text file through a buffer of its own: the program's CR LF
// lines (a lone LF is taken too), blank lines passed over, a line longer than any the
// program writes reported as damaged. Each reader owns one, so two readers never share a
// position or a buffer.
class LineBuffer
{
public:
    // Large enough that a pass over a long history makes few system calls.
    static constexpr size_t DefaultSize = 256 * 1024;

    explicit LineBuffer(size_t size = DefaultSize);

    // Starts reading `device` from its current position; the device must outlive the reads.
    void attach(QIODevice *device);
    void detach();

    // Whether only blank lines are left; the blank lines before the next line are passed over.
    bool atEnd();
    // The next line without its line end. Raises 62 (Input past end of file) at the end and
    // 13 (Type mismatch) for an over-long line, which is consumed.
    void readLine(const char *&begin, const char *&end);

    // For passes that take whole runs of lines: the unread bytes, their number, and taking
    // `bytes` of them that hold `lines` lines.
    const char *data() const { return m_buffer.data() + m_pos; }
    size_t available() const { return m_len - m_pos; }
    void consume(size_t bytes, long long lines)
    {
        m_pos += bytes;
        m_line += lines;
    }
    // Reads more behind the unread bytes; false at the end of the file.
    bool refill();

    // 1-based number of the line last read.
    long long line() const { return m_line; }
    // Bytes of the device read so far, less those still waiting in the buffer.
    qint64 consumedBytes() const { return m_deviceRead - qint64(m_len - m_pos); }

private:
    QIODevice *m_device = nullptr;
    std::vector<char> m_buffer;
    size_t m_pos = 0;
    size_t m_len = 0;
    bool m_end = false;
    long long m_line = 0;
    qint64 m_deviceRead = 0;
};

} // namespace storage
