#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test:
#  1. one build with clang's AddressSanitizer and UndefinedBehaviorSanitizer holds the program,
#     the tools, every test and the fuzz targets (scripts/sanitize-tests.sh);
#  2. each reader of the files a user hands the program fuzzed for a minute, all at once
#     (scripts/fuzz.sh), while the ThreadSanitizer build compiles;
#  3. the history engine's and the report engine's tests under ThreadSanitizer
#     (scripts/tsan-tests.sh);
#  4. the whole suite, headless, in the first build.
# The last line printed is ctest's summary of the whole suite. Under sudo the packages are
# installed as root and the builds and tests run as the user.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/user.sh

if [ "${PLUMBLINE_DEPS_DONE:-0}" != 1 ]; then
    bash scripts/install-deps.sh || exit 1
fi
if under_sudo; then
    rerun_as_sudo_user scripts/run-tests.sh "$@"
fi

top=$(dirname "$(choose_build_dir)")
export PLUMBLINE_ASAN_BUILD=${PLUMBLINE_ASAN_BUILD:-$top/build-asan}
export PLUMBLINE_TSAN_BUILD=${PLUMBLINE_TSAN_BUILD:-$top/build-tsan}

bash scripts/sanitize-tests.sh --build-only || exit 1

# The fuzz targets run their minute while the ThreadSanitizer build compiles: the build needs no
# quiet machine, and the minute is a minute of each target's own, whatever else runs.
fuzz_log=$PLUMBLINE_ASAN_BUILD/fuzz-run.log
PLUMBLINE_FUZZ_JOBS=${PLUMBLINE_FUZZ_JOBS:-6} PLUMBLINE_FUZZ_BUILD=$PLUMBLINE_ASAN_BUILD PLUMBLINE_FUZZ_NO_BUILD=1 \
    bash scripts/fuzz.sh "${PLUMBLINE_FUZZ_SECONDS:-60}" >"$fuzz_log" 2>&1 &
fuzz_pid=$!
bash scripts/tsan-tests.sh --build-only
tsan_built=$?
wait "$fuzz_pid"
fuzzed=$?
cat "$fuzz_log"
[ "$fuzzed" -ne 0 ] && echo "A fuzz target found an input that breaks a reader (see $PLUMBLINE_ASAN_BUILD/findings/)."

# The engines' tests under ThreadSanitizer, once nothing else runs.
threads=1
[ "$tsan_built" -eq 0 ] && bash scripts/tsan-tests.sh && threads=0
[ "$threads" -ne 0 ] && echo "The ThreadSanitizer run of the engine and report tests failed."

# The whole suite last, so its summary is the last line printed.
source scripts/sanitizer-options.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$PLUMBLINE_ASAN_BUILD" --output-on-failure -j"$(nproc)" --timeout 900
suite=$?
[ "$suite" -eq 0 ] && [ "$threads" -eq 0 ] && [ "$fuzzed" -eq 0 ]
