// plumbline-gendata: writes a valid data folder of any size for trying the program and
// timing it on large data. The files are written by the program's own writers, so their
// bytes are exactly the program's.
//
//   plumbline-gendata --out DIR --investments N --records-per-investment M [--seed S] [--edits E]
//   plumbline-gendata --out DIR --lines L [--investments N] [--shown K] [--shown-share F] [--seed S] [--edits E]
//
// The second form writes L history lines in all, of which investment K (default 1) holds
// the share F (default 0.01) and the other investments (default 100 in all) the rest.
// The lines of different investments are interleaved as years of use leave them: each
// investment's records are appended in date order as time goes by, and every so often an
// edit has rewritten the file with the edited investment's lines first.
#include "core/investrecord.h"
#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/translations.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <queue>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Records an investment may hold: the record counter of a pass is a 16-bit Integer
// that runs to one past the last record.
constexpr long long MaxRecordsPerInvestment = 32766;
constexpr long long MaxInvestments = 32767;

// SplitMix64: small, fast and the same on every platform, so a seed always gives the
// same folder.
class Rng
{
public:
    explicit Rng(uint64_t seed = 0) : m_state(seed) {}
    uint64_t next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return double(next() >> 11) * 0x1.0p-53; } // [0, 1)
    double uniform(double low, double high) { return low + (high - low) * uniform(); }
    long long range(long long low, long long high) // [low, high]
    {
        return low + static_cast<long long>(next() % uint64_t(high - low + 1));
    }
    bool chance(double probability) { return uniform() < probability; }

private:
    uint64_t m_state;
};

struct Options
{
    QString out;
    long long investments = 0;
    long long perInvestment = 0;
    long long lines = 0;
    long long shown = 1;
    double shownShare = 0.01;
    long long edits = -1;
    uint64_t seed = 1;
};

//: The synopsis: only "usage:" is words; the rest are the program's and its options' names.
const char *const UsageText = QT_TRANSLATE_NOOP(
    "plumbline-gendata",
    "usage: plumbline-gendata --out DIR --investments N --records-per-investment M [--seed S] [--edits E]\n"
    "       plumbline-gendata --out DIR --lines L [--investments N] [--shown K] [--shown-share F]\n"
    "                         [--seed S] [--edits E]\n");

QString usageText()
{
    return QCoreApplication::translate("plumbline-gendata", UsageText);
}

[[noreturn]] void usage(const QString &problem)
{
    if (!problem.isEmpty())
        std::fprintf(stderr, "plumbline-gendata: %s\n", qPrintable(problem));
    std::fputs(qPrintable(usageText()), stderr);
    std::exit(2);
}

long long toNumber(const QString &text, const QString &option)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok || value < 0) {
        //: %1 is an option's name, %2 what was given for it.
        std::fprintf(
            stderr, "plumbline-gendata: %s\n",
            qPrintable(QCoreApplication::translate("plumbline-gendata", "--%1 wants a whole number, not \"%2\"")
                           .arg(option, text)));
        std::exit(2);
    }
    return value;
}

