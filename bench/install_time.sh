#!/usr/bin/env bash
# How a fresh Debian 12 takes the package: its size and installed size, and the
# time from "apt install ./qm314_VERSION_ARCH.deb" to a running
# "qm314-cli --version", in a minimal Debian 12 made by debootstrap (the
# harshest case: apt must bring Qt, X and the fonts too).
# Usage (as root, with debootstrap installed and a Debian mirror reachable):
#   bench/install_time.sh out/qm314_1.0_amd64.deb [MIRROR]
set -euo pipefail
deb=$(realpath "$1")
mirror=${2:-http://deb.debian.org/debian}
[ "$(id -u)" -eq 0 ] || { echo "install_time.sh: run it as root (debootstrap and chroot)" >&2; exit 2; }
command -v debootstrap > /dev/null || { echo "install_time.sh: apt-get install debootstrap" >&2; exit 2; }

root=$(mktemp -d)
chmod 0755 "$root"  # apt downloads as its own user
cleanup() {
  umount "$root/proc" "$root/dev" 2>/dev/null || true
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT

debootstrap --variant=minbase bookworm "$root" "$mirror" > "$root.debootstrap.log" 2>&1 ||
  { cat "$root.debootstrap.log" >&2; exit 1; }
rm -f "$root.debootstrap.log"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
cp "$deb" "$root/tmp/"
chroot "$root" apt-get update > /dev/null

name=$(basename "$deb")
start=$(date +%s.%N)
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y "/tmp/$name" > "$root/tmp/install.log" 2>&1 ||
  { cat "$root/tmp/install.log" >&2; exit 1; }
version=$(chroot "$root" qm314-cli --version)
end=$(date +%s.%N)

echo "package:           $name, $(stat -c %s "$deb") bytes"
echo "installed size:    $(dpkg-deb -f "$deb" Installed-Size) KiB"
echo "apt brought:       $(grep -E 'newly installed' "$root/tmp/install.log")"
echo "                   $(grep -E '^Need to get|^After this operation|^Fetched' "$root/tmp/install.log" | tr '\n' ' ')"
echo "install to run:    $(echo "$end - $start" | bc) s (then: $version)"
