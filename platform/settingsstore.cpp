#include "platform/settingsstore.h"

#include <QFile>
#include <QSettings>

namespace platform {

namespace {

// One INI file per application in the user's configuration folder:
// <config>/<app>/<app>.ini, keys "section/key".
class IniSettingsStore : public SettingsStore
{
public:
    QString getSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &defaultValue) const override
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, appName, appName);
        return settings.value(section + QLatin1Char('/') + key, defaultValue).toString();
    }

    void saveSetting(const QString &appName, const QString &section, const QString &key, const QString &value) override
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, appName, appName);
        settings.setValue(section + QLatin1Char('/') + key, value);
        settings.sync();
        // The password's hash lives here: readable by the user only.
        QFile::setPermissions(settings.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
};

SettingsStore *g_installed = nullptr;

} // namespace

SettingsStore &SettingsStore::instance()
{
    static IniSettingsStore system;
    return g_installed ? *g_installed : system;
}

void SettingsStore::setInstance(SettingsStore *store)
{
    g_installed = store;
}

} // namespace platform
