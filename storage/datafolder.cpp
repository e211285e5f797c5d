#include "storage/datafolder.h"

#include <QDir>
#include <QStandardPaths>

namespace storage {

namespace {
QString &overridePath()
{
    static QString path;
    return path;
}
} // namespace

QString programFolder()
{
    if (!overridePath().isEmpty())
        return overridePath();
#ifdef Q_OS_WIN
    return QStringLiteral("C:/Program Files/Plumbline 3.5");
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Plumbline 3.5");
#endif
}

void setProgramFolder(const QString &path)
{
    overridePath() = path;
}

QString programFile(const QString &name)
{
    return programFolder() + QLatin1Char('/') + name;
}

bool ensureProgramFolder()
{
    return QDir().mkpath(programFolder());
}

} // namespace storage
