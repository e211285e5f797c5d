#include "core/priceindexcsv.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace {

const QStringList MonthNames = {QStringLiteral("JAN"), QStringLiteral("FEB"), QStringLiteral("MAR"),
                                QStringLiteral("APR"), QStringLiteral("MAY"), QStringLiteral("JUN"),
                                QStringLiteral("JUL"), QStringLiteral("AUG"), QStringLiteral("SEP"),
                                QStringLiteral("OCT"), QStringLiteral("NOV"), QStringLiteral("DEC")};

// One line's fields; double quotes group a field and "" inside them is one quote.
QStringList splitFields(const QString &line, QChar separator)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == separator) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

enum class PeriodForm { Month, OtherPeriod, NotAPeriod, BadMonth };

// Which kind of row the first field makes: a month (YYYY-MM, YYYY-MM-DD, "YYYY MON"), a
// year or quarter of the ONS download, or none.
PeriodForm readPeriod(const QString &text, int &key)
{
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})(?:-(\\d{1,2}))?$"));
    static const QRegularExpression ons(QStringLiteral("^(\\d{4}) ([A-Za-z]{3})$"));
    static const QRegularExpression other(QStringLiteral("^\\d{4}(?: [Qq][1-4])?$"));
    QRegularExpressionMatch m = iso.match(text);
    if (m.hasMatch()) {
        const int year = m.captured(1).toInt();
        const int month = m.captured(2).toInt();
        const int day = m.captured(3).isEmpty() ? 1 : m.captured(3).toInt();
        if (month < 1 || month > 12 || !QDate::isValid(year, month, day))
            return PeriodForm::BadMonth;
        key = PriceIndex::monthKey(year, month);
        return PeriodForm::Month;
    }
    m = ons.match(text);
    if (m.hasMatch()) {
        const int month = int(MonthNames.indexOf(m.captured(2).toUpper()));
        if (month < 0)
            return PeriodForm::BadMonth;
        key = PriceIndex::monthKey(m.captured(1).toInt(), month + 1);
        return PeriodForm::Month;
    }
    if (other.match(text).hasMatch())
        return PeriodForm::OtherPeriod;
    return PeriodForm::NotAPeriod;
}

QString stripQuotes(QString text)
{
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('"')))
        text.remove(0, 1);
    return text;
}

} // namespace

bool readPriceIndexCsv(const QByteArray &rawBytes, PriceIndex &out, QString &error)
{
    out.kind = PriceIndex::Kind::Monthly;
    out.values.clear();
    if (rawBytes.size() > MaxPriceIndexCsvBytes) {
        error = QStringLiteral("The file is too large to be a price index.");
        return false;
    }
    QByteArray bytes = rawBytes;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }

    // The separator is the one the first row with a month in it uses: "2024-01;308,417"
    // is a semicolon file with a decimal comma, "2024-01,308.417" a comma file.
    QChar separator = QLatin1Char(',');
    for (const QString &line : std::as_const(lines)) {
        int key = 0;
        const QString head = stripQuotes(line).section(QRegularExpression(QStringLiteral("[,;\"]")), 0, 0);
        if (readPeriod(head.trimmed(), key) == PeriodForm::Month) {
            if (line.contains(QLatin1Char(';')))
                separator = QLatin1Char(';');
            break;
        }
    }
    const bool decimalComma = separator == QLatin1Char(';');

    int dateColumn = 0;
    int valueColumn = 1;
    bool dataBegun = false;
    QHash<int, int> firstLineOf; // month key -> line it came on
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QStringList fields = splitFields(lines.at(i), separator);
        if (fields.size() == 1 && fields.at(0).trimmed().isEmpty())
            continue;
        if (!dataBegun) {
            // Statistics Canada names its columns; the month and value can be anywhere.
            const int refDate = int(fields.indexOf(QStringLiteral("REF_DATE")));
            const int value = int(fields.indexOf(QStringLiteral("VALUE")));
            if (refDate >= 0 && value >= 0) {
                dateColumn = refDate;
                valueColumn = value;
                continue;
            }
        }
        const QString dateText = fields.value(dateColumn).trimmed();
        int key = 0;
        const PeriodForm form = readPeriod(dateText, key);
        if (form == PeriodForm::OtherPeriod)
            continue; // the ONS download's years and quarters
        if (form == PeriodForm::NotAPeriod) {
            // Headers, metadata and notes are words; a row that starts like a date but is
            // none would be silently lost.
            if (!dateText.isEmpty() && dateText.at(0).isDigit()) {
                error = QStringLiteral("Line %1: the date \"%2\" is not in the form YYYY-MM or YYYY-MM-DD.")
                            .arg(lineNo)
                            .arg(dateText);
                return false;
            }
            continue;
        }
        if (form == PeriodForm::BadMonth) {
            error = QStringLiteral("Line %1: \"%2\" is not a valid date.").arg(lineNo).arg(dateText);
            return false;
        }
        dataBegun = true;
        if (fields.size() <= valueColumn) {
            error = QStringLiteral("Line %1: there is no value after the date.").arg(lineNo);
            return false;
        }
        QString valueText = fields.at(valueColumn).trimmed();
        // FRED writes "." for a month without a value; Statistics Canada leaves it empty.
        if (valueText.isEmpty() || valueText == QLatin1String(".") || valueText == QLatin1String(".."))
            continue;
        QString number = valueText;
        if (decimalComma)
            number.replace(QLatin1Char(','), QLatin1Char('.'));
        static const QRegularExpression plain(QStringLiteral("^[-+]?(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d+)?$"));
        bool ok = plain.match(number).hasMatch();
        const double value = ok ? number.toDouble(&ok) : 0.0;
        if (!ok || !std::isfinite(value)) {
            error = QStringLiteral("Line %1: the value \"%2\" is not a number.").arg(lineNo).arg(valueText);
            return false;
        }
        if (value <= 0) {
            error = QStringLiteral("Line %1: the value %2 is not above 0.").arg(lineNo).arg(valueText);
            return false;
        }
        if (firstLineOf.contains(key)) {
            error = QStringLiteral("Line %1: the month %2 appears again (first on line %3).")
                        .arg(lineNo)
                        .arg(PriceIndex::periodText(PriceIndex::Kind::Monthly, key))
                        .arg(firstLineOf.value(key));
            return false;
        }
        firstLineOf.insert(key, lineNo);
        out.values.insert(key, value);
    }
    if (out.values.isEmpty()) {
        error = QStringLiteral("The file has no usable row: no line with a month (YYYY-MM or YYYY-MM-DD) and a value.");
        return false;
    }
    return true;
}
