#!/usr/bin/env bash
# Builds the programs and runs the main job: the desktop program with a
# simulated radio on COM1, so a radio can be read, edited and written at once.
# The simulated radio keeps its memory in build/sim-radio.int between runs and
# stops when the program ends.  Arguments go to qm314 (for example a file).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs" --target qm314 qm314-sim

memory=build/sim-radio.int
image=()
[ -f "$memory" ] && image=(--image "$memory")

# The simulator prints its pseudo-terminal's path on its first line.
exec {sim_out}< <(exec build/sim/qm314-sim "${image[@]}" --save "$memory")
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true' EXIT
if ! IFS= read -r -t 10 device <&"$sim_out" || [ -z "$device" ]; then
  echo "run.sh: the simulated radio did not start" >&2
  exit 1
fi
echo "Simulated radio on $device (COM1); its memory is kept in $memory"

QM314_COM1="$device" build/desktop/app/qm314 "$@"