Options parseOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate(
            "plumbline-gendata",
            "Writes a valid Plumbline 3.5 data folder (PlumblineData and PlDataHist.txt) into DIR, which "
            "must not hold them yet, for trying the program and timing it on large data.\n\n") +
        usageText().trimmed());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const auto option = [&parser](const char *name, const char *valueName, const QString &text) {
        parser.addOption(QCommandLineOption(QLatin1String(name), text, QLatin1String(valueName)));
        return QLatin1String(name);
    };
    const QLatin1String out = option(
        "out", "DIR", QCoreApplication::translate("plumbline-gendata", "the folder to write (created if missing)"));
    const QLatin1String investments = option(
        "investments", "N", QCoreApplication::translate("plumbline-gendata", "investments (second form: default 100)"));
    const QLatin1String perInvestment =
        option("records-per-investment", "M",
               QCoreApplication::translate("plumbline-gendata", "data records of each investment"));
    const QLatin1String lines =
        option("lines", "L", QCoreApplication::translate("plumbline-gendata", "history lines in all"));
    const QLatin1String shown =
        option("shown", "K",
               QCoreApplication::translate("plumbline-gendata", "the investment holding the share F (default 1)"));
    const QLatin1String shownShare =
        option("shown-share", "F",
               QCoreApplication::translate("plumbline-gendata", "its share of the lines, 0 to 1 (default 0.01)"));
    const QLatin1String edits =
        option("edits", "E",
               QCoreApplication::translate("plumbline-gendata",
                                           "edits that rewrote the file, each putting the edited investment's lines "
                                           "first (default 3, at most N)"));
    const QLatin1String seed = option(
        "seed", "S",
        QCoreApplication::translate("plumbline-gendata", "the same seed always gives the same bytes (default 1)"));

    if (!parser.parse(arguments))
        usage(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        std::exit(0);
    }
    if (parser.isSet(version)) {
        parser.showVersion();
    }
    if (!parser.positionalArguments().isEmpty())
        usage(QCoreApplication::translate("plumbline-gendata", "unexpected argument \"%1\"")
                  .arg(parser.positionalArguments().constFirst()));

    Options o;
    o.out = parser.value(out);
    if (parser.isSet(investments))
        o.investments = toNumber(parser.value(investments), investments);
    if (parser.isSet(perInvestment))
        o.perInvestment = toNumber(parser.value(perInvestment), perInvestment);
    if (parser.isSet(lines))
        o.lines = toNumber(parser.value(lines), lines);
    if (parser.isSet(shown))
        o.shown = toNumber(parser.value(shown), shown);
    if (parser.isSet(shownShare)) {
        bool ok = false;
        o.shownShare = parser.value(shownShare).toDouble(&ok);
        if (!ok || !(o.shownShare >= 0.0 && o.shownShare <= 1.0))
            usage(QCoreApplication::translate("plumbline-gendata", "--shown-share wants a fraction from 0 to 1"));
    }
    if (parser.isSet(edits))
        o.edits = toNumber(parser.value(edits), edits);
    if (parser.isSet(seed))
        o.seed = uint64_t(toNumber(parser.value(seed), seed));

    if (o.out.isEmpty())
        usage(QCoreApplication::translate("plumbline-gendata", "--out is required"));
    if (o.lines > 0) {
        if (o.perInvestment > 0)
            usage(QCoreApplication::translate("plumbline-gendata", "give either --records-per-investment or --lines"));
        if (o.investments == 0)
            o.investments = 100;
        if (o.shown < 1 || o.shown > o.investments)
            usage(QCoreApplication::translate("plumbline-gendata", "--shown must name one of the investments"));
    } else if (o.investments == 0 || o.perInvestment == 0) {
        usage(QCoreApplication::translate("plumbline-gendata",
                                          "give --investments and --records-per-investment, or --lines"));
    }
    if (o.investments > MaxInvestments)
        usage(QCoreApplication::translate("plumbline-gendata", "at most 32767 investments"));
    return o;
}

// Number of history lines of each investment (index 0 unused).
std::vector<long long> lineCounts(const Options &o)
{
    std::vector<long long> counts(size_t(o.investments) + 1, 0);
    if (o.lines == 0) {
        std::fill(counts.begin() + 1, counts.end(), o.perInvestment);
    } else if (o.investments == 1) {
        counts[1] = o.lines;
    } else {
        const long long shownLines = std::llround(double(o.lines) * o.shownShare);
        counts[size_t(o.shown)] = shownLines;
        const long long rest = o.lines - shownLines;
        const long long others = o.investments - 1;
        long long k = 0;
        for (long long i = 1; i <= o.investments; ++i) {
            if (i == o.shown)
                continue;
            counts[size_t(i)] = rest / others + (k < rest % others ? 1 : 0);
            ++k;
        }
    }
    for (long long i = 1; i <= o.investments; ++i) {
        if (counts[size_t(i)] > MaxRecordsPerInvestment) {
            std::fprintf(stderr, "plumbline-gendata: %s\n",
                         qPrintable(QCoreApplication::translate(
                                        "plumbline-gendata", "investment %1 would get %2 records; the program counts "
                                                             "at most %3 per investment (use more --investments)")
                                        .arg(i)
                                        .arg(counts[size_t(i)])
                                        .arg(MaxRecordsPerInvestment)));
            std::exit(2);
        }
    }
    return counts;
}

struct Entry
{
    int32_t day; // Date serial of the record
    int16_t investment;
};

