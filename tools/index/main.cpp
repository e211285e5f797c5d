// plumbline-index: the price indexes Plumbline knows, importing one, and the rate between two dates.
#include "core/priceindex.h"
#include "platform/translations.h"
#include "storage/datafolder.h"
#include "storage/priceindexchoice.h"
#include "storage/priceindexstore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "plumbline-index: %s\n", qPrintable(message));
    return 1;
}

void print(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

// YYYY-MM-DD, or YYYY-MM for the first of the month.
QDate readDate(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})(?:-(\\d{2}))?$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return QDate();
    return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).isEmpty() ? 1 : m.captured(3).toInt());
}

// An import's failure, naming the CSV file once: the reason names it already when the file
// could not be opened, a fault in its lines or its size is said of it, and a reason about
// the name, the country or where series are kept leaves it out.
QString importFailure(const QString &csvPath, const QString &reason)
{
    const QString path = QDir::toNativeSeparators(csvPath);
    if (reason.startsWith(path + QLatin1Char(' ')))
        return reason;
    static const QRegularExpression line(QStringLiteral("^Line (\\d+): (.*)$"));
    const QRegularExpressionMatch m = line.match(reason);
    if (m.hasMatch())
        //: %1 is the CSV file, %2 a line number in it, %3 what is wrong with that line.
        return QCoreApplication::translate("plumbline-index", "%1, line %2: %3")
            .arg(path, m.captured(1), m.captured(2));
    const QLatin1String theFile("The file ");
    if (reason.startsWith(theFile))
        return path + QLatin1Char(' ') + reason.mid(theFile.size());
    return reason;
}

