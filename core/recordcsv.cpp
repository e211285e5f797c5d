#include "core/recordcsv.h"

#include "core/priceindex.h"
#include "core/runtimeerror.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <cmath>
#include <cstring>

namespace recordcsv {

namespace {

// Windows-1252's letters where Latin-1 has control codes (0x80 to 0x9F); 0 where it has none.
const char16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool isControl(char16_t c)
{
    return (c < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') || c == 0x7F;
}

// The file as text, or a sentence saying why it is none.
bool decodeText(const QByteArray &bytes, QString &text, QString &error)
{
    if (bytes.contains('\0')) {
        error =
            QCoreApplication::translate("Import", "The file holds binary data (NUL bytes): it is not a CSV text file.");
        return false;
    }
    QByteArrayView view(bytes);
    const bool bom = view.startsWith("\xEF\xBB\xBF");
    if (bom)
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    text = utf8.decode(view);
    if (utf8.hasError()) {
        if (bom) {
            error = QCoreApplication::translate("Import",
                                                "The file starts as UTF-8 text but holds bytes that are not UTF-8.");
            return false;
        }
        // Not UTF-8: a spreadsheet's Windows-1252 export, read byte for byte.
        text.resize(view.size());
        for (qsizetype i = 0; i < view.size(); ++i) {
            const auto b = static_cast<unsigned char>(view[i]);
            const char16_t c = b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b);
            if (c == 0) {
                error = QCoreApplication::translate(
                    "Import", "The file holds bytes that are neither UTF-8 nor Windows-1252 text.");
                return false;
            }
            text[i] = QChar(c);
        }
    }
    for (const QChar c : std::as_const(text)) {
        if (isControl(c.unicode())) {
            error =
                QCoreApplication::translate("Import", "The file holds control characters: it is not a CSV text file.");
            return false;
        }
    }
    return true;
}

QChar chooseSeparator(const QString &text)
{
    int counts[3] = {0, 0, 0};
    const QChar candidates[3] = {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')};
    bool quoted = false;
    bool seen = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r'))) {
            if (seen)
                break;
            continue;
        } else if (!c.isSpace())
            seen = true;
        for (int i = 0; i < 3; ++i)
            if (!quoted && c == candidates[i])
                ++counts[i];
    }
    int best = 0;
    for (int i = 1; i < 3; ++i)
        if (counts[i] > counts[best])
            best = i;
    return candidates[best];
}

bool allBlank(const QStringList &fields)
{
    for (const QString &field : fields)
        if (!field.trimmed().isEmpty())
            return false;
    return true;
}

QString shown(const QString &text)
{
    return visibleText(text, 40);
}

// "name" lower-cased, '_' and '-' as blanks, blanks run together.
QString normalName(const QString &name)
{
    QString text = name.toLower();
    text.replace(QLatin1Char('_'), QLatin1Char(' ')).replace(QLatin1Char('-'), QLatin1Char(' '));
    return text.simplified();
}

struct SlashDate
{
    int a = 0, b = 0, year = 0;
};

// "a<sep>b<sep>yyyy" with one or two digits before each separator; no allocation, as every row
// of a large file passes here.
bool splitDayMonthYear(QStringView text, QChar separator, int &a, int &b, int &year)
{
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int k = 0;
    for (const QChar c : text) {
        if (c == separator) {
            if (++k > 2)
                return false;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            if (++digits[k] > 4)
                return false;
            parts[k] = parts[k] * 10 + (c.unicode() - '0');
        } else {
            return false;
        }
    }
    if (k != 2 || digits[0] < 1 || digits[0] > 2 || digits[1] < 1 || digits[1] > 2 || digits[2] != 4)
        return false;
    a = parts[0];
    b = parts[1];
    year = parts[2];
    return true;
}

bool splitSlashDate(QStringView text, SlashDate &out)
{
    return splitDayMonthYear(text, QLatin1Char('/'), out.a, out.b, out.year);
}

bool makeDate(int year, int month, int day, Date &out)
{
    if (!Date::isValidYmd(year, month, day))
        return false;
    out = Date::fromYmd(year, month, day);
    return true;
}

bool allDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool isUpperAscii(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

// A number's text without currency signs, blanks and sign, as "digits[.digits]" with '-'
// in front when negative, into `out` (at most `size` bytes); `percent` allows a trailing
// '%'. False when it is no number. One pass and no allocation: every field of a large file
// passes here.
bool normalNumber(QStringView text, const NumberForm &form, bool percent, char *out, int size, int &length)
{
    text = text.trimmed();
    bool negative = false;
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        negative = true;
        text = text.mid(1, text.size() - 2).trimmed();
    }
    if (percent && text.endsWith(QLatin1Char('%')))
        text.chop(1);
    // A three-letter currency code before or after the figure ("EUR 12", "12 USD").
    if (text.size() > 3 && isUpperAscii(text[0]) && isUpperAscii(text[1]) && isUpperAscii(text[2]) &&
        !text[3].isLetter())
        text = text.mid(3);
    const qsizetype n = text.size();
    if (n > 3 && isUpperAscii(text[n - 1]) && isUpperAscii(text[n - 2]) && isUpperAscii(text[n - 3]) &&
        !text[n - 4].isLetter())
        text.chop(3);

    length = 0;
    const auto put = [&](char c) {
        if (length >= size)
            return false;
        out[length++] = c;
        return true;
    };
    if (negative && !put('-'))
        return false;
    bool signSeen = false;
    bool digitSeen = false;
    bool pointSeen = false;
    int groups = 0;      // group separators met
    int groupDigits = 0; // digits since the last group separator (or the start)
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9') {
            if (!put(char(u)))
                return false;
            digitSeen = true;
            ++groupDigits;
        } else if (c == form.decimal) {
            if (pointSeen || (groups > 0 && groupDigits != 3))
                return false;
            if (!digitSeen && !put('0'))
                return false;
            if (!put('.'))
                return false;
            pointSeen = true;
            digitSeen = true;
            groupDigits = 0;
        } else if (c == form.group) {
            if (pointSeen || groupDigits < 1 || groupDigits > 3 || (groups > 0 && groupDigits != 3))
                return false;
            ++groups;
            groupDigits = 0;
        } else if (u == '-' || u == 0x2212 || u == '+') {
            // A sign before the figure only, once, and not beside parentheses' minus.
            if (signSeen || digitSeen || (negative && u != '+'))
                return false;
            signSeen = true;
            if (u != '+') {
                if (!put('-'))
                    return false;
                negative = true;
            }
        } else if (c.category() == QChar::Symbol_Currency || c.isSpace() || u == '\'') {
            continue;
        } else {
            return false;
        }
    }
    if (!pointSeen && groups > 0 && groupDigits != 3)
        return false;
    if (length > 0 && out[length - 1] == '.')
        --length; // "12." is 12
    return digitSeen && length > (negative ? 1 : 0);
}

