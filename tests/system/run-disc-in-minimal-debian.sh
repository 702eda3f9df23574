#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Starts a built disc's menu on a minimal Debian 12 system without Qt, as a
# user of a desktop starts it: `sh autorun.sh` from the disc's read-only
# root, as an ordinary user, with the X server and the sound card of the
# desktop. Then checks what that user would see and hear.
#
# usage: run-disc-in-minimal-debian.sh [options] FOLDER_OR_ISO
#   --reference PNG   the menu window as `velomni-cli render` draws it (required)
#   --caption TEXT    the menu window's title (required)
#   --web X,Y,W,H     the web panel, in window coordinates: it must show a page
#   --mask X,Y,W,H    a part of the window left out of the comparison
#                     (an animation); may be given more than once
#   --out DIR         where the player's log, the screenshot and the sound
#                     are kept (default: a new folder under /tmp)
#   --cache DIR       the minimal system's cache (see scripts/minimal-debian.sh)
#
# Root only, on an X display (DISPLAY; XAUTHORITY if the server wants it).
# Exit 0: the menu started and passed every check; 1: it did not (the
# reasons, the log and the screenshot's path are printed); 77: this machine
# cannot run the check (not root, no mirror for the system, no mount
# namespace, no X server), with the reason printed.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
. "$here/minimal-root.sh"
say() { echo "minimal-debian-run: $*" >&2; }
skip() { say "SKIP: $*"; exit 77; }

# The window must match the reference in all but 0.2% of its pixels (512
# of a 640 x 400 window), a pixel matching when no colour channel differs
# by more than 10%. The reference is drawn by the same Qt with the same
# fonts, so the two agree to the pixel; a missing picture, control or
# line of text, or a text in another font, is far more.
FUZZ=10%
MAX_DIFFERENT_PERCENT=0.2
# A page in the web panel has text: at least this many dark pixels.
MIN_WEB_DARK_PIXELS=40

if [ "${VELOMNI_MINIMAL_INNER:-}" = 1 ]; then
  inner=1
else
  inner=0
fi

reference="" caption="" web="" masks="" out="" cache=${VELOMNI_CI_CACHE:-/var/cache/velomni-ci}
while [ $# -gt 1 ]; do
  case $1 in
    --reference) reference=$2 ;;
    --caption) caption=$2 ;;
    --web) web=$2 ;;
    --mask) masks="$masks $2" ;;
    --out) out=$2 ;;
    --cache) cache=$2 ;;
    *) say "unknown option $1"; exit 2 ;;
  esac
  shift 2
done
[ $# -eq 1 ] && [ -n "$reference" ] && [ -n "$caption" ] || {
  say "usage: $0 --reference PNG --caption TEXT [--web X,Y,W,H] [--mask X,Y,W,H]... [--out DIR] [--cache DIR] FOLDER_OR_ISO"
  exit 2
}
disc=$1

# ---------------------------------------------------------------------------
# Outside: the system is unpacked here, and removed here once the private
# mount namespace (and with it every mount) is gone.
if [ $inner = 0 ]; then
  [ "$(id -u)" -eq 0 ] || skip "needs root (chroot, mounts)"
  [ -e "$disc" ] || { say "no such disc folder or image: $disc"; exit 1; }
  disc=$(realpath "$disc")
  [ -n "${DISPLAY:-}" ] || skip "no X display (run under xvfb-run, as make test does)"
  for tool in xdotool import compare convert zstd unshare chroot setsid; do
    command -v $tool >/dev/null 2>&1 || { say "$tool is missing: run scripts/install-deps.sh"; exit 1; }
  done
  xdotool getdisplaygeometry >/dev/null 2>&1 || skip "cannot reach the X server on $DISPLAY"
  x_reachable_from_chroot ||
    skip "the X server $DISPLAY does not listen on the abstract socket, the only one a chroot reaches"
  unshare --mount --propagation private true 2>/dev/null || skip "no private mount namespace (unshare --mount)"

  status=0
  tarball=$(sh "$here/../../scripts/minimal-debian.sh" "$cache") || status=$?
  [ $status = 77 ] && skip "the minimal Debian system cannot be made here (reason above)"
  [ $status = 0 ] || { say "the minimal Debian system could not be made"; exit 1; }

  if [ -z "$out" ]; then out=$(mktemp -d /tmp/velomni-minimal-out.XXXXXX); fi
  mkdir -p "$out"
  out=$(cd "$out" && pwd)
  (cd "$out" && rm -f player.log screen.png window.png window-masked.png reference-masked.png difference.png played.raw)
  # Roots left by a run that was killed (its cleanup never ran) go first.
  find "${TMPDIR:-/var/tmp}" -maxdepth 1 -name 'velomni-minimal.*' -mmin +120 \
    -exec rm -rf --one-file-system {} + 2>/dev/null || true
  work=$(mktemp -d "${TMPDIR:-/var/tmp}/velomni-minimal.XXXXXX")
  root=$work/root
  cleanup() {
    # The mounts lived in the inner namespace only; in case a process of
    # the system survived it, the removal stays on this file system.
    rm -rf --one-file-system "$work" 2>/dev/null || rm -rf --one-file-system "$work" || true
  }
  trap cleanup EXIT
  trap 'exit 130' INT TERM HUP PIPE

  root_unpack "$tarball" "$root"

  status=0
  # shellcheck disable=SC2046  # one --mask X,Y,W,H pair of words for each mask
  VELOMNI_MINIMAL_INNER=1 VELOMNI_MINIMAL_ROOT=$root VELOMNI_MINIMAL_OUT=$out \
    unshare --mount --propagation private -- sh "$0" --reference "$reference" --caption "$caption" \
    ${web:+--web "$web"} $(for m in $masks; do printf -- '--mask %s ' "$m"; done) "$disc" || status=$?
  if [ $status = 0 ]; then
    say "PASS: the menu started on minimal Debian 12 (screenshot $out/screen.png)"
  elif [ $status != 77 ]; then
    say "FAIL: see above; kept in $out: player.log, screen.png, window.png, difference.png"
  fi
  exit $status
