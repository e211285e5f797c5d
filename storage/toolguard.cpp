#include "storage/toolguard.h"

#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/fileops.h"
#include "storage/filetable.h"
#include "storage/historypass.h"
#include "storage/transaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace storage {

QString readingRefusal(const QString &folder)
{
    const QDir dir(folder);
    // Whatever stands under the marker's name: only the program, holding the folder's
    // lock, may decide what it means.
    if (identityOf(dir.filePath(CommitMarkerName)).exists)
        return QCoreApplication::translate(
                   "DataFolder", "an unfinished change is pending in \"%1\"; start Plumbline once to complete it")
            .arg(QDir::toNativeSeparators(dir.absolutePath()));
    for (const QString &name : {InvestFileName, HistFileName}) {
        const QString path = dir.filePath(name);
        // A folder, or a pipe or device a read would wait on for ever (a link is followed).
        const QFileInfo info(path);
        if (info.exists() && !info.isFile()) {
            const RuntimeError error(RuntimeError::PathFileAccessError);
            return QStringLiteral("\"%1\": error %2: %3")
                .arg(QDir::toNativeSeparators(path))
                .arg(error.number())
                .arg(error.description());
        }
    }
    return QString();
}

bool UnownedLines::check(int investment, long long line, int investCount)
{
    if (investment >= 1 && investment <= investCount)
        return false;
    if (++count <= Listed)
        first.append(line);
    return true;
}

UnownedLines findUnownedLines(const QString &historyPath, int investCount)
{
    UnownedLines found;
    if (!fileExists(historyPath))
        return found;
    HistoryReader reader(historyPath);
    HistFields line;
    while (reader.nextLine()) {
        reader.decode(line);
        found.check(line.investNum, reader.lineNumber(), investCount);
    }
    return found;
}

QString unownedLinesWarning(const UnownedLines &unowned, const QString &historyPath, int investCount,
                            const QString &leftOutOf)
{
    QStringList numbers;
    for (long long line : unowned.first)
        numbers << QString::number(line);
    QString listed = numbers.join(QLatin1String(", "));
    if (unowned.count > unowned.first.size())
        listed += QStringLiteral(" and %1 more").arg(unowned.count - unowned.first.size());
    const QString range = investCount == 0 ? QStringLiteral("there are no investments")
                                           : QStringLiteral("investments are numbered 1 to %1").arg(investCount);
    const bool one = unowned.count == 1;
    return QStringLiteral("%1 %2 of \"%3\" %4 no investment (%5) and %6 not %7: %8 %9")
        .arg(QString::number(unowned.count), one ? QStringLiteral("line") : QStringLiteral("lines"),
             QDir::toNativeSeparators(historyPath), one ? QStringLiteral("names") : QStringLiteral("name"), range,
             one ? QStringLiteral("is") : QStringLiteral("are"), leftOutOf,
             unowned.first.size() == 1 ? QStringLiteral("line") : QStringLiteral("lines"), listed);
}

} // namespace storage