// The order of the history file after years of use: records appended in date order,
// and now and then an edit that put the edited investment's lines first.
std::vector<Entry> historyOrder(const std::vector<long long> &counts, long long edits, Rng &rng,
                                std::set<std::pair<int, long long>> &edited)
{
    const int investments = int(counts.size()) - 1;
    const double lastDay = Date::fromYmd(2026, 6, 30).serial();
    struct Stream
    {
        double day;   // day of the record in the queue
        double clock; // the same with the fraction the steps carry
        double step;
        long long left;
    };
    std::vector<Stream> streams(size_t(investments) + 1);
    using Next = std::pair<double, int>; // (day, investment): earliest first, then lowest number
    std::priority_queue<Next, std::vector<Next>, std::greater<Next>> queue;
    long long total = 0;
    for (int i = 1; i <= investments; ++i) {
        const long long n = counts[size_t(i)];
        total += n;
        double first = Date::fromYmd(int(rng.range(1985, 2005)), int(rng.range(1, 12)), int(rng.range(1, 28))).serial();
        // Many records start earlier, so that they still end by the last day.
        first = std::min(first, std::floor(lastDay - 1.25 * double(n)));
        const double step = (lastDay - first) / double(std::max<long long>(n, 1));
        streams[size_t(i)] = Stream{first, first, step, n};
        if (n > 0)
            queue.push({first, i});
    }

    std::vector<long long> editAt;
    for (long long k = 0; k < edits && total > 1; ++k)
        editAt.push_back(rng.range(total / 4, total - 1));
    std::sort(editAt.begin(), editAt.end());

    std::vector<Entry> order;
    order.reserve(size_t(total));
    size_t nextEdit = 0;
    while (!queue.empty()) {
        while (nextEdit < editAt.size() && editAt[nextEdit] <= (long long)order.size()) {
            // An edit of a record of an investment that has records so far.
            const Entry &pick = order[size_t(rng.range(0, (long long)order.size() - 1))];
            const int16_t investment = pick.investment;
            std::stable_partition(order.begin(), order.end(),
                                  [investment](const Entry &e) { return e.investment == investment; });
            long long present = 0;
            for (const Entry &e : order)
                present += e.investment == investment;
            edited.insert({investment, rng.range(0, present - 1)});
            ++nextEdit;
        }
        const auto [day, investment] = queue.top();
        queue.pop();
        order.push_back(Entry{int32_t(day), int16_t(investment)});
        Stream &s = streams[size_t(investment)];
        if (--s.left > 0) {
            // Irregular intervals around the investment's usual one, never two on a day.
            s.clock += s.step * rng.uniform(0.6, 1.4);
            s.day = std::max(s.day + 1.0, std::floor(s.clock));
            queue.push({s.day, investment});
        }
    }
    return order;
}

// The data records of one investment, produced in their own order.
class InvestmentValues
{
public:
    InvestmentValues() = default;
    InvestmentValues(uint64_t seed, int investment) : m_rng(seed ^ (uint64_t(investment) * 0xD1B54A32D192ED03ull))
    {
        m_original = m_rng.range(5, 500) * 100 * 10000 + m_rng.range(0, 3) * 25 * 10000; // whole dollars
        m_annualInflation = m_rng.uniform(1.5, 4.5);
        m_volatility = m_rng.uniform(0.002, 0.02);
    }

    // Fills the data record in hand with the next record, at `day`, `previousDay` being the
    // investment's record before it (0 for the first).
    void next(double day, double previousDay, bool editedLater)
    {
        using namespace modPlMainMod;
        const double interval = previousDay > 0 ? day - previousDay : 0;
        Single rate = 0;
        if (m_index == 0) {
            m_current = m_original; // the first record is the deposit
        } else {
            if (m_rng.chance(std::min(0.08, 0.002 + interval / 3650.0))) {
                // A further deposit raises both amounts.
                const int64_t deposit = m_rng.range(1, 50) * 100 * 10000;
                m_original += deposit;
                m_current += deposit;
            }
            // Growth that wanders but stays near the amount put in.
            m_growth = m_growth * 0.995 + m_rng.uniform(-m_volatility, m_volatility * 1.2);
            const double target = double(m_original) * std::exp(m_growth);
            m_current = int64_t(std::llround(target / 100.0)) * 100; // whole cents
            const double roll = m_rng.uniform();
            if (roll < 0.15) {
                rate = 0; // no rate entered
            } else if (roll < 0.20) {
                rate = Single(-double(m_rng.range(1, 10)) / 10.0); // deflation
            } else {
                const double percent = m_annualInflation * std::min(interval, 3650.0) / 365.0;
                rate = Single(std::max(0.01, std::round(percent * m_rng.uniform(0.7, 1.3) * 100.0) / 100.0));
            }
        }
        int64_t current = m_current;
        int64_t original = m_original;
        if (m_index > 0 && m_rng.chance(0.005))
            current = 0; // a record with no current amount
        if (m_index > 0 && m_rng.chance(0.002))
            original = 0;
        if (editedLater)
            current += 1234500; // the user corrected this one afterwards

        intHistInvestNum = m_investment;
        dtmRecDate = Date(day);
        curOriginalAmount = Currency::fromUnits(original);
        curCurrentAmount = Currency::fromUnits(current);
        sngInflRate = rate;
        ++m_index;
    }

    void setInvestment(int investment) { m_investment = investment; }
    long long index() const { return m_index; }

private:
    Rng m_rng;
    int m_investment = 0;
    long long m_index = 0;
    int64_t m_original = 0;
    int64_t m_current = 0;
    double m_growth = 0;
    double m_annualInflation = 3;
    double m_volatility = 0.01;
};

const char *const kTypes[] = {"Mutual fund",
                              "Savings account",
                              "Certificate of deposit",
                              "Money market",
                              "Treasury bond",
                              "Municipal bond",
                              "Stock",
                              "IRA",
                              "401(k)",
                              "Annuity",
                              "Index fund",
                              "Checking account"};
