#include "storage/usersettings.h"

#include <QFile>
#include <QSettings>

namespace storage {

QString readUserSetting(const QString &app, const QString &section, const QString &key, const QString &defaultValue)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    const QVariant value = settings.value(section + QLatin1Char('/') + key, defaultValue);
    // The INI format reads an unquoted comma in a hand-edited value as a list; the
    // value is one string, commas included.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool writeUserSetting(const QString &app, const QString &section, const QString &key, const QString &value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return false;
    QFile::setPermissions(settings.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

} // namespace storage
