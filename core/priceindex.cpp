#include "core/priceindex.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QRegularExpression>

#include <charconv>
#include <cmath>

namespace {

QString isoDay(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

double roundPercentToHundredths(double percent)
{
    // The ratio of two published index levels is never exact in binary; a rate that is
    // a half in decimal (1.005) arrives as 1.00499999... Clean to eight decimals first,
    // where a double still holds them whole (below 2^53 hundred-millionths).
    if (std::fabs(percent) < 9.0e7) {
        const double cleaned = std::round(percent * 1e8) / 1e6;
        return std::round(cleaned); // std::round: halves away from zero
    }
    return std::round(percent * 100.0);
}

QString visibleText(const QString &text, int maxChars)
{
    qsizetype keep = text.size() > maxChars ? maxChars : text.size();
    if (keep > 0 && keep < text.size() && text.at(keep - 1).isHighSurrogate())
        --keep; // never half a character
    QString out = keep < text.size() ? text.left(keep) + QStringLiteral("...") : text;
    for (QChar &c : out) {
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\t'))
            c = QChar::ReplacementCharacter;
    }
    return out;
}

QString PriceIndex::RateResult::text() const
{
    return hundredthsText(hundredths);
}

QString hundredthsText(double hundredths)
{
    // Every digit of a whole number of hundredths up to 1e15, where a double still holds the
    // rate to the cent; past it, the 15 digits a double carries and zeros, never wrapped round
    // and never noise (1e19 hundredths is 100000000000000000.00).
    const double magnitude = std::fabs(hundredths);
    char scientific[64];
    const std::to_chars_result written =
        magnitude < 1e15
            ? std::to_chars(scientific, scientific + sizeof scientific, magnitude, std::chars_format::scientific)
            : std::to_chars(scientific, scientific + sizeof scientific, magnitude, std::chars_format::scientific, 14);
    // "d.ddde+NN": the digits, then zeros up to the exponent.
    const QByteArray form(scientific, written.ec == std::errc() ? int(written.ptr - scientific) : 0);
    const qsizetype e = form.indexOf('e');
    QByteArray whole = e < 0 ? QByteArray("0") : form.left(e).replace(".", "");
    const int exponent = e < 0 ? 0 : form.mid(e + 1).toInt();
    if (whole.size() > exponent + 1)
        whole.truncate(exponent + 1); // the zeros the fixed precision left after a whole number
    else
        whole.append(QByteArray(exponent + 1 - whole.size(), '0'));
    if (whole.size() < 3)
        whole = whole.rightJustified(3, '0');
    whole.insert(whole.size() - 2, '.');
    return (hundredths < 0 ? QStringLiteral("-") : QString()) + QString::fromLatin1(whole);
}

QString PriceIndex::periodText(Kind kind, int key)
{
    // Four digits, as the series file's reader takes them, so a year before 1000 reads back.
    if (kind == Kind::Annual)
        return QStringLiteral("%1").arg(key, 4, 10, QLatin1Char('0'));
    if (kind == Kind::Quarterly)
        return QStringLiteral("%1-Q%2").arg(key / 4, 4, 10, QLatin1Char('0')).arg(key % 4 + 1);
    return QStringLiteral("%1-%2").arg(key / 12, 4, 10, QLatin1Char('0')).arg(key % 12 + 1, 2, 10, QLatin1Char('0'));
}

QString PriceIndex::kindText(Kind kind)
{
    switch (kind) {
    case Kind::Monthly:
        return QStringLiteral("monthly");
    case Kind::Quarterly:
        return QStringLiteral("quarterly");
    case Kind::Annual:
        break;
    }
    return QStringLiteral("annual");
}

bool PriceIndex::isProvisional(int key) const
{
    if (values.isEmpty() || kind == Kind::Annual)
        return false;
    return key > values.lastKey() - (kind == Kind::Monthly ? 3 : 1);
}

QString PriceIndex::firstPeriod() const
{
    return values.isEmpty() ? QString() : periodText(kind, values.firstKey());
}

QString PriceIndex::lastPeriod() const
{
    return values.isEmpty() ? QString() : periodText(kind, values.lastKey());
}

QString PriceIndex::coverage() const
{
    if (values.isEmpty())
        //: What periods a price index covers, when it holds none.
        return QCoreApplication::translate("PriceIndex", "no values");
    //: What periods a price index covers: %1 the first period, %2 the last ("2001-01 to 2024-06").
    return QCoreApplication::translate("PriceIndex", "%1 to %2").arg(firstPeriod(), lastPeriod());
}

PriceIndex::RateResult PriceIndex::rate(const QDate &from, const QDate &to) const
{
    RateResult result;
    const QString label = title.isEmpty() ? name : title;
    if (!from.isValid() || !to.isValid()) {
        result.reason = QCoreApplication::translate("PriceIndex", "No date to measure from.");
        return result;
    }
    if (to < from) {
        result.reason =
            QCoreApplication::translate("PriceIndex", "The date %1 comes before %2.").arg(isoDay(to), isoDay(from));
        return result;
    }
    if (values.isEmpty()) {
        result.reason = QCoreApplication::translate("PriceIndex", "%1 holds no values.").arg(label);
        return result;
    }

    if (kind != Kind::Annual) {
        const bool monthly = kind == Kind::Monthly;
        const int fromKey = monthly ? monthKey(from.year(), from.month()) : quarterKey(from.year(), from.month());
        const int toKey = monthly ? monthKey(to.year(), to.month()) : quarterKey(to.year(), to.month());
        if (fromKey < values.firstKey()) {
            result.reason = QCoreApplication::translate("PriceIndex", "%1 starts in %2; %3 is before it.")
                                .arg(label, firstPeriod(), periodText(kind, fromKey));
            return result;
        }
        if (toKey > values.lastKey()) {
            result.reason = QCoreApplication::translate("PriceIndex", "%1 ends in %2; %3 is after it.")
                                .arg(label, lastPeriod(), periodText(kind, toKey));
            return result;
        }
        if (fromKey == toKey && monthly) {
            result.ok = true; // one month's index level: no change by definition
            return result;
        }
        if (fromKey == toKey) {
            // Prices changed within the quarter, but the series cannot tell by how much.
            result.reason = QCoreApplication::translate("PriceIndex", "%1: one quarterly value covers both dates (%2).")
                                .arg(label, periodText(kind, fromKey));
            return result;
        }
        for (const int key : {fromKey, toKey}) {
            if (!values.contains(key)) {
                result.reason = QCoreApplication::translate("PriceIndex", "%1 has no value for %2.")
                                    .arg(label, periodText(kind, key));
                return result;
            }
        }
        result.exact = (values.value(toKey) / values.value(fromKey) - 1.0) * 100.0;
        result.provisional = isProvisional(fromKey) || isProvisional(toKey);
    } else {
        // Each year's change applies to the share of the interval's days in that year,
        // compounded: (1 + r)^(days in the interval within the year / days in the year).
        const int firstYear = from.year();
        int lastYear = to.year();
        if (to.month() == 1 && to.day() == 1 && to > from)
            lastYear -= 1; // the end date itself is not a day of the interval
        if (firstYear < values.firstKey()) {
            result.reason = QCoreApplication::translate("PriceIndex", "%1 starts in %2; %3 is before it.")
                                .arg(label, firstPeriod())
                                .arg(firstYear);
            return result;
        }
        if (lastYear > values.lastKey()) {
            result.reason = QCoreApplication::translate("PriceIndex", "%1 ends in %2; %3 is after it.")
                                .arg(label, lastPeriod())
                                .arg(lastYear);
            return result;
        }
        double factor = 1.0;
        for (int year = firstYear; year <= lastYear && from < to; ++year) {
            const QDate start = std::max(from, QDate(year, 1, 1));
            const QDate end = std::min(to, QDate(year + 1, 1, 1));
            const qint64 days = start.daysTo(end);
            if (days <= 0)
                continue;
            if (!values.contains(year)) {
                result.reason =
                    QCoreApplication::translate("PriceIndex", "%1 has no value for %2.").arg(label).arg(year);
                return result;
            }
            const double share = double(days) / double(QDate(year, 1, 1).daysInYear());
            factor *= std::pow(1.0 + values.value(year) / 100.0, share);
        }
        result.exact = (factor - 1.0) * 100.0;
    }
    result.hundredths = roundPercentToHundredths(result.exact);
    if (!std::isfinite(result.hundredths)) {
        // A denormal level, or levels such as 1e-300 and 1e300: no double holds the rate.
        result.hundredths = 0;
        result.reason = QCoreApplication::translate("PriceIndex", "%1: the rate from %2 to %3 is too large to show.")
                            .arg(label, isoDay(from), isoDay(to));
        return result;
    }
    result.ok = true;
    return result;
}

bool PriceIndex::isValidName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-][A-Za-z0-9._-]{0,39}$"));
    return pattern.match(name).hasMatch();
}