// Votes for a decimal comma (+1) or point (-1) from one amount's text; 0 when it does not tell.
int decimalVote(QStringView text)
{
    int commas = 0, points = 0, afterLast = 0;
    QChar last;
    for (const QChar c : text) {
        if (c.isDigit()) {
            ++afterLast;
        } else if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            (c == QLatin1Char(',') ? commas : points) += 1;
            last = c;
            afterLast = 0;
        }
    }
    if (commas > 0 && points > 0)
        return last == QLatin1Char(',') ? 1 : -1;
    if (commas > 0)
        return commas == 1 && afterLast != 3 ? 1 : 0;
    if (points > 0)
        return points > 1 ? 1 : (afterLast != 3 ? -1 : 0);
    return 0;
}

QString fieldText(const CsvRow &row, int column)
{
    return column >= 0 && column < row.fields.size() ? row.fields[column].trimmed() : QString();
}

} // namespace

bool splitCsv(const QByteArray &bytes, CsvTable &out, QString &error)
{
    out = CsvTable();
    if (bytes.size() > MaxBytes) {
        error = QCoreApplication::translate("Import", "The file is larger than %1 MB, too large to import.")
                    .arg(MaxBytes / (1024 * 1024));
        return false;
    }
    QString text;
    if (!decodeText(bytes, text, error))
        return false;
    out.separator = chooseSeparator(text);
    out.source = text;

    // Unquoted fields are cut from the text whole; quoted ones gather their pieces. Each row
    // moves into the table: a statement of 100,000 rows makes no copy of one.
    std::vector<CsvRow> rows;
    rows.reserve(size_t(text.count(QLatin1Char('\n'))) + 1);
    CsvRow row;
    row.line = 1;
    int line = 1;
    int quoteLine = 0;
    bool quoted = false;
    bool wasQuoted = false;
    QString quotedText;
    qsizetype start = 0; // where the unquoted part of the field in hand begins
    qsizetype width = 4;
    const auto takeField = [&](qsizetype end) {
        if (wasQuoted) {
            quotedText += QStringView(text).mid(start, end - start);
            row.fields.append(quotedText);
            quotedText.clear();
            wasQuoted = false;
        } else {
            // Shares the table's text: `source` keeps it alive and unchanged.
            row.fields.append(QString::fromRawData(text.constData() + start, end - start));
        }
    };
    const auto endRow = [&] {
        width = std::max(width, row.fields.size());
        if (!allBlank(row.fields))
            rows.push_back(std::move(row));
        row = CsvRow();
        row.line = line;
        row.fields.reserve(width);
    };
    const auto countLines = [&line](QStringView piece) {
        for (qsizetype k = 0; k < piece.size(); ++k)
            if (piece[k] == QLatin1Char('\n') ||
                (piece[k] == QLatin1Char('\r') && !(k + 1 < piece.size() && piece[k + 1] == QLatin1Char('\n'))))
                ++line;
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            const qsizetype close = text.indexOf(QLatin1Char('"'), i);
            const qsizetype end = close < 0 ? n : close;
            countLines(QStringView(text).mid(i, end - i));
            quotedText += QStringView(text).mid(i, end - i);
            if (close < 0) {
                i = n;
                break;
            }
            if (close + 1 < n && text.at(close + 1) == QLatin1Char('"')) {
                quotedText += QLatin1Char('"');
                i = close + 1;
            } else {
                quoted = false;
                i = close;
                start = close + 1;
            }
        } else if (c == QLatin1Char('"') && !wasQuoted && QStringView(text).mid(start, i - start).trimmed().isEmpty()) {
            quoted = true;
            wasQuoted = true;
            quoteLine = line;
        } else if (c == out.separator) {
            takeField(i);
            start = i + 1;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            takeField(i);
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++line;
            endRow();
            start = i + 1;
        }
    }
    if (quoted) {
        error = QCoreApplication::translate("Import", "Line %1: a quoted field is not closed.").arg(quoteLine);
        return false;
    }
    if (start < n || !row.fields.isEmpty() || wasQuoted) {
        takeField(n);
        endRow();
    }

    if (!rows.empty()) {
        // A first row of names, not of dates and figures, is the header.
        bool letters = false;
        bool date = false;
        for (const QString &name : std::as_const(rows.front().fields)) {
            Date d;
            date = date || readDate(name.trimmed(), DateOrder::MonthFirst, d) ||
                   readDate(name.trimmed(), DateOrder::DayFirst, d);
            for (const QChar c : name)
                letters = letters || c.isLetter();
        }
        if (letters && !date) {
            out.hasHeader = true;
            out.header = rows.front().fields;
            for (QString &name : out.header)
                name = name.trimmed();
            rows.erase(rows.begin());
        }
    }
    out.rows = std::move(rows);
    out.columnCount = int(out.header.size());
    for (const CsvRow &r : out.rows)
        out.columnCount = std::max(out.columnCount, int(r.fields.size()));
    return true;
}

