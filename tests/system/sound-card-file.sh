#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# The sound card of the minimal system (minimal-root.sh): ALSA's default
# device pipes what is played into this program, which appends it to the
# file FILE. The null device behind the pipe takes samples at once, so
# this program sets the pace by reading at most 64 KiB each 0.2 s; without
# that, a looping sound would fill the disk. It keeps the first 32 MiB.
#   sound-card-file FILE
set -u
file=$1
chunk=$file.$$
trap 'rm -f "$chunk"' EXIT
while :; do
  dd bs=65536 count=1 iflag=fullblock status=none of="$chunk"
  [ -s "$chunk" ] || break
  if [ "$(stat -c %s "$file" 2>/dev/null || echo 0)" -lt 33554432 ]; then
    cat "$chunk" >>"$file"
  fi
  sleep 0.2
done
