#include "storage/leftovers.h"

#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/fileops.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

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
                           QCoreApplication::translate("DataFolder", "The folder \"%1\" cannot be created.")
                               .arg(folder.filePath(name)));
    QFile::setPermissions(folder.filePath(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return folder.filePath(name);
}

} // namespace

LeftoverReport cleanUpLeftovers(const QDateTime &now)
{
    LeftoverReport report;
    const PendingRecovery pending = finishPendingRenames();
    report.renames = pending.outcome;
    report.replacedNames = pending.replaced;
    for (const QString &name : pending.setAside) {
        if (!pending.replaced.contains(name))
            report.notReplacedNames.append(name);
    }
    report.markerUnreadable = pending.markerUnreadable;
    const bool halfChanged = pending.outcome == PendingOutcome::Unfinishable;

    const QDir folder(programFolder());
    QStringList leftovers;
    for (const QString &name : WorkFileNames) {
        if (identityOf(folder.filePath(name)).exists)
            leftovers.append(name);
    }
    for (const QString &name : rewrittenNames())
        leftovers += unfinishedFiles(folder, name);

    const bool onlyCopiesElsewhere = pending.outcome != PendingOutcome::RolledBack && !halfChanged &&
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
    if (identityOf(folder.filePath(PageFileName)).exists && (halfChanged || !readable(folder.filePath(HistFileName))))
        leftovers.append(PageFileName);
    // Data files that no longer belong together go first (a link goes as a link), so
    // nothing half changed is ever read; the marker goes last, so a start interrupted
    // while it sets things aside finds it again and finishes.
    if (halfChanged) {
        QStringList data;
        for (const QString &name : pending.setAside) {
            if (identityOf(folder.filePath(name)).exists && !leftovers.contains(name))
                data.append(name);
        }
        leftovers = data + leftovers;
    }
    if (pending.outcome == PendingOutcome::RolledBack || halfChanged)
        leftovers.append(CommitMarkerName);
    if (leftovers.isEmpty())
        return report;

    const QString recovered = newRecoveredFolder(folder, now);
    for (const QString &name : leftovers) {
        if (!moveName(folder.filePath(name), QDir(recovered).filePath(name)))
            throw RuntimeError(
                RuntimeError::PathFileAccessError,
                //: %1 is a file's name, %2 the folder of recovered files.
                QCoreApplication::translate("DataFolder", "\"%1\" cannot be moved into the folder \"%2\".")
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
    // Phrases shown beside a file's name in the list of files moved aside.
    if (name == TempDataFileName)
        //: Describes a file left in the data folder.
        return QCoreApplication::translate("DataFolder", "investments copied out by an investment delete");
    if (name == TempHistFileName)
        //: Describes a file left in the data folder.
        return QCoreApplication::translate("DataFolder", "the new data history of an investment delete");
    if (name == SuccesFileName)
        //: Describes a file left in the data folder.
        return QCoreApplication::translate("DataFolder", "data records of the investments not being edited");
    if (name == RecsDisplayedFileName)
        //: Describes a file left in the data folder.
        return QCoreApplication::translate("DataFolder", "data records of the investment being edited");
    if (name == PageFileName)
        //: Describes a file left in the data folder.
        return QCoreApplication::translate("DataFolder", "data records of the investment last shown");
    if (name == InvestFileName)
        //: Describes a file left in the data folder.
        return QCoreApplication::translate("DataFolder", "the investment file");
    if (name == HistFileName)
        //: Describes a file left in the data folder.
        return QCoreApplication::translate("DataFolder", "the data history");
    if (name == CommitMarkerName)
        //: Describes a file left in the data folder.
        return QCoreApplication::translate("DataFolder", "the note of an investment delete that was not completed");
    if (name.startsWith(QLatin1Char('.')) && name.endsWith(QLatin1String(".new")))
        //: Describes a file left in the data folder; %1 is the name of the data file it was to replace.
        return QCoreApplication::translate("DataFolder", "an unfinished new copy of \"%1\", not complete")
            .arg(name.mid(1, name.size() - 1 - 4 - 9));
    return QString();
}

QString pendingChangeNote(const LeftoverReport &report)
{
    // "A" and "B" (or "A" or "B"), each pair a phrase of its own so a language may word it.
    const auto quoted = [](const QStringList &names, bool either = false) {
        QString list;
        for (const QString &name : names) {
            const QString one = QLatin1Char('"') + name + QLatin1Char('"');
            if (list.isEmpty())
                list = one;
            else if (either)
                //: Two names of files, either one ("A" or "B").
                list = QCoreApplication::translate("DataFolder", "%1 or %2").arg(list, one);
            else
                //: Two names of files, both of them ("A" and "B").
                list = QCoreApplication::translate("DataFolder", "%1 and %2").arg(list, one);
        }
        return list;
    };
    switch (report.renames) {
    case PendingOutcome::None:
    case PendingOutcome::RolledForward:
        return QString();
    case PendingOutcome::RolledBack:
        return QCoreApplication::translate(
                   "DataFolder", "The investment delete that was interrupted cannot be completed from the files in the "
                                 "data folder. It had not changed \"%1\" or \"%2\" yet, so it was undone: both are as "
                                 "they were before it.")
            .arg(InvestFileName, HistFileName);
    case PendingOutcome::Unfinishable:
        break;
    }
    if (report.markerUnreadable)
        return QCoreApplication::translate(
                   "DataFolder", "The note of an interrupted investment delete cannot be read, so whether \"%1\" and "
                                 "\"%2\" still belong together is not known. Both were moved aside with it.")
            .arg(InvestFileName, HistFileName);
    // A marker of the earlier form in a copied folder cannot tell whether a rename was made.
    if (report.replacedNames.isEmpty())
        return QCoreApplication::translate(
                   "DataFolder", "The investment delete that was interrupted cannot be completed from the files in the "
                                 "data folder, and whether it had already replaced %1 is not known, so they may no "
                                 "longer belong together. Both were moved aside with it.")
            .arg(quoted(report.notReplacedNames, true));
    return QCoreApplication::translate(
               "DataFolder", "The investment delete that was interrupted cannot be completed from the files in the "
                             "data folder. It had already replaced %1 but not %2, and they no longer belong together "
                             "(investments would show the records of others), so both were moved aside with it.")
        .arg(quoted(report.replacedNames), quoted(report.notReplacedNames));
}

} // namespace storage
