#!/usr/bin/env bash
# Takes docs/port-details.png and docs/verify-after-write.png: the real program
# under Xvfb showing two message boxes with their details open, over the main
# window: a read on COM3 with no device behind it, and a write with Verify
# After Write to a qm314-sim that keeps block 9 wrong.
# Usage: docs/message-screenshots.sh [BUILD_DIR]   (run it inside xvfb-run -a)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

# Verify After Write is remembered: keep the setting out of the user's own.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
unset QM314_COM3
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$XDG_CONFIG_HOME"' EXIT

command -v openbox > /dev/null && { openbox & pids+=($!); sleep 1; }
activate() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }

# Starts the program (arguments: environment settings) and waits for its frame.
start() {
  env "$@" "$build/desktop/app/qm314" &
  pids+=($!)
  frame=$(xdotool search --sync --name "Trevna QM-314 Programming Software" | head -1)
  sleep 2
  activate "$frame"
}
# Opens a menu of the frame by its Alt key and picks an item by its letter.
menu() {
  xdotool key --window "$frame" "alt+$1"
  sleep 0.5
  xdotool key "$2"
}
# Presses Start in the transfer dialog, waits for the box, opens its details
# and takes the screen, cut to the windows on it.
shoot_box() {
  local dialog
  dialog=$(xdotool search --sync --name "$1" | head -1)
  sleep 1
  xdotool key --window "$dialog" Return
  box=$(xdotool search --sync --name "Trevna Electronics Programming Software" | head -1)
  sleep 1
  xdotool key --window "$box" Tab
  xdotool key --window "$box" space
  sleep 1
  import -window root /tmp/qm314-root.png
  convert /tmp/qm314-root.png -trim +repage "$2"
  rm -f /tmp/qm314-root.png
}

# COM3 names /dev/ttyUSB2, which is not there.
start
menu o s
menu p r
shoot_box "Reading Data Progress" docs/port-details.png
kill "${pids[-1]}"

exec {sim_out}< <(exec "$build/sim/qm314-sim" --fault corrupt@9)
pids+=($!)
IFS= read -r device <&"$sim_out"
start QM314_COM1="$device"
menu p v
menu p w
shoot_box "Writing Data Progress" docs/verify-after-write.png
