#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (dist/icons). The PNGs are
# committed, so only a change to the SVG needs this.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh librsvg2-bin
id=io.github.plumbline.Plumbline
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "dist/icons/$id.svg" -o "dist/icons/$id-$size.png"
done
