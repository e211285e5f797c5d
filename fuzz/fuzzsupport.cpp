#include "fuzzsupport.h"

#include "core/plmainmod.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace fuzzsupport {

namespace {

QString makeScratch()
{
    char pattern[] = "/tmp/plumbline-fuzz-XXXXXX";
    if (!::mkdtemp(pattern)) {
        std::perror("mkdtemp");
        std::abort();
    }
    const QString folder = QString::fromLocal8Bit(pattern);
    storage::setProgramFolder(folder);
    std::atexit([] { QDir(scratchFolder()).removeRecursively(); });
    return folder;
}

} // namespace

const QString &scratchFolder()
{
    static const QString folder = makeScratch();
    return folder;
}

QString writeFile(const QString &name, const uint8_t *data, size_t size)
{
    const QString path = scratchFolder() + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        fail("cannot write the scratch file");
    return path;
}

QByteArray readFile(const QString &name)
{
    QFile file(scratchFolder() + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read the scratch file");
    return file.readAll();
}

void resetAll()
{
    storage::discardAll();
    modPlMainMod::ResetAll();
}

void fail(const char *what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

} // namespace fuzzsupport
