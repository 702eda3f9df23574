#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# The MIME type, the manual pages and the version each installed file
# names, checked without installing anything.
#   check-files.sh SOURCE_DIR VERSION APP_ID
set -eu
src="$1"
version="$2"
app="$3"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "check-files: $*" >&2; exit 1; }

# The MIME package compiles, maps the data file's name and its first bytes.
mkdir -p "$tmp/mime/packages"
cp "$src/resources/desktop/$app.xml" "$tmp/mime/packages/"
# (The folder is named in XDG_DATA_DIRS only to keep the tool from noting
# that it is not.)
XDG_DATA_DIRS="$tmp" update-mime-database "$tmp/mime" 2>"$tmp/mime.err" ||
  fail "update-mime-database: $(cat "$tmp/mime.err")"
[ ! -s "$tmp/mime.err" ] || fail "update-mime-database: $(cat "$tmp/mime.err")"
grep -qx "60:application/x-velomni-project:velomni.vpj" "$tmp/mime/globs2" || fail "no glob for velomni.vpj"
grep -q "application/x-velomni-project" "$tmp/mime/magic" || fail "no magic for the data file"
grep -qx "MimeType=application/x-velomni-project;" "$src/resources/desktop/$app.desktop" ||
  fail "the desktop entry does not open the data file"

# The manual pages format without a warning.
for page in "$src"/docs/man/*.1; do
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" >/dev/null 2>"$tmp/man.err"
  [ ! -s "$tmp/man.err" ] || fail "$page: $(cat "$tmp/man.err")"
  grep -q "^\.TH .* \"Velomni Studio $version\"" "$page" || fail "$page does not name version $version"
done

# The release the metainfo and the Debian changelog name is this one.
grep -q "<release version=\"$version\"" "$src/resources/desktop/$app.metainfo.xml" ||
  fail "the metainfo's releases do not name $version"
head -n 1 "$src/resources/debian/changelog" | grep -q "^velomni-studio ($version) " ||
  fail "the changelog's first entry is not $version"
echo "check-files: ok"
