#!/usr/bin/env bash
# Builds the history engine's and the report engine's tests with clang's ThreadSanitizer in
# their own folder (default build-tsan/) and runs them: passes on several threads, and a
# report laying out its rows on one thread while it paints on another.
# Environment: PLUMBLINE_TSAN_BUILD  build folder (default build-tsan)
#              PLUMBLINE_JOBS        parallel jobs (default: number of processors)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${PLUMBLINE_TSAN_BUILD:-$root/build-tsan}
jobs=${PLUMBLINE_JOBS:-$(nproc)}
tests=(tst_engine tst_reportthreads)
build_only=0
[ "${1:-}" = --build-only ] && build_only=1

generator=()
command -v ninja >/dev/null && [ ! -f "$build/Makefile" ] && generator=(-G Ninja)
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # ccache caches what is compiled with a precompiled header only when told that is safe.
    CCACHE_SLOPPINESS="$(ccache -k sloppiness 2>/dev/null || true),pch_defines,time_macros"
    export CCACHE_SLOPPINESS
fi
linker=-fsanitize=thread
command -v ld.lld >/dev/null && linker="$linker -fuse-ld=lld"
cmake -S "$root" -B "$build" "${generator[@]}" "${launcher[@]}" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE= \
    -DCMAKE_CXX_FLAGS="-O1 -g1 -fsanitize=thread" -DCMAKE_EXE_LINKER_FLAGS="$linker" \
    -DPLUMBLINE_GUI=ON >/dev/null
cmake --build "$build" --parallel "$jobs" --target "${tests[@]}"
[ "$build_only" = 1 ] && exit 0

source "$root/scripts/sanitizer-options.sh"
export QT_QPA_PLATFORM=offscreen
cd "$build"
pattern=$(IFS='|'; echo "^(${tests[*]})\$")
ctest --output-on-failure --parallel "$jobs" --timeout 900 -R "$pattern"
