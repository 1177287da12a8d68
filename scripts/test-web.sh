#!/usr/bin/env bash
# The browser module's stage: builds the Qt-free core and the module with
# emscripten in build-web/ (reused from run to run), then holds it against the
# native programs of a finished build folder: node's test runner for the
# parity and the radio conversations, headless Chromium for a hidden tab.
# Usage: scripts/test-web.sh [NATIVE_BUILD_DIR]   (default build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native=$(cd "${1:-$root/build}" && pwd)
jobs=$(nproc)
cd "$root"

# emscripten's own scripts find acorn there when the node on the PATH is not Debian's.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
emcmake cmake -S . -B build-web -G Ninja -DQM314_WEB=ON -DQM314_WERROR=ON
cmake --build build-web -j "$jobs"

cd web
npm ci --no-audit --no-fund --loglevel=error
# A test that hangs ends the stage rather than the CI's time.
QM314_BUILD="$native" QM314_WEB_BUILD="$root/build-web" timeout 900 node --test test/
