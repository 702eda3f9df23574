#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# The Windows player as a Windows user meets it, under Wine on the X
# display: the demo's autorun folder is built by the command-line tool, its
# root velomni.exe is started from the folder, and the menu is looked at,
# clicked and ended. A damaged data file must give its message box.
#
# usage: windows-player.sh --cli CLI --player EXE --demo DIR --prefix DIR --out DIR
#   --cli     velomni-cli of the same build
#   --player  the built Windows player (the studio's copy of it)
#   --demo    the demo's source folder (project.json, pictures, sounds)
#   --prefix  the Wine prefix (made on first use and kept)
#   --out     where the folder, the logs and the screenshots go
#
# Exit 0: every check passed; 1: one failed (reasons printed); 77: this
# machine cannot run Windows programs or has no display (reason printed).
set -eu

say() { echo "windows-player: $*" >&2; }
skip() { say "SKIP: $*"; exit 77; }

# Outside the text, the window must match the Linux player's picture of the
# same project in all but 1% of its pixels, a pixel matching when no colour
# channel differs by more than 10%. Text is drawn by each system's own font
# rasteriser, so the text areas are left out; pictures, gradients, frames
# and glyph-free controls must agree.
FUZZ=10%
MAX_DIFFERENT_PERCENT=1

cli="" player="" demo="" prefix="" out=""
while [ $# -gt 1 ]; do
  case $1 in
    --cli) cli=$2 ;;
    --player) player=$2 ;;
    --demo) demo=$2 ;;
    --prefix) prefix=$2 ;;
    --out) out=$2 ;;
    *) say "unknown option $1"; exit 2 ;;
  esac
  shift 2
done
[ -n "$cli" ] && [ -n "$player" ] && [ -n "$demo" ] && [ -n "$prefix" ] && [ -n "$out" ] || {
  say "usage: $0 --cli CLI --player EXE --demo DIR --prefix DIR --out DIR"
  exit 2
}

[ -z "${VELOMNI_WINDOWS_MISSING:-}" ] || skip "the Windows player is not built: $VELOMNI_WINDOWS_MISSING"
[ -f "$player" ] || skip "no Windows player was built ($player)"
[ -n "${DISPLAY:-}" ] || skip "no X display (run under xvfb-run, as make test does)"
PATH=/usr/lib/wine:$PATH
command -v wine64 >/dev/null 2>&1 || skip "wine64 is missing: run scripts/install-deps.sh"
for tool in xdotool import compare convert identify; do
  command -v $tool >/dev/null 2>&1 || { say "$tool is missing: run scripts/install-deps.sh"; exit 1; }
done

rm -rf "$out"
mkdir -p "$out"
out=$(cd "$out" && pwd)
fail=""
check() { say "$1"; }
failed() { say "FAIL: $1"; fail="$fail; $1"; }

# --- The folder, as `velomni-cli build` makes it -----------------------------
folder=$out/demo
cp -r "$demo" "$folder"
export QT_QPA_PLATFORM=offscreen HOME="$out/home"
mkdir -p "$HOME"
"$cli" import "$folder/project.json" "$folder" >/dev/null 2>&1 || { say "FAIL: import of the demo"; exit 1; }
"$cli" build "$folder" >"$out/build.log" 2>&1 || { say "FAIL: build of the demo:"; cat "$out/build.log" >&2; exit 1; }
cmp -s "$folder/velomni.exe" "$player" || failed "the folder's velomni.exe is not the Windows player"
version=$("$cli" version "$folder/velomni.exe" 2>/dev/null | sed -n 's/^OriginalFilename=//p')
[ "$version" = "velomni.exe      " ] || failed "velomni-cli version reads OriginalFilename \"$version\""
[ -z "$(find "$folder" -maxdepth 1 -iname '*.dll')" ] || failed "DLLs lie beside velomni.exe"
if command -v x86_64-w64-mingw32-objdump >/dev/null 2>&1; then
  runtime=$(x86_64-w64-mingw32-objdump -p "$player" | sed -n 's/.*DLL Name: //p' |
    grep -i -E 'libstdc|libgcc|winpthread|Qt6' || true)
  [ -z "$runtime" ] || failed "velomni.exe needs the DLLs $runtime"
fi
"$cli" render "$folder" "$out/reference.png" >/dev/null 2>&1 || { say "FAIL: render of the demo"; exit 1; }
unset QT_QPA_PLATFORM

