#include "core/recordcsv.h"

#include "core/priceindex.h"
#include "core/runtimeerror.h"

#include <QStringDecoder>

#include <cmath>

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
        error = QStringLiteral("The file holds binary data (NUL bytes): it is not a CSV text file.");
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
            error = QStringLiteral("The file starts as UTF-8 text but holds bytes that are not UTF-8.");
            return false;
        }
        // Not UTF-8: a spreadsheet's Windows-1252 export, read byte for byte.
        text.resize(view.size());
        for (qsizetype i = 0; i < view.size(); ++i) {
            const auto b = static_cast<unsigned char>(view[i]);
            const char16_t c = b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b);
            if (c == 0) {
                error = QStringLiteral("The file holds bytes that are neither UTF-8 nor Windows-1252 text.");
                return false;
            }
            text[i] = QChar(c);
        }
    }
    for (const QChar c : std::as_const(text)) {
        if (isControl(c.unicode())) {
            error = QStringLiteral("The file holds control characters: it is not a CSV text file.");
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

// "a/b/yyyy" with one or two digits before each slash.
bool splitSlashDate(const QString &text, SlashDate &out)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 3 || parts[0].isEmpty() || parts[0].size() > 2 || parts[1].isEmpty() || parts[1].size() > 2 ||
        parts[2].size() != 4)
        return false;
    for (const QString &part : parts)
        for (const QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
    out.a = parts[0].toInt();
    out.b = parts[1].toInt();
    out.year = parts[2].toInt();
    return true;
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

// A number's text without currency signs, blanks and sign, as "digits[.digits]" with '-'
// in front when negative; `percent` allows a trailing '%'. False when it is no number.
bool normalNumber(const QString &input, const NumberForm &form, bool percent, QString &out)
{
    QString text = input.trimmed();
    bool negative = false;
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        negative = true;
        text = text.mid(1, text.size() - 2).trimmed();
    }
    if (percent && text.endsWith(QLatin1Char('%')))
        text.chop(1);
    // Currency signs and a three-letter code ("EUR 12", "12 USD") around the figure.
    QString body;
    for (const QChar c : std::as_const(text)) {
        if (c.category() == QChar::Symbol_Currency || c.isSpace() || c == QLatin1Char('\''))
            continue;
        body += c;
    }
    for (int side = 0; side < 2 && body.size() > 3; ++side) {
        const QStringView code = side == 0 ? QStringView(body).left(3) : QStringView(body).right(3);
        bool letters = true;
        for (const QChar c : code)
            letters = letters && c >= QLatin1Char('A') && c <= QLatin1Char('Z');
        if (letters)
            body = side == 0 ? body.mid(3) : body.left(body.size() - 3);
    }
    if (body.startsWith(QLatin1Char('-')) || body.startsWith(QChar(0x2212))) {
        if (negative)
            return false;
        negative = true;
        body.remove(0, 1);
    } else if (body.startsWith(QLatin1Char('+'))) {
        body.remove(0, 1);
    }
    if (body.isEmpty())
        return false;
    // Integer part with its groups, then the decimals.
    const qsizetype point = body.indexOf(form.decimal);
    const QString whole = point < 0 ? body : body.left(point);
    const QString decimals = point < 0 ? QString() : body.mid(point + 1);
    if (point >= 0 && !allDigits(decimals))
        return false;
    QString digits;
    const QStringList groups = whole.split(form.group);
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QString &group = groups[i];
        if (i == 0 ? (groups.size() > 1 ? (group.isEmpty() || group.size() > 3 || !allDigits(group))
                                        : (!group.isEmpty() && !allDigits(group)))
                   : (group.size() != 3 || !allDigits(group)))
            return false;
        digits += group;
    }
    if (digits.isEmpty() && decimals.isEmpty())
        return false;
    out = (negative ? QStringLiteral("-") : QString()) + (digits.isEmpty() ? QStringLiteral("0") : digits);
    if (!decimals.isEmpty())
        out += QLatin1Char('.') + decimals;
    return true;
}

