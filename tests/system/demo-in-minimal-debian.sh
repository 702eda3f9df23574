#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# The demo project, built by the built command-line tool as the studio's
# save builds it, started from its folder or its ISO image on a minimal
# Debian 12 system without Qt (run-disc-in-minimal-debian.sh).
#
# usage: demo-in-minimal-debian.sh BIN_DIR SOURCE_DIR OUT_DIR folder|iso
# BIN_DIR holds the built velomni-cli, velomni-studio and Default.ico. The
# player's log and the screenshots are kept in OUT_DIR. Exit 77: this
# machine cannot run the check (the reason is printed).
set -eu
bin=$1 source=$2 out=$3 form=$4
here=$(cd "$(dirname "$0")" && pwd)

[ "$(id -u)" -eq 0 ] || { echo "SKIP: needs root (chroot, mounts)" >&2; exit 77; }
command -v jq >/dev/null 2>&1 || { echo "jq is missing: run scripts/install-deps.sh" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/velomni-demo-minimal.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM HUP PIPE

# The tool takes the studio beside it as the player it copies: both are
# copied together, as an installation has them.
mkdir "$work/tools" "$work/home"
cp "$bin/velomni-cli" "$bin/velomni-studio" "$bin/Default.ico" "$work/tools/"
cli() { HOME=$work/home QT_QPA_PLATFORM=offscreen "$work/tools/velomni-cli" "$@"; }

demo=$work/demo
cp -r "$source/examples/demo" "$demo"
rm -f "$demo/project.json"
cli import "$source/examples/demo/project.json" "$demo"
cli build "$demo"
if [ ! -f "$demo/autorun.sh" ]; then
  echo "FAIL: velomni-cli build wrote no autorun.sh; the folder has:" >&2
  ls "$demo" >&2
  exit 1
fi

# What the player must show: the menu window as drawn by the tool, its
# caption, its web panel (a page), and its animated pictures, which are
# left out of the comparison.
# The reference is drawn with only the fonts the minimal system has
# (fonts-dejavu-core), so that a text differs only where the player draws
# it differently, not where this machine has more fonts.
mkdir -p "$out" "$work/fonts"
dpkg -L fonts-dejavu-core | grep '\.ttf$' | while read -r font; do ln -s "$font" "$work/fonts/"; done
cat >"$work/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$work/fonts</dir>
  <cachedir>$work/font-cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
EOF
FONTCONFIG_FILE=$work/fonts.conf cli render "$demo" "$out/reference.png"
cli export "$demo" >"$work/project.json"
caption=$(jq -r '.FormCaption' "$work/project.json")
web=$(jq -r '[.ObjectList[] | select(.ObjectType == 5)][0] | select(.) | "\(.Left),\(.Top),\(.Width),\(.Height)"' \
  "$work/project.json")
masks=$(jq -r '.ObjectList[] | select(.ObjectType == 1 and .Kind.Picture.Tag == "TGIFImage")
  | "--mask \(.Left),\(.Top),\(.Width),\(.Height)"' "$work/project.json")

case $form in
  folder) disc=$demo ;;
  iso)
    disc=$work/demo.iso
    cli iso "$demo" "$disc"
    ;;
  *) echo "folder or iso, not $form" >&2; exit 2 ;;
esac

# shellcheck disable=SC2086
sh "$here/run-disc-in-minimal-debian.sh" --reference "$out/reference.png" --caption "$caption" \
  ${web:+--web "$web"} $masks --out "$out" "$disc"
