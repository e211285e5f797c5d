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
    return storage::priceIndexInUse(saved, platform::LocaleServices::locale());
}

void setCurrentPriceIndexName(const QString &name)
{
    platform::SettingsStore::instance().saveSetting(storage::PriceIndexSettingsApp, storage::PriceIndexSettingsSection,
                                                    storage::PriceIndexSettingsKey, name);
}

QString attributionText()
{
    return storage::shippedAttributions().join(QStringLiteral("\r\n"));
}

} // namespace ui::index
