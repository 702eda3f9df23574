#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# The sources the Windows player builds from that Debian has no MinGW
# package of: giflib, from Debian's own source package. The Windows build
# compiles it with the player (cmake/WindowsPlayer.cmake); libpng, libjpeg
# and zlib come with the static Qt for Windows.
#
#   scripts/windows-deps.sh [cache folder]
#
# The cache folder defaults to /var/cache/velomni-windows. Does nothing when
# the source is already there. Needs root (or sudo) for the deb-src entry.
set -eu

CACHE=${1:-${VELOMNI_WINDOWS_CACHE:-/var/cache/velomni-windows}}
GIFLIB_DIR="$CACHE/giflib"

if [ -f "$GIFLIB_DIR/gif_lib.h" ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi

# A deb-src entry for the mirror and suite the machine installs from.
SOURCES=/etc/apt/sources.list.d/velomni-deb-src.sources
if [ ! -f "$SOURCES" ]; then
  uri=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
  [ -n "$uri" ] || uri=http://deb.debian.org/debian
  printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$uri" | $SUDO tee "$SOURCES" >/dev/null
  $SUDO apt-get update -q
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source -q --download-only giflib && dpkg-source -x --no-check giflib_*.dsc giflib)
$SUDO mkdir -p "$CACHE"
$SUDO rm -rf "$GIFLIB_DIR.new"
$SUDO cp -r "$work/giflib" "$GIFLIB_DIR.new"
$SUDO rm -rf "$GIFLIB_DIR"
$SUDO mv "$GIFLIB_DIR.new" "$GIFLIB_DIR"
echo "windows-deps: giflib source in $GIFLIB_DIR"
