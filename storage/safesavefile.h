#pragma once

#include "core/runtimeerror.h"

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>

#include <memory>

namespace storage {

// A file that appears whole or not at all, for whatever writes through a QIODevice (a PDF or
// PNG writer). The bytes go to a new file beside the target, unnamed where the file system
// allows it (a process killed part way then leaves nothing behind), else
// ".NAME.xxxxxxxx.new"; commit() puts it in place of the target in one rename once every byte
// is on disk. Unlike QSaveFile, a write the disk could not take is never lost sight of: the
// first failure is kept, later writes are refused, and commit() raises it (61 on a full disk)
// after removing the new file. The target follows the rules of every rewrite: a link is
// written at its target, anything but a plain file is refused (75), as is a file nobody may
// write, and the new file takes the old one's permissions (a new one is the user's only).
class SafeSaveFile : public QIODevice
{
public:
    explicit SafeSaveFile(const QString &target);
    ~SafeSaveFile() override;
    SafeSaveFile(const SafeSaveFile &) = delete;
    SafeSaveFile &operator=(const SafeSaveFile &) = delete;

    // Write only. False when the new file could not be created; failure() says why.
    bool open(OpenMode mode) override;
    // Without commit() the new file is dropped and the target stays as it was.
    void close() override;
    bool isSequential() const override { return true; }

    // The first failure so far, or nullptr.
    const RuntimeError *failure() const { return m_failure.get(); }
    // Raises the first failure, if any: a long writer calls it between its steps to stop early.
    void raiseFailure() const;
    // Writes what is held back, syncs, puts the new file in place and closes. Raises the first
    // failure instead; the new file is gone then and the target as it was.
    void commit();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    void fail(const RuntimeError &error);
    bool writeOut();
    void createUnnamedOrNamed();
    void linkUnnamedInPlace();
    void discard();

    QString m_path;
    QString m_target;   // where the bytes go once links are followed
    QString m_tempPath; // empty for an unnamed file
    QFile m_file;
    QByteArray m_buffer;
    std::unique_ptr<RuntimeError> m_failure;
};

} // namespace storage
