#pragma once

#include <QByteArray>

class QFile;

namespace storage {

// The SHA-256 of an open file's whole contents (read from its start) and its length in
// bytes; false when it cannot be read. With the processor's SHA instructions where it has
// them: a commit hashes every new file it puts in place, and the history can be large.
struct FileDigest
{
    long long size = -1;
    QByteArray sha256; // 32 bytes
};
enum class DigestWay { Fastest, Portable };
bool digestOf(QFile &file, FileDigest &out, DigestWay way = DigestWay::Fastest);

} // namespace storage
