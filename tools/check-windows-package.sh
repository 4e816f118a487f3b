#!/usr/bin/env bash
# Checks the Windows packages of Vantorel the way a user meets them, each in
# a fresh Wine prefix on a private Xvfb display.
#
#   tools/check-windows-package.sh build-windows/vantorel-<version>-win64.zip [INSTALLER]
#
# The ZIP, unpacked into an empty folder:
# - `vantorel.exe --version` prints the version, and the programs' version
#   resource carries the copyright;
# - `vantorel-cli.exe report` in a console (Wine makes one of a terminal)
#   shows a mission's names outside ASCII whole, and the console keeps the
#   code page it had;
# - with the game's folder in the registry (the 32-bit view, as the game's
#   installer writes it), the first start takes it without asking;
# - `vantorel.exe -nologo mission.tie` shows the main window with the map
#   (a screenshot is kept as package-check.png beside the ZIP);
# - a drag of the mission's flight group and Ctrl+S save a file that
#   `vantorel-cli dump` reads back with the moved position, nothing else
#   changed.
# The installer (INSTALLER, by default the .exe beside the ZIP), a 32-bit
# program, on 32-bit Wine:
# - installed silently (/S): the ZIP's files and an uninstaller in
#   C:\Program Files\Vantorel, the Start Menu entries, the uninstall entry,
#   the file type of *.tie and the command that opens a mission;
# - started from its Start Menu entry, splash and all, with no settings and
#   no game keys: the question for the game's folder stays past the splash
#   until it is answered (here by xdotool), and the answer is stored;
# - a mission named outside ASCII, opened through the file type (`wine
#   start`), shows in the editor (package-install-check.png);
# - uninstalled silently (/S): nothing it installed is left, files,
#   shortcuts or keys. The user's own settings and recovery folder stay, as
#   Windows programs leave them.
set -euo pipefail
zip="$(realpath "$1")"
installer="$(realpath "${2:-${zip%.zip}.exe}")"
out="$(dirname "$zip")"
version="$(basename "$zip" | sed -E 's/^vantorel-(.*)-win64\.zip$/\1/')"
work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for prefix in "$work"/wine*; do
    [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "check-windows-package: $*" >&2
  exit 1
}
[ -f "$installer" ] || fail "no installer $installer"

# Nothing from the build may help: no Qt or compiler folders on the path.
unset WINEPATH QT_QPA_PLATFORM QT_PLUGIN_PATH WAYLAND_DISPLAY DISPLAY
export WINEDEBUG=-all
export LC_ALL=C.UTF-8 # Wine turns arguments into UTF-16 by the locale

# A registry value's data as `reg query` shows it (the key's default value
# for "").
reg_value() { # key value [reg options...]
  local key="$1" name="$2"
  shift 2
  local query=(/v "$name") label="$name"
  [ -n "$name" ] || { query=(/ve); label='(Default)'; }
  wine reg query "$key" "${query[@]}" "$@" 2>/dev/null | tr -d '\r' |
    awk -v label="$label" 'index($0, "    " label "    ") == 1 {
      sub(/^    [^ ].*    REG_[A-Z_]+    /, ""); print }'
}
# The prefix's files and machine keys, to compare before and after: a line
# a file, and a line a key and a line a value, each with its key's name.
# What Wine itself adds as programs run (the fonts of the 32-bit view, made
# when the first 32-bit program draws) is left out.
snapshot() { # file
  (cd "$WINEPREFIX/drive_c" && find . | grep -v '^\./users/[^/]*/Temp/' | sort) >"$1.files"
  # The 64-bit view holds the 32-bit one (Wow6432Node).
  for keys in 'HKLM\Software' HKCR; do
    wine reg export "$keys" "Z:$1.reg" /reg:64 /y >/dev/null 2>&1 || fail "cannot export $keys"
    iconv -f UTF-16 -t UTF-8 "$1.reg" | tr -d '\r' |
      awk '/^\[/ { key = $0; print; next } NF { print key " " $0 }' |
      grep -v 'CurrentVersion\\Fonts\]' | sort >"$1.${keys%%\\*}.keys"
  done
}
# Closes the editor as a user does (Alt+F4 on its main window) and waits
# for the prefix's programs to end.
close_editor() { # window
  xdotool windowfocus --sync "$1" key alt+F4
  timeout 60 wineserver -w || fail "the editor did not close"
}
# A fresh prefix, its start-up services settled.
new_prefix() { # folder
  export WINEPREFIX="$1"
  wineboot -i >/dev/null 2>&1
  wineserver -w
}

# A private display.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
display=":$(cat "$work/display")"

# --- The ZIP ---------------------------------------------------------------

