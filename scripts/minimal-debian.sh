#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Makes a minimal Debian 12 system with only the libraries every Linux
# desktop has (X11/xcb, GL/EGL, fontconfig, FreeType, HarfBuzz, GLib,
# D-Bus, ALSA, libpng) and no Qt, ICU, GStreamer or PulseAudio: the
# system on which a built disc must start its menu by itself.
#
# usage: minimal-debian.sh [CACHE_DIR]       (root only)
# The system is made once and kept as a tarball in CACHE_DIR (default
# /var/cache/velomni-ci); later runs reuse it. The tarball's path is
# printed on standard output. Exit 77: it cannot be made here (not root,
# or Debian's mirror cannot be reached).
set -eu

cache=${1:-/var/cache/velomni-ci}
mirror=${VELOMNI_DEBIAN_MIRROR:-http://deb.debian.org/debian}
suite=bookworm

# The desktop's base set. --no-install-recommends keeps out everything
# these merely suggest.
PACKAGES="
  libx11-6 libx11-xcb1 libxcb1 libxcb-randr0 libxcb-shm0 libxcb-xfixes0 libxcb-shape0
  libxcb-sync1 libxcb-render0 libxcb-xkb1 libxcb-glx0 libxcb-dri2-0 libxcb-dri3-0
  libxcb-present0 libxcb-xinput0 libxkbcommon0 libxkbcommon-x11-0 libxext6 libxrender1
  libxi6 libsm6 libice6
  libgl1 libegl1 libopengl0 libgl1-mesa-dri libgbm1
  fontconfig libfreetype6 libharfbuzz0b fonts-dejavu-core
  libglib2.0-0 libdbus-1-3 libasound2 libpng16-16
"
# Packages that must not be there at the end: what the disc has to carry.
FORBIDDEN='^(libqt|qt6-|qt5-|libicu|libgstreamer|gstreamer1|libpulse|pulseaudio)'

log() { echo "minimal-debian: $*" >&2; }

if [ "$(id -u)" -ne 0 ]; then
  log "needs root (debootstrap and chroot)"
  exit 77
fi

# The cache's name changes with the package list, so a changed list makes
# a new system instead of reusing an old one.
key=$(printf '%s\n%s\n%s\n' "$suite" "$PACKAGES" "$FORBIDDEN" | sha256sum | cut -c1-12)
tarball="$cache/$suite-minbase-desktop-$key.tar.zst"

mkdir -p "$cache"
# One run makes the system; a second one started meanwhile waits for it.
exec 9>"$cache/.lock"
flock 9
if [ -s "$tarball" ]; then
  echo "$tarball"
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
if ! command -v debootstrap >/dev/null 2>&1 || ! command -v zstd >/dev/null 2>&1; then
  log "installing debootstrap and zstd"
  if ! { apt-get update -q && apt-get install -y -q --no-install-recommends debootstrap zstd; } >&2; then
    log "cannot install debootstrap: no package mirror reachable?"
    exit 77
  fi
fi
if ! wget -q -T 20 -t 2 -O /dev/null "$mirror/dists/$suite/Release"; then
  log "cannot reach $mirror: no network to Debian's mirror"
  exit 77
fi

started=$(date +%s)
work=$(mktemp -d "$cache/make.XXXXXX")
# Whatever happens, nothing stays mounted in or left of the half-made root.
cleanup() {
  for m in "$work/root/proc" "$work/root/sys" "$work/root/dev/pts" "$work/root/dev"; do
    if mountpoint -q "$m" 2>/dev/null; then umount -l "$m" || true; fi
  done
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP PIPE
root="$work/root"

log "debootstrap --variant=minbase $suite from $mirror"
debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 || {
  tail -n 30 "$work/debootstrap.log" >&2
  log "debootstrap failed (log above)"
  exit 1
}

# The base set is installed by apt inside the system, which resolves the
# dependencies as on any Debian desktop. Daemons are never started.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
echo "deb $mirror $suite main" >"$root/etc/apt/sources.list"
mount -t proc proc "$root/proc"
log "installing the desktop's base set of libraries"
# shellcheck disable=SC2086
chroot "$root" sh -c "apt-get update -q && apt-get install -y -q --no-install-recommends $(echo $PACKAGES)" \
  >"$work/apt.log" 2>&1 || {
  tail -n 30 "$work/apt.log" >&2
  log "apt-get install failed (log above)"
  exit 1
}

# Debian 12's mesa drivers pull in ICU (libllvm15 -> libxml2 -> libicu72).
# Other desktops have another ICU version or none, so it goes: a disc's
# player must bring its own. Its absence is checked below like the rest.
chroot "$root" dpkg --purge --force-depends libicu72 >>"$work/apt.log" 2>&1

chroot "$root" apt-get clean
rm -rf "$root"/var/lib/apt/lists/* "$root"/var/cache/apt/*.bin "$root"/usr/share/doc/* \
  "$root"/usr/share/man/* "$root"/usr/share/info/*
umount "$root/proc"

installed=$(chroot "$root" dpkg-query -W -f '${Package}\n')
if echo "$installed" | grep -E "$FORBIDDEN" >&2; then
  log "the system has packages a disc must carry itself (listed above)"
  exit 1
fi
if find "$root/usr/lib" "$root/lib" -name 'libicu*.so*' -o -name 'libQt*' -o -name 'libgst*' \
    -o -name 'libpulse*' 2>/dev/null | grep . >&2; then
  log "the system has libraries a disc must carry itself (listed above)"
  exit 1
fi

tar -C "$root" --numeric-owner -cf - . | zstd -q -T0 -3 -o "$work/system.tar.zst"
mv "$work/system.tar.zst" "$tarball"
log "made $tarball ($(du -h "$tarball" | cut -f1), $(echo "$installed" | wc -l) packages) in $(($(date +%s) - started)) s"
echo "$tarball"
