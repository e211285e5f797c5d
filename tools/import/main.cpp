// plumbline-import: data records from a CSV file into an investment of a data folder, and
// missing rates filled from a price index, in one crash-safe rewrite.
#include "core/recordcsv.h"
#include "core/runtimeerror.h"
#include "platform/translations.h"
#include "storage/datafolder.h"
#include "storage/folderlock.h"
#include "storage/historyreader.h"
#include "storage/priceindexchoice.h"
#include "storage/priceindexstore.h"
#include "storage/recordimport.h"
#include "storage/regularfile.h"
#include "storage/toolguard.h"
#include "storage/versions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

enum Exit { Done = 0, Refused = 1, Usage = 2 };

int fail(const QString &message, int code = Refused)
{
    std::fprintf(stderr, "plumbline-import: %s\n", qPrintable(message));
    return code;
}

void say(const QString &text)
{
    std::fprintf(stdout, "%s\n", qPrintable(text));
}

QString isoDate(Date date)
{
    int y = 0, m = 0, d = 0;
    date.toYmd(y, m, d);
    return QStringLiteral("%1-%2-%3")
        .arg(y, 4, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(d, 2, 10, QLatin1Char('0'));
}

QString fillLine(const storage::RateFill &f)
{
    if (f.filled)
        return QCoreApplication::translate("plumbline-import", "record %1 (%2): rate %3 since %4")
            .arg(f.record)
            .arg(isoDate(f.date), f.rateText, isoDate(f.since));
    return QCoreApplication::translate("plumbline-import", "record %1 (%2): no rate, %3")
        .arg(f.record)
        .arg(isoDate(f.date), f.reason);
}

// What the plan does, a line each. Each sentence whole, for the dry run and for the change made,
// so a translation can word them apart.
void describe(const storage::RecordChangePlan &plan, bool dryRun, const QString &seriesName)
{
    const QString title = storage::investmentTitle(plan.type, plan.institution);
    if (plan.newInvestment) {
        //: %1 is the investment's number, %2 its type and institution.
        say((dryRun ? QCoreApplication::translate("plumbline-import", "Would create investment %1 (%2).")
                    : QCoreApplication::translate("plumbline-import", "Created investment %1 (%2)."))
                .arg(plan.investment)
                .arg(title));
    }
    const bool one = plan.added.size() == 1;
    QString added;
    //: %1 records, %2 the investment's number, %3 its type and institution; %4 of the records go after
    //: its last one, %5 between its records by their date.
    if (dryRun && one)
        added = QCoreApplication::translate(
            "plumbline-import", "Would add %1 record to investment %2 (%3): %4 appended, %5 merged by date.");
    else if (dryRun)
        added = QCoreApplication::translate(
            "plumbline-import", "Would add %1 records to investment %2 (%3): %4 appended, %5 merged by date.");
    else if (one)
        added = QCoreApplication::translate("plumbline-import",
                                            "Added %1 record to investment %2 (%3): %4 appended, %5 merged by date.");
    else
        added = QCoreApplication::translate("plumbline-import",
                                            "Added %1 records to investment %2 (%3): %4 appended, %5 merged by date.");
    say(added.arg(qsizetype(plan.added.size())).arg(plan.investment).arg(title).arg(plan.appended).arg(plan.merged));
    if (plan.duplicates > 0) {
        say((plan.duplicates == 1
                 ? QCoreApplication::translate("plumbline-import", "%1 row already present, left out.")
                 : QCoreApplication::translate("plumbline-import", "%1 rows already present, left out."))
                .arg(plan.duplicates));
    }
    if (dryRun) {
        for (const auto &placed : plan.added) {
            const storage::IncomingRecord &r = placed.record;
            //: A record to add: %1 its line in the CSV file, %2 its date, %3 and %4 its original and current
            //: amount, %5 its inflation rate.
            //: %6 is the number of the record the new one goes before.
            QString line =
                (placed.before == 0
                     ? QCoreApplication::translate("plumbline-import", "line %1: %2, %3, %4, rate %5, at the end")
                     : QCoreApplication::translate("plumbline-import",
                                                   "line %1: %2, %3, %4, rate %5, before record %6"))
                    .arg(r.line)
                    .arg(isoDate(r.date), r.original.toPlainString(), r.current.toPlainString(), singleToText(r.rate));
            if (placed.before != 0)
                line = line.arg(placed.before);
            say(QStringLiteral("  ") + line);
        }
    }
    if (!seriesName.isEmpty()) {
        //: %1 rates filled of %2 missing, %3 the price index's name.
        say((dryRun ? QCoreApplication::translate("plumbline-import", "Would fill %1 of %2 missing rates from %3.")
                    : QCoreApplication::translate("plumbline-import", "Filled %1 of %2 missing rates from %3."))
                .arg(plan.filledCount())
                .arg(plan.fills.size())
                .arg(seriesName));
        for (const storage::RateFill &f : plan.fills)
            say(QStringLiteral("  ") + fillLine(f));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    platform::installTranslations();
    QCoreApplication::setApplicationName(QStringLiteral("plumbline-import"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLUMBLINE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "plumbline-import",
        "Adds the data records of a CSV file (date, original amount, current amount, optional inflation rate, "
        "found by their header) to an investment of a Plumbline 3.5 data folder, and fills missing inflation "
        "rates from a price index. All or nothing: a row that cannot be read changes nothing. Exit status: 0 "
        "done, 1 refused or failed, 2 wrong command line."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QCoreApplication::translate("plumbline-import", "Change the data folder <dir> instead of the program's own."),
        //: A placeholder in the help for what is given after an option or the program's name; keep it as the
        //: descriptions call it ("<dir>").
        QCoreApplication::translate("Tools", "dir"));
    const QCommandLineOption investment(
        QStringLiteral("investment"), QCoreApplication::translate("plumbline-import", "Add to investment number <n>."),
        QStringLiteral("n"));
    const QCommandLineOption newInvestment(
        QStringLiteral("new-investment"),
        QCoreApplication::translate("plumbline-import", "Add to a new investment of type <type> (1 to 50 "
                                                        "characters)."),
        //: A placeholder in the help for what is given after an option or the program's name; keep it as the
        //: descriptions call it ("<type>").
        QCoreApplication::translate("Tools", "type"));
    const QCommandLineOption institution(
        QStringLiteral("institution"),
        QCoreApplication::translate("plumbline-import", "With --new-investment: its institution <name> (at most 50 "
                                                        "characters)."),
        //: A placeholder in the help for what is given after an option or the program's name; keep it as the
        //: descriptions call it ("<name>").
        QCoreApplication::translate("Tools", "name"));
    const QCommandLineOption dateFormat(
        QStringLiteral("date-format"),
        QCoreApplication::translate("plumbline-import", "How dates with slashes read: iso (none accepted), mdy or "
                                                        "dmy. Default: decided from the dates, refused when every "
                                                        "date reads both ways."),
        //: A placeholder in the help for what is given after an option or the program's name; keep it as the
        //: descriptions call it ("<form>").
        QCoreApplication::translate("Tools", "form"));
    const QCommandLineOption fillRates(
        QStringLiteral("fill-rates"),
        QCoreApplication::translate("plumbline-import", "Fill missing rates (0, not the first record) from the price "
                                                        "index: of the imported rows, or without FILE of every record "
                                                        "of the investment."));
    const QCommandLineOption series(
        QStringLiteral("series"),
        QCoreApplication::translate("plumbline-import", "With --fill-rates: the price index <name> (default: the one "
                                                        "chosen under View, Price Index, else the system locale's)."),
        //: A placeholder in the help for what is given after an option or the program's name; keep it as the
        //: descriptions call it ("<name>").
        QCoreApplication::translate("Tools", "name"));
    const QCommandLineOption dryRun(
        QStringLiteral("dry-run"),
        QCoreApplication::translate("plumbline-import", "Print what would change and change nothing."));
    for (const QCommandLineOption &option :
         {dataDir, investment, newInvestment, institution, dateFormat, fillRates, series, dryRun})
        parser.addOption(option);
    parser.addPositionalArgument(QStringLiteral("FILE.csv"),
                                 QCoreApplication::translate("plumbline-import", "The records to import."));
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return fail(QCoreApplication::translate("plumbline-import", "one file at a time (see --help)"), Usage);
    const bool haveFile = files.size() == 1;
    if (parser.isSet(investment) == parser.isSet(newInvestment))
        return fail(QCoreApplication::translate("plumbline-import",
                                                "give either --investment N or --new-investment TYPE (see --help)"),
                    Usage);
    if (parser.isSet(institution) && !parser.isSet(newInvestment))
        return fail(QCoreApplication::translate("plumbline-import", "--institution goes with --new-investment"), Usage);
    if (parser.isSet(series) && !parser.isSet(fillRates))
        return fail(QCoreApplication::translate("plumbline-import", "--series needs --fill-rates"), Usage);
    if (!haveFile && (!parser.isSet(fillRates) || parser.isSet(newInvestment) || parser.isSet(dateFormat)))
        return fail(
            QCoreApplication::translate("plumbline-import",
                                        "without FILE only --fill-rates --investment N [--series NAME] (see --help)"),
            Usage);
    recordcsv::DateOrder order = recordcsv::DateOrder::Auto;
    if (parser.isSet(dateFormat)) {
        const QString form = parser.value(dateFormat);
        if (form == QLatin1String("iso"))
            order = recordcsv::DateOrder::IsoOnly;
        else if (form == QLatin1String("mdy"))
            order = recordcsv::DateOrder::MonthFirst;
        else if (form == QLatin1String("dmy"))
            order = recordcsv::DateOrder::DayFirst;
        else
            return fail(
                QCoreApplication::translate("plumbline-import", "--date-format takes iso, mdy or dmy, not \"%1\"")
                    .arg(form),
                Usage);
    }
    storage::RecordChangeRequest request;
    if (parser.isSet(investment)) {
        bool ok = false;
        request.investment = parser.value(investment).toInt(&ok);
        if (!ok || request.investment < 1)
            return fail(
                QCoreApplication::translate("plumbline-import", "--investment takes a number from 1, not \"%1\"")
                    .arg(parser.value(investment)),
                Usage);
    } else {
        request.newType = parser.value(newInvestment);
        request.newInstitution = parser.value(institution);
    }

    if (parser.isSet(dataDir))
        storage::setProgramFolder(QDir(parser.value(dataDir)).absolutePath());
    const QString folder = storage::programFolder();
    if (!QFileInfo(folder).isDir())
        return fail(QCoreApplication::translate("Tools", "data folder \"%1\" does not exist")
                        .arg(QDir::toNativeSeparators(folder)));

    // The records first: a file that cannot be imported needs no lock.
    if (haveFile) {
        QByteArray bytes;
        QString error;
        const QString path = files.first();
        if (!storage::readRegularFile(path, recordcsv::MaxBytes, bytes, error, storage::ReadPurpose::Import))
            return fail(QStringLiteral("\"%1\": %2").arg(path, error));
        recordcsv::ReadResult read;
        if (!recordcsv::readRecordCsv(bytes, order, read, error))
            return fail(QStringLiteral("\"%1\": %2").arg(path, error));
        if (order == recordcsv::DateOrder::Auto && read.dates.ambiguous)
            return fail(
                QCoreApplication::translate(
                    "plumbline-import", "\"%1\": every date reads both as month/day and as day/month (line %2: \"%3\" "
                                        "is %4 or %5); choose with --date-format mdy or dmy")
                    .arg(path)
                    .arg(read.dates.exampleLine)
                    .arg(read.dates.exampleText, isoDate(read.dates.asMonthFirst), isoDate(read.dates.asDayFirst)));
        if (read.problemCount() > 0) {
            const int problems = read.problemCount();
            //: %1 is the CSV file, %2 the number of rows.
            const QString refusal =
                problems == 1 ? QCoreApplication::translate("plumbline-import",
                                                            "\"%1\": %2 row cannot be read; nothing was changed:")
                              : QCoreApplication::translate("plumbline-import",
                                                            "\"%1\": %2 rows cannot be read; nothing was changed:");
            std::fprintf(stderr, "plumbline-import: %s\n", qPrintable(refusal.arg(path, QString::number(problems))));
            for (const QString &line : recordcsv::problemLines(read.rows))
                std::fprintf(stderr, "  %s\n", qPrintable(line));
            return Refused;
        }
        for (const recordcsv::ImportRow &row : read.rows)
            request.records.push_back({row.line, row.date, row.original, row.current, row.rate});
    }

    PriceIndex index;
    QString seriesName;
    if (parser.isSet(fillRates)) {
        seriesName = parser.isSet(series) ? parser.value(series) : storage::systemPriceIndexName();
        QString error;
        if (!storage::loadPriceIndex(seriesName, index, error))
            return fail(error);
        request.series = &index;
        request.fillIncoming = haveFile;
        request.fillExisting = !haveFile;
    }

    // Never a change half made, nor a folder where a data file belongs; never beside a
    // running copy of the program.
    if (const QString refusal = storage::readingRefusal(folder); !refusal.isEmpty())
        return fail(refusal);
    storage::FolderLock lock(QDir(folder).filePath(QStringLiteral("Plumbline.lock")));
    switch (lock.tryLock()) {
    case storage::FolderLock::Result::Locked:
        break;
    case storage::FolderLock::Result::HeldByRunningCopy:
        return fail(QCoreApplication::translate("plumbline-import",
                                                "Plumbline 3.5 is running on \"%1\"; close it, then import again")
                        .arg(QDir::toNativeSeparators(folder)));
    case storage::FolderLock::Result::IsFolder:
    case storage::FolderLock::Result::Unusable:
        return fail(QCoreApplication::translate("plumbline-import",
                                                "the lock file of \"%1\" cannot be used; nothing was changed")
                        .arg(QDir::toNativeSeparators(folder)));
    }

    try {
        const storage::RecordChangePlan plan = storage::planRecordChanges(folder, request);
        if (!parser.isSet(dryRun) && !plan.changesNothing()) {
            storage::VersionStore versions(folder);
            storage::VersionStore::Change change = versions.begin(storage::describeChange(plan));
            storage::applyRecordChanges(folder, plan);
            try {
                change.commit();
            } catch (const RuntimeError &error) {
                std::fprintf(stderr, "plumbline-import: %s\n",
                             qPrintable(QCoreApplication::translate(
                                            "plumbline-import",
                                            "warning: the change is made but not yet kept as a version: error %1: %2")
                                            .arg(error.number())
                                            .arg(error.description())));
            }
        }
        describe(plan, parser.isSet(dryRun), seriesName);
    } catch (const storage::HistoryPassError &failure) {
        //: %1 is why the data files cannot be read.
        return fail(QCoreApplication::translate("plumbline-import", "%1; nothing was changed").arg(failure.message()));
    } catch (const RuntimeError &error) {
        return fail(QCoreApplication::translate("Tools", "error %1: %2").arg(error.number()).arg(error.description()));
    }
    if (std::fflush(stdout) != 0)
        return fail(
            QCoreApplication::translate("plumbline-import", "the summary could not be written to standard output"));
    return Done;
}
