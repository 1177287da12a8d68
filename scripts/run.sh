#!/usr/bin/env bash
# Builds the programs and runs the main job: for now the command-line tool
# writes a new channel data file and shows it.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs" --target qm314-cli

file=$(mktemp --suffix=.int)
trap 'rm -f "$file"' EXIT
build/cli/qm314-cli new "$file"
build/cli/qm314-cli show "$file"