# --- Wine, with the shell's and the media layer's traces ---------------------
export WINEPREFIX="$prefix"
# No Gecko download prompt, no menu entries in the host's desktop.
export WINEDLLOVERRIDES="mshtml=;winemenubuilder.exe=d"
if [ ! -f "$prefix/system.reg" ]; then
  say "making the Wine prefix $prefix"
  WINEDEBUG=-all wineboot -i >/dev/null 2>&1 || { say "FAIL: wineboot"; exit 1; }
fi
# Text files open in Notepad, as on every Windows (a new prefix has no such
# association).
WINEDEBUG=-all wine64 reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1
WINEDEBUG=-all wine64 reg add 'HKCR\txtfile\shell\open\command' /ve /d 'notepad.exe "%1"' /f >/dev/null 2>&1
# Addresses the Windows shell hands to the host's browser are recorded.
bin=$out/bin
mkdir -p "$bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s/opened.txt"\n' "$out" >"$bin/xdg-open"
chmod +x "$bin/xdg-open"

player_pid=""
stop_wine() {
  [ -n "$player_pid" ] && kill "$player_pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  player_pid=""
}
trap stop_wine EXIT
trap 'exit 130' INT TERM HUP PIPE

start_player() { # folder log
  (cd "$1" && PATH=$bin:$PATH WINEDEBUG="-all,trace+exec,trace+mci" exec wine64 ./velomni.exe) >"$2" 2>&1 &
  player_pid=$!
}
alive() { kill -0 "$player_pid" 2>/dev/null; }
# Waits up to 30 s for the player to end; status is its exit status, or
# empty when it did not end.
wait_end() {
  status=""
  tries=0
  while [ $tries -lt 60 ]; do
    if ! alive; then
      wait "$player_pid" && status=0 || status=$?
      break
    fi
    sleep 0.5
    tries=$((tries + 1))
  done
  player_pid=""
}

# A visible window of that title (and size, unless "any"), waited for up
# to two minutes.
find_window() { # title width height
  tries=0
  while [ $tries -lt 240 ] && alive; do
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
      [ "$2" = any ] && { echo "$id"; return 0; }
      eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null || echo WIDTH=0 HEIGHT=0)"
      # The project's size is the window's outer size: the client area is
      # smaller by the frame Windows gives the window (the caption bar),
      # which the host's window manager draws around it.
      if [ "$WIDTH" -le "$2" ] && [ "$HEIGHT" -le "$3" ] && [ "$WIDTH" -ge $(($2 - 16)) ] &&
          [ "$HEIGHT" -ge $(($3 - 48)) ]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.5
    tries=$((tries + 1))
  done
  return 1
}

# Waits until the log has a line with both texts.
wait_log() { # log text1 text2 what
  tries=0
  while [ $tries -lt 60 ]; do
    if grep -F -- "$2" "$1" | grep -q -i -F -- "$3"; then check "$4"; return 0; fi
    sleep 0.5
    tries=$((tries + 1))
  done
  failed "$4: not seen in the log"
}

# A click on the menu window, raised above what earlier clicks opened; a
# message box of the player's ("Error") afterwards is a failure.
click() { # window x y what
  xdotool windowraise "$1" 2>/dev/null || true
  xdotool mousemove --window "$1" "$2" "$3" sleep 0.3 click 1
  sleep 1
  for box in $(xdotool search --onlyvisible --name '^Error$' 2>/dev/null); do
    import -window root "$out/error-box.png" 2>/dev/null || true
    failed "$4 showed an error box (screenshot error-box.png)"
    xdotool key --window "$box" Return 2>/dev/null || true
  done
}

