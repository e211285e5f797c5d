// The record import and the filling of missing rates, each compared with the edit rewrite of
// the same history: 100,000 rows of a CSV file read, planned against the history and written
// in one rewrite; 10,000 records of the shown investment given a rate from a price index.
// Both work on a copy of the folder of their own, put back after every run.
#include "benchsupport.h"

#include "core/recordcsv.h"
#include "storage/datafolder.h"
#include "storage/priceindexstore.h"
#include "storage/recordimport.h"

#include <QDir>
#include <QFile>

#include <memory>

namespace bench {

namespace {

constexpr int kRows = 100000;

QString ownFolder(long long lines, const char *what)
{
    return workFolder(lines) + QStringLiteral("-%1").arg(QLatin1String(what));
}

void copyInto(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QString &name : {storage::InvestFileName, storage::HistFileName}) {
        QFile::remove(to + QLatin1Char('/') + name);
        if (!QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name))
            die("cannot copy the folder for the import");
    }
}

qint64 sizeOf(const QString &path)
{
    return QFileInfo(path).size();
}

// 100,000 rows a day apart from 2030 on, as a bank's statement writes them.
const QByteArray &statement()
{
    static const QByteArray bytes = [] {
        QByteArray text = "Date,Original Amount,Current Amount,Inflation Rate\r\n";
        QDate day(2030, 1, 1);
        for (int i = 0; i < kRows; ++i, day = day.addDays(1))
            text += day.toString(Qt::ISODate).toLatin1() + ",\"1,000.00\"," + QByteArray::number(1000 + i % 500) +
                    ".25," + QByteArray::number(i % 7) + ".5\r\n";
        return text;
    }();
    return bytes;
}

void importRows(long long lines)
{
    recordcsv::ReadResult read;
    QString error;
    if (!recordcsv::readRecordCsv(statement(), recordcsv::DateOrder::Auto, read, error) || read.problemCount() > 0)
        die("the statement was not read");
    storage::RecordChangeRequest request;
    request.investment = kShown;
    request.records.reserve(read.rows.size());
    for (const recordcsv::ImportRow &row : read.rows)
        request.records.push_back({row.line, row.date, row.original, row.current, row.rate});
    const QString folder = ownFolder(lines, "import");
    const storage::RecordChangePlan plan = storage::planRecordChanges(folder, request);
    if (plan.added.size() != size_t(kRows))
        die("the import did not take every row");
    storage::applyRecordChanges(folder, plan);
}

// The shown investment's rates all 0, so that each of its records has one to fill.
void withoutRates(const QString &folder)
{
    const QString path = folder + QLatin1Char('/') + storage::HistFileName;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        die("cannot read the history");
    QByteArray out;
    const QByteArray prefix = QByteArray::number(kShown) + ',';
    for (QByteArray line : file.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        if (line.startsWith(prefix))
            line = line.left(line.lastIndexOf(',') + 1) + "0\r";
        out += line + '\n';
    }
    file.close();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size())
        die("cannot write the history");
}

std::unique_ptr<PriceIndex> g_series;

void fillRates(long long lines)
{
    storage::RecordChangeRequest request;
    request.investment = kShown;
    request.series = g_series.get();
    request.fillExisting = true;
    const QString folder = ownFolder(lines, "fill");
    const storage::RecordChangePlan plan = storage::planRecordChanges(folder, request);
    if (plan.fills.size() + 1 != size_t(shownRecords(lines)))
        die("the fill did not find every record without a rate");
    storage::applyRecordChanges(folder, plan);
}

} // namespace

Operation importOperation()
{
    return {"import 100,000 rows", "edit rewrite",
            [](long long lines) {
                copyInto(workFolder(lines), ownFolder(lines, "import"));
                copyInto(ownFolder(lines, "import"), ownFolder(lines, "import") + QStringLiteral("/pristine"));
                statement();
            },
            importRows,
            [](long long lines) {
                const QString folder = ownFolder(lines, "import");
                if (sizeOf(folder + QLatin1Char('/') + storage::HistFileName) <=
                    sizeOf(folder + QStringLiteral("/pristine/") + storage::HistFileName))
                    die("the import did not write the history");
                copyInto(folder + QStringLiteral("/pristine"), folder);
            }};
}

Operation fillRatesOperation()
{
    return {"fill 10,000 rates", "edit rewrite",
            [](long long lines) {
                const QString folder = ownFolder(lines, "fill");
                copyInto(workFolder(lines), folder);
                withoutRates(folder);
                copyInto(folder, folder + QStringLiteral("/pristine"));
                g_series = std::make_unique<PriceIndex>();
                QString error;
                if (!storage::loadPriceIndex(QStringLiteral("US-CPI-U"), *g_series, error))
                    die(error.toStdString());
            },
            fillRates,
            [](long long lines) {
                const QString folder = ownFolder(lines, "fill");
                copyInto(folder + QStringLiteral("/pristine"), folder);
            }};
}

} // namespace bench
