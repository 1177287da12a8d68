#!/usr/bin/env bash
# Installs every Debian package the build, the tests, the package checks and the
# demo need.  fonts-wqy-microhei is the program's own need, not only the
# build's: it is the fallback that draws the full-width comma and colon of its
# messages.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-liberation fonts-wqy-microhei xvfb xauth xdotool imagemagick poppler-utils
  clang libclang-rt-14-dev
  dpkg-dev lintian desktop-file-utils appstream man-db groff-base bsdextrautils
  locales
  # The browser module: its compiler, and the browser its tests drive.
  emscripten chromium
)
# The browser module's tests run in node and take their packages with npm.
# emscripten brings Debian's nodejs; a machine may have its own node already.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${packages[@]}"
# A locale that writes decimal commas: the tests check exported files keep '.' under it.
locale -a 2>/dev/null | grep -qix 'de_DE.utf-\?8' || $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
