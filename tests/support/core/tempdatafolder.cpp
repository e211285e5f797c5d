#include "tempdatafolder.h"

#include "storage/datafolder.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace testing {

TempDataFolder::TempDataFolder()
{
    if (!m_dir.isValid() || !m_settingsDir.isValid())
        qFatal("TempDataFolder: cannot create a temporary folder");
    QStandardPaths::setTestModeEnabled(true);
    storage::setProgramFolder(m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsPath());
}

TempDataFolder::~TempDataFolder()
{
    storage::setProgramFolder(QString());
}

QString TempDataFolder::path(const QString &name) const
{
    return m_dir.filePath(name);
}

bool TempDataFolder::writeBytes(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray TempDataFolder::readBytes(const QString &name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool TempDataFolder::exists(const QString &name) const
{
    return QFile::exists(path(name));
}

bool TempDataFolder::remove(const QString &name) const
{
    return QFile::remove(path(name));
}

} // namespace testing
