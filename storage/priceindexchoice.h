#pragma once

#include <QLocale>
#include <QString>

// Which price index is in use: the one the user chose under View, Price Index, kept in the
// per-user settings (storage/usersettings.h), else the shipped series of the locale's
// country. The windows and the command-line tools decide it here, so they cannot differ.
namespace storage {

inline const QString PriceIndexSettingsApp = QStringLiteral("PLUMBLINE");
inline const QString PriceIndexSettingsSection = QStringLiteral("PRICEINDEX");
inline const QString PriceIndexSettingsKey = QStringLiteral("Series");

// `savedChoice` as read from the settings (empty: none), else defaultPriceIndexName() for the
// locale's country and currency.
QString priceIndexInUse(const QString &savedChoice, const QLocale &locale);
// The series a locale gets when nothing was chosen.
QString localePriceIndexName(const QLocale &locale);

// The choice as the settings file holds it; empty when none was made.
QString savedPriceIndexChoice();

// For the command-line tools: the saved choice, else the system locale's country's series.
QString systemPriceIndexName();

} // namespace storage
