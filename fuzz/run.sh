#!/usr/bin/env bash
# Builds the libFuzzer targets (clang) and fuzzes them, two at a time at the
# lowest priority.  The working corpus grows in build-fuzz/work/<target>;
# crashes land in build-fuzz/work/artifacts.  Each run's last libFuzzer line
# (executions, coverage) goes to build-fuzz/work/<target>.log.  The 30 s time-out
# per input is generous: a loaded machine stalls the sanitizer allocator for seconds.
#   fuzz/run.sh [SECONDS_PER_TARGET] [TARGET...]     (default 600 s, all targets)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(file_roundtrip cli_input clone_transfer debug_conversation sim_radio)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQM314_FUZZ=ON -DQM314_TESTS=OFF -DQM314_GUI=OFF -DQM314_BENCH=OFF -DQM314_WERROR=ON >/dev/null
nice -n 19 cmake --build build-fuzz -j 2

work=build-fuzz/work
mkdir -p "$work/artifacts"
run() {
  local t=$1
  mkdir -p "$work/$t"
  # A whole scripted read is about 2.2 kB; files up to twice the image size.
  nice -n 19 build-fuzz/fuzz/fuzz_"$t" -max_total_time="$seconds" -max_len=4096 -timeout=30 \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/$t-" \
    "$work/$t" fuzz/corpus/"$t" >"$work/$t.log" 2>&1 || true
  echo "$t: $(grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$work/$t.log" | tr '\n' ' ')"
  grep -E '^#[0-9]+.*(DONE|pulse)' "$work/$t.log" | tail -1
}
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  run "${targets[i]}" &
  [ $((i + 1)) -lt ${#targets[@]} ] && run "${targets[i + 1]}" &
  wait
done
ls "$work/artifacts"
