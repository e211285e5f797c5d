#pragma once

// Small helpers the core tests share for building data files and catching errors.

#include "core/runtimeerror.h"

#include <QByteArray>

#include <functional>

namespace testing {

// The run-time error number an action raises; 0 when it raises none.
inline int errorNumberOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

// The 102 bytes of an investment record: the number little-endian, then the two texts
// padded with blanks to 50 bytes (cut beyond).
inline QByteArray recordBytes(int number, const QByteArray &type, const QByteArray &institution)
{
    QByteArray bytes;
    bytes.append(char(number & 0xFF)).append(char((number >> 8) & 0xFF));
    bytes.append(type.leftJustified(50, ' ', true));
    bytes.append(institution.leftJustified(50, ' ', true));
    return bytes;
}

} // namespace testing
