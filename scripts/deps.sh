#!/usr/bin/env bash
# Installs every Debian package the build, the tests, the package checks and the
# demo need.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-liberation xvfb xauth xdotool imagemagick poppler-utils
  clang libclang-rt-14-dev
  dpkg-dev lintian desktop-file-utils appstream man-db groff-base bsdextrautils
)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${packages[@]}"
