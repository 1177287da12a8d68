#!/usr/bin/env bash
# Builds the Debian package from a clean Release build with Debian's hardening
# flags and prints its path (out/qm314_VERSION_ARCH.deb).  Install it with
#   sudo apt install ./out/qm314_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-package
rm -rf "$build"

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
# The build's own output goes to standard error: standard output is the path.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQM314_TESTS=OFF -DQM314_BENCH=OFF >&2
cmake --build "$build" -j "$(nproc)" >&2
scripts/make-deb.sh "$build" out
