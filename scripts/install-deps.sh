#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need, if missing,
# and any further packages named as arguments.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev libsodium-dev libbenchmark-dev
    xvfb xauth poppler-utils fonts-dejavu-core
    python3 iso-codes
    "$@"
)

missing=()
for pkg in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
