#!/usr/bin/env bash
# Builds everything (the windows, the tools, every test and the fuzz targets) with clang's
# AddressSanitizer and UndefinedBehaviorSanitizer in its own folder (default build-asan/) and
# runs the whole suite headless there. Exits non-zero when the build or any test fails.
#
# Usage: scripts/sanitize-tests.sh [--build-only] [extra ctest arguments, e.g. -R report]
# Environment: PLUMBLINE_ASAN_BUILD  build folder (default build-asan)
#              PLUMBLINE_JOBS        parallel jobs (default: number of processors)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${PLUMBLINE_ASAN_BUILD:-$root/build-asan}
jobs=${PLUMBLINE_JOBS:-$(nproc)}
build_only=0
if [ "${1:-}" = --build-only ]; then
    build_only=1
    shift
fi

generator=()
command -v ninja >/dev/null && [ ! -f "$build/Makefile" ] && generator=(-G Ninja)
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # ccache caches what is compiled with a precompiled header only when told that is safe.
    CCACHE_SLOPPINESS="$(ccache -k sloppiness 2>/dev/null || true),pch_defines,time_macros"
    export CCACHE_SLOPPINESS
fi

# -O1 keeps the instrumented tests quick; line tables are enough for the sanitizers' stack
# traces. PLUMBLINE_FUZZ adds the fuzz targets, with the fuzzer's coverage instrumentation on
# the core and storage libraries only.
# LLVM's linker links the instrumented executables in a third of the time.
linker=()
command -v ld.lld >/dev/null && linker=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
cmake -S "$root" -B "$build" "${generator[@]}" "${launcher[@]}" "${linker[@]}" -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -g1" -DPLUMBLINE_SANITIZE=ON -DPLUMBLINE_GUI=ON \
    -DPLUMBLINE_FUZZ=ON >/dev/null
cmake --build "$build" --parallel "$jobs"
[ "$build_only" = 1 ] && exit 0

source "$root/scripts/sanitizer-options.sh"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure --parallel "$jobs" --timeout 900 "$@"
