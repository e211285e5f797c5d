#include "storage/codepage.h"

namespace storage {

namespace {
// 0x80..0x9F of Windows-1252; the five undefined bytes map to the C1 controls,
// as Windows itself maps them, so every byte reads back to itself.
const char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                            0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

QByteArray toCp1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            bytes.append('?'); // one character, even if it takes two code units
            ++i;
            continue;
        }
        if (u == 0 || u == '\r' || u == '\n') {
            bytes.append(' '); // would break the record and its text form
            continue;
        }
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.append(char(u));
            continue;
        }
        char out = '?';
        for (int k = 0; k < 32; ++k) {
            if (kHigh[k] == u) {
                out = char(0x80 + k);
                break;
            }
        }
        bytes.append(out);
    }
    return bytes;
}

QString fromCp1252(const char *data, int size)
{
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (int i = 0; i < size; ++i) {
        const unsigned char b = static_cast<unsigned char>(data[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHigh[b - 0x80]) : QChar(b);
    }
    return text;
}

} // namespace storage