const char *const kInstitutions[] = {"First Bank",          "Credit Union",     "Mutual Savings Bank",
                                     "National Trust",      "Valley Federal",   "Harbor Investments",
                                     "Pioneer Funds",       "Summit Brokerage", "Community Bank",
                                     "United Life Annuity", "Treasury Direct",  "Evergreen Securities"};

void writeInvestmentFile(const QString &path, long long investments, Rng &rng)
{
    QFile::remove(path);
    storage::open(1, path, storage::OpenMode::Random);
    constexpr long long typeCount = sizeof kTypes / sizeof kTypes[0];
    constexpr long long institutionCount = sizeof kInstitutions / sizeof kInstitutions[0];
    for (long long n = 1; n <= investments; ++n) {
        InvestRecord record;
        record.RecNum = int(n);
        QString type = QString::fromLatin1(kTypes[rng.range(0, typeCount - 1)]);
        if (n > typeCount)
            type += QStringLiteral(" %1").arg(n);
        record.InvestType = type;
        record.Institution = QString::fromLatin1(kInstitutions[rng.range(0, institutionCount - 1)]);
        storage::putRecord(1, n, record);
    }
    storage::close(1);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("plumbline-gendata"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLUMBLINE_VERSION));
    platform::installTranslations();
    const Options o = parseOptions(QCoreApplication::arguments());
    if (!QDir().mkpath(o.out)) {
        std::fprintf(stderr, "plumbline-gendata: %s\n",
                     qPrintable(QCoreApplication::translate("plumbline-gendata", "cannot create %1").arg(o.out)));
        return 1;
    }
    storage::setProgramFolder(QFileInfo(o.out).absoluteFilePath());
    // Never over a data folder in use: it may be somebody's real records.
    for (const QString &name : {storage::InvestFileName, storage::HistFileName}) {
        if (QFileInfo::exists(storage::programFile(name))) {
            //: %1 is a folder, %2 the name of a data file in it.
            std::fprintf(
                stderr, "plumbline-gendata: %s\n",
                qPrintable(QCoreApplication::translate("plumbline-gendata", "%1 already holds %2; give an empty folder")
                               .arg(QDir::toNativeSeparators(o.out), name)));
            return 1;
        }
    }
    const std::vector<long long> counts = lineCounts(o);
    Rng rng(o.seed);
    const long long edits = o.edits >= 0 ? o.edits : std::min<long long>(3, o.investments);

    try {
        // Work files of an earlier program run would not belong to the new data.
        for (const QString &name : {storage::PageFileName, storage::TempDataFileName, storage::TempHistFileName,
                                    storage::SuccesFileName, storage::RecsDisplayedFileName})
            QFile::remove(storage::programFile(name));

        writeInvestmentFile(storage::programFile(storage::InvestFileName), o.investments, rng);

        std::set<std::pair<int, long long>> edited;
        const std::vector<Entry> order = historyOrder(counts, edits, rng, edited);
        std::vector<InvestmentValues> values(counts.size());
        std::vector<double> previousDay(counts.size(), 0.0);
        for (size_t i = 1; i < counts.size(); ++i) {
            values[i] = InvestmentValues(o.seed, int(i));
            values[i].setInvestment(int(i));
        }
        storage::open(2, storage::programFile(storage::HistFileName), storage::OpenMode::Output);
        for (const Entry &e : order) {
            InvestmentValues &v = values[size_t(e.investment)];
            const bool editedLater = edited.count({e.investment, v.index()}) > 0;
            v.next(double(e.day), previousDay[size_t(e.investment)], editedLater);
            previousDay[size_t(e.investment)] = double(e.day);
            storage::writeHistRecord(2);
        }
        storage::close(2);

        long long shownLines = counts[size_t(o.lines > 0 ? o.shown : 1)];
        //: %1 is the data folder written; %5 of the history lines belong to investment %4.
        std::printf(
            "%s\n",
            qPrintable(
                QCoreApplication::translate("plumbline-gendata",
                                            "%1: %2 investments, %3 history lines (investment %4: %5 lines), %6 edits, "
                                            "seed %7")
                    .arg(QDir::toNativeSeparators(storage::programFolder()), QString::number(o.investments),
                         QString::number(order.size()), QString::number(o.lines > 0 ? o.shown : 1LL),
                         QString::number(shownLines), QString::number(edits), QString::number(o.seed))));
    } catch (const RuntimeError &error) {
        storage::discardAll();
        std::fprintf(
            stderr, "plumbline-gendata: %s\n",
            qPrintable(
                QCoreApplication::translate("Tools", "error %1: %2").arg(error.number()).arg(error.description())));
        return 1;
    }
    return 0;
}