QString fieldName(Field field)
{
    switch (field) {
    case Field::Date:
        return QCoreApplication::translate("Import", "Date");
    case Field::Original:
        return QCoreApplication::translate("Import", "Original Amount");
    case Field::Current:
        return QCoreApplication::translate("Import", "Current Amount");
    case Field::Rate:
        return QCoreApplication::translate("Import", "Inflation Rate");
    }
    return QString();
}

ColumnMap detectColumns(const CsvTable &table)
{
    ColumnMap map;
    if (!table.hasHeader) {
        for (int f = 0; f < FieldCount; ++f)
            map.column[f] = f < table.columnCount ? f : -1;
        return map;
    }
    static const char *const names[FieldCount][6] = {
        {"date", "record date", "datum", "as of", "value date", nullptr},
        {"original amount", "original", "amount invested", "invested", "cost", nullptr},
        {"current amount", "current", "current value", "market value", "value", nullptr},
        {"inflation rate", "inflation", "rate", "infl rate", "inflation rate %", nullptr},
    };
    for (int f = 0; f < FieldCount; ++f) {
        for (int k = 0; k < 6 && names[f][k] && map.column[f] < 0; ++k) {
            for (int c = 0; c < table.header.size(); ++c) {
                if (normalName(table.header[c]) == QLatin1String(names[f][k])) {
                    map.column[f] = c;
                    break;
                }
            }
        }
    }
    return map;
}

