#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs the program on a scratch copy of the demo project, so the
# repository stays clean.
set -eu
build="$1"
scratch="$2"

rm -rf "$scratch/demo"
mkdir -p "$scratch"
cp -r examples/demo "$scratch/demo"

echo "Built in $build:"
find "$build" -maxdepth 3 -type f \( -name '*.a' -o -perm -u+x \) ! -name '*.sh' ! -path '*/CMakeFiles/*' | sort | sed 's/^/  /'
echo "Scratch copy of the demo project: $scratch/demo"
echo "Not runnable yet: the studio and the player are not built so far;"
echo "the libraries above hold the menu model, the byte encodings, the pictures and the INI module."
