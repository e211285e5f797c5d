#include "ui/index/priceindexchoice.h"

#include "platform/locale.h"
#include "platform/settingsstore.h"
#include "storage/priceindexstore.h"

namespace ui::index {

QString currentPriceIndexName()
{
    const QString chosen =
        platform::SettingsStore::instance().getSetting(SettingsApp, SettingsSection, SettingsKey, QString());
    if (!chosen.isEmpty())
        return chosen;
    const QLocale locale = platform::LocaleServices::locale();
    return storage::defaultPriceIndexName(QLocale::territoryToCode(locale.territory()));
}

void setCurrentPriceIndexName(const QString &name)
{
    platform::SettingsStore::instance().saveSetting(SettingsApp, SettingsSection, SettingsKey, name);
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