bool readDate(const QString &input, DateOrder order, Date &out)
{
    const QString text = input.trimmed();
    // ISO: YYYY-MM-DD.
    if (text.size() == 10 && text[4] == QLatin1Char('-') && text[7] == QLatin1Char('-')) {
        const QStringView v(text);
        if (!allDigits(v.left(4)) || !allDigits(v.mid(5, 2)) || !allDigits(v.mid(8, 2)))
            return false;
        return makeDate(v.left(4).toInt(), v.mid(5, 2).toInt(), v.mid(8, 2).toInt(), out);
    }
    // D.M.YYYY: always day first.
    if (text.count(QLatin1Char('.')) == 2) {
        int day = 0, month = 0, year = 0;
        return splitDayMonthYear(text, QLatin1Char('.'), day, month, year) && makeDate(year, month, day, out);
    }
    SlashDate s;
    if (order == DateOrder::IsoOnly || !splitSlashDate(text, s))
        return false;
    switch (order) {
    case DateOrder::MonthFirst:
        return makeDate(s.year, s.a, s.b, out);
    case DateOrder::DayFirst:
        return makeDate(s.year, s.b, s.a, out);
    case DateOrder::Auto:
        if (s.a == s.b || s.b > 12)
            return makeDate(s.year, s.a, s.b, out);
        if (s.a > 12)
            return makeDate(s.year, s.b, s.a, out);
        return false;
    case DateOrder::IsoOnly:
        break;
    }
    return false;
}

DateOrderFinding findDateOrder(const CsvTable &table, const ColumnMap &columns)
{
    DateOrderFinding finding;
    int monthFirst = 0;
    int dayFirst = 0;
    bool slash = false;
    const CsvRow *example = nullptr;
    for (const CsvRow &row : table.rows) {
        SlashDate s;
        if (!splitSlashDate(fieldText(row, columns[Field::Date]), s))
            continue;
        slash = true;
        if (s.a > 12 && s.b <= 12)
            ++dayFirst;
        else if (s.b > 12 && s.a <= 12)
            ++monthFirst;
        else if (s.a != s.b && !example)
            example = &row;
    }
    if (!slash)
        return finding;
    if (monthFirst == 0 && dayFirst == 0 && example) {
        finding.order = DateOrder::Auto;
        finding.ambiguous = true;
        finding.exampleLine = example->line;
        finding.exampleText = fieldText(*example, columns[Field::Date]);
        readDate(finding.exampleText, DateOrder::MonthFirst, finding.asMonthFirst);
        readDate(finding.exampleText, DateOrder::DayFirst, finding.asDayFirst);
        return finding;
    }
    finding.order = dayFirst > monthFirst ? DateOrder::DayFirst : DateOrder::MonthFirst;
    return finding;
}

