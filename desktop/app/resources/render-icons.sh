#!/usr/bin/env bash
# Renders the application icon qm314.svg into the hicolor PNG sizes that
# desktops look up before the scalable one.  Run it after changing the SVG
# (needs rsvg-convert, from librsvg2-bin) and commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" qm314.svg -o "hicolor/${size}x${size}/apps/qm314.png"
done
