#include "storage/priceindexstore.h"

#include "core/priceindexcsv.h"
#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/regularfile.h"
#include "storage/safesavefile.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace storage {

namespace {

const QString ResourceFolder = QStringLiteral(":/priceindex");
const QString SeriesSuffix = QStringLiteral(".txt");

// The shipped series never change while the program runs: read once.
const QHash<QString, PriceIndex> &shippedSeries()
{
    static const QHash<QString, PriceIndex> series = [] {
        QHash<QString, PriceIndex> all;
        const QStringList files = QDir(ResourceFolder).entryList({QStringLiteral("*.txt")}, QDir::Files);
        for (const QString &file : files) {
            QFile f(ResourceFolder + QLatin1Char('/') + file);
            PriceIndex index;
            QString error;
            if (f.open(QIODevice::ReadOnly) && PriceIndex::fromText(f.readAll(), index, error))
                all.insert(index.name.toUpper(), index);
        }
        return all;
    }();
    return series;
}

// The file of an imported series, matched without regard to letter case; empty when none.
QString importedFile(const QString &name)
{
    const QStringList files = QDir(priceIndexFolder()).entryList({QStringLiteral("*.txt")}, QDir::Files);
    for (const QString &file : files) {
        if (file.chopped(SeriesSuffix.size()).compare(name, Qt::CaseInsensitive) == 0)
            return priceIndexFolder() + QLatin1Char('/') + file;
    }
    return QString();
}

void writeSeriesFile(const QString &path, const QByteArray &bytes)
{
    // Each write checked, flushed and synced before the rename; a full disk is 61.
    SafeSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        file.raiseFailure();
    file.write(bytes);
    file.commit();
}

} // namespace

QString priceIndexFolder()
{
    return programFolder() + QLatin1Char('/') + PriceIndexFolderName;
}

QStringList shippedPriceIndexNames()
{
    QStringList names;
    for (const PriceIndex &index : shippedSeries())
        names << index.name;
    names.sort();
    return names;
}

bool isShippedPriceIndex(const QString &name)
{
    return shippedSeries().contains(name.toUpper());
}

