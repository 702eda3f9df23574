#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs the program on a scratch copy of the demo project, so the
# repository stays clean.
set -eu
build="$1"
scratch="$2"
cli="$build/bin/velomni-cli"
demo="$scratch/demo"

rm -rf "$demo"
mkdir -p "$scratch"
cp -r examples/demo "$demo"
rm -f "$demo/project.json"

# The demo's source is reviewable JSON; its data file is made from it.
"$cli" import examples/demo/project.json "$demo"

# The player is a copy of the studio executable whose version information
# names it the player, as a built disc carries it.
cp "$build/bin/velomni-studio" "$demo/velomni.exe"
"$cli" patch-player "$demo/velomni.exe"
"$cli" version "$demo/velomni.exe"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: run it under a desktop session or 'xvfb-run -a make run'." >&2
fi
echo "Starting the player in $demo" >&2
exec "$demo/velomni.exe"
