#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Makes the Debian package of the build into a folder of its own and checks
# it: lintian finds no error, the library dependencies were found, and the
# stripped studio still carries the version information that makes it the
# studio.
#   debian-package.sh CPACK BUILD_DIR
set -eu
cpack="$1"
build="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "debian-package: $*" >&2; exit 1; }

(cd "$build" && "$cpack" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1) || fail "cpack failed: $(cat "$tmp/cpack.log")"
deb="$(ls "$tmp"/out/velomni-studio_*.deb)"
[ -f "$deb" ] || fail "no package in $tmp/out"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for library in libc6 libqt6core6 libqt6widgets6 qt6-qpa-plugins gstreamer1.0-plugins-base gstreamer1.0-plugins-good \
  gstreamer1.0-alsa; do
  echo "$depends" | grep -q "$library" || fail "Depends lacks $library"
done

# The modules the programs carry inside themselves: the package of every
# library each one links directly is a dependency, found here apart from
# the way the package is made.
names="$(echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/[ (].*//')"
for module in "$build"/modules/*.so; do
  for soname in $(readelf -d "$module" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    path="$(ldd "$module" | awk -v n="$soname" '$1 == n { print $3 }')"
    [ -n "$path" ] || fail "$module links $soname, which is not on this system"
    package="$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -n 1 | cut -d: -f1)"
    [ -n "$package" ] || package="$(dpkg -S "$path" | head -n 1 | cut -d: -f1)"
    echo "$names" | grep -qx "$package" || fail "Depends lacks $package, whose $soname $(basename "$module") links"
  done
done

# Errors fail the test; warnings are shown.
lintian --tag-display-limit 0 "$deb" >"$tmp/lintian.log" 2>&1 || true
cat "$tmp/lintian.log"
! grep -q "^E: " "$tmp/lintian.log" || fail "lintian reports errors"

dpkg-deb -x "$deb" "$tmp/root"
file "$tmp/root/usr/bin/velomni-studio" | grep -q ", stripped" || fail "the studio is not stripped"
QT_QPA_PLATFORM=offscreen HOME="$tmp" "$tmp/root/usr/bin/velomni-cli" version "$tmp/root/usr/bin/velomni-studio" |
  grep -qx "OriginalFilename=VelomniStudio.exe" || fail "the stripped studio lost its version information"
# The packaged studio searches no library folder of its own, but a folder
# built with it carries a Linux player that finds its runtime beside it.
readelf -d "$tmp/root/usr/bin/velomni-studio" | grep -q "R.*PATH" && fail "the packaged studio has a library search path"
mkdir "$tmp/project"
echo '{"StartActions": [{"ActionType": 9}], "SplashScreenImage": null}' >"$tmp/project.json"
QT_QPA_PLATFORM=offscreen HOME="$tmp" "$tmp/root/usr/bin/velomni-cli" import "$tmp/project.json" "$tmp/project" ||
  fail "the packaged tool cannot import a project"
QT_QPA_PLATFORM=offscreen HOME="$tmp" "$tmp/root/usr/bin/velomni-cli" build "$tmp/project" ||
  fail "the packaged tool cannot build a project"
readelf -d "$tmp/project/linux-x86_64/velomni" | grep -q 'Library rpath: \[\$ORIGIN/lib\]' ||
  fail "the runtime's player made by the packaged studio does not search its runtime"
[ -x "$tmp/project/autorun.sh" ] && [ -f "$tmp/project/linux-x86_64/lib/libQt6Core.so.6" ] ||
  fail "the packaged studio built no runtime"
echo "debian-package: ok"
