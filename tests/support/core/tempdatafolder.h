#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testing {

// A fresh, empty program folder for one test: points storage at a temporary folder,
// switches QStandardPaths to test mode and keeps QSettings files in a second temporary
// folder of their own.
// The folders are removed when the object goes; test mode stays on, so nothing later in
// the test process reaches the user's real folders.
class TempDataFolder
{
public:
    TempDataFolder();
    ~TempDataFolder();
    TempDataFolder(const TempDataFolder &) = delete;
    TempDataFolder &operator=(const TempDataFolder &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString dir() const { return m_dir.path(); }
    // Where the per-user settings files of this test go.
    QString settingsPath() const { return m_settingsDir.path(); }

    QString path(const QString &name) const;
    bool writeBytes(const QString &name, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &name) const; // empty when the file is missing
    bool exists(const QString &name) const;
    bool remove(const QString &name) const;

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_settingsDir;
};

} // namespace testing
