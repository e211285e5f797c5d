// plumbline-versions: the kept versions of a data folder's two files: list them, show one,
// restore one, undo or redo the last change.
#include "core/runtimeerror.h"
#include "storage/csvwriter.h"
#include "storage/datafolder.h"
#include "storage/folderlock.h"
#include "storage/historyreader.h"
#include "storage/investrecords.h"
#include "storage/safesavefile.h"
#include "storage/toolguard.h"
#include "storage/versions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const QString LockFileName = QStringLiteral("Plumbline.lock");

int fail(const QString &message)
{
    std::fprintf(stderr, "plumbline-versions: %s\n", qPrintable(message));
    return 1;
}

QString gridDate(const QDate &date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

QString timeText(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

std::optional<storage::VersionInfo> findVersion(const storage::VersionStore &store, int id)
{
    const QList<storage::VersionInfo> versions = store.list();
    for (const storage::VersionInfo &v : versions) {
        if (v.id == id)
            return v;
    }
    return std::nullopt;
}

// The records of a version's pair as CSV: investment, type, institution, record, date,
// original and current amount, rate.
void exportRecords(const QString &folder, const QString &target)
{
    const std::vector<storage::InvestmentInfo> investments =
        storage::readInvestmentList(QDir(folder).filePath(storage::InvestFileName));
    storage::SafeSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        throw RuntimeError(RuntimeError::PathFileAccessError);
    {
        CsvWriter out(&file);
        const char header[] = "investment,type,institution,record,date,original_amount,current_amount,"
                              "inflation_rate\r\n";
        out.raw(header, sizeof header - 1);
        const QString historyPath = QDir(folder).filePath(storage::HistFileName);
        if (QFileInfo::exists(historyPath)) {
            std::vector<int> counts(investments.size() + 1, 0);
            storage::HistoryReader reader(historyPath);
            storage::HistFields line;
            while (reader.nextLine()) {
                reader.decode(line);
                const int n = line.investNum;
                if (n < 1 || n > int(investments.size()))
                    continue;
                const storage::InvestmentInfo &info = investments[size_t(n - 1)];
                out.integer(n);
                out.comma();
                out.raw(CsvWriter::field(info.type));
                out.comma();
                out.raw(CsvWriter::field(info.institution));
                out.comma();
                out.integer(++counts[size_t(n)]);
                out.comma();
                out.isoDate(line.date);
                out.comma();
                out.amount(line.original);
                out.comma();
                out.amount(line.current);
                out.comma();
                out.rate(line.rate);
                out.endRow();
            }
        }
        if (!out.flush())
            throw RuntimeError(RuntimeError::DiskFull);
    }
    file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("plumbline-versions"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLUMBLINE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists, shows and restores the versions Plumbline 3.5 keeps of its two data files, and undoes or redoes "
        "the last change.\n\nCommands:\n"
        "  list            every kept version, newest first\n"
        "  show ID         one version's time, change and counts\n"
        "  restore ID      make version ID current (itself a change that can be undone)\n"
        "  undo            back to the state before the last change\n"
        "  redo            the change undone last, made again"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Use the data folder <dir> instead of the program's own."),
                                     QStringLiteral("dir"));
    const QCommandLineOption exportTo(QStringLiteral("export"),
                                      QStringLiteral("With show: write the version's records to <file> as CSV."),
                                      QStringLiteral("file"));
    parser.addOption(dataDir);
    parser.addOption(exportTo);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("list, show ID, restore ID, undo, redo"));
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    const bool takesId = command == QLatin1String("show") || command == QLatin1String("restore");
    const QStringList known = {QStringLiteral("list"), QStringLiteral("show"), QStringLiteral("restore"),
                               QStringLiteral("undo"), QStringLiteral("redo")};
    if (!known.contains(command))
        return fail(command.isEmpty() ? QStringLiteral("no command given (see --help)")
                                      : QStringLiteral("unknown command \"%1\" (see --help)").arg(command));
    if (args.size() != (takesId ? 2 : 1))
        return fail(takesId ? QStringLiteral("%1 takes one version number").arg(command)
                            : QStringLiteral("%1 takes no argument").arg(command));
    bool idOk = false;
    const int id = takesId ? args.at(1).toInt(&idOk) : 0;
    if (takesId && (!idOk || id < 1))
        return fail(QStringLiteral("\"%1\" is not a version number").arg(args.at(1)));
    if (parser.isSet(exportTo) && command != QLatin1String("show"))
        return fail(QStringLiteral("--export goes with show"));

    if (parser.isSet(dataDir))
        storage::setProgramFolder(QDir(parser.value(dataDir)).absolutePath());
    const QString folder = storage::programFolder();
    if (!QFileInfo(folder).isDir())
        return fail(QStringLiteral("data folder \"%1\" does not exist").arg(QDir::toNativeSeparators(folder)));

    // The running program's changes and this tool's must never cross.
    storage::FolderLock lock(storage::programFile(LockFileName));
    switch (lock.tryLock()) {
    case storage::FolderLock::Result::Locked:
        break;
    case storage::FolderLock::Result::HeldByRunningCopy:
        return fail(QStringLiteral("the data folder \"%1\" is in use by a running copy of Plumbline; close it first")
                        .arg(QDir::toNativeSeparators(folder)));
    case storage::FolderLock::Result::IsFolder:
    case storage::FolderLock::Result::Unusable:
        return fail(QStringLiteral("the lock file of the data folder \"%1\" cannot be used")
                        .arg(QDir::toNativeSeparators(folder)));
    }
    if (const QString refusal = storage::readingRefusal(folder); !refusal.isEmpty())
        return fail(refusal);

    storage::VersionStore store(folder);
    try {
        if (const QString note = store.recover().note; !note.isEmpty())
            std::fprintf(stderr, "plumbline-versions: %s\n", qPrintable(note));
        if (command == QLatin1String("list")) {
            const QList<storage::VersionInfo> versions = store.list();
            for (const storage::VersionInfo &v : versions) {
                const QString state =
                    v.current ? QStringLiteral("current") : (v.undone ? QStringLiteral("undone") : QStringLiteral("-"));
                std::printf("%d\t%s\t%d\t%lld\t%s\t%s\n", v.id, qPrintable(timeText(v.time)), v.investments, v.records,
                            qPrintable(state), qPrintable(storage::changeSentence(v.change, gridDate)));
            }
        } else if (command == QLatin1String("show")) {
            const std::optional<storage::VersionInfo> v = findVersion(store, id);
            if (!v)
                return fail(QStringLiteral("there is no version %1").arg(id));
            std::printf("Version: %d\nTime: %s\nChange: %s\nInvestments: %d\nRecords: %lld\n%s", v->id,
                        qPrintable(timeText(v->time)), qPrintable(storage::changeSentence(v->change, gridDate)),
                        v->investments, v->records, v->current ? "Current: yes\n" : "");
            if (parser.isSet(exportTo)) {
                QTemporaryDir pair;
                if (!pair.isValid())
                    return fail(QStringLiteral("no temporary folder for the version's files"));
                store.materialize(id, pair.path());
                exportRecords(pair.path(), parser.value(exportTo));
            }
        } else if (command == QLatin1String("restore")) {
            if (!findVersion(store, id))
                return fail(QStringLiteral("there is no version %1").arg(id));
            store.restore(id);
            std::printf("Restored version %d.\n", id);
        } else if (command == QLatin1String("undo")) {
            const std::optional<storage::ChangeDescription> change = store.undoChange();
            if (!change)
                return fail(QStringLiteral("there is no change to undo"));
            store.undo();
            std::printf("Undone: %s\n", qPrintable(storage::changeSentence(*change, gridDate)));
        } else {
            const std::optional<storage::ChangeDescription> change = store.redoChange();
            if (!change)
                return fail(QStringLiteral("there is no change to redo"));
            store.redo();
            std::printf("Redone: %s\n", qPrintable(storage::changeSentence(*change, gridDate)));
        }
        if (const QString note = store.takeNote(); !note.isEmpty())
            std::fprintf(stderr, "plumbline-versions: %s\n", qPrintable(note));
    } catch (const storage::HistoryPassError &failure) {
        return fail(failure.message());
    } catch (const storage::VersionRefused &refused) {
        return fail(refused.description());
    } catch (const RuntimeError &error) {
        return fail(QStringLiteral("error %1: %2").arg(error.number()).arg(error.description()));
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
