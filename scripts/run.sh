#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Without a display it runs the
# main window under a virtual X server instead and saves a picture of it. Under sudo the
# packages are installed as root and everything else runs as the user who called sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/user.sh

[ "${PLUMBLINE_DEPS_DONE:-0}" = 1 ] || bash scripts/install-deps.sh
if under_sudo; then
    rerun_as_sudo_user scripts/run.sh "$@"
fi
if [ "$(id -u)" -eq 0 ]; then
    echo "Note: running as root, so the program keeps root's data (/root/.local/share/Plumbline 3.5)."
fi

build_dir=$(choose_build_dir)
bash scripts/build.sh "$build_dir" >/dev/null

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$build_dir/plumbline"
fi

picture="${PLUMBLINE_PICTURE:-$PWD/plumbline-main-window.png}"
[ -w "$(dirname "$picture")" ] || picture="$HOME/plumbline-main-window.png"
echo "No display found: running the main window under xvfb-run."
xvfb-run -a -s "-screen 0 1280x1024x24" "$build_dir/plumbline-snapshot" "$picture" >/dev/null
echo "Saved a picture of the main window to: $picture"
