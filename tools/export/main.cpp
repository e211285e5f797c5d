// plumbline-export: the figures of a data folder as CSV, computed as the grid computes them.
#include "core/runtimeerror.h"
#include "core/suggestedrate.h"
#include "platform/translations.h"
#include "storage/csvwriter.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/historypass.h"
#include "storage/investrecords.h"
#include "storage/priceindexchoice.h"
#include "storage/priceindexstore.h"
#include "storage/recordspool.h"
#include "storage/returnspass.h"
#include "storage/returnsrows.h"
#include "storage/toolguard.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

const char *const kHeader = "investment,type,institution,record,date,original_amount,current_amount,inc_dec,"
                            "profit_loss,inflation_rate,loss_to_inflation,current_amount_afi,profit_loss_afi\r\n";
const char *const kSuggestHeader = "investment,type,institution,record,date,original_amount,current_amount,inc_dec,"
                                   "profit_loss,inflation_rate,suggested_rate,loss_to_inflation,current_amount_afi,"
                                   "profit_loss_afi\r\n";

// The price index for --suggest-rates: the one named by --series, else the one chosen under
// View, Price Index, else that of the system locale's country.
bool loadSuggestionSeries(bool named, const QString &name, PriceIndex &index, QString &error)
{
    const bool chosenInWindows = !named && !storage::savedPriceIndexChoice().isEmpty();
    if (storage::loadPriceIndex(named ? name : storage::systemPriceIndexName(), index, error))
        return true;
    if (chosenInWindows)
        //: %1 is the reason the price index cannot be read.
        error =
            QCoreApplication::translate(
                "plumbline-export", "%1 It is the series chosen under View, Price Index; --series NAME gives another.")
                .arg(error);
    return false;
}

// Each record's suggested_rate field: the rate since the record the data record dialog would
// measure from (core/suggestedrate.h), empty where there is none.
class SuggestedRates
{
public:
    explicit SuggestedRates(const PriceIndex &index) : m_index(index) {}

    void startInvestment() { m_base = RateBase(); }
    QString next(const RecordFigures &f)
    {
        const SuggestedRate suggested = suggestRate(m_index, m_base, f.date);
        m_base.pass(f.date, f.originalAmount, f.currentAmount);
        return suggested.ok() ? suggested.rate.text() : QString();
    }

private:
    const PriceIndex &m_index;
    RateBase m_base;
};

// The rows of one investment, each record with its figures.
class RecordRows
{
public:
    RecordRows(CsvWriter &out, SuggestedRates *suggest) : m_out(out), m_suggest(suggest) {}

    void startInvestment(const storage::InvestmentInfo &info)
    {
        m_prefix.clear();
        m_prefix += std::to_string(info.number);
        m_prefix += ',';
        m_prefix += CsvWriter::field(info.type);
        m_prefix += ',';
        m_prefix += CsvWriter::field(info.institution);
        m_prefix += ',';
        if (m_suggest)
            m_suggest->startInvestment();
    }

    void add(const RecordFigures &f)
    {
        m_out.raw(m_prefix);
        m_out.integer(f.record);
        m_out.comma();
        m_out.isoDate(f.date);
        m_out.comma();
        m_out.amount(f.originalAmount);
        m_out.comma();
        m_out.amount(f.currentAmount);
        m_out.comma();
        m_out.amount(f.incDec);
        m_out.comma();
        m_out.amount(f.profitLoss);
        m_out.comma();
        m_out.rate(f.rate);
        m_out.comma();
        if (m_suggest) {
            const QByteArray suggested = m_suggest->next(f).toLatin1();
            m_out.raw(suggested.constData(), size_t(suggested.size()));
            m_out.comma();
        }
        m_out.amount(f.lossToInfl);
        m_out.comma();
        m_out.amount(f.currentAmountAFI);
        m_out.comma();
        m_out.amount(f.profitLossAFI);
        m_out.endRow();
    }

private:
    CsvWriter &m_out;
    SuggestedRates *m_suggest;
    std::string m_prefix;
};

