#!/usr/bin/env bash
# Makes the Debian package qm314_VERSION_ARCH.deb from a finished build folder:
# installs it (stripped) into a staging folder under /usr, adds the Debian
# files of dist/debian, computes Depends from the programs' libraries, and
# prints the package's path.
# Usage: scripts/make-deb.sh BUILD_DIR OUT_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
umask 022

die() { echo "make-deb.sh: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || die "$build is not a configured build folder"
grep -q '^QM314_GUI:BOOL=ON' "$build/CMakeCache.txt" || die "$build was configured without the desktop program"
# The version a user sees in apt, in the software centre and in the program agree.
changelog_version=$(sed -n '1s/^qm314 (\([^)]*\)).*/\1/p' "$root/dist/debian/changelog")
[ "$changelog_version" = "$version" ] ||
  die "dist/debian/changelog starts at $changelog_version, the project is $version: add an entry"
metainfo=$root/dist/org.qm314.qm314.metainfo.xml
grep -q "<release version=\"$version\"" "$metainfo" ||
  die "$(basename "$metainfo") has no release $version: add it"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/root
mkdir -p "$stage/DEBIAN"
chmod 0755 "$stage" "$stage/DEBIAN"
# cmake --install takes what is built; bring it up to date first.
cmake --build "$build" > "$work/build.log" || { cat "$work/build.log" >&2; die "the build failed"; }
DESTDIR=$stage cmake --install "$build" --prefix /usr --strip > "$work/install.log" ||
  { cat "$work/install.log" >&2; die "cmake --install failed"; }
for program in qm314 qm314-cli qm314-sim; do
  [ -x "$stage/usr/bin/$program" ] || die "the build has no $program"
  # What cmake's strip leaves: the compiler's version notes.
  strip --remove-section=.comment --remove-section=.note "$stage/usr/bin/$program"
done

doc=$stage/usr/share/doc/qm314
mkdir -p "$doc"
install -m 0644 "$root/dist/debian/copyright" "$doc/copyright"
gzip -9n -c "$root/dist/debian/changelog" > "$doc/changelog.gz"
chmod 0644 "$doc/changelog.gz"
install -m 0755 "$root/dist/debian/postinst" "$root/dist/debian/postrm" "$stage/DEBIAN/"

# dpkg-shlibdeps wants to be run beside a debian/control.
mkdir -p "$work/src/debian"
printf 'Source: qm314\n\nPackage: qm314\nArchitecture: any\n' > "$work/src/debian/control"
shlibs=$(cd "$work/src" && dpkg-shlibdeps -O "$stage"/usr/bin/*) || die "dpkg-shlibdeps failed"
shlibs=${shlibs#shlibs:Depends=}

arch=$(dpkg --print-architecture)
installed_size=$(du -sk --exclude=DEBIAN "$stage" | cut -f1)
sed -e "s|@VERSION@|$version|" -e "s|@ARCH@|$arch|" -e "s|@INSTALLED_SIZE@|$installed_size|" \
    -e "s|@SHLIBS@|$shlibs|" "$root/dist/debian/control.in" > "$stage/DEBIAN/control"
(cd "$stage" && find usr -type f -print0 | sort -z | xargs -0 md5sum) > "$stage/DEBIAN/md5sums"
chmod 0644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"

deb=$out/qm314_${version}_${arch}.deb
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" > /dev/null
echo "$deb"
