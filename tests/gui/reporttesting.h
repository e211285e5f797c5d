#pragma once

// What the report tests share: a small example folder whose figures are worked out by hand,
// and the text and facts of a PDF as the poppler tools read them.
#include "appfixture.h"

#include "core/runtimeerror.h"
#include "storage/historypass.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <functional>

namespace reporttesting {

// Investment 1: a computed record, one without a rate after it (its loss carried, counted
// once), a skipped record and a computed one after the skip. Investment 2: two records.
// Investment 3: none. By hand from the calculation's rules:
//   1: losses 160 (10000 at 1.6%) and 220 (11000 at 2%) = 380; AFI (10640 + 200 carried) + 500 - 220 = 11120
//   2: loss 52.50 (2500 at 2.1%), AFI 2510
//   totals: original 12500, current 14062.50, P/L 1562.50, AFI 13630, P/L AFI 1130, loss 432.50
inline const QStringList History{
    QStringLiteral("1,#2001-01-02#,10000,10000,0"),   QStringLiteral("2,#2001-06-30#,2500,2500,0"),
    QStringLiteral("1,#2002-01-02#,10000,10800,1.6"), QStringLiteral("2,#2002-06-30#,2500,2562.5,2.1"),
    QStringLiteral("1,#2003-01-02#,10000,11000,0"),   QStringLiteral("1,#2004-01-02#,10000,0,2"),
    QStringLiteral("1,#2005-01-02#,10000,11500,2"),
};

inline void writeExample(testing::AppFixture &app)
{
    app.writeInvestments({{QStringLiteral("Mutual Fund"), QStringLiteral("Big Bank")},
                          {QStringLiteral("Savings"), QStringLiteral("Credit Union")},
                          {QStringLiteral("Bond"), QStringLiteral("Treasury")}});
    app.writeHistory(History);
}

inline QString pdfTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The pages' text, one entry a page, the words of each line one blank apart.
inline QStringList pageTexts(const QString &pdf)
{
    QString text = pdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    text.replace(QRegularExpression(QStringLiteral("[ ]+")), QStringLiteral(" "));
    QStringList pages = text.split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

inline QString pdfInfo(const QString &pdf, const QString &field)
{
    const QStringList lines = pdfTool(QStringLiteral("pdfinfo"), {pdf}).split(QLatin1Char('\n'));
    for (const QString &line : lines)
        if (line.startsWith(field + QLatin1Char(':')))
            return line.mid(field.size() + 1).trimmed();
    return QString();
}

inline int errorOf(const std::function<void()> &action, long long *line = nullptr)
{
    try {
        action();
    } catch (const storage::HistoryPassError &failure) {
        if (line)
            *line = failure.line;
        return failure.error.number();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Two investments whose records alternate, `lines` in all, a record a month from `firstYear`:
// long enough that the reading thread has to wait for the painting one.
inline void writeTwoLongInvestments(testing::AppFixture &app, int lines, int firstYear)
{
    app.writeInvestments(
        {{QStringLiteral("Fund"), QStringLiteral("Bank")}, {QStringLiteral("Bond"), QStringLiteral("Treasury")}});
    QStringList history;
    for (int i = 0; i < lines; ++i)
        history << QStringLiteral("%1,#%2-%3-15#,5000,%4,1.5")
                       .arg(i % 2 + 1)
                       .arg(firstYear + i / 24)
                       .arg(i / 2 % 12 + 1, 2, 10, QLatin1Char('0'))
                       .arg(5000 + i);
    app.writeHistory(history);
}

} // namespace reporttesting
