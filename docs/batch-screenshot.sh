#!/usr/bin/env bash
# Takes docs/batch-write.png: the real program under Xvfb (openbox for the
# frames) writing three simulated radios on COM1-COM3 at once, in the middle of
# a round in which the radio on COM2 refused block 20.
# Usage: docs/batch-screenshot.sh [BUILD_DIR]   (run it inside xvfb-run -a)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
log=$(mktemp --suffix=.csv)
# A settings store of its own, so the dialog opens as on a first run.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME

command -v openbox > /dev/null && { openbox & sleep 1; }
exec {sim_out}< <(exec "$build/sim/qm314-sim" --radios 3 --fault 2:no-ack@20)
sim=$!
for n in 1 2 3; do
  IFS= read -r device <&"$sim_out"
  export "QM314_COM$n=$device"
done
"$build/desktop/app/qm314" &
app=$!
trap 'kill "$app" "$sim" 2>/dev/null || true; rm -rf "$log" "$XDG_CONFIG_HOME"' EXIT

frame=$(xdotool search --sync --name "Trevna QM-314 Programming Software" | head -1)
sleep 2
xdotool windowactivate --sync "$frame"
xdotool key --window "$frame" alt+p
sleep 0.5
xdotool key s
dialog=$(xdotool search --sync --name "Write To Several Radios" | head -1)
sleep 1
# COM1, COM2 and COM3, a log, and Start.
xdotool key --window "$dialog" space Down space Down space Tab Tab Tab space Tab
xdotool type --window "$dialog" "$log"
xdotool key --window "$dialog" Return
sleep 2.3
import -frame -window "$dialog" docs/batch-write.png
