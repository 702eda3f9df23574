#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the built programs into a staging folder as /usr and uses them
# there: velomni-cli makes, exports and builds the demo; the studio (under
# X, when there is a display) opens it, shows its version history and icon
# and opens its help document.
#   installed-programs.sh CMAKE BUILD_DIR SOURCE_DIR VERSION APP_ID
set -eu
cmake="$1"
build="$2"
src="$3"
version="$4"
app="$5"
tmp="$(mktemp -d)"
studio_pid=""
cleanup() {
  if [ -n "$studio_pid" ]; then kill "$studio_pid" 2>/dev/null || true; fi
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "installed-programs: $*" >&2; exit 1; }

# Stripped, as the package has them: the studio must still know itself by
# its version section.
root="$tmp/root"
DESTDIR="$root" "$cmake" --install "$build" --prefix /usr --strip >"$tmp/install.log" ||
  fail "install failed: $(cat "$tmp/install.log")"
usr="$root/usr"
for file in bin/velomni-studio bin/velomni-cli \
    share/velomni-studio/Default.ico share/velomni-studio/whatsnew.rtf share/velomni-studio/VelomniStudio.html \
    "share/applications/$app.desktop" "share/metainfo/$app.metainfo.xml" "share/mime/packages/$app.xml" \
    "share/icons/hicolor/scalable/apps/$app.svg" "share/icons/hicolor/48x48/apps/$app.png" \
    "share/icons/hicolor/256x256/apps/$app.png" \
    share/man/man1/velomni-studio.1.gz share/man/man1/velomni-cli.1.gz \
    share/doc/velomni-studio/copyright share/doc/velomni-studio/changelog.gz; do
  [ -f "$usr/$file" ] || fail "not installed: /usr/$file"
done
# Nothing of the studio's own lies beside the programs.
[ "$(ls "$usr/bin")" = "$(printf 'velomni-cli\nvelomni-studio')" ] || fail "bin holds: $(ls "$usr/bin")"

