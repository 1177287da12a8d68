#!/usr/bin/env bash
# Builds everything and runs the whole test suite in the normal build, checks the
# Debian package made from it, holds the browser module against that build's
# programs, then runs the suite in the
# AddressSanitizer/UndefinedBehaviorSanitizer build and in the ThreadSanitizer
# build.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
# Each stage's end with the time since the start, so a log shows where the time goes.
stage_done() { echo "== $1 done at $((SECONDS / 60)) min $((SECONDS % 60)) s"; }

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM314_WERROR=ON
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"
stage_done "normal build and tests"
# The Debian package made from this build, checked as Debian checks its own.
scripts/check-package.sh build
stage_done "Debian package"
# The browser module, built with emscripten, against this build's qm314-cli and qm314-sim.
scripts/test-web.sh build
stage_done "browser module and page"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQM314_SANITIZE=ON \
  -DQM314_GUI=OFF -DQM314_BENCH=OFF -DQM314_WERROR=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
stage_done "AddressSanitizer build and tests"

# ThreadSanitizer: every test, the desktop program's transfers on their worker
# thread and Debug Mode's Start included; the tests that run Qt add the
# settings of tests/CMakeLists.txt (qm314_qt_test) themselves.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM314_TSAN=ON \
  -DQM314_GUI=ON -DQM314_BENCH=OFF -DQM314_WERROR=ON
cmake --build build-tsan -j "$jobs"
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
  ctest --test-dir build-tsan --output-on-failure -j "$jobs"
stage_done "ThreadSanitizer build and tests"
