#!/usr/bin/env bash
# Takes docs/main-window.png: the real program under Xvfb (with openbox for
# the window frame) showing a file with a few channels.
# Usage: docs/screenshot.sh [BUILD_DIR]   (run it inside xvfb-run -a)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
# The program remembers its window's place: keep its settings out of the user's own.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
# The title bar names the file, so it gets a name worth reading.
dir=$(mktemp -d)
sample=$dir/groupA.int
trap 'rm -rf "$dir" "$XDG_CONFIG_HOME"' EXIT

"$build/cli/qm314-cli" new "$sample"
"$build/cli/qm314-cli" import docs/sample-channels.csv "$sample"

command -v openbox > /dev/null && { openbox & sleep 1; }
"$build/desktop/app/qm314" "$sample" &
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
