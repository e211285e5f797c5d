#pragma once

#include <QString>

namespace platform {

// Per-user settings store, addressed by application, section and key.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual QString getSetting(const QString &appName, const QString &section, const QString &key,
                               const QString &defaultValue) const = 0;
    // Raises RuntimeError 75 when the value could not be stored (a folder or file the
    // user cannot write): a caller never reports a value as kept that is not.
    virtual void saveSetting(const QString &appName, const QString &section, const QString &key,
                             const QString &value) = 0;

    static SettingsStore &instance();
    static void setInstance(SettingsStore *store); // nullptr restores the real store
};

} // namespace platform
