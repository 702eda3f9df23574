#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Starts the studio on a scratch copy of the demo project, so the
# repository stays clean.
set -eu
build="$1"
scratch="$2"
bin="$build/bin"
mkdir -p "$scratch"
demo="$(cd "$scratch" && pwd)/demo"

rm -rf "$demo"
cp -r examples/demo "$demo"
rm -f "$demo/project.json"

# The demo's source is reviewable JSON; its data file is made from it.
"$bin/velomni-cli" import examples/demo/project.json "$demo"

# Build the autorun folder as the studio's Save does: the player copy, the
# disc icon, autorun.inf, and autorun.sh with the Linux player's runtime. The build also remembers the folder as the
# studio's project folder, so the studio opens it.
"$bin/velomni-cli" build "$demo"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: run it under a desktop session or 'xvfb-run -a make run'." >&2
fi
if [ "$(head -c 2 "$demo/velomni.exe" 2>/dev/null)" = MZ ]; then
  echo "Starting the studio on $demo (its players: velomni.exe for Windows, autorun.sh for Linux)" >&2
else
  echo "Starting the studio on $demo (its player is $demo/velomni.exe)" >&2
fi
exec "$bin/velomni-studio"
