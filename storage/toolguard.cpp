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
            //: %1 is a file, %2 an error number, %3 the error's description.
            return QCoreApplication::translate("DataFolder", "\"%1\": error %2: %3")
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

QString unownedLinesWarning(const UnownedLines &unowned, const QString &historyPath, int investCount, LeftOut leftOut)
{
    QStringList numbers;
    for (long long line : unowned.first)
        numbers << QString::number(line);
    QString listed = numbers.join(QLatin1String(", "));
    if (unowned.count > unowned.first.size())
        //: %1 is a list of line numbers ("2, 3, 4"), %2 how many more lines there are.
        listed = QCoreApplication::translate("DataFolder", "%1 and %2 more")
                     .arg(listed)
                     .arg(unowned.count - unowned.first.size());
    QString range;
    if (investCount == 0)
        range = QCoreApplication::translate("DataFolder", "there are no investments");
    else
        //: %1 is the number of the last investment.
        range = QCoreApplication::translate("DataFolder", "investments are numbered 1 to %1").arg(investCount);
    const QString shown = QDir::toNativeSeparators(historyPath);
    // At most Listed lines are named, so a single line named means a single line found.
    if (unowned.count == 1) {
        QString sentence;
        switch (leftOut) {
        case LeftOut::Exported:
            //: %1 is the history file, %2 says which investments exist, %3 the line's number.
            sentence = QCoreApplication::translate(
                "DataFolder", "1 line of \"%1\" names no investment (%2) and is not exported: line %3");
            break;
        case LeftOut::InReport:
            //: %1 is the history file, %2 says which investments exist, %3 the line's number.
            sentence = QCoreApplication::translate(
                "DataFolder", "1 line of \"%1\" names no investment (%2) and is not in the report: line %3");
            break;
        case LeftOut::Counted:
            //: %1 is the history file, %2 says which investments exist, %3 the line's number.
            sentence = QCoreApplication::translate(
                "DataFolder", "1 line of \"%1\" names no investment (%2) and is not counted: line %3");
            break;
        }
        return sentence.arg(shown, range, listed);
    }
    QString sentence;
    switch (leftOut) {
    case LeftOut::Exported:
        //: %1 is how many lines, %2 the history file, %3 says which investments exist, %4 the lines' numbers.
        sentence = QCoreApplication::translate(
            "DataFolder", "%1 lines of \"%2\" name no investment (%3) and are not exported: lines %4");
        break;
    case LeftOut::InReport:
        //: %1 is how many lines, %2 the history file, %3 says which investments exist, %4 the lines' numbers.
        sentence = QCoreApplication::translate(
            "DataFolder", "%1 lines of \"%2\" name no investment (%3) and are not in the report: lines %4");
        break;
    case LeftOut::Counted:
        //: %1 is how many lines, %2 the history file, %3 says which investments exist, %4 the lines' numbers.
        sentence = QCoreApplication::translate(
            "DataFolder", "%1 lines of \"%2\" name no investment (%3) and are not counted: lines %4");
        break;
    }
    return sentence.arg(QString::number(unowned.count), shown, range, listed);
}

} // namespace storage
