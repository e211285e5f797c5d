// plumbline-export: the figures of a data folder as CSV, computed as the grid computes them.
#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "core/suggestedrate.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/historypass.h"
#include "storage/priceindexchoice.h"
#include "storage/priceindexstore.h"
#include "storage/toolguard.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <string>

using namespace modPlMainMod;

namespace {

const char *const kHeader = "investment,type,institution,record,date,original_amount,current_amount,inc_dec,"
                            "profit_loss,inflation_rate,loss_to_inflation,current_amount_afi,profit_loss_afi\r\n";
const char *const kSuggestHeader = "investment,type,institution,record,date,original_amount,current_amount,inc_dec,"
                                   "profit_loss,inflation_rate,suggested_rate,loss_to_inflation,current_amount_afi,"
                                   "profit_loss_afi\r\n";

// One CSV field, quoted only when it must be.
QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r')) &&
        !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString trimPadding(const QString &text)
{
    int end = int(text.size());
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
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

// The price index for --suggest-rates: the one named by --series, else the one chosen under
// View, Price Index, else that of the system locale's country.
bool loadSuggestionSeries(bool named, const QString &name, PriceIndex &index, QString &error)
{
    const bool chosenInWindows = !named && !storage::savedPriceIndexChoice().isEmpty();
    if (storage::loadPriceIndex(named ? name : storage::systemPriceIndexName(), index, error))
        return true;
    if (chosenInWindows)
        error += QStringLiteral(" It is the series chosen under View, Price Index; --series NAME gives another.");
    return false;
}

// One record's suggested_rate field: the rate since the record the dialog would measure
// from (core/suggestedrate.h), empty where there is none. `base` then takes the record.
QString suggestedRateField(const PriceIndex &index, RateBase &base, const storage::RecordFigures &f)
{
    const SuggestedRate suggested = suggestRate(index, base, f.date);
    base.pass(f.date, f.originalAmount, f.currentAmount);
    return suggested.ok() ? suggested.rate.text() : QString();
}

// A fresh pass over the history for one investment, record by record in file order. With a
// price index, each record also gets the rate the index suggests for it.
void exportInvestment(int number, const QString &historyPath, const PriceIndex *index, std::string &out)
{
    const QString type = csvField(trimPadding(strInvestType));
    const QString institution = csvField(trimPadding(strInstitution));
    RateBase base;
    storage::forEachRecord(historyPath, number, [&](const storage::RecordFigures &f) {
        const QString suggested = index ? suggestedRateField(*index, base, f) : QString();
        QStringList fields{QString::number(number),
                           type,
                           institution,
                           QString::number(f.record),
                           isoDate(f.date),
                           f.originalAmount.toPlainString(),
                           f.currentAmount.toPlainString(),
                           f.incDec.toPlainString(),
                           f.profitLoss.toPlainString(),
                           singleToText(f.rate),
                           f.lossToInfl.toPlainString(),
                           f.currentAmountAFI.toPlainString(),
                           f.profitLossAFI.toPlainString()};
        if (index)
            fields.insert(10, suggested);
        out += fields.join(QLatin1Char(',')).toUtf8().toStdString();
        out += "\r\n";
    });
}

int fail(const QString &message)
{
    std::fprintf(stderr, "plumbline-export: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("plumbline-export"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLUMBLINE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the figures of every data record of a Plumbline 3.5 data folder to standard output as "
                       "CSV (comma-separated, header row, CR LF line ends), computed as the program's grid computes "
                       "them. Nothing in the data folder is ever changed."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Read the data folder <dir> instead of the program's own."),
                                     QStringLiteral("dir"));
    const QCommandLineOption investment(QStringLiteral("investment"),
                                        QStringLiteral("Export only investment number <n>."), QStringLiteral("n"));
    const QCommandLineOption suggestRates(
        QStringLiteral("suggest-rates"),
        QStringLiteral("Add the column suggested_rate after inflation_rate: the rate the price index gives since "
                       "the investment's last earlier record with both amounts above 0, the one the calculation "
                       "compares the record with (empty where it gives none)."));
    const QCommandLineOption series(QStringLiteral("series"),
                                    QStringLiteral("With --suggest-rates: the price index <name> (default: the "
                                                   "series chosen under View, Price Index, else that of the system "
                                                   "locale's country, else US-CPI-U)."),
                                    QStringLiteral("name"));
    parser.addOption(dataDir);
    parser.addOption(investment);
    parser.addOption(suggestRates);
    parser.addOption(series);
    parser.process(app);
    if (parser.isSet(series) && !parser.isSet(suggestRates))
        return fail(QStringLiteral("--series needs --suggest-rates"));
    if (!parser.positionalArguments().isEmpty())
        return fail(
            QStringLiteral("unexpected argument \"%1\" (see --help)").arg(parser.positionalArguments().first()));

    if (parser.isSet(dataDir))
        storage::setProgramFolder(QDir(parser.value(dataDir)).absolutePath());
    const QString folder = storage::programFolder();
    if (!QFileInfo(folder).isDir())
        return fail(QStringLiteral("data folder \"%1\" does not exist").arg(QDir::toNativeSeparators(folder)));
    // Never a change half made, nor a folder where a data file belongs.
    if (const QString refusal = storage::readingRefusal(folder); !refusal.isEmpty())
        return fail(refusal);
    const QString investPath = storage::programFile(storage::InvestFileName);
    const QString historyPath = storage::programFile(storage::HistFileName);

    PriceIndex index;
    if (parser.isSet(suggestRates)) {
        QString error;
        if (!loadSuggestionSeries(parser.isSet(series), parser.value(series), index, error))
            return fail(error);
    }
    const PriceIndex *suggestFrom = parser.isSet(suggestRates) ? &index : nullptr;

    std::string out = suggestFrom ? kSuggestHeader : kHeader;
    storage::UnownedLines unowned;
    int investCount = 0;
    try {
        storage::open(1, investPath, storage::OpenMode::RandomReadOnly);
        const int count = storage::recordCount(storage::lof(1));
        investCount = count;
        int first = 1;
        int last = count;
        if (parser.isSet(investment)) {
            bool ok = false;
            const int only = parser.value(investment).toInt(&ok);
            if (!ok || only < 1 || only > count)
                return fail(QStringLiteral("there is no investment %1 in \"%2\" (it holds %3)")
                                .arg(parser.value(investment), QDir::toNativeSeparators(investPath))
                                .arg(count));
            first = last = only;
        }
        const bool haveHistory = storage::fileExists(historyPath);
        for (int n = first; n <= last; ++n) {
            storage::getRecord(1, n, InvestRec);
            strInvestType = InvestRec.InvestType;
            strInstitution = InvestRec.Institution;
            if (haveHistory)
                exportInvestment(n, historyPath, suggestFrom, out);
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
        storage::close(1);
        if (haveHistory)
            unowned = storage::findUnownedLines(historyPath, count);
    } catch (const storage::HistoryPassError &failure) {
        return fail(failure.message());
    } catch (const RuntimeError &error) {
        return fail(QStringLiteral("\"%1\": error %2: %3")
                        .arg(QDir::toNativeSeparators(investPath))
                        .arg(error.number())
                        .arg(error.description()));
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    // A warning only: what could be exported was.
    if (unowned.count > 0)
        std::fprintf(
            stderr, "plumbline-export: warning: %s\n",
            qPrintable(storage::unownedLinesWarning(unowned, historyPath, investCount, QStringLiteral("exported"))));
    return std::fflush(stdout) == 0 ? 0 : 1;
}
