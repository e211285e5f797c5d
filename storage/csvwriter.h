#pragma once

#include "core/calculation.h"

#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

class QIODevice;

// Rows of comma-separated text written straight into a buffer, flushed to a stream or a
// device in large blocks: an export of every investment formats millions of figures.
class CsvWriter
{
public:
    explicit CsvWriter(std::FILE *stream);
    // A file the windows save (storage::SafeSaveFile): a short write counts as a failure.
    explicit CsvWriter(QIODevice *device);
    ~CsvWriter() { flush(); }
    CsvWriter(const CsvWriter &) = delete;
    CsvWriter &operator=(const CsvWriter &) = delete;

    // One field, quoted only when it must be.
    static std::string field(const QString &text);

    void raw(const char *text, size_t length)
    {
        std::memcpy(room(length), text, length);
        m_len += length;
    }
    void raw(const std::string &text) { raw(text.data(), text.size()); }
    void comma()
    {
        *room(1) = ',';
        ++m_len;
    }
    void integer(long long value);
    void isoDate(Date date);
    void amount(Currency value) { m_len += size_t(value.toPlainChars(room(48))); }
    void rate(Single value);
    void endRow()
    {
        raw("\r\n", 2);
        if (m_len >= BlockSize)
            flush();
    }

    // Drops what is not written yet (after a failure, so no half row goes out).
    void discard() { m_len = 0; }
    // False once a write to the stream failed.
    bool flush();
    bool ok() const { return m_ok; }

private:
    static constexpr size_t BlockSize = 1 << 20;

    // Space for `length` more bytes at the end of what is waiting.
    char *room(size_t length)
    {
        if (m_len + length > m_buffer.size())
            grow(length);
        return m_buffer.data() + m_len;
    }
    void grow(size_t length);

    // Rates repeat: each one's text is worked out once.
    struct RateText
    {
        uint32_t bits = 0;
        uint8_t length = 0; // 0: empty slot
        char text[23] = {};
    };

    std::FILE *m_stream = nullptr;
    QIODevice *m_device = nullptr;
    std::vector<char> m_buffer;
    size_t m_len = 0;
    bool m_ok = true;
    std::array<RateText, 256> m_rates;
};