xdotool mousemove 0 0 || true
log=$out/player.log
started=$(date +%s)
start_player "$folder" "$log"
size=$(identify -format '%w %h' "$out/reference.png")
width=${size% *}
height=${size#* }
if ! window=$(find_window "Velomni Demo" "$width" "$height"); then
  import -window root "$out/screen.png" 2>/dev/null || true
  say "FAIL: no menu window \"Velomni Demo\" of ${width}x${height} (screenshot $out/screen.png); log:"
  tail -n 40 "$log" >&2
  exit 1
fi
check "the menu window is up after $(($(date +%s) - started)) s (the splash screen included)"
# The splash screen of the same title went; the animation and the web page
# (Wine has no browser engine here) and the text areas are left out.
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"
check "its client area is ${WIDTH}x${HEIGHT} of the project's ${width}x${height} outer size"
width=$WIDTH
height=$HEIGHT
draw="rectangle 588,16 619,47 rectangle 408,236 619,329 rectangle 132,22 571,105"
draw="$draw rectangle 196,128 395,329 rectangle 408,128 619,227"
for top in 128 170 212 254 296; do draw="$draw rectangle 56,$((top + 4)) 172,$((top + 29))"; done
import -window root "$out/screen.png"
convert "$out/screen.png" -crop "${width}x${height}+$X+$Y" +repage "$out/window.png"
convert "$out/window.png" -fill black -draw "$draw" "$out/window-masked.png"
convert "$out/reference.png" -crop "${width}x${height}+0+0" +repage -fill black -draw "$draw" \
  "$out/reference-masked.png"
different=$(compare -metric AE -fuzz "$FUZZ" "$out/window-masked.png" "$out/reference-masked.png" \
  "$out/difference.png" 2>&1 >/dev/null || true)
different=${different%% *}
case $different in
  '' | *[!0-9.e+]*) failed "cannot compare the window with the reference ($different)" ;;
  *)
    if [ "$(awk -v d="$different" -v n=$((width * height)) -v p=$MAX_DIFFERENT_PERCENT \
        'BEGIN { print (d * 100 > n * p) ? 1 : 0 }')" = 1 ]; then
      failed "$different of $((width * height)) pixels differ from the Linux player's picture (at most $MAX_DIFFERENT_PERCENT% may)"
    else
      check "$different of $((width * height)) pixels differ from the Linux player's picture outside the text"
    fi
    ;;
esac

# The start sound: a looping background channel on the media layer.
wait_log "$log" "mciSendString" "loop.wav" "the start action opened sounds\\loop.wav through MCI"
# Each button hands its verb and path to the shell (or its sound to MCI).
click "$window" 98 145 "Play the intro"
wait_log "$log" "mciSendString" "intro.wav" "Play the intro opened sounds\\intro.wav through MCI"
click "$window" 98 229 "Visit the website"
wait_log "$log" 'verb=L"open"' "https://www.example.org/" "Visit the website handed \"open\" and the address to the shell"
wait_log "$out/opened.txt" "https://www.example.org/" "https://www.example.org/" "the shell passed the address on to the host's browser"
click "$window" 98 187 "Read the guide"
wait_log "$log" 'verb=L"open"' 'docs\\guide.txt' "Read the guide handed \"open\" and docs\\guide.txt to the shell"
click "$window" 98 271 "Browse the disc"
wait_log "$log" 'verb=L"explore"' "demo" "Browse the disc handed \"explore\" and the disc's folder to the shell"
import -window root "$out/after-clicks.png" 2>/dev/null || true
click "$window" 98 313 "Exit"
wait_end
if [ "$status" = 0 ]; then check "Exit ended the player with status 0"; else failed "Exit: the player ${status:+ended with status $status}${status:-did not end}"; fi
stop_wine

# --- A damaged data file -------------------------------------------------------
damaged=$out/damaged
mkdir -p "$damaged"
cp "$folder/velomni.exe" "$damaged/"
# Not a project file at all: the loader's first check refuses it.
for i in $(seq 200); do printf 'not a menu %s\n' "$i"; done >"$damaged/velomni.vpj"
start_player "$damaged" "$out/damaged.log"
if box=$(find_window "File Format" any any); then
  import -window root "$out/damaged.png" 2>/dev/null || true
  check "a damaged velomni.vpj shows the \"File Format\" message box"
  xdotool windowactivate "$box" 2>/dev/null || xdotool windowfocus "$box" 2>/dev/null || true
  xdotool key --window "$box" Return
else
  import -window root "$out/damaged.png" 2>/dev/null || true
  failed "a damaged velomni.vpj showed no \"File Format\" message box"
fi
wait_end
if [ "$status" = 0 ]; then check "after the box the player ended with status 0"; else failed "after the box the player ${status:+ended with status $status}${status:-did not end}"; fi
grep -q -i -E "unhandled exception|page fault" "$out/damaged.log" "$log" && failed "Wine reports a crash (logs in $out)"

if [ -n "$fail" ]; then
  say "FAIL:${fail#;} (kept in $out)"
  exit 1
fi
say "PASS (screenshots in $out)"
exit 0
