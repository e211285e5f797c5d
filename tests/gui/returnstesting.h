#pragma once

// The figures of `plumbline-export`, the independent path the windows' and the report's
// returns are checked against.
#include "appfixture.h"
#include "datafiles.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace returnstesting {

// A CSV line's fields, quoted ones unquoted.
inline QStringList csvFields(const QString &line)
{
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted && c == QLatin1Char('"') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"'))
            fields.last() += line.at(++i);
        else if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char(',') && !quoted)
            fields << QString();
        else
            fields.last() += c;
    }
    return fields;
}

// The rows of `plumbline-export` on the fixture's folder, by column name: with --returns,
// each investment's returns and the row of all of them (price index US-CPI-U); without, the
// records.
inline QList<QMap<QString, QString>> exportedRows(testing::AppFixture &app, bool returns)
{
    QStringList arguments{QStringLiteral("--data-dir"), app.folder().dir()};
    if (returns)
        arguments << QStringLiteral("--returns") << QStringLiteral("--series") << QStringLiteral("US-CPI-U");
    const testing::ToolRun run = testing::runTool(QStringLiteral(PLUMBLINE_EXPORT_BIN), arguments);
    QList<QMap<QString, QString>> rows;
    if (run.exitCode != 0)
        return rows;
    const QStringList lines = QString::fromUtf8(run.out).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const QStringList header = csvFields(lines.value(0));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList fields = csvFields(lines.at(i));
        QMap<QString, QString> row;
        for (qsizetype c = 0; c < header.size(); ++c)
            row.insert(header.at(c), fields.value(c));
        rows << row;
    }
    return rows;
}

// An exported percentage as the line writes it: a true minus sign and the unit.
inline QString shownPct(QString figure)
{
    if (figure.startsWith(QLatin1Char('-')))
        figure.replace(0, 1, QChar(0x2212));
    return figure + QStringLiteral(" %");
}

// The line the chart should show for an exported row whose first record is dated `firstShown`.
inline QString expectedLine(const QMap<QString, QString> &row, const QString &firstShown)
{
    if (row.value(QStringLiteral("twr_pct")).isEmpty())
        return QStringLiteral("No return can be given: %1.").arg(row.value(QStringLiteral("note")));
    const QString lead = QStringLiteral("Since %1 (%2 years): ")
                             .arg(firstShown, QString::number(row.value(QStringLiteral("years")).toDouble(), 'f', 1));
    const QString note = row.value(QStringLiteral("note"));
    if (row.value(QStringLiteral("twr_annual_pct")).isEmpty())
        return lead + QStringLiteral("%1, after inflation %2 in all (time-weighted); no figure per year: %3")
                          .arg(shownPct(row.value(QStringLiteral("twr_pct"))),
                               shownPct(row.value(QStringLiteral("real_twr_pct"))), note);
    if (row.value(QStringLiteral("real_twr_annual_pct")).isEmpty())
        return lead + QStringLiteral("%1 a year (time-weighted; no figure after inflation: %2); money-weighted %3")
                          .arg(shownPct(row.value(QStringLiteral("twr_annual_pct"))), note,
                               shownPct(row.value(QStringLiteral("mwr_annual_pct"))));
    return lead + QStringLiteral("%1 a year, after inflation %2 a year (time-weighted); money-weighted %3 and %4")
                      .arg(shownPct(row.value(QStringLiteral("twr_annual_pct"))),
                           shownPct(row.value(QStringLiteral("real_twr_annual_pct"))),
                           shownPct(row.value(QStringLiteral("mwr_annual_pct"))),
                           shownPct(row.value(QStringLiteral("real_mwr_annual_pct"))));
}

inline QList<QMap<QString, QString>> exportedReturns(testing::AppFixture &app)
{
    return exportedRows(app, true);
}

} // namespace returnstesting
