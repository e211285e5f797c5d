#include "storage/csvwriter.h"

#include "storage/textrecords.h"

#include <QIODevice>

CsvWriter::CsvWriter(std::FILE *stream) : m_stream(stream), m_buffer(BlockSize + 64 * 1024) {}

CsvWriter::CsvWriter(QIODevice *device) : m_device(device), m_buffer(BlockSize + 64 * 1024) {}

std::string CsvWriter::field(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\r') && !bytes.contains('\n'))
        return bytes.toStdString();
    std::string quoted = "\"";
    for (const char c : bytes) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void CsvWriter::grow(size_t length)
{
    m_buffer.resize(std::max(m_buffer.size() * 2, m_len + length));
}

void CsvWriter::integer(long long value)
{
    char digits[24];
    char *p = digits + sizeof digits;
    unsigned long long magnitude = value < 0 ? 0ull - (unsigned long long)value : (unsigned long long)value;
    do {
        *--p = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--p = '-';
    raw(p, size_t(digits + sizeof digits - p));
}

void CsvWriter::isoDate(Date date)
{
    int y = 0, m = 0, d = 0;
    date.toYmd(y, m, d);
    if (y >= 0 && y <= 9999) {
        char *p = room(10);
        p[0] = char('0' + y / 1000);
        p[1] = char('0' + y / 100 % 10);
        p[2] = char('0' + y / 10 % 10);
        p[3] = char('0' + y % 10);
        p[4] = '-';
        p[5] = char('0' + m / 10);
        p[6] = char('0' + m % 10);
        p[7] = '-';
        p[8] = char('0' + d / 10);
        p[9] = char('0' + d % 10);
        m_len += 10;
        return;
    }
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
    raw(text, size_t(length));
}

void CsvWriter::rate(Single value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    RateText &slot = m_rates[(bits * 2654435761u) >> 24];
    if (slot.length == 0 || slot.bits != bits) {
        char text[48];
        const int length = singleToChars(value, text);
        if (length >= int(sizeof slot.text)) {
            raw(text, size_t(length));
            return;
        }
        slot.bits = bits;
        slot.length = uint8_t(length);
        std::memcpy(slot.text, text, size_t(length));
    }
    raw(slot.text, slot.length);
}

bool CsvWriter::flush()
{
    if (m_len > 0) {
        if (m_ok && m_stream && std::fwrite(m_buffer.data(), 1, m_len, m_stream) != m_len)
            m_ok = false;
        if (m_ok && m_device && m_device->write(m_buffer.data(), qint64(m_len)) != qint64(m_len))
            m_ok = false;
        m_len = 0;
    }
    return m_ok;
}