fi

# ---------------------------------------------------------------------------
# Inside the private mount namespace: mounts vanish with it.
root=$VELOMNI_MINIMAL_ROOT
out=$VELOMNI_MINIMAL_OUT
mountpoint_disc=$root/media/viewer/disc
player=""

stop_player() { group_kill "$player"; player=""; }
trap 'stop_player; root_stop "$root"' EXIT
trap 'exit 130' INT TERM HUP PIPE

root_mount "$root"
# The disc, read-only as an inserted one: a loop mount of an image, a
# read-only bind mount of a folder (or of the image's unpacked content,
# where the kernel cannot mount the image); where the kernel allows no
# read-only bind mount, a copy without write permission.
mkdir -p "$mountpoint_disc"
how="" from=" of the folder"
if [ -f "$disc" ]; then
  if mount -o loop,ro "$disc" "$mountpoint_disc" 2>/dev/null; then
    how="read-only loop mount of the image"
  else
    command -v xorriso >/dev/null 2>&1 || { say "xorriso is missing: run scripts/install-deps.sh"; exit 1; }
    xorriso -osirrox on -indev "$disc" -extract / "$root.content" >/dev/null 2>&1 ||
      { say "FAIL: cannot unpack $disc"; exit 1; }
    disc=$root.content
    from=" of the image's content (the kernel cannot mount the image)"
  fi
fi
if [ -n "$how" ]; then
  :
elif mount --bind "$disc" "$mountpoint_disc" 2>/dev/null &&
    mount -o remount,bind,ro "$mountpoint_disc" 2>/dev/null; then
  how="read-only bind mount$from"
else
  if mountpoint -q "$mountpoint_disc"; then umount "$mountpoint_disc"; fi
  cp -a "$disc/." "$mountpoint_disc/"
  chmod -R a-w "$mountpoint_disc"
  how="copy$from without write permission (no read-only bind mount allowed)"
fi
say "the disc is a $how, at /media/viewer/disc"
if chroot --userspec=$VIEWER_ID:$VIEWER_ID "$root" sh -c 'touch /media/viewer/disc/.probe' 2>/dev/null; then
  say "the disc can be written by the user: not a disc"
  exit 1
fi
[ -f "$mountpoint_disc/autorun.sh" ] || { say "FAIL: the disc has no autorun.sh at its root"; exit 1; }

# The system has no /tmp/.X11-unix: a window can only come through the
# abstract socket.
if [ -e "$root/tmp/.X11-unix" ]; then
  say "the system has a /tmp/.X11-unix of its own"
  exit 1
fi
say "X server: $DISPLAY through its abstract socket (the system has no /tmp/.X11-unix)"

# The pointer rests in a corner, off the menu: a control under it would be
# drawn in its mouse-over look, which the reference does not show.
xdotool mousemove 0 0 || true

# The player, as the user, from the disc's root, in a session of its own so
# that it and every process it starts can be ended together.
log=$out/player.log
# shellcheck disable=SC2046
setsid chroot --userspec=$VIEWER_ID:$VIEWER_ID "$root" /usr/bin/env -i $(viewer_env) \
  sh -c 'cd /media/viewer/disc && exec sh autorun.sh' >"$log" 2>&1 </dev/null &
