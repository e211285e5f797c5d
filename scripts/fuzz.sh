#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (fuzzer, address and undefined behaviour
# instrumentation) in build-fuzz/ and runs each for a bounded time.
#
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
#   SECONDS_PER_TARGET  default 60
#   TARGET              fuzz_histline, fuzz_histfile, fuzz_investfile (default: all three, one after the other)
# Environment: PLUMBLINE_FUZZ_BUILD  build folder (default build-fuzz)
#              PLUMBLINE_FUZZ_NO_BUILD=1  skip the build (to run targets side by side after one build)
# New corpus entries stay in $build/corpus/<target>; a finding is written to
# $build/findings/ and makes the script exit non-zero.
set -euo pipefail

seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_histline fuzz_histfile fuzz_investfile)

root=$(cd "$(dirname "$0")/.." && pwd)
build=${PLUMBLINE_FUZZ_BUILD:-$root/build-fuzz}

if [ "${PLUMBLINE_FUZZ_NO_BUILD:-0}" != 1 ]; then
    bash "$root/scripts/install-deps.sh" clang libclang-rt-14-dev
    generator=()
    command -v ninja >/dev/null && [ ! -f "$build/Makefile" ] && generator=(-G Ninja)
    cmake -S "$root" -B "$build" "${generator[@]}" \
        -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_CXX_FLAGS="-O1 -g -fsanitize=fuzzer-no-link" \
        -DPLUMBLINE_FUZZ=ON -DPLUMBLINE_SANITIZE=ON -DPLUMBLINE_GUI=OFF >/dev/null
    cmake --build "$build" --target fuzz_histline fuzz_histfile fuzz_investfile plumbline-gendata
    "$root/fuzz/make-seeds.sh" "$build/seeds" "$build/plumbline-gendata"
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/findings" "$build/fuzz-logs"

status=0
for target in "${targets[@]}"; do
    case $target in
    fuzz_histfile) max_len=140000 ;; # past the reader's 64 KiB buffer and its longest line
    *) max_len=8192 ;;
    esac
    corpus=$build/corpus/$target
    mkdir -p "$corpus"
    log=$build/fuzz-logs/$target.log
    echo "== $target for ${seconds}s (log $log)"
    if "$build/fuzz/$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
        "$corpus" "$build/seeds/$target" >"$log" 2>&1; then
        grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|cov:' "$log" | tail -n 3
        echo "== $target: no finding"
    else
        status=1
        tail -n 40 "$log"
        echo "== $target: FINDING, see $build/findings/"
    fi
done
exit $status