// One investment: only its lines are read whole, the others only as far as their number.
void exportOne(storage::HistoryReader &reader, const storage::InvestmentInfo &info, int investCount, RecordRows &rows,
               storage::UnownedLines &unowned)
{
    Calculation calculation;
    storage::WrittenRates rates;
    storage::HistFields line;
    rows.startInvestment(info);
    while (reader.nextLine()) {
        int number = 0;
        if (reader.quickNumber(number) && number != info.number) {
            unowned.check(number, reader.lineNumber(), investCount);
            continue;
        }
        reader.decode(line);
        if (unowned.check(line.investNum, reader.lineNumber(), investCount) || line.investNum != info.number)
            continue;
        try {
            rows.add(calculation.add(info.number, line.date, line.original, line.current, rates(line.rate)));
        } catch (const RuntimeError &error) {
            reader.fail(error);
        }
    }
}

// Every investment: one pass over the history, then each investment's records in turn.
void exportAll(storage::HistoryReader &reader, const std::vector<storage::InvestmentInfo> &investments,
               RecordRows &rows, storage::UnownedLines &unowned)
{
    storage::Calculations calculations;
    storage::RecordSpool spool;
    storage::HistFields line;
    while (reader.nextLine()) {
        reader.decode(line);
        if (unowned.check(line.investNum, reader.lineNumber(), int(investments.size())))
            continue;
        // Worked out here too, so a figure out of range is reported with its line.
        try {
            calculations.add(line);
        } catch (const RuntimeError &error) {
            reader.fail(error);
        }
        line.rate = calculations.writtenRate(line.rate);
        spool.add(line);
    }
    for (const storage::InvestmentInfo &info : investments) {
        rows.startInvestment(info);
        spool.replay(info.number, [&rows](const RecordFigures &f) { rows.add(f); });
    }
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
    platform::installTranslations();
    QCoreApplication::setApplicationName(QStringLiteral("plumbline-export"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLUMBLINE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "plumbline-export",
        "Writes the figures of every data record of a Plumbline 3.5 data folder to standard output as "
        "CSV (comma-separated, header row, CR LF line ends), computed as the program's grid computes "
        "them. Nothing in the data folder is ever changed."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QCoreApplication::translate("Tools", "Read the data folder <dir> instead of the program's own."),
        //: A placeholder in the help for what is given after an option or the program's name; keep it as the
        //: descriptions call it ("<dir>").
        QCoreApplication::translate("Tools", "dir"));
    const QCommandLineOption investment(
        QStringLiteral("investment"),
        QCoreApplication::translate("plumbline-export", "Export only investment number <n>."), QStringLiteral("n"));
    const QCommandLineOption suggestRates(
        QStringLiteral("suggest-rates"),
        QCoreApplication::translate(
            "plumbline-export",
            "Add the column suggested_rate after inflation_rate: the rate the price index gives since "
            "the investment's last earlier record with both amounts above 0, the one the calculation "
            "compares the record with (empty where it gives none)."));
    const QCommandLineOption series(
        QStringLiteral("series"),
        QCoreApplication::translate("plumbline-export",
                                    "With --suggest-rates: the price index <name> (default: the "
                                    "series chosen under View, Price Index, else that of the system "
                                    "locale's country, else US-CPI-U)."),
        //: A placeholder in the help for what is given after an option or the program's name; keep it as the
        //: descriptions call it ("<name>").
        QCoreApplication::translate("Tools", "name"));
    const QCommandLineOption returns(
        QStringLiteral("returns"),
        QCoreApplication::translate(
            "plumbline-export",
            "Instead of the records, each investment's returns, nominal and after inflation (time- and "
            "money-weighted, cumulative and per year), and a last row for all of them, whose figure "
            "after inflation comes from the price index (--series, else the one chosen under View, "
            "Price Index)."));
    parser.addOption(dataDir);
    parser.addOption(investment);
    parser.addOption(suggestRates);
    parser.addOption(series);
    parser.addOption(returns);
    parser.process(app);
    if (parser.isSet(series) && !parser.isSet(suggestRates) && !parser.isSet(returns))
        return fail(QCoreApplication::translate("plumbline-export", "--series needs --suggest-rates or --returns"));
    if (parser.isSet(returns) && (parser.isSet(suggestRates) || parser.isSet(investment)))
        return fail(QCoreApplication::translate("plumbline-export",
                                                "--returns covers every investment and takes neither --investment nor "
                                                "--suggest-rates"));
    if (!parser.positionalArguments().isEmpty())
        return fail(QCoreApplication::translate("Tools", "unexpected argument \"%1\" (see --help)")
                        .arg(parser.positionalArguments().first()));

    if (parser.isSet(dataDir))
        storage::setProgramFolder(QDir(parser.value(dataDir)).absolutePath());
    const QString folder = storage::programFolder();
    if (!QFileInfo(folder).isDir())
        return fail(QCoreApplication::translate("Tools", "data folder \"%1\" does not exist")
                        .arg(QDir::toNativeSeparators(folder)));
    // Never a change half made, nor a folder where a data file belongs.
    if (const QString refusal = storage::readingRefusal(folder); !refusal.isEmpty())
        return fail(refusal);
    const QString investPath = storage::programFile(storage::InvestFileName);
    const QString historyPath = storage::programFile(storage::HistFileName);

    PriceIndex index;
    if (parser.isSet(returns)) {
        QString error;
        if (!loadSuggestionSeries(parser.isSet(series), parser.value(series), index, error))
            return fail(error);
        CsvWriter out(stdout);
        storage::Portfolio portfolio;
        try {
            portfolio = storage::readPortfolio(&index);
        } catch (const storage::HistoryPassError &failure) {
            return fail(failure.message());
        } catch (const RuntimeError &error) {
            return fail(QCoreApplication::translate("Tools", "\"%1\": error %2: %3")
                            .arg(QDir::toNativeSeparators(investPath))
                            .arg(error.number())
                            .arg(error.description()));
        }
        writeReturnsRows(portfolio, out);
        if (!out.flush() || std::fflush(stdout) != 0)
            return fail(QCoreApplication::translate("plumbline-export",
                                                    "the figures could not all be written to standard output"));
        if (portfolio.unowned.count > 0)
            std::fprintf(stderr, "plumbline-export: %s\n",
                         qPrintable(QCoreApplication::translate("Tools", "warning: %1")
                                        .arg(storage::unownedLinesWarning(portfolio.unowned, historyPath,
                                                                          int(portfolio.investments.size()),
                                                                          storage::LeftOut::Counted))));
        return 0;
    }
    std::optional<SuggestedRates> suggest;
    if (parser.isSet(suggestRates)) {
        QString error;
        if (!loadSuggestionSeries(parser.isSet(series), parser.value(series), index, error))
            return fail(error);
        suggest.emplace(index);
    }

    std::vector<storage::InvestmentInfo> investments;
    try {
        investments = storage::readInvestmentList(investPath);
    } catch (const RuntimeError &error) {
        return fail(QCoreApplication::translate("Tools", "\"%1\": error %2: %3")
                        .arg(QDir::toNativeSeparators(investPath))
                        .arg(error.number())
                        .arg(error.description()));
    }
    const int count = int(investments.size());
    int only = 0;
    if (parser.isSet(investment)) {
        bool ok = false;
        only = parser.value(investment).toInt(&ok);
        if (!ok || only < 1 || only > count)
            return fail(QCoreApplication::translate("Tools", "there is no investment %1 in \"%2\" (it holds %3)")
                            .arg(parser.value(investment), QDir::toNativeSeparators(investPath))
                            .arg(count));
    }

    CsvWriter out(stdout);
    RecordRows rows(out, suggest ? &*suggest : nullptr);
    storage::UnownedLines unowned;
    try {
        std::optional<storage::HistoryReader> reader;
        if (storage::fileExists(historyPath))
            reader.emplace(historyPath);
        out.raw(suggest ? kSuggestHeader : kHeader, std::strlen(suggest ? kSuggestHeader : kHeader));
        if (only > 0 && reader)
            exportOne(*reader, investments[size_t(only - 1)], count, rows, unowned);
        else if (reader)
            exportAll(*reader, investments, rows, unowned);
    } catch (const storage::HistoryPassError &failure) {
        out.discard();
        return fail(failure.message());
    } catch (const RuntimeError &error) {
        out.discard();
        return fail(QCoreApplication::translate("Tools", "\"%1\": error %2: %3")
                        .arg(QDir::toNativeSeparators(historyPath))
                        .arg(error.number())
                        .arg(error.description()));
    }
    if (!out.flush() || std::fflush(stdout) != 0)
        return fail(
            QCoreApplication::translate("plumbline-export", "the figures could not all be written to standard output"));
    // A warning only: what could be exported was.
    if (unowned.count > 0)
        std::fprintf(stderr, "plumbline-export: %s\n",
                     qPrintable(QCoreApplication::translate("Tools", "warning: %1")
                                    .arg(storage::unownedLinesWarning(unowned, historyPath, count,
                                                                      storage::LeftOut::Exported))));
    return 0;
}