// Votes for a decimal comma (+1) or point (-1) from one amount's text; 0 when it does not tell.
int decimalVote(const QString &text)
{
    QString t;
    for (const QChar c : text)
        if (c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('.'))
            t += c;
    const qsizetype comma = t.lastIndexOf(QLatin1Char(','));
    const qsizetype point = t.lastIndexOf(QLatin1Char('.'));
    if (comma >= 0 && point >= 0)
        return comma > point ? 1 : -1;
    if (comma >= 0)
        return t.count(QLatin1Char(',')) == 1 && t.size() - comma - 1 != 3 ? 1 : 0;
    if (point >= 0)
        return t.count(QLatin1Char('.')) > 1 ? 1 : (t.size() - point - 1 != 3 ? -1 : 0);
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
        error = QStringLiteral("The file is larger than %1 MB, too large to import.").arg(MaxBytes / (1024 * 1024));
        return false;
    }
    QString text;
    if (!decodeText(bytes, text, error))
        return false;
    out.separator = chooseSeparator(text);

    std::vector<CsvRow> rows;
    CsvRow row;
    QString field;
    int line = 1;
    row.line = 1;
    bool quoted = false;
    bool wasQuoted = false;
    int quoteLine = 0;
    const auto endField = [&] {
        row.fields.append(field);
        field.clear();
        wasQuoted = false;
    };
    const auto endRow = [&] {
        endField();
        if (!allBlank(row.fields))
            rows.push_back(row);
        row = CsvRow();
        row.line = line;
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && !(i + 1 < n && text.at(i + 1) == '\n')))
                    ++line;
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty() && !wasQuoted) {
            quoted = true;
            wasQuoted = true;
            quoteLine = line;
            field.clear();
        } else if (c == out.separator) {
            endField();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++line;
            endRow();
        } else {
            field += c;
        }
    }
    if (quoted) {
        error = QStringLiteral("Line %1: a quoted field is not closed.").arg(quoteLine);
        return false;
    }
    if (!field.isEmpty() || !row.fields.isEmpty() || wasQuoted)
        endRow();

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
        return QStringLiteral("Date");
    case Field::Original:
        return QStringLiteral("Original Amount");
    case Field::Current:
        return QStringLiteral("Current Amount");
    case Field::Rate:
        return QStringLiteral("Inflation Rate");
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
        const QStringList parts = text.split(QLatin1Char('.'));
        if (parts[0].size() > 2 || parts[1].size() > 2 || parts[2].size() != 4 || !allDigits(parts[0]) ||
            !allDigits(parts[1]) || !allDigits(parts[2]))
            return false;
        return makeDate(parts[2].toInt(), parts[1].toInt(), parts[0].toInt(), out);
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
    QString plain;
    if (!normalNumber(text, form, false, plain))
        return false;
    try {
        return Currency::parse(QStringView(plain), out);
    } catch (const RuntimeError &) {
        return false; // beyond the range of an amount
    }
}

bool readRate(const QString &text, const NumberForm &form, Single &out)
{
    QString plain;
    if (!normalNumber(text, form, true, plain))
        return false;
    const QByteArray latin = plain.toLatin1();
    Single value = 0;
    try {
        if (!parseSingle(latin.constData(), latin.constData() + latin.size(), value) || !std::isfinite(value))
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
            problems << QStringLiteral("the date is missing");
        else if (!readDate(row.dateText, order, row.date))
            problems << (order == DateOrder::Auto && splitSlashDate(row.dateText, slash)
                             ? QStringLiteral("the date \"%1\" reads both as month/day and as day/month")
                             : QStringLiteral("the date \"%1\" is not a date"))
                            .arg(shown(row.dateText));
        const auto amount = [&problems, &form](const QString &text, const QString &what, Currency &value) {
            if (text.isEmpty())
                problems << QStringLiteral("the %1 is missing").arg(what);
            else if (!readAmount(text, form, value))
                problems << QStringLiteral("the %1 \"%2\" is not an amount").arg(what, shown(text));
        };
        amount(row.originalText, QStringLiteral("original amount"), row.original);
        amount(row.currentText, QStringLiteral("current amount"), row.current);
        if (!row.rateText.isEmpty() && !readRate(row.rateText, form, row.rate))
            problems << QStringLiteral("the inflation rate \"%1\" is not a rate").arg(shown(row.rateText));
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
        error = QStringLiteral("No column of the file is named as %1 (its header: %2).")
                    .arg(missing.join(QStringLiteral(", ")), shown(out.table.header.join(QStringLiteral(", "))));
        return false;
    }
    if (out.table.rows.empty()) {
        error = QStringLiteral("The file holds no records.");
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
            lines << QStringLiteral("Line %1: %2.").arg(row.line).arg(row.problem);
    return lines;
}

} // namespace recordcsv
