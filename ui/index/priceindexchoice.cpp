#include "ui/index/priceindexchoice.h"

#include "platform/locale.h"
#include "platform/settingsstore.h"
#include "storage/priceindexchoice.h"
#include "storage/priceindexstore.h"

namespace ui::index {

QString currentPriceIndexName()
{
    const QString saved = platform::SettingsStore::instance().getSetting(
        storage::PriceIndexSettingsApp, storage::PriceIndexSettingsSection, storage::PriceIndexSettingsKey, QString());
    return storage::priceIndexInUse(saved, QLocale::territoryToCode(platform::LocaleServices::locale().territory()));
}

void setCurrentPriceIndexName(const QString &name)
{
    platform::SettingsStore::instance().saveSetting(storage::PriceIndexSettingsApp, storage::PriceIndexSettingsSection,
                                                    storage::PriceIndexSettingsKey, name);
}

QString attributionText()
{
    QStringList lines;
    for (const QString &name : {QStringLiteral("US-CPI-U"), QStringLiteral("UK-CPI"), QStringLiteral("WB-USA")}) {
        PriceIndex index;
        QString error;
        if (storage::loadPriceIndex(name, index, error))
            lines << index.attribution;
    }
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace ui::index
