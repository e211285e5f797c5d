#pragma once

#include "core/priceindex.h"
#include "core/priceindexrevision.h"

#include <QList>
#include <QString>
#include <QStringList>

// The price indexes the program knows: those shipped inside it and those the user
// imported, which live one file each in the folder "Price Indexes" of the program
// folder, beside the data files and never touching them.
namespace storage {

inline const QString PriceIndexFolderName = QStringLiteral("Price Indexes");
inline const QString DefaultPriceIndexName = QStringLiteral("US-CPI-U");

QString priceIndexFolder();

QStringList shippedPriceIndexNames();
bool isShippedPriceIndex(const QString &name); // letter case ignored
QStringList importedPriceIndexNames();

// Shipped or imported; false with the reason when there is no such series or its file is damaged.
bool loadPriceIndex(const QString &name, PriceIndex &out, QString &error);
// Every series, shipped first, then imported, each group sorted by name. Damaged imported
// files are left out and named in `problems`.
QList<PriceIndex> allPriceIndexes(QStringList *problems = nullptr);

// The shipped series for a country (ISO 3166 alpha-2) whose money is `currencyIso` (ISO 4217,
// may be empty): the country's monthly national CPI, else another monthly series of the
// country, else the monthly series of its currency area (the euro area's HICP), else the
// country's quarterly series, else its annual one; US-CPI-U when there is none of these.
QString defaultPriceIndexName(const QString &countryAlpha2, const QString &currencyIso = QString());
// The finest shipped series of the country that is measured more often than once a year,
// monthly before quarterly; empty when there is none.
QString finerPriceIndexName(const QString &countryAlpha2);
// The credit lines of the shipped series, each once.
QStringList shippedAttributions();

struct PriceIndexImport
{
    PriceIndex series;
    bool replaced = false; // a series of that name was there and is gone now
};

// Reads the CSV file and stores it as series `name`, replacing a series of the same name
// whole. The file is written under a temporary name and renamed into place. False with a
// message for the user when the name, the country code or the file is refused or the
// write fails; then nothing changed.
bool importPriceIndex(const QString &csvPath, const QString &name, const QString &country, PriceIndexImport &result,
                      QString &error);
// What importing the CSV file as `name` would do to the imported series of that name: how
// many of its past figures change. Nothing when there is no such series or the file cannot
// be read (the import itself then says why).
PriceIndexRevision priceIndexImportRevision(const QString &csvPath, const QString &name);
// Whether an imported series of this name exists (letter case ignored).
bool importedPriceIndexExists(const QString &name);

} // namespace storage
