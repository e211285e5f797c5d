#include "storage/historyreader.h"

#include "storage/fileops.h"

#include <QDir>

namespace storage {

QString HistoryPassError::message() const
{
    return QStringLiteral("\"%1\", line %2: error %3: %4")
        .arg(QDir::toNativeSeparators(file))
        .arg(line)
        .arg(error.number())
        .arg(error.description());
}

HistoryReader::HistoryReader(const QString &path) : m_path(path)
{
    openForReading(m_file, path);
    adviseSequential(m_file);
    m_size = m_file.size();
    m_lines.attach(&m_file);
}

void HistoryReader::fail(const RuntimeError &error) const
{
    throw HistoryPassError{m_path, m_lines.line(), error};
}

bool HistoryReader::nextLine()
{
    try {
        if (m_lines.atEnd())
            return false;
        m_lines.readLine(m_begin, m_end);
        return true;
    } catch (const RuntimeError &error) {
        m_begin = m_end = nullptr;
        fail(error);
    }
}

bool HistoryReader::quickNumber(int &number) const
{
    // At most five digits: a larger number is out of range, and decoding reports it.
    int value = 0;
    const char *p = m_begin;
    while (p != m_end && p - m_begin < 5 && *p >= '0' && *p <= '9')
        value = value * 10 + (*p++ - '0');
    if (p == m_begin || p == m_end || *p != ',' || value > 32767)
        return false;
    number = value;
    return true;
}

void HistoryReader::decode(HistFields &out)
{
    try {
        m_parser.parse(m_begin, m_end, out);
    } catch (const RuntimeError &error) {
        fail(error);
    }
}

} // namespace storage
