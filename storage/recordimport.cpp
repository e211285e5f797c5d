#include "storage/recordimport.h"

#include "core/runtimeerror.h"
#include "core/suggestedrate.h"
#include "storage/datafolder.h"
#include "storage/fileops.h"
#include "storage/historyreader.h"
#include "storage/investrecords.h"
#include "storage/linebuffer.h"
#include "storage/textrecords.h"
#include "storage/transaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <tuple>

#include <sys/stat.h>

namespace storage {

namespace {

struct Existing
{
    Date date;
    Currency original;
    Currency current;
    Single rate = 0;
};

RecordChangePlan::Stamp stampOf(const QString &path)
{
    RecordChangePlan::Stamp stamp;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modifiedNs = (long long)st.st_mtim.tv_sec * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

QString pathIn(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(name);
}

bool validText(const QString &text)
{
    for (const QChar c : text)
        if (c == QChar(0) || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return false;
    return true;
}

void checkNewInvestment(const RecordChangeRequest &request, int count)
{
    if (request.newType.trimmed().isEmpty())
        throw RuntimeError(RuntimeError::InvalidProcedureCall,
                           QCoreApplication::translate("Import", "A new investment needs an entry in 'Investment'."));
    if (request.newType.size() > 50 || request.newInstitution.size() > 50)
        throw RuntimeError(RuntimeError::InvalidProcedureCall,
                           QCoreApplication::translate(
                               "Import", "An investment's type and institution hold at most 50 characters each."));
    if (!validText(request.newType) || !validText(request.newInstitution))
        throw RuntimeError(
            RuntimeError::InvalidProcedureCall,
            QCoreApplication::translate("Import", "An investment's type and institution cannot hold line breaks."));
    if (count >= std::numeric_limits<int16_t>::max())
        throw RuntimeError(RuntimeError::Overflow);
}

QString noRateReason(const SuggestedRate &suggested)
{
    switch (suggested.outcome) {
    case SuggestedRate::Outcome::Rate:
        break;
    case SuggestedRate::Outcome::FirstRecord:
        return QCoreApplication::translate("Import", "the investment's first record");
    case SuggestedRate::Outcome::NothingCounted:
        return QCoreApplication::translate("Import", "no earlier record has both amounts above 0");
    case SuggestedRate::Outcome::BeforeBase:
        return QCoreApplication::translate("Import", "the date is before the record the rate would start from");
    case SuggestedRate::Outcome::NoRate:
        return suggested.rate.reason;
    }
    return QString();
}

// The suggestion as the rate box would take it: its two-decimal text read as a Single.
void fill(RateFill &out, const PriceIndex &series, const RateBase &base)
{
    const SuggestedRate suggested = suggestRate(series, base, out.date);
    out.since = suggested.since;
    if (!suggested.ok()) {
        out.reason = noRateReason(suggested);
        return;
    }
    const QByteArray text = suggested.rate.text().toLatin1();
    Single value = 0;
    if (!parseSingle(text.constData(), text.constData() + text.size(), value) || !std::isfinite(value)) {
        out.reason = QCoreApplication::translate("Import", "%1 % is too large for a rate")
                         .arg(QString::number(suggested.rate.exact, 'g', 3));
        return;
    }
    out.filled = true;
    out.rate = value;
    out.rateText = QString::fromLatin1(text);
}

// Lines of the new history, put out in large blocks.
class BlockWriter
{
public:
    explicit BlockWriter(QFile &file) : m_file(file) { m_buffer.reserve(Block + 4096); }
    std::string &buffer() { return m_buffer; }
    void line(const char *begin, const char *end)
    {
        m_buffer.append(begin, size_t(end - begin));
        m_buffer.append("\r\n", 2);
        spill();
    }
    void record(const HistFields &fields)
    {
        formatHistLine(fields, m_buffer);
        spill();
    }
    void finish()
    {
        writeAll(m_file, m_buffer.data(), qint64(m_buffer.size()));
        m_buffer.clear();
    }

private:
    static constexpr size_t Block = 1 << 20;
    void spill()
    {
        if (m_buffer.size() >= Block)
            finish();
    }
    QFile &m_file;
    std::string m_buffer;
};

// The investment number a history line starts with.
int lineInvestment(const char *begin, const char *end)
{
    int number = 0;
    const char *p = begin;
    while (p < end && p - begin < 6 && *p >= '0' && *p <= '9')
        number = number * 10 + (*p++ - '0');
    if (p > begin && p < end && *p == ',' && !(*begin == '0' && p - begin > 1))
        return number;
    HistFields fields;
    parseHistLine(begin, end, fields);
    return fields.investNum;
}

void writeHistory(const QString &source, QFile &out, const RecordChangePlan &plan)
{
    BlockWriter writer(out);
    size_t next = 0; // the next record to add, in date order
    size_t nextFill = 0;
    const auto addBefore = [&](int rank) {
        for (; next < plan.added.size() && plan.added[next].before == rank; ++next) {
            const IncomingRecord &r = plan.added[next].record;
            HistFields fields;
            fields.investNum = plan.investment;
            fields.date = r.date;
            fields.original = r.original;
            fields.current = r.current;
            fields.rate = r.rate;
            writer.record(fields);
        }
    };
    // The added records placed in front of existing ones come first in `added` order by rank.
    if (QFile::exists(source)) {
        QFile in;
        openForReading(in, source);
        adviseSequential(in);
        LineBuffer lines;
        lines.attach(&in);
        int rank = 0;
        const char *begin = nullptr;
        const char *end = nullptr;
        while (!lines.atEnd()) {
            lines.readLine(begin, end);
            if (lineInvestment(begin, end) != plan.investment) {
                writer.line(begin, end);
                continue;
            }
            ++rank;
            addBefore(rank);
            if (nextFill < plan.existingFills.size() && plan.existingFills[nextFill].first == rank) {
                HistFields fields;
                parseHistLine(begin, end, fields);
                fields.rate = plan.existingFills[nextFill++].second;
                writer.record(fields);
            } else {
                writer.line(begin, end);
            }
        }
        if (in.error() != QFileDevice::NoError)
            throw RuntimeError(RuntimeError::DeviceIOError);
    }
    addBefore(0);
    writer.finish();
}

QByteArray newInvestmentFile(const QString &source, const RecordChangePlan &plan)
{
    QFile in;
    openForReading(in, source);
    QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        throw RuntimeError(RuntimeError::DeviceIOError);
    // The new record takes position n as the windows would write it: at (n-1)*102.
    bytes.resize(qsizetype(plan.investment - 1) * InvestRecordLength, '\0');
    InvestRecord record;
    record.RecNum = plan.investment;
    record.InvestType = plan.type;
    record.Institution = plan.institution;
    char encoded[InvestRecordLength];
    encodeInvestRecord(record, encoded);
    bytes.append(encoded, InvestRecordLength);
    return bytes;
}

void removeQuietly(const QString &path)
{
    if (!path.isEmpty())
        QFile::remove(path);
}

} // namespace

int RecordChangePlan::filledCount() const
{
    return int(std::count_if(fills.begin(), fills.end(), [](const RateFill &f) { return f.filled; }));
}

ChangeDescription describeChange(const RecordChangePlan &plan)
{
    ChangeDescription change;
    change.kind = plan.added.empty() ? ChangeKind::FillRates : ChangeKind::ImportRecords;
    change.investment = investmentTitle(plan.type, plan.institution);
    change.count = plan.added.empty() ? int(plan.existingFills.size()) : int(plan.added.size());
    return change;
}

QString investmentTitle(const QString &type, const QString &institution)
{
    const QString t = trimPadding(type).trimmed();
    const QString i = trimPadding(institution).trimmed();
    return i.isEmpty() ? t : t + QStringLiteral(", ") + i;
}

RecordChangePlan planRecordChanges(const QString &folder, const RecordChangeRequest &request)
{
    RecordChangePlan plan;
    const QString investPath = pathIn(folder, InvestFileName);
    const QString historyPath = pathIn(folder, HistFileName);
    plan.investStamp = stampOf(investPath);
    plan.historyStamp = stampOf(historyPath);
    const std::vector<InvestmentInfo> investments = readInvestmentList(investPath);
    const int count = int(investments.size());
    if (request.investment == 0) {
        checkNewInvestment(request, count);
        plan.newInvestment = true;
        plan.investment = count + 1;
        plan.type = request.newType;
        plan.institution = request.newInstitution;
    } else {
        if (request.investment < 1 || request.investment > count)
            throw RuntimeError(9,
                               QCoreApplication::translate("Import", "There is no investment %1 (the file holds %2).")
                                   .arg(request.investment)
                                   .arg(count));
        plan.investment = request.investment;
        plan.type = investments[size_t(request.investment - 1)].type;
        plan.institution = investments[size_t(request.investment - 1)].institution;
    }

    // Every line is read whole, so a damaged history is refused before anything is written.
    std::vector<Existing> existing;
    if (stampOf(historyPath).exists) {
        HistoryReader reader(historyPath);
        HistFields line;
        while (reader.nextLine()) {
            reader.decode(line);
            if (line.investNum == plan.investment)
                existing.push_back({line.date, line.original, line.current, line.rate});
        }
    }
    plan.existingRecords = int(existing.size());

    // Incoming records in date order (a stable sort keeps the file's order within a day),
    // less those already there.
    std::vector<IncomingRecord> incoming = request.records;
    std::stable_sort(incoming.begin(), incoming.end(), [](const IncomingRecord &a, const IncomingRecord &b) {
        return a.date.serial() < b.date.serial();
    });
    std::set<std::tuple<double, int64_t, int64_t>> present;
    for (const Existing &e : existing)
        present.insert({e.date.serial(), e.original.units(), e.current.units()});
    // The first record (in file order) dated after a day: the running latest date rises.
    std::vector<double> latest;
    latest.reserve(existing.size());
    for (const Existing &e : existing)
        latest.push_back(latest.empty() ? e.date.serial() : std::max(latest.back(), e.date.serial()));
    const double last = existing.empty() ? 0 : existing.back().date.serial();
    for (const IncomingRecord &r : incoming) {
        if (present.count({r.date.serial(), r.original.units(), r.current.units()}) != 0) {
            ++plan.duplicates;
            continue;
        }
        int before = 0;
        if (!existing.empty() && r.date.serial() < last) {
            const auto at = std::upper_bound(latest.begin(), latest.end(), r.date.serial());
            before = at == latest.end() ? 0 : int(at - latest.begin()) + 1;
        }
        (before == 0 ? plan.appended : plan.merged) += 1;
        plan.added.push_back({r, before});
    }
    // Written in rank order: those in front of record 1, of record 2, ..., then those at the end.
    std::stable_sort(plan.added.begin(), plan.added.end(), [](const auto &a, const auto &b) {
        const int ra = a.before == 0 ? std::numeric_limits<int>::max() : a.before;
        const int rb = b.before == 0 ? std::numeric_limits<int>::max() : b.before;
        return ra < rb;
    });

    // The investment as it will be, record by record, for the rates to fill.
    const bool filling = request.series && (request.fillIncoming || request.fillExisting);
    RateBase base;
    int rank = 0;
    size_t next = 0;
    const auto visit = [&](Date date, Currency original, Currency current, Single rate, bool incomingRecord, int line,
                           Single *target, int existingRank) {
        ++rank;
        if (filling && rate == 0 && rank > 1 && (incomingRecord ? request.fillIncoming : request.fillExisting)) {
            RateFill f;
            f.record = rank;
            f.line = line;
            f.date = date;
            fill(f, *request.series, base);
            if (f.filled) {
                if (target)
                    *target = f.rate;
                else
                    plan.existingFills.push_back({existingRank, f.rate});
            }
            plan.fills.push_back(f);
        }
        base.pass(date, original, current);
    };
    const auto visitAdded = [&](int beforeRank) {
        for (; next < plan.added.size() && plan.added[next].before == beforeRank; ++next) {
            IncomingRecord &r = plan.added[next].record;
            visit(r.date, r.original, r.current, r.rate, true, r.line, &r.rate, 0);
        }
    };
    for (size_t i = 0; i < existing.size(); ++i) {
        visitAdded(int(i) + 1);
        visit(existing[i].date, existing[i].original, existing[i].current, existing[i].rate, false, 0, nullptr,
              int(i) + 1);
    }
    visitAdded(0);
    return plan;
}

void applyRecordChanges(const QString &folder, const RecordChangePlan &plan)
{
    const QString investPath = pathIn(folder, InvestFileName);
    const QString historyPath = pathIn(folder, HistFileName);
    if (stampOf(investPath) != plan.investStamp || stampOf(historyPath) != plan.historyStamp)
        throw RuntimeError(
            RuntimeError::PathFileAccessError,
            QCoreApplication::translate("Import", "The data files changed after the records were read; nothing was "
                                                  "written."));
    if (plan.changesNothing())
        return;
    // Links are written at their targets; a file the user may not write is left alone (75).
    const QString historyTarget = rewriteTarget(historyPath);
    const QString investTarget = plan.newInvestment ? rewriteTarget(investPath) : QString();
    QString historyTemp;
    QString investTemp;
    try {
        {
            QFile out;
            historyTemp = createSiblingTemp(historyTarget, out);
            takeAttributesOf(out, historyTarget);
            writeHistory(historyPath, out, plan);
            syncToDisk(out);
        }
        if (!plan.newInvestment) {
            atomicRename(historyTemp, historyTarget);
            return;
        }
        {
            QFile out;
            investTemp = createSiblingTemp(investTarget, out);
            takeAttributesOf(out, investTarget);
            const QByteArray bytes = newInvestmentFile(investPath, plan);
            writeAll(out, bytes.constData(), bytes.size());
            syncToDisk(out);
        }
        // Both in place together: the investment file first, as the investment delete does.
        commitRenames(folder, {{investTemp, investTarget}, {historyTemp, historyTarget}});
    } catch (const CommitLeftPending &) {
        throw; // the marker names the new files: the next start completes the change
    } catch (...) {
        removeQuietly(historyTemp);
        removeQuietly(investTemp);
        throw;
    }
}

} // namespace storage
