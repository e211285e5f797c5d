#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (fuzzer, address and undefined behaviour
# instrumentation) in build-fuzz/ and runs each for a bounded time.
#
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
#   SECONDS_PER_TARGET  default 60
#   TARGET              fuzz_histline, fuzz_histfile, fuzz_investfile, fuzz_priceindexcsv, fuzz_seriesfile,
#                       fuzz_importcsv
#                       (default: all of them, two at a time)
# Environment: PLUMBLINE_FUZZ_BUILD  build folder (default build-fuzz)
#              PLUMBLINE_FUZZ_NO_BUILD=1  use the targets already built there (scripts/sanitize-tests.sh
#                                         builds them in build-asan/ with everything else)
#              PLUMBLINE_FUZZ_JOBS  targets run at once (default 2)
# fuzz/regressions/<target> holds inputs that once broke a reader; they are run first.
# New corpus entries stay in $build/corpus/<target>; a finding is written to
# $build/findings/ and makes the script exit non-zero.
set -euo pipefail

seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
all_targets=(fuzz_histline fuzz_histfile fuzz_investfile fuzz_priceindexcsv fuzz_seriesfile fuzz_importcsv)
[ ${#targets[@]} -eq 0 ] && targets=("${all_targets[@]}")

root=$(cd "$(dirname "$0")/.." && pwd)
build=${PLUMBLINE_FUZZ_BUILD:-$root/build-fuzz}

if [ "${PLUMBLINE_FUZZ_NO_BUILD:-0}" != 1 ]; then
    bash "$root/scripts/install-deps.sh"
    generator=()
    command -v ninja >/dev/null && [ ! -f "$build/Makefile" ] && generator=(-G Ninja)
    cmake -S "$root" -B "$build" "${generator[@]}" \
        -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_CXX_FLAGS="-O1 -g1" \
        -DPLUMBLINE_FUZZ=ON -DPLUMBLINE_SANITIZE=ON -DPLUMBLINE_GUI=OFF >/dev/null
    cmake --build "$build" --target "${all_targets[@]}" plumbline-gendata
fi
"$root/fuzz/make-seeds.sh" "$build/seeds" "$build/plumbline-gendata"

source "$root/scripts/sanitizer-options.sh"
mkdir -p "$build/findings" "$build/fuzz-logs"

# One target for the given time; a finding is kept and printed.
run_one() {
    local target=$1 max_len=8192
    [ "$target" = fuzz_histfile ] && max_len=140000 # past the reader's buffer and its longest line
    local corpus=$build/corpus/$target log=$build/fuzz-logs/$target.log
    mkdir -p "$corpus" "$build/seeds/$target"
    # Inputs that once broke a reader are run again every time.
    local regressions=()
    [ -d "$root/fuzz/regressions/$target" ] && regressions=("$root/fuzz/regressions/$target")
    if "$build/fuzz/$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
        "$corpus" "$build/seeds/$target" "${regressions[@]}" >"$log" 2>&1; then
        echo "== $target, ${seconds}s: no finding ($(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}') runs)"
    else
        tail -n 40 "$log"
        echo "== $target: FINDING, see $build/findings/"
        return 1
    fi
}

# Two at a time: the machine has two processor cores.
status=0
pids=()
for target in "${targets[@]}"; do
    run_one "$target" &
    pids+=($!)
    if [ ${#pids[@]} -ge "${PLUMBLINE_FUZZ_JOBS:-2}" ]; then
        wait "${pids[0]}" || status=1
        pids=("${pids[@]:1}")
    fi
done
for pid in "${pids[@]}"; do
    wait "$pid" || status=1
done
exit $status
