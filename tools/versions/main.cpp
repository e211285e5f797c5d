// plumbline-versions: the kept versions of a data folder's two files: list them, show one,
// restore one, undo or redo the last change.
#include "core/runtimeerror.h"
#include "platform/translations.h"
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
    platform::installTranslations();
    QCoreApplication::setApplicationName(QStringLiteral("plumbline-versions"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLUMBLINE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "plumbline-versions",
        "Lists, shows and restores the versions Plumbline 3.5 keeps of its two data files, and undoes or redoes "
        "the last change.\n\nCommands:\n"
        "  list            every kept version, newest first\n"
        "  show ID         one version's time, change and counts\n"
        "  restore ID      make version ID current (itself a change that can be undone)\n"
        "  undo            back to the state before the last change\n"
        "  redo            the change undone last, made again"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QCoreApplication::translate("Tools", "Use the data folder <dir> instead of the program's own."),
        //: A placeholder in the help for what is given after an option or the program's name; keep it as the
        //: descriptions call it ("<dir>").
        QCoreApplication::translate("Tools", "dir"));
    const QCommandLineOption exportTo(
        QStringLiteral("export"),
        QCoreApplication::translate("plumbline-versions", "With show: write the version's records to <file> as CSV."),
        //: A placeholder in the help for what is given after an option or the program's name; keep it as the
        //: descriptions call it ("<file>").
        QCoreApplication::translate("Tools", "file"));
    parser.addOption(dataDir);
    parser.addOption(exportTo);
    //: A placeholder in the help for the first argument; the description under "Arguments" lists the commands.
    parser.addPositionalArgument(
        QCoreApplication::translate("Tools", "command"),
        QCoreApplication::translate("plumbline-versions", "list, show ID, restore ID, undo, redo"));
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    const bool takesId = command == QLatin1String("show") || command == QLatin1String("restore");
    const QStringList known = {QStringLiteral("list"), QStringLiteral("show"), QStringLiteral("restore"),
                               QStringLiteral("undo"), QStringLiteral("redo")};
    if (!known.contains(command))
        return fail(command.isEmpty()
                        ? QCoreApplication::translate("plumbline-versions", "no command given (see --help)")
                        : QCoreApplication::translate("plumbline-versions", "unknown command \"%1\" (see --help)")
                              .arg(command));
    if (args.size() != (takesId ? 2 : 1))
        return fail(takesId
                        ? QCoreApplication::translate("plumbline-versions", "%1 takes one version number").arg(command)
                        : QCoreApplication::translate("plumbline-versions", "%1 takes no argument").arg(command));
    bool idOk = false;
    const int id = takesId ? args.at(1).toInt(&idOk) : 0;
    if (takesId && (!idOk || id < 1))
        return fail(
            QCoreApplication::translate("plumbline-versions", "\"%1\" is not a version number").arg(args.at(1)));
    if (parser.isSet(exportTo) && command != QLatin1String("show"))
        return fail(QCoreApplication::translate("plumbline-versions", "--export goes with show"));

    if (parser.isSet(dataDir))
        storage::setProgramFolder(QDir(parser.value(dataDir)).absolutePath());
    const QString folder = storage::programFolder();
    if (!QFileInfo(folder).isDir())
        return fail(QCoreApplication::translate("Tools", "data folder \"%1\" does not exist")
                        .arg(QDir::toNativeSeparators(folder)));

    // The running program's changes and this tool's must never cross.
    storage::FolderLock lock(storage::programFile(LockFileName));
    switch (lock.tryLock()) {
    case storage::FolderLock::Result::Locked:
        break;
    case storage::FolderLock::Result::HeldByRunningCopy:
        return fail(
            QCoreApplication::translate(
                "plumbline-versions", "the data folder \"%1\" is in use by a running copy of Plumbline; close it first")
                .arg(QDir::toNativeSeparators(folder)));
    case storage::FolderLock::Result::IsFolder:
    case storage::FolderLock::Result::Unusable:
        return fail(
            QCoreApplication::translate("plumbline-versions", "the lock file of the data folder \"%1\" cannot be used")
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
                return fail(QCoreApplication::translate("plumbline-versions", "there is no version %1").arg(id));
            //: The labels of one kept version: its number, when it was kept, the change it made, and how
            //: many investments and data records it holds.
            std::printf(
                "%s\n%s\n%s\n%s\n%s\n",
                qPrintable(QCoreApplication::translate("plumbline-versions", "Version: %1").arg(v->id)),
                qPrintable(QCoreApplication::translate("plumbline-versions", "Time: %1").arg(timeText(v->time))),
                qPrintable(QCoreApplication::translate("plumbline-versions", "Change: %1")
                               .arg(storage::changeSentence(v->change, gridDate))),
                qPrintable(QCoreApplication::translate("plumbline-versions", "Investments: %1").arg(v->investments)),
                qPrintable(QCoreApplication::translate("plumbline-versions", "Records: %1").arg(v->records)));
            //: The version is the one the data files hold now.
            if (v->current)
                std::printf("%s\n", qPrintable(QCoreApplication::translate("plumbline-versions", "Current: yes")));
            if (parser.isSet(exportTo)) {
                QTemporaryDir pair;
                if (!pair.isValid())
                    return fail(QCoreApplication::translate("plumbline-versions",
                                                            "no temporary folder for the version's files"));
                store.materialize(id, pair.path());
                exportRecords(pair.path(), parser.value(exportTo));
            }
        } else if (command == QLatin1String("restore")) {
            if (!findVersion(store, id))
                return fail(QCoreApplication::translate("plumbline-versions", "there is no version %1").arg(id));
            store.restore(id);
            std::printf("%s\n",
                        qPrintable(QCoreApplication::translate("plumbline-versions", "Restored version %1.").arg(id)));
        } else if (command == QLatin1String("undo")) {
            const std::optional<storage::ChangeDescription> change = store.undoChange();
            if (!change)
                return fail(QCoreApplication::translate("plumbline-versions", "there is no change to undo"));
            store.undo();
            std::printf("%s\n", qPrintable(QCoreApplication::translate("plumbline-versions", "Undone: %1")
                                               .arg(storage::changeSentence(*change, gridDate))));
        } else {
            const std::optional<storage::ChangeDescription> change = store.redoChange();
            if (!change)
                return fail(QCoreApplication::translate("plumbline-versions", "there is no change to redo"));
            store.redo();
            std::printf("%s\n", qPrintable(QCoreApplication::translate("plumbline-versions", "Redone: %1")
                                               .arg(storage::changeSentence(*change, gridDate))));
        }
        if (const QString note = store.takeNote(); !note.isEmpty())
            std::fprintf(stderr, "plumbline-versions: %s\n", qPrintable(note));
    } catch (const storage::HistoryPassError &failure) {
        return fail(failure.message());
    } catch (const storage::VersionRefused &refused) {
        return fail(refused.description());
    } catch (const RuntimeError &error) {
        return fail(QCoreApplication::translate("Tools", "error %1: %2").arg(error.number()).arg(error.description()));
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
