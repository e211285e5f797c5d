#include "tools/export/csvwriter.h"

#include "storage/textrecords.h"

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

void CsvWriter::integer(long long value)
{
    char digits[24];
    const int length = std::snprintf(digits, sizeof digits, "%lld", value);
    m_out.append(digits, size_t(length));
}

void CsvWriter::isoDate(Date date)
{
    int y = 0, m = 0, d = 0;
    date.toYmd(y, m, d);
    if (y >= 0 && y <= 9999) {
        const char text[10] = {char('0' + y / 1000),
                               char('0' + y / 100 % 10),
                               char('0' + y / 10 % 10),
                               char('0' + y % 10),
                               '-',
                               char('0' + m / 10),
                               char('0' + m % 10),
                               '-',
                               char('0' + d / 10),
                               char('0' + d % 10)};
        m_out.append(text, sizeof text);
        return;
    }
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
    m_out.append(text, size_t(length));
}

void CsvWriter::amount(Currency value)
{
    char text[48];
    m_out.append(text, size_t(value.toPlainChars(text)));
}

void CsvWriter::rate(Single value)
{
    char text[48];
    m_out.append(text, size_t(singleToChars(value, text)));
}

bool CsvWriter::flush()
{
    if (!m_out.empty()) {
        if (m_ok && std::fwrite(m_out.data(), 1, m_out.size(), m_stream) != m_out.size())
            m_ok = false;
        m_out.clear();
    }
    return m_ok;
}
