#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the core and storage tests
# once more under AddressSanitizer and UndefinedBehaviorSanitizer, then the whole
# suite headless. The last line printed is ctest's summary of the whole suite. Under
# sudo the packages are installed as root and the build and tests run as the user.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/user.sh

if [ "${PLUMBLINE_DEPS_DONE:-0}" != 1 ]; then
    bash scripts/install-deps.sh || exit 1
fi
if under_sudo; then
    rerun_as_sudo_user scripts/run-tests.sh "$@"
fi

build_dir=$(choose_build_dir)
bash scripts/build.sh "$build_dir" || exit 1

sanitized=0
if [ -f scripts/sanitize-tests.sh ]; then
    PLUMBLINE_ASAN_BUILD=${PLUMBLINE_ASAN_BUILD:-$(dirname "$build_dir")/build-asan} \
        bash scripts/sanitize-tests.sh || sanitized=$?
fi

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
suite=$?

if [ "$sanitized" -ne 0 ]; then
    echo "The sanitizer run of the core and storage tests failed."
    exit "$sanitized"
fi
exit "$suite"
