#!/usr/bin/env bash
# Takes docs/debug-mode-frequency.png and docs/debug-mode-parameter.png: the real
# program under Xvfb (openbox for the frames where it is installed), its Debug
# Mode dialog opened with Ctrl+Shift+D, on the High Frequency page and on the
# Squelch Level page.
# Usage: docs/debug-mode-screenshots.sh [BUILD_DIR]   (run it inside xvfb-run -a)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
# The program remembers its window's place: keep its settings out of the user's own.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME

command -v openbox > /dev/null && { openbox & sleep 1; }
# Without a window manager nothing activates windows: giving the focus is enough.
activate() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }
"$build/desktop/app/qm314" &
app=$!
trap 'kill "$app" 2>/dev/null || true; rm -rf "$XDG_CONFIG_HOME"' EXIT

frame=$(xdotool search --sync --name "Trevna QM-314 Programming Software" | head -1)
sleep 2
activate "$frame"
xdotool key --window "$frame" ctrl+shift+d
dialog=$(xdotool search --sync --name "Debug Mode" | head -1)
sleep 1
shoot() { import -frame -window "$dialog" "$1"; }

# The tree has the focus: its first item (whether or not it is current yet),
# then High Frequency.
xdotool key --window "$dialog" Home Down
sleep 0.5
shoot docs/debug-mode-frequency.png

# Down to "Debug Item", open it, then "Squelch Level" and its Default.
xdotool key --window "$dialog" Down Down Down Right Down Down Down
sleep 0.3
xdotool key --window "$dialog" shift+Tab
sleep 0.3
xdotool key --window "$dialog" space
sleep 0.5
xdotool key --window "$dialog" Tab
sleep 0.5
shoot docs/debug-mode-parameter.png
