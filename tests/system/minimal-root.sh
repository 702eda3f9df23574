# SPDX-License-Identifier: GPL-2.0-or-later
# Shared by the scripts that run programs on the minimal Debian system
# (scripts/minimal-debian.sh): sourced, not run, by scripts that set
# "here" to this folder. A root is unpacked from
# the cached system into a folder, gets an ordinary user "viewer" and a
# sound card that plays into a file, and is used as that user through
# chroot from a private mount namespace (unshare --mount), where its
# mounts live and die.

VIEWER_ID=4242
# The file the default ALSA device writes what is played into, inside the root.
SOUND_FILE=/var/lib/velomni-sound/played.raw

# root_unpack TARBALL ROOT: the system, a user, a machine id, the X
# server's cookie (XAUTHORITY) and the sound card.
root_unpack() {
  mkdir "$2"
  zstd -dc "$1" | tar -x -C "$2" --numeric-owner
  chroot "$2" useradd --create-home --uid $VIEWER_ID --user-group --shell /bin/sh viewer
  # A desktop has a machine id; D-Bus and the browser engine read it.
  od -An -N16 -tx1 /dev/urandom | tr -d ' \n' >"$2/etc/machine-id"
  echo >>"$2/etc/machine-id"
  if [ -n "${XAUTHORITY:-}" ] && [ -f "$XAUTHORITY" ]; then
    cp "$XAUTHORITY" "$2/home/viewer/.Xauthority"
    chown $VIEWER_ID:$VIEWER_ID "$2/home/viewer/.Xauthority"
  fi
  # The sound card: the default PCM pipes what is played into a program
  # that keeps it in a file, at a pace it sets (sound-card-file.sh).
  # shellcheck disable=SC2154  # set by the sourcing script
  install -m 755 "$here/sound-card-file.sh" "$2/usr/local/bin/sound-card-file"
  cat >"$2/etc/asound.conf" <<EOF
pcm.!default {
    type file
    slave.pcm "null"
    file "| /usr/local/bin/sound-card-file $SOUND_FILE"
    format "raw"
}
EOF
  mkdir -p "$2${SOUND_FILE%/*}"
  chown $VIEWER_ID:$VIEWER_ID "$2${SOUND_FILE%/*}"
}

# root_mount ROOT: the kernel's file systems a desktop program expects.
# Only inside the private mount namespace.
root_mount() {
  mount -t proc proc "$1/proc"
  mount -t sysfs -o ro sysfs "$1/sys" 2>/dev/null || echo "note: no sysfs in the system" >&2
  mount -t tmpfs -o mode=1777,size=512m tmpfs "$1/dev/shm"
  mount -t devpts -o newinstance,ptmxmode=0666 devpts "$1/dev/pts" 2>/dev/null || true
}

# root_kill ROOT: ends every process whose root is ROOT, a helper that
# left its program's process group too.
root_kill() {
  for proc in /proc/[0-9]*; do
    if [ "$(readlink "$proc/root" 2>/dev/null)" = "$1" ]; then
      kill -KILL "${proc#/proc/}" 2>/dev/null || true
    fi
  done
}

# root_stop ROOT: ends its processes, then unmounts what is mounted in it.
# group_kill PID: ends the process group that PID leads, if one was started.
group_kill() {
  [ -n "$1" ] || return 0
  kill -KILL "-$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

root_stop() {
  root_kill "$1"
  sleep 0.2
  grep -F " $1/" /proc/self/mounts | cut -d' ' -f2 | sort -r | while read -r m; do
    umount "$m" 2>/dev/null || umount -l "$m" || true
  done
}

# viewer_env: the environment of the user's desktop session, as
# arguments of env -i. Used as
#   chroot --userspec=$VIEWER_ID:$VIEWER_ID ROOT /usr/bin/env -i $(viewer_env) COMMAND
viewer_env() {
  echo "HOME=/home/viewer USER=viewer LOGNAME=viewer SHELL=/bin/sh LANG=C.UTF-8" \
    "PATH=/usr/local/bin:/usr/bin:/bin DISPLAY=$DISPLAY${XAUTHORITY:+ XAUTHORITY=/home/viewer/.Xauthority}"
}

# find_window ROOT CAPTION [WIDTH HEIGHT]: the id of a visible window of
# that title (and client size) whose program runs in ROOT: another test on
# the same X server may show a window of the same name.
find_window() {
  for id in $(xdotool search --onlyvisible --name "^$2\$" 2>/dev/null); do
    pid=$(xdotool getwindowpid "$id" 2>/dev/null) || continue
    [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$1" ] || continue
    if [ $# -ge 4 ]; then
      geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
      case $geometry in
        *"WIDTH=$3
"*"HEIGHT=$4"*) ;;
        *) continue ;;
      esac
    fi
    echo "$id"
    return 0
  done
  return 1
}

# dark_pixels PNG X,Y,W,H: how many pixels of that part of the picture,
# less a 4-pixel frame, are dark: a page's text.
dark_pixels() {
  IFS=, read -r dx dy dw dh <<EOF
$2
EOF
  convert "$1" -crop "$((dw - 8))x$((dh - 8))+$((dx + 4))+$((dy + 4))" +repage \
    -colorspace Gray -threshold 60% -format '%[fx:int(w*h*(1-mean)+0.5)]' info:
}

# x_reachable_from_chroot: the chroot has no /tmp/.X11-unix; its X clients
# reach the server through the abstract socket, which the host shares with
# it through the network namespace. Fails when the server does not listen there.
x_reachable_from_chroot() {
  number=${DISPLAY#*:}
  number=${number%%.*}
  grep -q "@/tmp/.X11-unix/X$number\$" /proc/net/unix
}
