#include "storage/leftovers.h"

#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/fileops.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace storage {

namespace {

const QStringList WorkFileNames = {TempDataFileName, TempHistFileName, SuccesFileName, RecsDisplayedFileName};

// The files whose unfinished new versions ".NAME.xxxxxxxx.new" may be lying about.
QStringList rewrittenNames()
{
    return {InvestFileName,   HistFileName,   PageFileName,          TempDataFileName,
            TempHistFileName, SuccesFileName, RecsDisplayedFileName, CommitMarkerName};
}

QStringList unfinishedFiles(const QDir &folder, const QString &name)
{
    return folder.entryList({QStringLiteral(".%1.*.new").arg(name)}, QDir::Files | QDir::Hidden | QDir::System);
}

bool readable(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

QString newRecoveredFolder(const QDir &folder, const QDateTime &now)
{
    const QString base = QStringLiteral("Recovered ") + now.toString(QStringLiteral("yyyy-MM-dd HHmmss"));
    QString name = base;
    for (int n = 2; folder.exists(name); ++n)
        name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    if (!folder.mkdir(name))
        throw RuntimeError(RuntimeError::PathFileAccessError,
                           QStringLiteral("The folder \"%1\" cannot be created.").arg(folder.filePath(name)));
    QFile::setPermissions(folder.filePath(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return folder.filePath(name);
}

} // namespace

LeftoverReport cleanUpLeftovers(const QDateTime &now)
{
    LeftoverReport report;
    report.renames = finishPendingRenames();

    const QDir folder(programFolder());
    QStringList leftovers;
    for (const QString &name : WorkFileNames) {
        if (identityOf(folder.filePath(name)).exists)
            leftovers.append(name);
    }
    for (const QString &name : rewrittenNames())
        leftovers += unfinishedFiles(folder, name);
    if (report.renames == PendingOutcome::RolledBack)
        leftovers.append(CommitMarkerName);

    const bool onlyCopiesElsewhere = report.renames != PendingOutcome::RolledBack &&
                                     readable(folder.filePath(InvestFileName)) &&
                                     readable(folder.filePath(HistFileName));
    if (onlyCopiesElsewhere) {
        for (const QString &name : leftovers)
            QFile::remove(folder.filePath(name));
        // Unfinished new files beside the files the data files link to.
        for (const QString &name : {InvestFileName, HistFileName}) {
            const QFileInfo live(folder.filePath(name));
            if (!live.isSymLink())
                continue;
            const QFileInfo target(live.canonicalFilePath());
            for (const QString &temp : unfinishedFiles(target.absoluteDir(), target.fileName()))
                QFile::remove(target.absoluteDir().filePath(temp));
        }
        return report;
    }

    // The grid's copy of one investment's lines may be all that is left of them.
    if (identityOf(folder.filePath(PageFileName)).exists && !readable(folder.filePath(HistFileName)))
        leftovers.append(PageFileName);
    if (leftovers.isEmpty())
        return report;

    const QString recovered = newRecoveredFolder(folder, now);
    for (const QString &name : leftovers) {
        if (!QFile::rename(folder.filePath(name), QDir(recovered).filePath(name)))
            throw RuntimeError(RuntimeError::PathFileAccessError,
                               QStringLiteral("\"%1\" cannot be moved into the folder \"%2\".")
                                   .arg(name, QDir::toNativeSeparators(recovered)));
        report.recoveredNames.append(name);
    }
    syncFolder(folder.filePath(InvestFileName));
    syncFolder(QDir(recovered).filePath(leftovers.first()));
    report.recoveredFolder = recovered;
    return report;
}

QString leftoverDescription(const QString &name)
{
    if (name == TempDataFileName)
        return QStringLiteral("investments copied out by an investment delete");
    if (name == TempHistFileName)
        return QStringLiteral("the new data history of an investment delete");
    if (name == SuccesFileName)
        return QStringLiteral("data records of the investments not being edited");
    if (name == RecsDisplayedFileName)
        return QStringLiteral("data records of the investment being edited");
    if (name == PageFileName)
        return QStringLiteral("data records of the investment last shown");
    if (name == CommitMarkerName)
        return QStringLiteral("the note of an investment delete that was not completed");
    if (name.startsWith(QLatin1Char('.')) && name.endsWith(QLatin1String(".new")))
        return QStringLiteral("an unfinished new copy of \"%1\", not complete")
            .arg(name.mid(1, name.size() - 1 - 4 - 9));
    return QString();
}

} // namespace storage
