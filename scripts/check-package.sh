#!/usr/bin/env bash
# Makes the Debian package from a finished build folder and checks it as
# Debian checks its own packages: the desktop entry and the AppStream data
# validate, lintian finds no error, the manual pages render without a warning,
# and the programs run from the unpacked package with their completion.
# Usage: scripts/check-package.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

step() { echo "== package: $*"; }

deb=$("$root/scripts/make-deb.sh" "$build" "$work")
step "$(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"

step lintian
# lintian warns that it runs as root, which CI does; its findings go to stdout.
lintian --fail-on error --display-level '>=warning' "$deb" 2> >(grep -v 'root privileges' >&2)

unpacked=$work/unpacked
dpkg-deb -x "$deb" "$unpacked"
share=$unpacked/usr/share
bin=$unpacked/usr/bin

step "desktop entry and AppStream metadata"
desktop-file-validate "$share/applications/qm314.desktop"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml

step "manual pages"
"$root/tests/e2e/install/man_pages_test.sh" "$share/man/man1" "$bin/qm314-cli" "$bin/qm314-sim" "$bin/qm314"

step "programs run from the package"
cd "$work"
"$bin/qm314-cli" --version
"$bin/qm314-cli" new new.int
[ "$(stat -c %s new.int)" -eq 1024 ] || { echo "qm314-cli new wrote $(stat -c %s new.int) bytes" >&2; exit 1; }
"$bin/qm314" --print new.int --pdf report.pdf
[ -s report.pdf ] || { echo "qm314 --print wrote no PDF" >&2; exit 1; }

step "bash completion"
"$root/tests/e2e/install/completion_test.sh" "$share/bash-completion/completions/qm314-cli" "$bin"
step "all checks passed"
