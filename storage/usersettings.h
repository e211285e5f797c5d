#pragma once

#include <QString>

// The per-user settings file: one INI file per application in the user's configuration
// folder, <config>/<app>/<app>.ini, keys "section/key". The windows keep their settings
// here through platform::SettingsStore, and the command-line tools, which have no windows,
// read the same file through the same functions.
namespace storage {

QString readUserSetting(const QString &app, const QString &section, const QString &key, const QString &defaultValue);

// Stores one value, readable and writable by the user only (the password's hash lives
// here). False when it could not be written.
bool writeUserSetting(const QString &app, const QString &section, const QString &key, const QString &value);

} // namespace storage
