#include "core/priceindexcsv.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QHash>

#include <cmath>
#include <vector>

// The file is read as bytes, one line at a time, with hand-written matching: every line
// costs time in proportion to its length, however many lines of notes a download carries.

namespace {

const char *const MonthNames[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n';
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

// The lines of the file: LF, CR LF and a lone CR (old Mac files) each end one.
class Lines
{
public:
    explicit Lines(QByteArrayView bytes) : m_bytes(bytes) {}

    bool next(QByteArrayView &line)
    {
        if (m_pos >= m_bytes.size())
            return false;
        const char *begin = m_bytes.data() + m_pos;
        const char *end = m_bytes.data() + m_bytes.size();
        const char *p = begin;
        while (p < end && *p != '\n' && *p != '\r')
            ++p;
        line = QByteArrayView(begin, p - begin);
        if (p < end && *p == '\r' && p + 1 < end && p[1] == '\n')
            ++p;
        m_pos = (p - m_bytes.data()) + 1;
        ++m_number;
        return true;
    }
    int number() const { return m_number; }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    int m_number = 0;
};

// One line's fields; double quotes group a field and "" inside them is one quote.
void splitFields(QByteArrayView line, char separator, std::vector<QByteArray> &fields)
{
    fields.clear();
    fields.emplace_back();
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (quoted) {
            if (c == '"') {
                if (i + 1 < line.size() && line.at(i + 1) == '"') {
                    fields.back() += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
}

enum class PeriodForm { Month, OtherPeriod, NotAPeriod, BadMonth };

// A run of 1 to `most` digits at `pos`; its value, and `pos` moved past it.
bool readDigits(QByteArrayView text, qsizetype &pos, int most, int &value)
{
    value = 0;
    const qsizetype start = pos;
    while (pos < text.size() && pos - start < most && isDigit(text.at(pos)))
        value = value * 10 + (text.at(pos++) - '0');
    return pos > start && (pos >= text.size() || !isDigit(text.at(pos)));
}

// Which kind of row the first field makes: a month (YYYY-MM, YYYY-MM-DD, "YYYY MON"), a
// year or quarter of the ONS download ("YYYY", "YYYY Q1"), or none.
PeriodForm readPeriod(QByteArrayView text, int &key)
{
    qsizetype pos = 0;
    int year = 0;
    if (text.size() < 4 || !readDigits(text, pos, 4, year) || pos != 4)
        return PeriodForm::NotAPeriod;
    if (pos == text.size())
        return PeriodForm::OtherPeriod;
    const QByteArrayView rest = text.sliced(4);
    if (rest.at(0) == '-') {
        int month = 0;
        int day = 1;
        pos = 5;
        if (!readDigits(text, pos, 2, month))
            return PeriodForm::NotAPeriod;
        if (pos < text.size()) {
            if (text.at(pos) != '-')
                return PeriodForm::NotAPeriod;
            ++pos;
            if (!readDigits(text, pos, 2, day) || pos != text.size())
                return PeriodForm::NotAPeriod;
        }
        if (month < 1 || month > 12 || !QDate::isValid(year, month, day))
            return PeriodForm::BadMonth;
        key = PriceIndex::monthKey(year, month);
        return PeriodForm::Month;
    }
    if (rest.size() == 3 && rest.at(0) == ' ' && (rest.at(1) == 'Q' || rest.at(1) == 'q') && rest.at(2) >= '1' &&
        rest.at(2) <= '4')
        return PeriodForm::OtherPeriod;
    if (rest.size() == 4 && rest.at(0) == ' ') {
        char name[3];
        for (int i = 0; i < 3; ++i) {
            const char c = rest.at(i + 1);
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
                return PeriodForm::NotAPeriod;
            name[i] = char(c & ~0x20);
        }
        for (int month = 0; month < 12; ++month) {
            if (QByteArrayView(name, 3) == QByteArrayView(MonthNames[month], 3)) {
                key = PriceIndex::monthKey(year, month + 1);
                return PeriodForm::Month;
            }
        }
        return PeriodForm::BadMonth;
    }
    return PeriodForm::NotAPeriod;
}

// The first field as far as the first separator of either kind or quote, after blanks and
// one opening quote: enough to tell whether the line is a month's row.
QByteArrayView headOf(QByteArrayView line)
{
    qsizetype begin = 0;
    while (begin < line.size() && isBlank(line.at(begin)))
        ++begin;
    if (begin < line.size() && line.at(begin) == '"')
        ++begin;
    qsizetype end = begin;
    while (end < line.size() && line.at(end) != ',' && line.at(end) != ';' && line.at(end) != '"')
        ++end;
    return trimmed(line.sliced(begin, end - begin));
}

// A number with `decimal` as its decimal mark and, when `group` is not 0, that mark between
// groups of three digits before it: "1.234,5" (',' and '.'), "308.417" ('.' and none).
// Also a sign and an exponent: "-1.5e3".
bool readNumber(QByteArrayView text, char decimal, char group, double &out)
{
    QByteArray plain;
    plain.reserve(text.size());
    qsizetype pos = 0;
    if (pos < text.size() && (text.at(pos) == '-' || text.at(pos) == '+'))
        plain += text.at(pos++);
    // The whole part: plain digits, or 1 to 3 digits and then groups of exactly three.
    qsizetype run = 0;
    bool grouped = false;
    qsizetype wholeDigits = 0;
    while (pos < text.size()) {
        const char c = text.at(pos);
        if (isDigit(c)) {
            plain += c;
            ++run;
            ++wholeDigits;
        } else if (group != 0 && c == group) {
            if (run == 0 || run > 3 || (grouped && run != 3))
                return false;
            grouped = true;
            run = 0;
        } else {
            break;
        }
        ++pos;
    }
    if (grouped && run != 3)
        return false;
    qsizetype fractionDigits = 0;
    if (pos < text.size() && text.at(pos) == decimal) {
        plain += '.';
        ++pos;
        while (pos < text.size() && isDigit(text.at(pos))) {
            plain += text.at(pos++);
            ++fractionDigits;
        }
    }
    if (wholeDigits + fractionDigits == 0)
        return false;
    if (pos < text.size() && (text.at(pos) == 'e' || text.at(pos) == 'E')) {
        plain += 'e';
        ++pos;
        if (pos < text.size() && (text.at(pos) == '-' || text.at(pos) == '+'))
            plain += text.at(pos++);
        const qsizetype start = pos;
        while (pos < text.size() && isDigit(text.at(pos)))
            plain += text.at(pos++);
        if (pos == start)
            return false;
    }
    if (pos != text.size())
        return false;
    bool ok = false;
    out = plain.toDouble(&ok);
    return ok && std::isfinite(out);
}

QString shown(QByteArrayView text)
{
    return visibleText(QString::fromUtf8(text));
}

struct Row
{
    int line = 0;
    int key = 0;
    QByteArray value;
};

} // namespace

bool readPriceIndexCsv(const QByteArray &bytes, PriceIndex &out, QString &error)
{
    out.kind = PriceIndex::Kind::Monthly;
    out.values.clear();
    if (bytes.size() > MaxPriceIndexCsvBytes) {
        error =
            QCoreApplication::translate("PriceIndex", "The file is too large to be a price index (more than %1 MB).")
                .arg(MaxPriceIndexCsvBytes / (1024 * 1024));
        return false;
    }
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);

    // The separator is the one the first row with a month in it uses: "2024-01;308,417"
    // is a semicolon file, "2024-01,308.417" a comma file.
    char separator = ',';
    {
        Lines lines(text);
        QByteArrayView line;
        int key = 0;
        while (lines.next(line)) {
            if (readPeriod(headOf(line), key) == PeriodForm::Month) {
                if (line.contains(';'))
                    separator = ';';
                break;
            }
        }
    }

    // The rows with a month, up to the first line that is refused for its form.
    std::vector<Row> rows;
    int refusedLine = 0;
    QString refusal;
    {
        Lines lines(text);
        QByteArrayView line;
        std::vector<QByteArray> fields;
        qsizetype dateColumn = 0;
        qsizetype valueColumn = 1;
        bool dataBegun = false;
        while (refusedLine == 0 && lines.next(line)) {
            const int lineNo = lines.number();
            splitFields(line, separator, fields);
            if (fields.size() == 1 && trimmed(fields.front()).isEmpty())
                continue;
            if (!dataBegun) {
                // Statistics Canada names its columns; the month and value can be anywhere.
                qsizetype refDate = -1;
                qsizetype value = -1;
                for (std::size_t i = 0; i < fields.size(); ++i) {
                    if (fields[i] == "REF_DATE" && refDate < 0)
                        refDate = qsizetype(i);
                    else if (fields[i] == "VALUE" && value < 0)
                        value = qsizetype(i);
                }
                if (refDate >= 0 && value >= 0) {
                    dateColumn = refDate;
                    valueColumn = value;
                    continue;
                }
            }
            const QByteArrayView dateText =
                dateColumn < qsizetype(fields.size()) ? trimmed(fields[std::size_t(dateColumn)]) : QByteArrayView();
            int key = 0;
            const PeriodForm form = readPeriod(dateText, key);
            if (form == PeriodForm::OtherPeriod)
                continue; // the ONS download's years and quarters
            if (form == PeriodForm::NotAPeriod) {
                // Headers, metadata and notes are words; a row that starts like a date but is
                // none would be silently lost.
                if (!dateText.isEmpty() && isDigit(dateText.at(0))) {
                    refusedLine = lineNo;
                    refusal = QCoreApplication::translate(
                                  "PriceIndex", "Line %1: the date \"%2\" is not in the form YYYY-MM or YYYY-MM-DD.")
                                  .arg(lineNo)
                                  .arg(shown(dateText));
                }
                continue;
            }
            if (form == PeriodForm::BadMonth) {
                refusedLine = lineNo;
                refusal = QCoreApplication::translate("PriceIndex", "Line %1: \"%2\" is not a valid date.")
                              .arg(lineNo)
                              .arg(shown(dateText));
                continue;
            }
            dataBegun = true;
            if (qsizetype(fields.size()) <= valueColumn) {
                refusedLine = lineNo;
                refusal =
                    QCoreApplication::translate("PriceIndex", "Line %1: there is no value after the date.").arg(lineNo);
                continue;
            }
            rows.push_back(Row{lineNo, key, trimmed(fields[std::size_t(valueColumn)]).toByteArray()});
        }
    }

    // A semicolon file whose values hold a comma writes "1.234,5": the comma is the decimal
    // mark and points part the thousands. Without a comma anywhere, a point is the decimal mark.
    char decimal = '.';
    char group = 0;
    if (separator == ';') {
        for (const Row &row : rows) {
            if (row.value.contains(',')) {
                decimal = ',';
                group = '.';
                break;
            }
        }
    }

    QHash<int, int> firstLineOf; // month key -> line it came on
    for (const Row &row : rows) {
        // FRED writes "." for a month without a value; Statistics Canada leaves it empty.
        if (row.value.isEmpty() || row.value == "." || row.value == "..")
            continue;
        double value = 0;
        if (!readNumber(row.value, decimal, group, value)) {
            error = QCoreApplication::translate("PriceIndex", "Line %1: the value \"%2\" is not a number.")
                        .arg(row.line)
                        .arg(shown(row.value));
            return false;
        }
        if (value <= 0) {
            error = QCoreApplication::translate("PriceIndex", "Line %1: the value %2 is not above 0.")
                        .arg(row.line)
                        .arg(shown(row.value));
            return false;
        }
        const auto first = firstLineOf.constFind(row.key);
        if (first != firstLineOf.cend()) {
            error = QCoreApplication::translate("PriceIndex", "Line %1: the month %2 appears again (first on line %3).")
                        .arg(row.line)
                        .arg(PriceIndex::periodText(PriceIndex::Kind::Monthly, row.key))
                        .arg(*first);
            return false;
        }
        firstLineOf.insert(row.key, row.line);
        out.values.insert(row.key, value);
    }
    if (refusedLine > 0) {
        error = refusal;
        out.values.clear();
        return false;
    }
    if (out.values.isEmpty()) {
        error = QCoreApplication::translate(
            "PriceIndex", "The file has no usable row: no line with a month (YYYY-MM or YYYY-MM-DD) and a value.");
        return false;
    }
    return true;
}