# The tool, run with a home of its own.
home="$tmp/home"
mkdir -p "$home"
cli() { env -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$usr/bin/velomni-cli" "$@"; }
[ "$(cli --version)" = "velomni-cli $version" ] || fail "--version printed: $(cli --version)"
cli --help | grep -q "^usage: velomni-cli COMMAND" || fail "--help prints no usage"

# The demo, made as `make run` makes it, exports the same JSON as the
# build's own tool writes.
demo="$tmp/demo"
cp -r "$src/examples/demo" "$demo"
rm -f "$demo/project.json"
cli import "$src/examples/demo/project.json" "$demo" || fail "import of the demo failed"
cli export "$demo" >"$tmp/installed.json" || fail "export of the demo failed"
HOME="$home" QT_QPA_PLATFORM=offscreen "$build/bin/velomni-cli" export "$demo" >"$tmp/built.json"
[ -s "$tmp/installed.json" ] && cmp -s "$tmp/installed.json" "$tmp/built.json" ||
  fail "the installed tool exports the demo differently"

# Built by the installed tool: the disc icon comes from the data folder
# and the project folder is remembered in the user's configuration folder,
# never beside the program.
cli build "$demo" || fail "build of the demo failed"
cmp -s "$demo/velomni.ico" "$usr/share/velomni-studio/Default.ico" || fail "velomni.ico is not the installed Default.ico"
grep -q "^DefaultPath=$demo" "$home/.config/Velomni Studio/VelomniStudio.ini" ||
  fail "the settings file is not in the configuration folder"
[ ! -e "$usr/bin/VelomniStudio.ini" ] || fail "a settings file was written beside the program"
cli version "$usr/bin/velomni-studio" | grep -qx "OriginalFilename=VelomniStudio.exe" ||
  fail "the installed studio lost its version information"

# The desktop knows the data file by its name and, under any other name, by
# its first bytes; another program's .vpj file is not taken.
XDG_DATA_DIRS="$usr/share" update-mime-database "$usr/share/mime"
cp "$demo/velomni.vpj" "$tmp/renamed.dat"
echo "<project/>" >"$tmp/other.vpj"
content_type() {
  XDG_DATA_DIRS="$usr/share:/usr/share" XDG_DATA_HOME="$tmp/no-data" gio info -a standard::content-type "$1" |
    sed -n 's/^ *standard::content-type: //p'
}
for file in "$demo/velomni.vpj" "$tmp/renamed.dat"; do
  [ "$(content_type "$file")" = application/x-velomni-project ] || fail "$file is $(content_type "$file")"
done
[ "$(content_type "$tmp/other.vpj")" != application/x-velomni-project ] || fail "any .vpj file is taken"

if [ -z "${DISPLAY:-}" ]; then
  echo "installed-programs: no display; the studio was not started" >&2
  exit 77
fi

# The studio, in a fresh home (so it shows the version history once and
# remembers no folder), opening the demo's data file as a file manager
# would. Its desktop opener is a recorder.
home="$tmp/studio-home"
mkdir -p "$home" "$tmp/opener"
cat >"$tmp/opener/xdg-open" <<OPENER
#!/bin/sh
printf '%s\n' "\$@" >"$tmp/opened"
OPENER
chmod +x "$tmp/opener/xdg-open"
env -u XDG_CONFIG_HOME HOME="$home" PATH="$tmp/opener:$PATH" QT_QPA_PLATFORM=xcb VELOMNI_UNATTENDED=1 \
  QTWEBENGINE_DISABLE_SANDBOX=1 \
  "$usr/bin/velomni-studio" "$demo/velomni.vpj" 2>"$tmp/studio.err" &
studio_pid=$!

# Waits up to 20 s for a window of the studio with exactly this title.
window() {
  for _ in $(seq 100); do
    id="$(xdotool search --onlyvisible --all --pid "$studio_pid" --name "^$1\$" 2>/dev/null | head -n 1)" || true
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    kill -0 "$studio_pid" 2>/dev/null || fail "the studio ended: $(cat "$tmp/studio.err")"
    sleep 0.2
  done
  fail "no window \"$1\": $(cat "$tmp/studio.err")"
}

# The title names the project folder.
main="$(window "demo - Velomni Studio")"
# The version history, read from the installed whatsnew.rtf.
history="$(window "Version History")"
xprop -id "$main" _NET_WM_ICON | grep -q "Icon (48 x 48)" || fail "the studio window has no icon from Default.ico"
# Keys go to the focused window; another test's window on the same display
# may take the focus, so each key is tried a few times.
# press WINDOW KEY CONDITION...: presses until the condition holds.
press() {
  target="$1"
  key="$2"
  shift 2
  for _ in 1 2 3; do
    xdotool windowfocus --sync "$target" key "$key" 2>/dev/null || true
    for _ in $(seq 25); do
      if "$@"; then return 0; fi
      sleep 0.2
    done
  done
  return 1
}
history_closed() { ! xdotool search --onlyvisible --all --pid "$studio_pid" --name "^Version History\$" >/dev/null 2>&1; }
help_opened() { [ -s "$tmp/opened" ]; }

press "$history" Escape history_closed || fail "the version history did not close"
# F1 opens the installed help document.
press "$main" F1 help_opened || fail "F1 opened nothing: $(cat "$tmp/studio.err")"
[ "$(cat "$tmp/opened")" = "$usr/share/velomni-studio/VelomniStudio.html" ] ||
  fail "F1 opened \"$(cat "$tmp/opened")\""

# The demo opened: no folder was asked for, no data file missed, nothing
# failed to load.
! grep -q -e "^Project Folder: " -e "^Information: " -e "^Error: " "$tmp/studio.err" ||
  fail "the studio reported: $(cat "$tmp/studio.err")"
echo "installed-programs: ok"
