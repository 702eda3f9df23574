#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs a command from a read-only mount of an ISO image, as a program on an
# inserted disc runs. The mount lives in a mount namespace of its own, so it
# goes away with the command's last process whatever happens to the caller.
#
# usage: run-from-readonly-disc.sh IMAGE MOUNTPOINT SPARE COMMAND...
# A loop mount of IMAGE where the kernel allows one; else the image is
# unpacked into SPARE and that folder is bind-mounted read-only. The
# command runs with the mount as working folder. Writes "mount: loop" or
# "mount: bind" to standard error. Exit 77: no read-only mount can be made.
set -u
if [ "${VELOMNI_DISC_NAMESPACE:-}" != 1 ]; then
  unshare --mount --propagation private true 2>/dev/null || { echo "no mount namespace" >&2; exit 77; }
  VELOMNI_DISC_NAMESPACE=1 exec unshare --mount --propagation private -- sh "$0" "$@"
fi
image=$1 mountpoint=$2 spare=$3
shift 3

if mount -o loop,ro "$image" "$mountpoint" 2>/dev/null; then
  echo "mount: loop" >&2
else
  xorriso -osirrox on -indev "$image" -extract / "$spare" >/dev/null 2>&1 ||
    { echo "cannot unpack $image" >&2; exit 1; }
  if ! mount --bind "$spare" "$mountpoint" 2>/dev/null; then
    echo "no loop or bind mount allowed" >&2
    exit 77
  fi
  if ! mount -o remount,ro,bind "$mountpoint" 2>/dev/null; then
    umount "$mountpoint"
    echo "a bind mount cannot be made read-only" >&2
    exit 77
  fi
  echo "mount: bind" >&2
fi
if touch "$mountpoint/.velomni-write-probe" 2>/dev/null; then
  rm -f "$mountpoint/.velomni-write-probe"
  umount "$mountpoint"
  echo "the mount is writable" >&2
  exit 77
fi

cd "$mountpoint" && "$@"
status=$?
cd /
umount "$mountpoint" || umount -l "$mountpoint"
exit $status
