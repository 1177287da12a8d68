#!/usr/bin/env bash
# Takes docs/main-window.png: the real program under Xvfb (with openbox for
# the window frame) showing a file with a few channels.
# Usage: docs/screenshot.sh [BUILD_DIR]   (run it inside xvfb-run -a)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
# The title bar names the file, so it gets a name worth reading.
dir=$(mktemp -d)
sample=$dir/groupA.int
trap 'rm -rf "$dir"' EXIT

"$build/cli/qm314-cli" new "$sample"
"$build/cli/qm314-cli" export "$sample" -o "$sample.csv"
cat > "$sample.csv" <<'CSV'
CH,Channel,Tones,BCLO,Scan
1,01,01,Off,Add
2,02,D023N,Carrier,Add
3,03,69.3,QT/DQT,Delete
4,05,12,Off,Add
5,08,D754I,Off,Delete
6,04,Off,Off,Add
7,,,,
8,,,,
9,,,,
10,,,,
11,,,,
12,,,,
13,,,,
14,,,,
15,,,,
16,,,,
CSV
"$build/cli/qm314-cli" import "$sample.csv" "$sample"
rm -f "$sample.csv"

command -v openbox > /dev/null && { openbox & sleep 1; }
"$build/app/qm314" "$sample" &
pid=$!
frame=$(xdotool search --sync --name "Trevna QM-314 Programming Software" | head -1)
sleep 2
# The pointer on a bare part of the form, so the status bar shows its idle
# hint with the full-width comma.
xdotool mousemove --window "$frame" 120 405
sleep 1
import -window root /tmp/qm314-root.png
kill "$pid"
convert /tmp/qm314-root.png -trim +repage docs/main-window.png
rm -f /tmp/qm314-root.png
