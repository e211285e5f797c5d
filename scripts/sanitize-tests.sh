#!/usr/bin/env bash
# Builds the data library, the tools and the core and storage tests with AddressSanitizer
# and UndefinedBehaviorSanitizer in their own folder (default build-asan/, no windows) and
# runs those tests. Exits non-zero when the build or any test fails.
#
# Usage: scripts/sanitize-tests.sh [extra ctest arguments, e.g. -R damaged]
# Environment: PLUMBLINE_ASAN_BUILD  build folder (default build-asan)
#              PLUMBLINE_JOBS        parallel jobs (default: number of processors)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${PLUMBLINE_ASAN_BUILD:-$root/build-asan}
jobs=${PLUMBLINE_JOBS:-$(nproc)}

generator=()
command -v ninja >/dev/null && [ ! -f "$build/Makefile" ] && generator=(-G Ninja)

# -O1 keeps the instrumented tests quick; the sanitizers need no more.
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -g" \
    -DPLUMBLINE_SANITIZE=ON -DPLUMBLINE_GUI=OFF -DPLUMBLINE_FUZZ=OFF
cmake --build "$build" --parallel "$jobs"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest -L core --output-on-failure --parallel "$jobs" --timeout 600 "$@"