QStringList importedPriceIndexNames()
{
    QStringList names;
    const QStringList files = QDir(priceIndexFolder()).entryList({QStringLiteral("*.txt")}, QDir::Files);
    for (const QString &file : files) {
        const QString name = file.chopped(SeriesSuffix.size());
        if (PriceIndex::isValidName(name) && !isShippedPriceIndex(name))
            names << name;
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

bool importedPriceIndexExists(const QString &name)
{
    return !importedFile(name).isEmpty();
}

bool loadPriceIndex(const QString &name, PriceIndex &out, QString &error)
{
    const auto shipped = shippedSeries().constFind(name.toUpper());
    if (shipped != shippedSeries().cend()) {
        out = *shipped;
        return true;
    }
    const QString path = PriceIndex::isValidName(name) ? importedFile(name) : QString();
    if (path.isEmpty()) {
        error = QCoreApplication::translate("PriceIndex", "There is no price index named %1.").arg(name);
        return false;
    }
    QByteArray text;
    QString why;
    if (!readRegularFile(path, MaxPriceIndexCsvBytes, text, why)) {
        error = QCoreApplication::translate("PriceIndex", "The price index %1 could not be read.").arg(name);
        return false;
    }
    if (!PriceIndex::fromText(text, out, why)) {
        error = QCoreApplication::translate("PriceIndex", "The price index file %1 is damaged: %2.")
                    .arg(QFileInfo(path).fileName(), why);
        return false;
    }
    return true;
}

QList<PriceIndex> allPriceIndexes(QStringList *problems)
{
    QList<PriceIndex> all;
    for (const QString &name : shippedPriceIndexNames())
        all << shippedSeries().value(name.toUpper());
    for (const QString &name : importedPriceIndexNames()) {
        PriceIndex index;
        QString error;
        if (loadPriceIndex(name, index, error))
            all << index;
        else if (problems)
            *problems << error;
    }
    return all;
}

namespace {

// The country's shipped series, best first: monthly, then quarterly, then annual; among
// monthly ones the national CPI before a harmonised index (DE-CPI before DE-HICP).
QList<PriceIndex> countrySeries(const QString &countryAlpha2)
{
    QList<PriceIndex> found;
    if (countryAlpha2.isEmpty())
        return found;
    for (const QString &name : shippedPriceIndexNames()) {
        const PriceIndex &index = shippedSeries()[name.toUpper()];
        if (index.country.compare(countryAlpha2, Qt::CaseInsensitive) == 0)
            found << index;
    }
    const auto rank = [](const PriceIndex &index) {
        const int frequency = index.kind == PriceIndex::Kind::Monthly     ? 0
                              : index.kind == PriceIndex::Kind::Quarterly ? 2
                                                                          : 4;
        return frequency + (index.name.contains(QLatin1String("HICP")) ? 1 : 0);
    };
    std::stable_sort(found.begin(), found.end(),
                     [&rank](const PriceIndex &a, const PriceIndex &b) { return rank(a) < rank(b); });
    return found;
}

} // namespace

QString defaultPriceIndexName(const QString &countryAlpha2, const QString &currencyIso)
{
    const QList<PriceIndex> own = countrySeries(countryAlpha2);
    if (!own.isEmpty() && own.first().kind == PriceIndex::Kind::Monthly)
        return own.first().name;
    if (!currencyIso.isEmpty()) {
        for (const QString &name : shippedPriceIndexNames()) {
            const PriceIndex &index = shippedSeries()[name.toUpper()];
            if (index.country.isEmpty() && index.kind == PriceIndex::Kind::Monthly &&
                index.currency.compare(currencyIso, Qt::CaseInsensitive) == 0)
                return index.name;
        }
    }
    return own.isEmpty() ? DefaultPriceIndexName : own.first().name;
}

QString finerPriceIndexName(const QString &countryAlpha2)
{
    const QList<PriceIndex> own = countrySeries(countryAlpha2);
    return own.isEmpty() || own.first().kind == PriceIndex::Kind::Annual ? QString() : own.first().name;
}

QStringList shippedAttributions()
{
    // The offices' own series first, then the collections, then anything else.
    QStringList names = {QStringLiteral("US-CPI-U"), QStringLiteral("UK-CPI"),  QStringLiteral("EA-HICP"),
                         QStringLiteral("SE-HICP"),  QStringLiteral("DE-HICP"), QStringLiteral("WB-USA")};
    names += shippedPriceIndexNames();
    QStringList lines;
    for (const QString &name : std::as_const(names)) {
        const QString line = shippedSeries().value(name.toUpper()).attribution;
        if (!line.isEmpty() && !lines.contains(line))
            lines << line;
    }
    return lines;
}

PriceIndexRevision priceIndexImportRevision(const QString &csvPath, const QString &name)
{
    PriceIndex before;
    QString error;
    if (!PriceIndex::isValidName(name) || isShippedPriceIndex(name) || importedFile(name).isEmpty() ||
        !loadPriceIndex(name, before, error))
        return PriceIndexRevision();
    QByteArray csv;
    PriceIndex after;
    if (!readRegularFile(csvPath, MaxPriceIndexCsvBytes, csv, error) || !readPriceIndexCsv(csv, after, error))
        return PriceIndexRevision();
    return comparePriceIndexes(before, after);
}

bool importPriceIndex(const QString &csvPath, const QString &name, const QString &country, PriceIndexImport &result,
                      QString &error)
{
    result = PriceIndexImport();
    if (!PriceIndex::isValidName(name)) {
        error = QCoreApplication::translate(
                    "PriceIndex", "The name \"%1\" cannot be used. A name has 1 to 40 letters, digits, '-', '_' or "
                                  "'.', and does not start with '.'.")
                    .arg(name);
        return false;
    }
    if (isShippedPriceIndex(name)) {
        error = QCoreApplication::translate(
                    "PriceIndex", "%1 is the name of a price index that comes with Plumbline. Choose another name.")
                    .arg(name);
        return false;
    }
    static const QRegularExpression countryCode(QStringLiteral("^[A-Za-z]{2}$"));
    if (!country.isEmpty() && !countryCode.match(country).hasMatch()) {
        error = QCoreApplication::translate("PriceIndex",
                                            "The country \"%1\" is not a two-letter country code (such as CA or DE).")
                    .arg(country);
        return false;
    }

    QByteArray csv;
    if (!readRegularFile(csvPath, MaxPriceIndexCsvBytes, csv, error))
        return false;
    PriceIndex series;
    if (!readPriceIndexCsv(csv, series, error))
        return false;
    csv.clear();
    series.name = name;
    series.title = name;
    series.country = country.toUpper();
    series.unit = QStringLiteral("index");
    series.source = QStringLiteral("imported from %1").arg(QFileInfo(csvPath).fileName());
    series.taken = QDate::currentDate().toString(Qt::ISODate);

    // The folder must be a folder of its own: through a link it could lead into the data
    // folder, where a series file could take a data file's place.
    const QString folder = priceIndexFolder();
    const QFileInfo folderInfo(folder);
    if (folderInfo.isSymLink() || (folderInfo.exists() && !folderInfo.isDir())) {
        error = QCoreApplication::translate("PriceIndex", "%1 is not a plain folder; nothing was imported.")
                    .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    if (!QDir().mkpath(folder)) {
        error = QCoreApplication::translate("PriceIndex", "The folder %1 could not be created.")
                    .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const QString existing = importedFile(name);
    const QString target = folder + QLatin1Char('/') + name + SeriesSuffix;
    for (const QString &path : {existing, target}) {
        const QFileInfo info(path);
        if (!path.isEmpty() && (info.isSymLink() || (info.exists() && !info.isFile()))) {
            error = QCoreApplication::translate(
                        "PriceIndex", "%1 is not a plain file; it was left as it is and nothing was imported.")
                        .arg(QDir::toNativeSeparators(path));
            return false;
        }
    }

    try {
        writeSeriesFile(target, series.toText());
    } catch (const RuntimeError &e) {
        error = QCoreApplication::translate("PriceIndex",
                                            "The price index could not be saved (error %1: %2). Nothing was changed.")
                    .arg(e.number())
                    .arg(e.description());
        return false;
    }
    // The same name in other letters: the new file has taken its place.
    if (!existing.isEmpty() && QFileInfo(existing).canonicalFilePath() != QFileInfo(target).canonicalFilePath())
        QFile::remove(existing);
    result.series = series;
    result.replaced = !existing.isEmpty();
    return true;
}

} // namespace storage
