#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzzsupport {

// A private scratch folder, made the program folder for the whole run and removed at exit.
const QString &scratchFolder();
// Writes `size` bytes as the file `name` of the scratch folder, replacing it.
QString writeFile(const QString &name, const uint8_t *data, size_t size);
// Whole content of a file of the scratch folder.
QByteArray readFile(const QString &name);
// Closes every file number, puts the shared state back to its start.
void resetAll();
// Reports a broken expectation of the harness and aborts, so libFuzzer keeps the input.
[[noreturn]] void fail(const char *what);

} // namespace fuzzsupport

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            ::fuzzsupport::fail(#condition);                                                                           \
    } while (false)
