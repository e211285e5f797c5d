#pragma once

#include "core/calculation.h"

#include <QString>

#include <cstdio>
#include <string>

// Rows of comma-separated text written straight into a buffer, flushed to a stream in
// large blocks: an export of every investment formats millions of figures.
class CsvWriter
{
public:
    explicit CsvWriter(std::FILE *stream) : m_stream(stream) { m_out.reserve(BlockSize + 4096); }
    ~CsvWriter() { flush(); }
    CsvWriter(const CsvWriter &) = delete;
    CsvWriter &operator=(const CsvWriter &) = delete;

    // One field, quoted only when it must be.
    static std::string field(const QString &text);

    void raw(const char *text, size_t length) { m_out.append(text, length); }
    void raw(const std::string &text) { m_out += text; }
    void comma() { m_out.push_back(','); }
    void integer(long long value);
    void isoDate(Date date);
    void amount(Currency value);
    void rate(Single value);
    void endRow()
    {
        m_out.append("\r\n", 2);
        if (m_out.size() >= BlockSize)
            flush();
    }

    // Drops what is not written yet (after a failure, so no half row goes out).
    void discard() { m_out.clear(); }
    // False once a write to the stream failed.
    bool flush();
    bool ok() const { return m_ok; }

private:
    static constexpr size_t BlockSize = 1 << 20;
    std::FILE *m_stream;
    std::string m_out;
    bool m_ok = true;
};
