#!/usr/bin/env bash
# Checks a Windows ZIP of Vantorel the way a user meets it: unpacked into an
# empty folder and run in a fresh Wine prefix on a private Xvfb display.
#
#   tools/check-windows-package.sh build-windows/vantorel-<version>-win64.zip
#
# - `vantorel.exe --version` prints the version;
# - with the game's folder in the registry (the 32-bit view, as the game's
#   installer writes it), the first start takes it without asking;
# - `vantorel.exe -nologo mission.tie` shows the main window with the map
#   (a screenshot is kept as package-check.png beside the ZIP);
# - a drag of the mission's flight group and Ctrl+S save a file that
#   `vantorel-cli dump` reads back with the moved position, nothing else
#   changed.
set -euo pipefail
zip="$(realpath "$1")"
out="$(dirname "$zip")"
work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  WINEPREFIX="$work/wine" wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "check-windows-package: $*" >&2
  exit 1
}

unzip -q "$zip" -d "$work"
bin="$(dirname "$(find "$work" -name vantorel.exe | head -n1)")"
[ -f "$bin/vantorel-cli.exe" ] || fail "no vantorel-cli.exe beside vantorel.exe"
# Nothing from the build may help: no Qt or compiler folders on the path.
unset WINEPATH QT_QPA_PLATFORM QT_PLUGIN_PATH WAYLAND_DISPLAY
export WINEPREFIX="$work/wine" WINEDEBUG=-all
version="$(DISPLAY='' wine "$bin/vantorel.exe" --version | tr -d '\r')"
expected="vantorel $(basename "$zip" | sed -E 's/^vantorel-(.*)-win64\.zip$/\1/')"
[ "$version" = "$expected" ] || fail "--version printed '$version', not '$expected'"
echo "vantorel.exe --version: $version"
# Wine's desktop process started without a display, and the prefix's
# session keeps it: every window of that session would go nowhere. The
# session ends a few seconds after its last program.
wineserver -w

# A private display.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"

# The game's folder, in the registry the way its installer leaves it.
mkdir -p "$WINEPREFIX/drive_c/Games/XvT"
wine reg add 'HKLM\SOFTWARE\LucasArts Entertainment Company\X-Wing vs. TIE Fighter\1.0' \
  /v 'Install Path' /t REG_SZ /d 'C:\Games\XvT' /reg:32 /f >/dev/null

# A mission in a folder and under a name outside ASCII, made by the packed
# vantorel-cli: a melee whose first flight group is moved to the centre of
# space, where the map puts its axes.
export LC_ALL=C.UTF-8 # Wine turns arguments into UTF-16 by the locale
mkdir "$work/Missionen Ω"
mission="$work/Missionen Ω/Einsatz ü.tie"
cli() { wine "$bin/vantorel-cli.exe" "$@"; }
cli new melee --teams 2 -o "Z:$mission" >/dev/null
cli page "Z:$mission" fg.positions --select 0 --set 1099=0 --set 1100=0 --set 1101=0 \
  -o "Z:$mission" >/dev/null
cli dump "Z:$mission" | tr -d '\r' >"$work/before.json"

wine "$bin/vantorel.exe" -nologo "Z:$mission" >"$work/editor.log" 2>&1 &
pids+=($!)
window="$(timeout 120 xdotool search --sync --onlyvisible --name 'Einsatz' | head -n1)" ||
  fail "no main window showing the mission within 2 minutes"
sleep 3 # the first paint
shot="$out/package-check.png"
import -window root "$shot"
echo "screenshot: $shot"
[ "$(wine reg query 'HKCU\Software\Orvane\Quarrow\Paths' /v XVT | tr -d '\r' |
  awk '/XVT/ { print $3 }')" = 'C:\Games\XvT' ] || fail "the game folder was not taken from the registry"

# The axes are the longest red lines of the screen: the row and the column
# with the most red in them cross where the flight group is.
most_red() { # resize geometry, field of the coordinate (1 = x, 2 = y)
  # White and near-white (the lists, the dialogs' faces) go black first, so
  # only the red is left white.
  convert "$shot" -fuzz 10% -fill black -opaque white -fill white -opaque '#FF0000' \
    -fuzz 0 -fill black +opaque white \
    -colorspace Gray -resize "$1!" -depth 16 txt:- |
    awk -v f="$2" 'NR > 1 { split($1, c, /[,:]/); match($0, /\([0-9.]+/)
      v = substr($0, RSTART + 1, RLENGTH - 1) + 0; if (v > best) { best = v; at = c[f] } }
      END { print at }'
}
x="$(most_red 1280x1 1)"
y="$(most_red 1x1024 2)"
echo "dragging the flight group at $x,$y by 60 pixels to the right"
xdotool mousemove "$x" "$y" mousedown 1 mousemove $((x + 20)) "$y" mousemove $((x + 60)) "$y" \
  mouseup 1
saved="$(stat -c %Y "$mission")"
xdotool key --window "$window" ctrl+s
for _ in $(seq 150); do [ "$(stat -c %Y "$mission")" != "$saved" ] && break; sleep 0.2; done
cli dump "Z:$mission" | tr -d '\r' >"$work/after.json"
changes="$(diff "$work/before.json" "$work/after.json" | grep '^[<>]' || true)"
echo "what the save changed (vantorel-cli dump, before < > after):"
echo "$changes"
[ -n "$changes" ] || fail "the save changed nothing"
if echo "$changes" | grep -qvE '^[<>] +"[xy]": -?[0-9]+,?$'; then
  fail "the save changed more than the position"
fi
echo "check-windows-package: passed"