QByteArray PriceIndex::toText() const
{
    QByteArray out;
    const auto field = [&out](const char *key, const QString &value) {
        QString clean = value;
        clean.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        out += key;
        out += ": ";
        out += clean.toUtf8();
        out += '\n';
    };
    out += "# Plumbline price index\n";
    field("name", name);
    field("title", title);
    field("country", country);
    field("kind", kindText(kind));
    field("unit", unit);
    field("source", source);
    field("attribution", attribution);
    // Written only when known, so a series imported without them keeps its form.
    if (!publisher.isEmpty())
        field("publisher", publisher);
    if (!taken.isEmpty())
        field("taken", taken);
    if (!currency.isEmpty())
        field("currency", currency);
    out += "data:\n";
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        out += periodText(kind, it.key()).toLatin1();
        out += ' ';
        // The shortest text that reads back as the same double, so a series file loses nothing.
        out += QByteArray::number(it.value(), 'g', QLocale::FloatingPointShortest);
        out += '\n';
    }
    return out;
}

bool PriceIndex::fromText(const QByteArray &text, PriceIndex &out, QString &error)
{
    out = PriceIndex();
    const QList<QByteArray> lines = text.split('\n');
    bool inData = false;
    bool sawKind = false;
    static const QRegularExpression monthly(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    static const QRegularExpression annual(QStringLiteral("^(\\d{4})$"));
    static const QRegularExpression quarterly(QStringLiteral("^(\\d{4})-Q([1-4])$"));
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        const int lineNo = i + 1;
        if (line.isEmpty() || (!inData && line.startsWith('#')))
            continue;
        if (!inData) {
            if (line == "data:") {
                inData = true;
                continue;
            }
            const qsizetype colon = line.indexOf(": ");
            const QByteArray key = colon < 0 ? line.chopped(line.endsWith(':') ? 1 : 0) : line.left(colon);
            const QString value = colon < 0 ? QString() : QString::fromUtf8(line.mid(colon + 2));
            if (key == "name")
                out.name = value;
            else if (key == "title")
                out.title = value;
            else if (key == "country")
                out.country = value;
            else if (key == "unit")
                out.unit = value;
            else if (key == "source")
                out.source = value;
            else if (key == "attribution")
                out.attribution = value;
            else if (key == "publisher")
                out.publisher = value;
            else if (key == "taken")
                out.taken = value;
            else if (key == "currency")
                out.currency = value;
            else if (key == "kind") {
                sawKind = false;
                for (const Kind k : {Kind::Monthly, Kind::Quarterly, Kind::Annual}) {
                    if (value == kindText(k)) {
                        out.kind = k;
                        sawKind = true;
                    }
                }
                if (!sawKind) {
                    error = QCoreApplication::translate("PriceIndex", "line %1: unknown kind \"%2\"")
                                .arg(lineNo)
                                .arg(visibleText(value));
                    return false;
                }
            }
            // Other keys are left for later versions.
            continue;
        }
        const qsizetype space = line.indexOf(' ');
        const QString period = QString::fromLatin1(space < 0 ? line : line.left(space));
        bool numberOk = false;
        const double value = space < 0 ? 0.0 : line.mid(space + 1).toDouble(&numberOk);
        int key = 0;
        const QRegularExpressionMatch m = (out.kind == Kind::Monthly     ? monthly
                                           : out.kind == Kind::Quarterly ? quarterly
                                                                         : annual)
                                              .match(period);
        if (m.hasMatch()) {
            const int year = m.captured(1).toInt();
            if (out.kind == Kind::Monthly) {
                const int month = m.captured(2).toInt();
                key = monthKey(year, month);
                if (month < 1 || month > 12)
                    numberOk = false;
            } else {
                key = out.kind == Kind::Quarterly ? year * 4 + m.captured(2).toInt() - 1 : year;
            }
        }
        if (!m.hasMatch() || !numberOk || !std::isfinite(value) || (out.kind != Kind::Annual && value <= 0) ||
            (out.kind == Kind::Annual && value <= -100)) {
            error = QCoreApplication::translate("PriceIndex", "line %1: \"%2\" is not a period and a value")
                        .arg(lineNo)
                        .arg(visibleText(QString::fromUtf8(line)));
            return false;
        }
        if (out.values.contains(key)) {
            error = QCoreApplication::translate("PriceIndex", "line %1: %2 appears twice").arg(lineNo).arg(period);
            return false;
        }
        out.values.insert(key, value);
    }
    if (!isValidName(out.name) || !sawKind || !inData) {
        error = QCoreApplication::translate("PriceIndex", "not a price index file (name, kind or data missing)");
        return false;
    }
    if (out.title.isEmpty())
        out.title = out.name;
    return true;
}
