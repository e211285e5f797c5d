#pragma once

// --help and --version of the benchmark programs. They answer at once: a question about the
// options must not first generate folders of a million lines or run the benchmark.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

namespace bench {

// Prints the usage (then Google Benchmark's own options) or the version when any argument
// asks for it, and says whether it did.
inline bool answeredHelpOrVersion(int argc, char **argv, const char *name, const char *usage)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::printf("%s %s\n", name, PLUMBLINE_VERSION);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Usage: %s [options]\n%s\nGoogle Benchmark's options:\n", argv[0], usage);
            std::fflush(stdout);
            benchmark::PrintDefaultHelp();
            return true;
        }
    }
    return false;
}

} // namespace bench
