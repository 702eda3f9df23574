#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs the program on a scratch copy of the demo project, so the
# repository stays clean.
set -eu
build="$1"
scratch="$2"
cli="$build/src/cli/velomni-cli"

rm -rf "$scratch/demo"
mkdir -p "$scratch"
cp -r examples/demo "$scratch/demo"
rm -f "$scratch/demo/project.json"

# The demo's source is reviewable JSON; its data file is made from it.
"$cli" import examples/demo/project.json "$scratch/demo"
echo "Demo project: $scratch/demo (data file $scratch/demo/velomni.vpj)" >&2
echo "Its data file, as the player loads it:" >&2
"$cli" export "$scratch/demo"
echo "The studio and the player are not built yet; the JSON above is what they will show." >&2