unzip -q "$zip" -d "$work/zip"
bin="$(dirname "$(find "$work/zip" -name vantorel.exe | head -n1)")"
[ -f "$bin/vantorel-cli.exe" ] || fail "no vantorel-cli.exe beside vantorel.exe"
[ -f "$bin/../COPYING.txt" ] || fail "no COPYING.txt in the ZIP"
new_prefix "$work/wine-zip"
got="$(wine "$bin/vantorel.exe" --version | tr -d '\r')"
[ "$got" = "vantorel $version" ] || fail "--version printed '$got', not 'vantorel $version'"
echo "vantorel.exe --version: $got"
# The version resource's strings are UTF-16.
for program in vantorel vantorel-cli; do
  strings -el "$bin/$program.exe" | grep -qx 'Copyright (C) [0-9]* The Vantorel developers' ||
    fail "$program.exe carries no copyright in its version resource"
done
# Wine's desktop process started without a display, and the prefix's
# session keeps it: every window of that session would go nowhere. The
# session ends a few seconds after its last program.
wineserver -w
export DISPLAY="$display"

# The game's folder, in the registry the way its installer leaves it.
mkdir -p "$WINEPREFIX/drive_c/Games/XvT"
wine reg add 'HKLM\SOFTWARE\LucasArts Entertainment Company\X-Wing vs. TIE Fighter\1.0' \
  /v 'Install Path' /t REG_SZ /d 'C:\Games\XvT' /reg:32 /f >/dev/null

# A mission in a folder and under a name outside ASCII, made by the packed
# vantorel-cli: a melee whose first flight group, "Jäger", is moved to the
# centre of space, where the map puts its axes.
mkdir "$work/Missionen Ω"
mission="$work/Missionen Ω/Einsatz ü.tie"
cli() { wine "$bin/vantorel-cli.exe" "$@"; }
cli new melee --teams 2 -o "Z:$mission" >/dev/null
cli page "Z:$mission" fg.positions --select 0 --set 1099=0 --set 1100=0 --set 1101=0 \
  -o "Z:$mission" >/dev/null
cli page "Z:$mission" fg.ship --select 0 --set 1018=Jäger -o "Z:$mission" >/dev/null
cli dump "Z:$mission" | tr -d '\r' >"$work/before.json"

# In a console on code page 850: the name comes out whole, and the code page
# is 850 again afterwards. A terminal (script's) makes Wine give the
# programs a console; cmd takes no quotes inside its command here, so the
# program and the mission go by names without spaces.
cp "$mission" "$work/console.tie"
program="$(winepath -w "$bin/vantorel-cli.exe")"
(cd "$work" && script -qec "wine cmd /c 'chcp 850 >nul & $program report console.tie & chcp'" \
  /dev/null) | tr -d '\r' | sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' >"$work/console.txt"
grep -q '^Flight group 0: 1 X-wing Jäger$' "$work/console.txt" ||
  fail "the console did not show the flight group's name whole: $(grep '^Flight group 0' "$work/console.txt")"
[ "$(tail -n1 "$work/console.txt")" = 'Active code page: 850' ] ||
  fail "vantorel-cli left the console on another code page: $(tail -n1 "$work/console.txt")"
echo "console: $(grep '^Flight group 0' "$work/console.txt"); then $(tail -n1 "$work/console.txt")"

wine "$bin/vantorel.exe" -nologo "Z:$mission" >"$work/editor.log" 2>&1 &
pids+=($!)
window="$(timeout 120 xdotool search --sync --onlyvisible --name 'Einsatz' | head -n1)" ||
  fail "no main window showing the mission within 2 minutes"
sleep 3 # the first paint
shot="$out/package-check.png"
import -window root "$shot"
echo "screenshot: $shot"
[ "$(reg_value 'HKCU\Software\Orvane\Quarrow\Paths' XVT)" = 'C:\Games\XvT' ] ||
  fail "the game folder was not taken from the registry"

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
close_editor "$window"

# --- The installer ---------------------------------------------------------

# Started like any program of the user: the prefix's desktop on the display.
new_prefix "$work/wine-installer"
mkdir -p "$WINEPREFIX/drive_c/Games/XvT" # the game, for the folder question
snapshot "$work/clean"
wine "$installer" /S || fail "the installer failed"
folder='C:\Program Files\Vantorel'
installed="$WINEPREFIX/drive_c/Program Files/Vantorel"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vantorel"
[ -d "$installed" ] || fail "nothing was installed in $folder"

# The files: the ZIP's tree, and the uninstaller.
(cd "$(dirname "$bin")" && find . -type f | sort) >"$work/zip.list"
(cd "$installed" && find . -type f | sort) >"$work/installed.list"
if ! diff "$work/zip.list" <(grep -vx './Uninstall.exe' "$work/installed.list"); then
  fail "the installed files are not the ZIP's (< ZIP, > installed)"