NumberForm findNumberForm(const CsvTable &table, const ColumnMap &columns)
{
    int votes = 0;
    bool comma = false;
    for (const CsvRow &row : table.rows) {
        for (const Field f : {Field::Original, Field::Current, Field::Rate}) {
            const QString text = fieldText(row, columns[f]);
            votes += decimalVote(text);
            comma = comma || text.contains(QLatin1Char(','));
        }
    }
    NumberForm form;
    // As a price index download: a ';' (or tab) file whose figures hold a comma uses it for decimals.
    const bool commaFile = table.separator != QLatin1Char(',') && comma && votes >= 0;
    if (votes > 0 || commaFile) {
        form.decimal = QLatin1Char(',');
        form.group = QLatin1Char('.');
    }
    return form;
}

bool readAmount(const QString &text, const NumberForm &form, Currency &out)
{
    char plain[96];
    int length = 0;
    if (!normalNumber(text, form, false, plain, int(sizeof plain), length))
        return false;
    try {
        return Currency::parse(plain, plain + length, out);
    } catch (const RuntimeError &) {
        return false; // beyond the range of an amount
    }
}

bool readRate(const QString &text, const NumberForm &form, Single &out)
{
    // A rate beyond seven digits is written with an exponent ("3.333333E+09"), as the
    // history and plumbline-export write it: the exponent is taken as it stands.
    QString mantissa = text.trimmed();
    QByteArray exponent;
    const qsizetype e = qMax(mantissa.lastIndexOf(QLatin1Char('E')), mantissa.lastIndexOf(QLatin1Char('e')));
    if (e > 0) {
        const QString tail = mantissa.mid(e + 1);
        const qsizetype digits = tail.startsWith(QLatin1Char('+')) || tail.startsWith(QLatin1Char('-')) ? 1 : 0;
        bool allDigits = tail.size() > digits && tail.size() - digits <= 3;
        for (qsizetype i = digits; allDigits && i < tail.size(); ++i)
            allDigits = tail.at(i).isDigit() && tail.at(i).unicode() < 128;
        if (allDigits) {
            exponent = 'E' + tail.toLatin1();
            mantissa.truncate(e);
        }
    }
    char plain[96];
    int length = 0;
    if (!normalNumber(mantissa, form, true, plain, int(sizeof plain) - 8, length))
        return false;
    if (!exponent.isEmpty()) {
        std::memcpy(plain + length, exponent.constData(), size_t(exponent.size()));
        length += int(exponent.size());
    }
    Single value = 0;
    try {
        if (!parseSingle(plain, plain + length, value) || !std::isfinite(value))
            return false;
    } catch (const RuntimeError &) {
        return false; // beyond the range of a rate
    }
    out = value;
    return true;
}

