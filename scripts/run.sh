#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Without a display it runs the
# main window under a virtual X server instead and saves a picture of it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/build.sh build >/dev/null

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/plumbline
fi

picture="${PLUMBLINE_PICTURE:-$PWD/plumbline-main-window.png}"
echo "No display found: running the main window under xvfb-run."
xvfb-run -a -s "-screen 0 1280x1024x24" build/plumbline-snapshot "$picture" >/dev/null
echo "Saved a picture of the main window to: $picture"