fi
grep -qx './Uninstall.exe' "$work/installed.list" || fail "no uninstaller"
for link in Vantorel.lnk Uninstall.lnk; do
  [ -f "$menu/$link" ] || fail "no Start Menu entry $link"
done
echo "installed: $(wc -l <"$work/installed.list") files in $folder, Start Menu: $(ls "$menu" | tr '\n' ' ')"

# The file type, and the command the shell runs for a double-click.
[ "$(reg_value 'HKCR\.tie' '')" = 'XvT.Level' ] || fail ".tie is not the file type XvT.Level"
open="$(reg_value 'HKCR\XvT.Level\shell\open\command' '')"
[ "$open" = "\"$folder\\bin\\vantorel.exe\" \"%1\"" ] || fail "the open command is $open"
echo "open command: $open"

# The uninstall entry (the installer is 32-bit: its view of the machine's keys).
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantorel'
for check in "DisplayName=Vantorel" "DisplayVersion=$version" "NoModify=0x1" "NoRepair=0x1" \
  "InstallLocation=$folder" "UninstallString=\"$folder\\Uninstall.exe\""; do
  [ "$(reg_value "$uninstall" "${check%%=*}" /reg:32)" = "${check#*=}" ] ||
    fail "the uninstall entry's ${check%%=*} is '$(reg_value "$uninstall" "${check%%=*}" /reg:32)'"
done
wine reg query "$uninstall" /v NoModify /reg:32 | grep -q REG_DWORD || fail "NoModify is not a DWORD"
size=$(($(reg_value "$uninstall" EstimatedSize /reg:32)))
kib="$(du -sk "$installed" | cut -f1)"
[ "$size" -gt $((kib / 2)) ] && [ "$size" -lt $((kib * 2)) ] ||
  fail "the uninstall entry's size, $size KiB, is not the install folder's $kib KiB"
echo "uninstall entry: EstimatedSize $size KiB (the folder: $kib KiB)"

# The first start, from the Start Menu, splash and all: no settings, no game
# keys. The folder question must outlive the splash (it went with it once,
# after some 4 s) and wait for its answer.
export DISPLAY="$display"
wine start "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Vantorel\\Vantorel.lnk"
# Wine's folder browser keeps its own title.
question='^(Please select the folder where X-Wing vs\. TIE Figher is installed\.|Select Folder)$'
dialog="$(timeout 120 xdotool search --sync --onlyvisible --name "$question" | head -n1)" ||
  fail "no folder question within 2 minutes of the first start"
sleep 10
xdotool search --onlyvisible --name "$question" | grep -qx "$dialog" ||
  fail "the folder question went away unanswered"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool type --delay 40 'C:\Games\XvT'
for _ in 1 2 3; do
  xdotool key Return
  sleep 2
  xdotool search --onlyvisible --name "$question" >/dev/null 2>&1 || break
done
main="$(timeout 60 xdotool search --sync --onlyvisible --name '^Vantorel( |$)' | head -n1)" ||
  fail "no main window after the folder question"
stored="$(reg_value 'HKCU\Software\Orvane\Quarrow\Paths' XVT)"
[ "$stored" = 'C:\Games\XvT' ] || fail "the answer to the folder question was stored as '$stored'"
echo "first start: the folder question waited, and stored $stored"
close_editor "$main"

# A double-click on a mission: the shell's open command of its file type.
wine start /unix "$mission"
window="$(timeout 120 xdotool search --sync --onlyvisible --name 'Einsatz ü' | head -n1)" ||
  fail "opening the mission through its file type showed no window for it"
sleep 3
import -window root "$out/package-install-check.png"
echo "opened through the file type: $(xdotool getwindowname "$window")"
echo "screenshot: $out/package-install-check.png"
close_editor "$window"

# Uninstalled: the uninstaller runs from a copy of itself and returns at once.
wine "$folder\\Uninstall.exe" /S
for _ in $(seq 60); do [ -e "$installed" ] || break; sleep 1; done
timeout 60 wineserver -w || true
snapshot "$work/uninstalled"
# The user's own: the editor's settings (HKCU) and its recovery folder.
grep -v '/AppData/Local/Orvane' "$work/uninstalled.files" >"$work/left.files" || true
left="$(diff "$work/clean.files" "$work/left.files" | grep '^>' || true)"
[ -z "$left" ] || fail "files left after uninstalling:
$left"
[ ! -e "$menu" ] || fail "the Start Menu folder is left"
for part in HKLM HKCR; do
  left="$(diff "$work/clean.$part.keys" "$work/uninstalled.$part.keys" | grep '^>' || true)"
  [ -z "$left" ] || fail "keys left after uninstalling ($part):
$left"
done
echo "uninstalled: no file, shortcut or key of it left"
echo "check-windows-package: passed"
