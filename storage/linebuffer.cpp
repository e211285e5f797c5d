#include "storage/linebuffer.h"

#include "core/runtimeerror.h"
#include "storage/textrecords.h"

#include <QIODevice>

#include <cstring>

namespace storage {

LineBuffer::LineBuffer(size_t size) : m_buffer(size + size_t(MaxLineLength) + 2) {}

void LineBuffer::attach(QIODevice *device)
{
    m_device = device;
    m_pos = m_len = 0;
    m_end = false;
    m_line = 0;
    m_deviceRead = 0;
}

void LineBuffer::detach()
{
    attach(nullptr);
}

bool LineBuffer::refill()
{
    if (m_end || !m_device)
        return false;
    if (m_pos > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_pos, m_len - m_pos);
        m_len -= m_pos;
        m_pos = 0;
    }
    if (m_len == m_buffer.size())
        return true; // full: the caller deals with an over-long line
    const qint64 got = m_device->read(m_buffer.data() + m_len, qint64(m_buffer.size() - m_len));
    if (got < 0)
        throw RuntimeError(RuntimeError::DeviceIOError);
    if (got == 0) {
        m_end = true;
        return false;
    }
    m_len += size_t(got);
    m_deviceRead += got;
    return true;
}

void LineBuffer::readLine(const char *&begin, const char *&end)
{
    size_t scanned = 0;
    for (;;) {
        const char *start = m_buffer.data() + m_pos;
        const size_t available = m_len - m_pos;
        const void *nl = std::memchr(start + scanned, '\n', available - scanned);
        if (nl) {
            const char *stop = static_cast<const char *>(nl);
            m_pos += size_t(stop - start) + 1;
            ++m_line;
            if (stop - start > MaxLineLength)
                throw RuntimeError(RuntimeError::TypeMismatch);
            begin = start;
            end = stop;
            if (end != begin && end[-1] == '\r')
                --end;
            return;
        }
        scanned = available;
        if (available > size_t(MaxLineLength) + 1) {
            // Over-long line: skip to its end without keeping it.
            m_pos = m_len;
            for (;;) {
                if (!refill())
                    break;
                const void *skip = std::memchr(m_buffer.data(), '\n', m_len);
                if (skip) {
                    m_pos = size_t(static_cast<const char *>(skip) - m_buffer.data()) + 1;
                    break;
                }
                m_pos = m_len;
            }
            ++m_line;
            throw RuntimeError(RuntimeError::TypeMismatch);
        }
        if (!refill()) {
            if (available == 0)
                throw RuntimeError(RuntimeError::InputPastEndOfFile);
            // Last line without a line end.
            begin = m_buffer.data() + m_pos;
            end = begin + available;
            m_pos = m_len;
            ++m_line;
            if (end != begin && end[-1] == '\r')
                --end;
            return;
        }
    }
}

bool LineBuffer::atEnd()
{
    for (;;) {
        size_t i = m_pos;
        while (i < m_len && (m_buffer[i] == ' ' || m_buffer[i] == '\t' || m_buffer[i] == '\r'))
            ++i;
        if (i < m_len) {
            if (m_buffer[i] != '\n')
                return false;
            m_pos = i + 1; // a blank line holds no record
            ++m_line;
            continue;
        }
        if (i - m_pos > size_t(MaxLineLength))
            return false;
        if (!refill())
            return true;
    }
}

} // namespace storage
