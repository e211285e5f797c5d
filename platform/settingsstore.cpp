#include "platform/settingsstore.h"

#include "core/runtimeerror.h"

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
        const QVariant value = settings.value(section + QLatin1Char('/') + key, defaultValue);
        // The INI format reads an unquoted comma in a hand-edited value as a list; the
        // value is one string, commas included.
        if (value.typeId() == QMetaType::QStringList)
            return value.toStringList().join(QLatin1Char(','));
        return value.toString();
    }

    void saveSetting(const QString &appName, const QString &section, const QString &key, const QString &value) override
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, appName, appName);
        settings.setValue(section + QLatin1Char('/') + key, value);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            throw RuntimeError(RuntimeError::PathFileAccessError);
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
