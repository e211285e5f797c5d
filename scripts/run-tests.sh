#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the core and storage tests
# once more under AddressSanitizer and UndefinedBehaviorSanitizer, then the whole
# suite headless. The last line printed is ctest's summary of the whole suite.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh || exit 1
bash scripts/build.sh build || exit 1

sanitized=0
if [ -f scripts/sanitize-tests.sh ]; then
    bash scripts/sanitize-tests.sh || sanitized=$?
fi

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
suite=$?

if [ "$sanitized" -ne 0 ]; then
    echo "The sanitizer run of the core and storage tests failed."
    exit "$sanitized"
fi
exit "$suite"
