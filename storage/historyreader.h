#pragma once

#include "core/runtimeerror.h"
#include "storage/linebuffer.h"
#include "storage/textrecords.h"

#include <QFile>
#include <QString>

namespace storage {

// A damaged line of a file read by a pass: where, and what.
struct HistoryPassError
{
    QString file;
    long long line = 0;
    RuntimeError error;

    // "FILE", line N: error NUMBER: DESCRIPTION, for the command-line tools.
    QString message() const;
};

// Reads the data history line by line with a file handle, a buffer and parse caches of its
// own: no file number, nothing shared, so readers on two threads never meet. Every line is
// one data record; blank lines are passed over.
class HistoryReader
{
public:
    // Opens the history: 53 when it is missing, 75 for a folder or anything else that is
    // not a plain file.
    explicit HistoryReader(const QString &path);
    HistoryReader(const HistoryReader &) = delete;
    HistoryReader &operator=(const HistoryReader &) = delete;

    // Moves to the next line; false at the end. An over-long line raises HistoryPassError.
    bool nextLine();
    // The investment number the line in hand starts with, when it is plain digits and a
    // comma (no sign, at most five digits); false otherwise, and only decode() tells.
    bool quickNumber(int &number) const;
    // The line in hand, read whole; a damaged line raises HistoryPassError.
    void decode(HistFields &out);

    const QString &path() const { return m_path; }
    long long lineNumber() const { return m_lines.line(); }
    // How far the reading has got, in bytes of the file, and the file's size when opened.
    qint64 position() const { return m_lines.consumedBytes(); }
    qint64 size() const { return m_size; }

    // Raises `error` as the failure of the line in hand (a figure of its record out of range).
    [[noreturn]] void fail(const RuntimeError &error) const;

private:
    QString m_path;
    QFile m_file;
    LineBuffer m_lines;
    HistLineParser m_parser;
    const char *m_begin = nullptr;
    const char *m_end = nullptr;
    qint64 m_size = 0;
};

} // namespace storage
