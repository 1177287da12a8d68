#!/usr/bin/env bash
# Takes docs/help-window.png, docs/file-menu-recent.png and docs/resized-window.png:
# the real program under Xvfb (openbox for the frames) with F1's manual, the
# File menu listing recent files, and the main window made larger.
# Usage: docs/desktop-screenshots.sh [BUILD_DIR]   (run it inside xvfb-run -a)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

# The recent files and the window's place are remembered: keep them out of the
# user's own settings (a home of its own), and give the program a few files it
# has seen.
dir=$(mktemp -d)
export HOME=$dir XDG_CONFIG_HOME=$dir/.config
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$dir"' EXIT
mkdir -p "$dir/radios" "$XDG_CONFIG_HOME/qm314"
for name in groupA groupB "site survey"; do "$build/cli/qm314-cli" new "$dir/radios/$name.int"; done
"$build/cli/qm314-cli" set "$dir/radios/groupA.int" tot=60s squelch=6 scan_switch=On
"$build/cli/qm314-cli" import docs/sample-channels.csv "$dir/radios/groupA.int"
cat > "$XDG_CONFIG_HOME/qm314/qm314.conf" <<CONF
[Recent%20File%20List]
File1=$dir/radios/groupA.int
File2=$dir/radios/site survey.int
File3=$dir/radios/groupB.int
CONF

command -v openbox > /dev/null && { openbox & pids+=($!); sleep 1; }
"$build/desktop/app/qm314" "$dir/radios/groupA.int" &
pids+=($!)
frame=$(xdotool search --sync --name "Trevna QM-314 Programming Software" | head -1)
sleep 2
xdotool windowactivate --sync "$frame" 2>/dev/null || xdotool windowfocus --sync "$frame"

# The File menu, opened by its Alt key; the screen cut to the window and menu.
xdotool key --window "$frame" alt+f
sleep 1
import -window root /tmp/qm314-root.png
xdotool key Escape
convert /tmp/qm314-root.png -trim +repage docs/file-menu-recent.png

# The window made larger: the grid takes the room.
xdotool windowsize "$frame" 860 620
sleep 1
xdotool mousemove --window "$frame" 120 470
sleep 0.5
import -window root /tmp/qm314-root.png
convert /tmp/qm314-root.png -trim +repage docs/resized-window.png

# F1: the manual in its own window.
xdotool key --window "$frame" F1
help=$(xdotool search --sync --name "QM-314 Programming Software Help" | head -1)
sleep 1
import -frame -window "$help" docs/help-window.png
rm -f /tmp/qm314-root.png
