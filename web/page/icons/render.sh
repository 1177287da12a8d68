#!/usr/bin/env bash
# Renders the page's icons: the program's own picture (qm314.svg, a copy of
# app/resources/qm314.svg) for the browser tab and the installed app, and the
# same on a full background for launchers that cut icons to their own shape.
# Run it after changing an SVG (needs rsvg-convert, from librsvg2-bin) and
# commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")"
for size in 192 512; do
  rsvg-convert -w "$size" -h "$size" qm314.svg -o "qm314-$size.png"
  rsvg-convert -w "$size" -h "$size" qm314-maskable.svg -o "qm314-maskable-$size.png"
done