std::vector<ImportRow> readRows(const CsvTable &table, const ColumnMap &columns, DateOrder order,
                                const NumberForm &form)
{
    std::vector<ImportRow> rows;
    rows.reserve(table.rows.size());
    // An export of every investment names each row's investment: its rows are one
    // investment's records only when they all name the same one, else they would be mixed
    // into one investment.
    int investmentColumn = -1;
    if (table.hasHeader) {
        for (int c = 0; c < table.header.size(); ++c) {
            if (table.header.at(c).trimmed().compare(QLatin1String("investment"), Qt::CaseInsensitive) == 0)
                investmentColumn = c;
        }
    }
    QString firstInvestment;
    int firstInvestmentLine = 0;
    for (const CsvRow &source : table.rows) {
        ImportRow row;
        row.line = source.line;
        row.dateText = fieldText(source, columns[Field::Date]);
        row.originalText = fieldText(source, columns[Field::Original]);
        row.currentText = fieldText(source, columns[Field::Current]);
        row.rateText = fieldText(source, columns[Field::Rate]);
        QStringList problems;
        SlashDate slash;
        if (row.dateText.isEmpty())
            problems << QCoreApplication::translate("Import", "the date is missing");
        else if (!readDate(row.dateText, order, row.date))
            problems << (order == DateOrder::Auto && splitSlashDate(row.dateText, slash)
                             ? QCoreApplication::translate("Import",
                                                           "the date \"%1\" reads both as month/day and as day/month")
                             : QCoreApplication::translate("Import", "the date \"%1\" is not a date"))
                            .arg(shown(row.dateText));
        // Each with its own whole sentences: when missing, and when not an amount (%1 the text).
        const auto amount = [&problems, &form](const QString &text, const char *missing, const char *wrong,
                                               Currency &value) {
            if (text.isEmpty())
                problems << QCoreApplication::translate("Import", missing);
            else if (!readAmount(text, form, value))
                problems << QCoreApplication::translate("Import", wrong).arg(shown(text));
        };
        amount(row.originalText, QT_TRANSLATE_NOOP("Import", "the original amount is missing"),
               QT_TRANSLATE_NOOP("Import", "the original amount \"%1\" is not an amount"), row.original);
        amount(row.currentText, QT_TRANSLATE_NOOP("Import", "the current amount is missing"),
               QT_TRANSLATE_NOOP("Import", "the current amount \"%1\" is not an amount"), row.current);
        if (!row.rateText.isEmpty() && !readRate(row.rateText, form, row.rate))
            problems << QCoreApplication::translate("Import", "the inflation rate \"%1\" is not a rate")
                            .arg(shown(row.rateText));
        if (investmentColumn >= 0) {
            const QString investment = fieldText(source, investmentColumn);
            if (firstInvestmentLine == 0) {
                firstInvestment = investment;
                firstInvestmentLine = source.line;
            } else if (investment != firstInvestment) {
                problems << QCoreApplication::translate(
                                "Import", "the row is of investment \"%1\", line %2 of investment \"%3\": "
                                          "import one investment at a time")
                                .arg(shown(investment))
                                .arg(firstInvestmentLine)
                                .arg(shown(firstInvestment));
            }
        }
        row.problem = problems.join(QStringLiteral("; "));
        rows.push_back(row);
    }
    return rows;
}

int ReadResult::problemCount() const
{
    int count = 0;
    for (const ImportRow &row : rows)
        count += row.ok() ? 0 : 1;
    return count;
}

bool readRecordCsv(const QByteArray &bytes, DateOrder order, ReadResult &out, QString &error)
{
    out = ReadResult();
    if (!splitCsv(bytes, out.table, error))
        return false;
    out.columns = detectColumns(out.table);
    if (!out.columns.complete()) {
        QStringList missing;
        for (const Field f : {Field::Date, Field::Original, Field::Current})
            if (out.columns[f] < 0)
                missing << fieldName(f);
        //: %1 lists the missing column names, %2 is the file's header line
        error = QCoreApplication::translate("Import", "No column of the file is named as %1 (its header: %2).")
                    .arg(missing.join(QStringLiteral(", ")), shown(out.table.header.join(QStringLiteral(", "))));
        return false;
    }
    if (out.table.rows.empty()) {
        error = QCoreApplication::translate("Import", "The file holds no records.");
        return false;
    }
    out.dates = findDateOrder(out.table, out.columns);
    out.numbers = findNumberForm(out.table, out.columns);
    out.rows = readRows(out.table, out.columns, order != DateOrder::Auto ? order : out.dates.order, out.numbers);
    return true;
}

QStringList problemLines(const std::vector<ImportRow> &rows)
{
    QStringList lines;
    for (const ImportRow &row : rows)
        if (!row.ok())
            //: %1 is a line number of the file, %2 what is wrong with it
            lines << QCoreApplication::translate("Import", "Line %1: %2.").arg(row.line).arg(row.problem);
    return lines;
}

} // namespace recordcsv
