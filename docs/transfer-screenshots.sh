#!/usr/bin/env bash
# Takes docs/transfer-ready.png and docs/transfer-running.png: the real program
# under Xvfb (openbox for the frames) reading qm314-sim, its progress dialog
# before Start and while blocks move.
# Usage: docs/transfer-screenshots.sh [BUILD_DIR]   (run it inside xvfb-run -a)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
# The program remembers its window's place: keep its settings out of the user's own.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME

command -v openbox > /dev/null && { openbox & sleep 1; }
# Without a window manager nothing activates windows: giving the focus is enough.
activate() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }
exec {sim_out}< <(exec "$build/sim/qm314-sim")
sim=$!
IFS= read -r device <&"$sim_out"
QM314_COM1="$device" "$build/desktop/app/qm314" &
app=$!
trap 'kill "$app" "$sim" 2>/dev/null || true; rm -rf "$XDG_CONFIG_HOME"' EXIT

frame=$(xdotool search --sync --name "Trevna QM-314 Programming Software" | head -1)
sleep 2
activate "$frame"
xdotool key --window "$frame" alt+p
sleep 0.5
xdotool key r
dialog=$(xdotool search --sync --name "Reading Data Progress" | head -1)
sleep 1

# The dialog in its window frame.
shoot() { import -frame -window "$dialog" "$1"; }
shoot docs/transfer-ready.png
xdotool key --window "$dialog" Return
sleep 3
shoot docs/transfer-running.png
