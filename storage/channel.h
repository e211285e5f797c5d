#pragma once

// The file-number table's channels, shared by its sequential and random access
// (filetable.cpp) and its history line passes (histcopy.cpp). Not for use elsewhere.
#include "storage/filetable.h"
#include "storage/linebuffer.h"
#include "storage/textrecords.h"

#include <QFile>
#include <QString>

#include <cstddef>
#include <memory>
#include <string>

namespace storage::detail {

// Large enough that a pass over a long history makes few system calls.
inline constexpr size_t kBufferSize = 256 * 1024;

struct Channel
{
    bool open = false;
    OpenMode mode = OpenMode::Input;
    QString path;
    QString tempPath; // set while a replacing file is written
    std::unique_ptr<QFile> file;
    std::unique_ptr<LineBuffer> in;         // Input only
    std::unique_ptr<HistLineParser> parser; // Input only
    std::string out;
};

// The channel of an open file number (error 52 for a number out of range or not open).
Channel &openChannel(int number);
// Writes out what an Output or Append channel holds.
void flushOut(Channel &c);
// Next line of a sequential input file, without its line end.
void readLine(Channel &c, const char *&begin, const char *&end);
bool isBlankLineAhead(Channel &c);

} // namespace storage::detail