player=$!
say "started sh autorun.sh as user viewer (process group $player); log: $log"

alive() { kill -0 "$player" 2>/dev/null; }

# The menu window: visible, with the caption and the size of the reference.
size=$(identify -format '%w %h' "$reference")
width=${size% *}
height=${size#* }
fail=""
window=""
tries=0
while [ $tries -lt 240 ] && alive; do
  if window=$(find_window "$root" "$caption" "$width" "$height"); then break; fi
  window=""
  sleep 0.5
  tries=$((tries + 1))
done
if [ -z "$window" ]; then
  alive || say "the player ended early; its log:"
  alive || sed 's/^/  | /' "$log" >&2
  import -window root "$out/screen.png" 2>/dev/null || true
  say "FAIL: no visible window \"$caption\" of ${width}x${height} (screenshot $out/screen.png)"
  exit 1
fi
eval "$(xdotool getwindowgeometry --shell "$window")"
say "the menu window $window is at $X,$Y"

# Masks, as ImageMagick draw commands for both pictures.
draw=""
for m in $masks; do
  IFS=, read -r mx my mw mh <<EOF
$m
EOF
  draw="$draw rectangle $mx,$my $((mx + mw - 1)),$((my + mh - 1))"
done
if [ -n "$web" ]; then
  IFS=, read -r wx wy ww wh <<EOF
$web
EOF
  draw="$draw rectangle $wx,$wy $((wx + ww - 1)),$((wy + wh - 1))"
fi
masked() {
  if [ -n "$draw" ]; then
    convert "$1" -fill black -draw "$draw" "$2"
  else
    cp "$1" "$2"
  fi
}
masked "$reference" "$out/reference-masked.png"

# The window is painted in steps (the page loads last): the checks are
# repeated until all hold or a minute has gone.
sound=$root$SOUND_FILE
deadline=$(($(date +%s) + 60))
while :; do
  fail=""
  import -window root "$out/screen.png"
  convert "$out/screen.png" -crop "${width}x${height}+$X+$Y" +repage "$out/window.png"
  masked "$out/window.png" "$out/window-masked.png"
  different=$(compare -metric AE -fuzz "$FUZZ" "$out/window-masked.png" "$out/reference-masked.png" \
    "$out/difference.png" 2>&1 >/dev/null || true)
  different=${different%% *}
  case $different in '' | *[!0-9.e+]*) fail="$fail; cannot compare the window with the reference ($different)" ;; esac
  if [ -z "$fail" ] && [ "$(awk -v d="$different" -v n=$((width * height)) -v p=$MAX_DIFFERENT_PERCENT \
      'BEGIN { print (d * 100 > n * p) ? 1 : 0 }')" = 1 ]; then
    fail="$fail; $different of $((width * height)) pixels differ from the rendered menu by more than $FUZZ (at most $MAX_DIFFERENT_PERCENT% may)"
  fi
  if [ -n "$web" ]; then
    dark=$(dark_pixels "$out/window.png" "$web")
    [ "$dark" -ge $MIN_WEB_DARK_PIXELS ] ||
      fail="$fail; the web panel is blank ($dark dark pixels, a page has at least $MIN_WEB_DARK_PIXELS)"
  fi
  if [ ! -s "$sound" ]; then
    fail="$fail; no sound reached the sound card (empty ${sound#"$root"} in the system)"
  elif [ -z "$(tr -d '\000' <"$sound" | head -c 1)" ]; then
    fail="$fail; the sound card got only silence"
  fi
  alive || { fail="$fail; the player ended"; break; }
  [ -z "$fail" ] && break
  [ "$(date +%s)" -lt $deadline ] || break
  # A part the player said it cannot load will not appear by waiting.
  grep -q -i -F -e "error while loading" -e "cannot load the" "$log" && break
  sleep 1
done
say "window vs. reference: ${different:-?} pixels differ; web panel: ${dark:-not checked} dark pixels; sound: $(stat -c %s "$sound" 2>/dev/null || echo 0) bytes"
head -c 4000000 "$sound" >"$out/played.raw" 2>/dev/null || true

stop_player
# What the loader and Qt say when the disc misses a part of the runtime.
for message in "error while loading" "cannot load the" "could not find Qt WebEngine resources"; do
  if grep -i -F -- "$message" "$log" >&2; then
    fail="$fail; the player's log says \"$message\" (lines above)"
  fi
done

if [ -n "$fail" ]; then
  say "player's log ($log):"
  sed 's/^/  | /' "$log" | tail -n 60 >&2
  say "FAIL:${fail#;}"
  exit 1
fi
exit 0
