#!/usr/bin/env bash
# Takes docs/edit-menu.png and docs/cell-tooltip.png: the real program under
# Xvfb (openbox for the frames) with the Edit menu open after an edit and a
# copy of two rows, and the tooltip of a Channel cell.
# Usage: docs/edit-screenshots.sh [BUILD_DIR]   (run it inside xvfb-run -a)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
# The program remembers its window's place: keep its settings out of the user's own.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
dir=$(mktemp -d)
sample=$dir/groupA.int
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$dir" "$XDG_CONFIG_HOME"' EXIT
"$build/cli/qm314-cli" new "$sample"
"$build/cli/qm314-cli" import docs/sample-channels.csv "$sample"

command -v openbox > /dev/null && { openbox & pids+=($!); sleep 1; }
"$build/desktop/app/qm314" "$sample" &
pids+=($!)
frame=$(xdotool search --sync --name "Trevna QM-314 Programming Software" | head -1)
sleep 2
xdotool windowactivate --sync "$frame" 2>/dev/null || xdotool windowfocus --sync "$frame"

# Places in the window: the row labels' and the Channel column's centres, the
# first row's centre and the height of a row, all in pixels of the form.
label_x=247 channel_x=299 row1_y=133 row_h=17
row_y() { echo $((row1_y + ($1 - 1) * row_h)); }
shoot() {
  import -window root /tmp/qm314-root.png
  convert /tmp/qm314-root.png -trim +repage "$1"
  rm -f /tmp/qm314-root.png
}

# Channel "07" typed into row 7, then rows 2 and 3 copied by their numbers.
xdotool mousemove --window "$frame" "$channel_x" "$(row_y 7)" click 1
sleep 0.3
xdotool type 7
xdotool key Return
xdotool mousemove --window "$frame" "$label_x" "$(row_y 2)" click 1
xdotool keydown shift mousemove --window "$frame" "$label_x" "$(row_y 3)" click 1 keyup shift
xdotool key ctrl+c
sleep 0.3
xdotool key --window "$frame" alt+e
sleep 1
shoot docs/edit-menu.png
# The menu closed, the menu bar left, then the rows' selection ended, for a
# plain grid under the tooltip.
for _ in 1 2 3; do
  xdotool key Escape
  sleep 0.3
done

# The pointer resting on row 3's Channel cell.
xdotool mousemove --window "$frame" "$channel_x" "$(row_y 3)"
sleep 0.2
xdotool mousemove --window "$frame" $((channel_x + 2)) "$(row_y 3)"
sleep 2
shoot docs/cell-tooltip.png
