#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# The project's Debian package installed by apt on the minimal Debian 12
# system (scripts/minimal-debian.sh), as a user installs it: apt brings
# what the package's Depends name from Debian's mirror and nothing else.
# Then, as an ordinary user on the X display: the studio opens its main
# window, and the demo, built with the installed velomni-cli, shows its
# menu with a page in the web panel from the player at the folder's root.
#
# usage: debian-package-in-minimal-debian.sh CPACK BUILD_DIR SOURCE_DIR OUT_DIR
# Root only, on an X display. Exit 77: this machine cannot run the check
# (the reason is printed). The log and screenshots are kept in OUT_DIR.
set -eu
cpack=$1 build=$2 source=$3 out=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/minimal-root.sh"
say() { echo "package-in-minimal-debian: $*" >&2; }
skip() { say "SKIP: $*"; exit 77; }

if [ "${VELOMNI_MINIMAL_INNER:-}" != 1 ]; then
  [ "$(id -u)" -eq 0 ] || skip "needs root (chroot, mounts)"
  [ -n "${DISPLAY:-}" ] || skip "no X display (run under xvfb-run, as make test does)"
  x_reachable_from_chroot ||
    skip "the X server $DISPLAY does not listen on the abstract socket, the only one a chroot reaches"
  unshare --mount --propagation private true 2>/dev/null || skip "no private mount namespace (unshare --mount)"
  status=0
  cache=${VELOMNI_CI_CACHE:-/var/cache/velomni-ci}
  tarball=$(sh "$here/../../scripts/minimal-debian.sh" "$cache") || status=$?
  [ $status = 77 ] && skip "the minimal Debian system cannot be made here (reason above)"
  [ $status = 0 ] || { say "the minimal Debian system could not be made"; exit 1; }

  mkdir -p "$out"
  out=$(cd "$out" && pwd)
  rm -rf "${out:?}"/*
  # Roots left by a run that was killed (its cleanup never ran) go first.
  find "${TMPDIR:-/var/tmp}" -maxdepth 1 -name 'velomni-package.*' -mmin +120 \
    -exec rm -rf --one-file-system {} + 2>/dev/null || true
  work=$(mktemp -d "${TMPDIR:-/var/tmp}/velomni-package.XXXXXX")
  trap 'rm -rf --one-file-system "$work"' EXIT
  trap 'exit 130' INT TERM HUP PIPE

  # The package, made as tests/install/debian-package.sh makes it.
  (cd "$build" && "$cpack" -G DEB -B "$work/package" >"$out/cpack.log" 2>&1) ||
    { say "cpack failed:"; cat "$out/cpack.log" >&2; exit 1; }
  deb=$(ls "$work"/package/velomni-studio_*.deb)
  say "package $(basename "$deb"), Depends: $(dpkg-deb -f "$deb" Depends)"

  root_unpack "$tarball" "$work/root"
  cp "$deb" "$work/root/tmp/velomni-studio.deb"
  # The demo's source (its JSON beside its pictures) and the folder it is
  # imported into, as scripts/run-demo.sh makes them.
  cp -r "$source/examples/demo" "$work/root/home/viewer/demo-source"
  cp -r "$source/examples/demo" "$work/root/home/viewer/demo"
  rm -f "$work/root/home/viewer/demo/project.json"
  chown -R $VIEWER_ID:$VIEWER_ID "$work/root/home/viewer"
  # apt reaches the mirror from the system with the host's name servers.
  cp /etc/resolv.conf "$work/root/etc/resolv.conf" 2>/dev/null || true
  echo "deb ${VELOMNI_DEBIAN_MIRROR:-http://deb.debian.org/debian} bookworm main" >"$work/root/etc/apt/sources.list"

  # The packages apt fetches are kept for the next run.
  mkdir -p "$cache/archives/partial"
  VELOMNI_MINIMAL_INNER=1 VELOMNI_MINIMAL_ROOT=$work/root VELOMNI_MINIMAL_ARCHIVES=$cache/archives \
    unshare --mount --propagation private -- sh "$0" "$cpack" "$build" "$source" "$out"
  exit
fi

# Inside the private mount namespace: mounts vanish with it.
root=$VELOMNI_MINIMAL_ROOT
group=""
stop_group() { group_kill "$group"; group=""; }
trap 'stop_group; root_stop "$root"' EXIT
trap 'exit 130' INT TERM HUP PIPE
root_mount "$root"
mount --bind "$VELOMNI_MINIMAL_ARCHIVES" "$root/var/cache/apt/archives"

# The studio's Depends, and what apt finds for them, decide whether it runs.
# -f also puts back what the system took out (ICU) if the package needs it.
if ! chroot "$root" sh -c 'export DEBIAN_FRONTEND=noninteractive; apt-get update -q &&
    apt-get install -y -q -f --no-install-recommends /tmp/velomni-studio.deb' >"$out/apt.log" 2>&1; then
  if grep -q "Could not resolve\|Failed to fetch\|Temporary failure" "$out/apt.log"; then
    skip "apt cannot reach Debian's mirror from the system (see $out/apt.log)"
  fi
  tail -n 30 "$out/apt.log" >&2
  say "FAIL: apt-get install of the package failed (log above, $out/apt.log)"
  exit 1
fi
say "installed with $(grep -c '^Setting up' "$out/apt.log") packages set up"

viewer() {
  # shellcheck disable=SC2046
  chroot --userspec=$VIEWER_ID:$VIEWER_ID "$root" /usr/bin/env -i $(viewer_env) sh -c "$1"
}
fail=""

# velomni-cli: starts and tells its version; builds the demo as the
# studio's save does, with the installed studio as the player.
if ! viewer 'velomni-cli --version' >"$out/cli-version.log" 2>&1; then
  fail="$fail; velomni-cli --version failed: $(tail -n 5 "$out/cli-version.log")"
fi
if ! viewer 'cd && velomni-cli import demo-source/project.json demo && velomni-cli build demo' >"$out/build.log" 2>&1; then
  fail="$fail; velomni-cli could not build the demo: $(tail -n 5 "$out/build.log")"
fi

# The studio, opening the demo as a file manager would (a first start
# without one asks for a project folder): its main window opens.
# shellcheck disable=SC2046
setsid chroot --userspec=$VIEWER_ID:$VIEWER_ID "$root" /usr/bin/env -i $(viewer_env) \
  sh -c 'cd && exec velomni-studio demo/velomni.vpj' >"$out/studio.log" 2>&1 </dev/null &
group=$!
tries=0
# Its title is "Velomni Studio", after the project's name where one is open.
until find_window "$root" '(.* - )?Velomni Studio' >/dev/null; do
  tries=$((tries + 1))
  if ! kill -0 $group 2>/dev/null; then
    fail="$fail; the studio ended without a window (log $out/studio.log: $(tail -n 5 "$out/studio.log"))"
    break
  fi
  if [ $tries -ge 240 ]; then
    fail="$fail; the studio, still running, opened no window in 2 minutes (log $out/studio.log: $(tail -n 5 "$out/studio.log"))"
    break
  fi
  sleep 0.5
done
import -window root "$out/studio.png" || true
stop_group
root_kill "$root"

# The Linux player of the demo folder: the root's velomni.exe, with the
# system's Qt; where the package ships the Windows player, the root holds a
# copy of that and the Linux player is started by autorun.sh, with its
# runtime.
player=./velomni.exe
start="exec ./velomni.exe"
if [ -f "$root/usr/share/velomni-studio/velomni.exe" ]; then
  cmp -s "$root/home/viewer/demo/velomni.exe" "$root/usr/share/velomni-studio/velomni.exe" ||
    fail="$fail; the demo's velomni.exe is not the package's Windows player"
  player=./linux-x86_64/velomni
  start="exec sh autorun.sh"
fi
if [ -x "$root/home/viewer/demo/$player" ]; then
  web=$(jq -r '[.ObjectList[] | select(.ObjectType == 5)][0] | "\(.Left),\(.Top),\(.Width),\(.Height)"' \
    "$source/examples/demo/project.json")
  caption=$(jq -r .FormCaption "$source/examples/demo/project.json")
  width=$(jq -r .Width "$source/examples/demo/project.json")
  height=$(jq -r .Height "$source/examples/demo/project.json")
  # shellcheck disable=SC2046
  setsid chroot --userspec=$VIEWER_ID:$VIEWER_ID "$root" /usr/bin/env -i $(viewer_env) \
    sh -c "cd /home/viewer/demo && $start" >"$out/player.log" 2>&1 </dev/null &
  group=$!
  tries=0 window="" dark=0
  while [ $tries -lt 120 ] && kill -0 $group 2>/dev/null; do
    if [ -z "$window" ]; then
      window=$(find_window "$root" "$caption" "$width" "$height") || window=""
    fi
    if [ -n "$window" ]; then
      eval "$(xdotool getwindowgeometry --shell "$window")"
      import -window root "$out/player.png"
      convert "$out/player.png" -crop "${width}x${height}+$X+$Y" +repage "$out/player-window.png"
      dark=$(dark_pixels "$out/player-window.png" "$web")
      [ "$dark" -lt 40 ] || break
    fi
    tries=$((tries + 1))
    sleep 1
  done
  if [ -z "$window" ]; then
    fail="$fail; the demo's player opened no menu window (log $out/player.log: $(tail -n 5 "$out/player.log"))"
  elif [ "$dark" -lt 40 ]; then
    fail="$fail; the demo's web panel stayed blank ($dark dark pixels; $out/player-window.png)"
  fi
  stop_group
else
  fail="$fail; the built demo has no Linux player $player"
fi

for message in "error while loading" "cannot load the" "could not find Qt WebEngine resources"; do
  if cat "$out"/*.log | grep -i -F -- "$message" >&2; then
    fail="$fail; a log says \"$message\" (lines above)"
  fi
done
if [ -n "$fail" ]; then
  say "FAIL:${fail#;}"
  say "kept in $out: apt.log, studio.log, player.log, studio.png, player.png"
  exit 1
fi
say "PASS: the package installs and its studio and the demo's player run (screenshots in $out)"
