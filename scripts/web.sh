#!/usr/bin/env bash
# Builds the browser edition (build-web/site) and serves it at
# http://localhost:8314/ until Ctrl+C: localhost is a secure context, so
# Chrome and Edge let the page reach a serial port there.  Options go to
# web/serve.js (--port N for another port).
set -euo pipefail
cd "$(dirname "$0")/.."

# emscripten's own scripts find acorn there when the node on the PATH is not Debian's.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
emcmake cmake -S . -B build-web -G Ninja -DQM314_WEB=ON >/dev/null
cmake --build build-web -j "$(nproc)" --target site
exec node web/serve.js --root build-web/site "$@"
