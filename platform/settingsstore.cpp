#include "platform/settingsstore.h"

#include "core/runtimeerror.h"
#include "storage/usersettings.h"

namespace platform {

namespace {

// The INI files of storage/usersettings.h, which the command-line tools read too.
class IniSettingsStore : public SettingsStore
{
public:
    QString getSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &defaultValue) const override
    {
        return storage::readUserSetting(appName, section, key, defaultValue);
    }

    void saveSetting(const QString &appName, const QString &section, const QString &key, const QString &value) override
    {
        if (!storage::writeUserSetting(appName, section, key, value))
            throw RuntimeError(RuntimeError::PathFileAccessError);
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
