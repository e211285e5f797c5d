#include "storage/priceindexchoice.h"

#include "storage/priceindexstore.h"
#include "storage/usersettings.h"

#include <QLocale>

namespace storage {

QString priceIndexInUse(const QString &savedChoice, const QString &countryAlpha2)
{
    if (!savedChoice.isEmpty())
        return savedChoice;
    return defaultPriceIndexName(countryAlpha2);
}

QString savedPriceIndexChoice()
{
    return readUserSetting(PriceIndexSettingsApp, PriceIndexSettingsSection, PriceIndexSettingsKey, QString());
}

QString systemPriceIndexName()
{
    return priceIndexInUse(savedPriceIndexChoice(), QLocale::territoryToCode(QLocale::system().territory()));
}

} // namespace storage
