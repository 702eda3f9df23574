#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs every Debian 12 package that building, running and testing
# Velomni Studio needs. Does nothing when all of them are present.
set -eu

PACKAGES="
  g++ cmake ninja-build pkg-config make git xauth
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-svg-dev qt6-multimedia-dev qt6-webengine-dev
  qt6-image-formats-plugins qt6-qpa-plugins
  libpng-dev libjpeg62-turbo-dev libgif-dev zlib1g-dev
  libemf2svg-dev libwmf-dev gsfonts
  libburn-dev libisofs-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-alsa
  xvfb x11-utils imagemagick fonts-dejavu-core
  g++-mingw-w64-i686 gcc-mingw-w64-x86-64 icoutils genisoimage xorriso
  g++-mingw-w64-x86-64-posix wine wine64
  desktop-file-utils appstream shared-mime-info man-db dpkg-dev file lintian xdotool libglib2.0-bin
  strace util-linux
  debootstrap zstd jq
"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

windows_sources() {
  # The Windows player's giflib source, fetched once (see the script).
  "$(dirname "$0")/windows-deps.sh" ||
    echo "install-deps: giflib's source could not be fetched, so the Windows player will not be built" >&2
}

if [ -z "$missing" ]; then
  windows_sources
  exit 0
fi

echo "install-deps: installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=""
elif command -v sudo >/dev/null 2>&1; then
  SUDO="sudo"
else
  echo "install-deps: need root or sudo to install:$missing" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
windows_sources
