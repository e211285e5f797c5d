#include "storage/priceindexchoice.h"

#include "storage/priceindexstore.h"
#include "storage/usersettings.h"

#include <QLocale>

namespace storage {

QString localePriceIndexName(const QLocale &locale)
{
    // A locale without a country (the C locale) has no currency either.
    if (locale.territory() == QLocale::AnyTerritory)
        return defaultPriceIndexName(QString());
    return defaultPriceIndexName(QLocale::territoryToCode(locale.territory()),
                                 locale.currencySymbol(QLocale::CurrencyIsoCode));
}

QString priceIndexInUse(const QString &savedChoice, const QLocale &locale)
{
    if (!savedChoice.isEmpty())
        return savedChoice;
    return localePriceIndexName(locale);
}

QString savedPriceIndexChoice()
{
    return readUserSetting(PriceIndexSettingsApp, PriceIndexSettingsSection, PriceIndexSettingsKey, QString());
}

QString systemPriceIndexName()
{
    return priceIndexInUse(savedPriceIndexChoice(), QLocale::system());
}

} // namespace storage