int listSeries()
{
    QStringList problems;
    const QList<PriceIndex> all = storage::allPriceIndexes(&problems);
    for (const PriceIndex &index : all) {
        const auto shown = [](const QString &text) { return text.isEmpty() ? QStringLiteral("-") : text; };
        print(
            QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8\t%9")
                .arg(index.name, PriceIndex::kindText(index.kind), index.coverage(), shown(index.country),
                     storage::isShippedPriceIndex(index.name) ? QStringLiteral("shipped") : QStringLiteral("imported"),
                     index.title, shown(index.unit), shown(index.publisher), shown(index.taken)));
    }
    for (const QString &problem : std::as_const(problems))
        std::fprintf(stderr, "plumbline-index: %s\n", qPrintable(problem));
    return problems.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    platform::installTranslations();
    QCoreApplication::setApplicationName(QStringLiteral("plumbline-index"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLUMBLINE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "plumbline-index",
        "The price indexes Plumbline suggests inflation rates from.\n\n"
        "  list                 every series (shipped and imported), one a line: name, frequency\n"
        "                       (monthly, quarterly or annual), coverage, country, shipped or\n"
        "                       imported, title, unit and base, publisher, the day it was taken\n"
        "  import FILE --name NAME [--country CC] [--replace]\n"
        "                       reads a monthly index from a CSV file and stores it as NAME,\n"
        "                       replacing a series of that name whole; where the file changes\n"
        "                       figures that series held, it says how many and stops unless\n"
        "                       --replace is given\n"
        "  rate FROM TO [--series NAME]\n"
        "                       the inflation rate in percent from date FROM to date TO\n"
        "                       (YYYY-MM-DD or YYYY-MM); exits with 2 and the reason when\n"
        "                       the series has no rate for them\n\n"
        "Without --series the series chosen under View, Price Index is used; without a choice, that of the system "
        "locale's country: its monthly national index, else the euro area's HICP where the euro is paid, else its "
        "quarterly or annual series (US-CPI-U when it has none).\n"
        "Imported series live in the folder \"Price Indexes\" of the data folder; the data files are never "
        "touched."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QCoreApplication::translate("Tools", "Use the data folder <dir> instead of the program's own."),
        //: A placeholder in the help for what is given after an option or the program's name; keep it as the
        //: descriptions call it ("<dir>").
        QCoreApplication::translate("Tools", "dir"));
    const QCommandLineOption name(QStringLiteral("name"),
                                  QCoreApplication::translate("plumbline-index", "import: the series' name."),
                                  //: A placeholder in the help for what is given after an option or the program's name;
                                  //: keep it as the descriptions call it ("<name>").
                                  QCoreApplication::translate("Tools", "name"));
    const QCommandLineOption country(
        QStringLiteral("country"),
        QCoreApplication::translate("plumbline-index", "import: the series' country, a two-letter ISO code."),
        QStringLiteral("cc"));
    const QCommandLineOption series(QStringLiteral("series"),
                                    QCoreApplication::translate("plumbline-index", "rate: the series to use."),
                                    //: A placeholder in the help for what is given after an option or the program's
                                    //: name; keep it as the descriptions call it ("<name>").
                                    QCoreApplication::translate("Tools", "name"));
    const QCommandLineOption replace(
        QStringLiteral("replace"),
        QCoreApplication::translate(
            "plumbline-index", "import: replace a series of that name even where the file changes its past figures."));
    parser.addOptions({dataDir, name, country, replace, series});
    //: A placeholder in the help for the first argument; the description under "Arguments" lists the commands.
    parser.addPositionalArgument(QCoreApplication::translate("Tools", "command"),
                                 QCoreApplication::translate("plumbline-index", "list, import or rate"));
    parser.process(app);

    if (parser.isSet(dataDir))
        storage::setProgramFolder(QDir(parser.value(dataDir)).absolutePath());
    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);

    if (command == QLatin1String("list") && args.size() == 1)
        return listSeries();

    if (command == QLatin1String("import") && args.size() == 2) {
        if (!parser.isSet(name))
            return fail(QCoreApplication::translate("plumbline-index", "import needs --name NAME"));
        // Figures the series held that the file changes are replaced only when asked for.
        const PriceIndexRevision revision = storage::priceIndexImportRevision(args.at(1), parser.value(name));
        if (revision.any() && !parser.isSet(replace))
            return fail(QCoreApplication::translate(
                            "plumbline-index", "%1: %2 changes figures the series holds (%3). Nothing was changed; add "
                                               "--replace to replace it.")
                            .arg(parser.value(name), QDir::toNativeSeparators(args.at(1)),
                                 revision.text(PriceIndex::Kind::Monthly)));
        storage::PriceIndexImport result;
        QString error;
        if (revision.any())
            print(QCoreApplication::translate("plumbline-index", "Revised: %1.")
                      .arg(revision.text(PriceIndex::Kind::Monthly)));
        if (!storage::importPriceIndex(args.at(1), parser.value(name), parser.value(country), result, error))
            return fail(importFailure(args.at(1), error));
        //: %1 is the series' name, %2 its number of months, %3 the months it covers, %4 the folder it is kept in.
        print((result.replaced ? QCoreApplication::translate("plumbline-index", "Replaced %1: %2 months, %3 (in %4)")
                               : QCoreApplication::translate("plumbline-index", "Imported %1: %2 months, %3 (in %4)"))
                  .arg(result.series.name)
                  .arg(result.series.values.size())
                  .arg(result.series.coverage(), QDir::toNativeSeparators(storage::priceIndexFolder())));
        return 0;
    }

    if (command == QLatin1String("rate") && args.size() == 3) {
        const QDate from = readDate(args.at(1));
        const QDate to = readDate(args.at(2));
        if (!from.isValid() || !to.isValid())
            return fail(QCoreApplication::translate("plumbline-index", "dates are YYYY-MM-DD or YYYY-MM (see --help)"));
        const QString seriesName = parser.isSet(series) ? parser.value(series) : storage::systemPriceIndexName();
        PriceIndex index;
        QString error;
        if (!storage::loadPriceIndex(seriesName, index, error))
            return fail(error);
        const PriceIndex::RateResult rate = index.rate(from, to);
        if (!rate.ok) {
            std::fprintf(stderr, "plumbline-index: %s\n",
                         qPrintable(QCoreApplication::translate("plumbline-index", "no rate: %1").arg(rate.reason)));
            return 2;
        }
        print(rate.text());
        return 0;
    }

    return fail(QCoreApplication::translate("plumbline-index",
                                            "expected list, import FILE --name NAME, or rate FROM TO (see --help)"));
}
