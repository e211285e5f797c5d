#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program, the tests and the package need,
# if missing, and any further packages named as arguments. Runs as root or as a user
# with sudo: sudo is used only when something is missing.
set -euo pipefail

packages=(
    cmake g++ make pkg-config ninja-build clang libclang-rt-14-dev lld
    qt6-base-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n libsodium-dev zlib1g-dev libbenchmark-dev
    xvfb xauth poppler-utils fonts-dejavu-core
    python3 iso-codes
    desktop-file-utils appstream man-db dpkg-dev
    "$@"
)

missing=()
for pkg in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "These packages are missing and sudo is not available: ${missing[*]}" >&2
        echo "Install them as root (apt-get install ${missing[*]}), then run this again." >&2
        exit 1
    fi
    # Without a terminal to ask on, sudo must not wait for a password nobody can type.
    if [ -t 0 ]; then as_root=(sudo); else as_root=(sudo -n); fi
fi
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
