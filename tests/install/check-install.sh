#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree:
# the programs and their data, the programs finding the themes from another
# folder, the desktop files validated by the tools the desktops use, the
# manual pages, the shell completion and, with dpkg, the .deb package.
#
# usage: check-install.sh BUILD_DIR VERSION
set -euo pipefail
export LC_ALL=C
build="$(cd "$1" && pwd)"
version="$2"
id=org.example.Vantorel

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
need() {
  command -v "$1" >/dev/null || { echo "missing tool $1 (tools/install-deps.sh installs it)" >&2; exit 1; }
}

cmake --install "$build" --prefix "$prefix" >/dev/null

gui=0
[ -x "$prefix/bin/vantorel" ] && gui=1
expected=(bin/vantorel-cli share/vantorel/imperial.xth share/vantorel/rebel.xth
  share/vantorel/default.xth share/man/man1/vantorel-cli.1.gz
  share/bash-completion/completions/vantorel-cli share/doc/vantorel/copyright)
if [ $gui = 1 ]; then
  expected+=(share/man/man1/vantorel.1.gz share/bash-completion/completions/vantorel
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
    "share/mime/packages/$id.xml" "share/icons/hicolor/scalable/apps/$id.svg")
  for s in 16 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${s}x$s/apps/$id.png"); done
fi
# Qt Multimedia's module, where the editor looks for it from its own folder.
if [ -f "$build/vantorel-sound.so" ]; then
  libdir="$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")"
  expected+=("${libdir:-lib}/vantorel/modules/vantorel-sound.so")
fi
for f in "${expected[@]}"; do
  [ -s "$prefix/$f" ] || fail "not installed: $f"
done

# --version, from the installed programs.
[ "$("$prefix/bin/vantorel-cli" --version)" = "vantorel-cli $version" ] || fail "vantorel-cli --version"
if [ $gui = 1 ]; then
  [ "$("$prefix/bin/vantorel" --version)" = "vantorel $version" ] || fail "vantorel --version"
  # --help needs no display, whatever platform the environment names.
  help="$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/vantorel" --help 2>&1)" ||
    fail "vantorel --help without a display: $help"
  [[ "$help" == *"-nologo"*FILE* ]] || fail "vantorel --help does not list its options: $help"
fi

# Started from a folder without themes, the installed tool names new ships
# from the installed themes (without them every ship is called "New").
mkdir "$work/elsewhere"
(
  cd "$work/elsewhere"
  "$prefix/bin/vantorel-cli" new melee --teams 2 -o m.tie
  "$prefix/bin/vantorel-cli" add m.tie fleet --team 1 --iff imperial --size 2 --seed 7 -o m.tie >added.txt
) || fail "the installed vantorel-cli could not build a mission"
# Each line is "number count craft name"; the name is one of the themes'.
names="$(cat "$prefix"/share/vantorel/*.xth | tr -d '\r' | grep -v '^[0-9]*$' | grep -vx New)"
while IFS= read -r line; do
  found=0
  while IFS= read -r name; do
    [[ "$line" == *" $name" ]] && found=1 && break
  done <<<"$names"
  [ $found = 1 ] || fail "'$line' is not named from a theme"
done <"$work/elsewhere/added.txt"
[ -s "$work/elsewhere/added.txt" ] || fail "add listed no flight groups"

# Manual pages: compressed, and no warnings from the formatter.
need groff
for page in "$prefix"/share/man/man1/*; do
  [[ "$page" == *.gz ]] || fail "$(basename "$page") is not compressed"
  out="$(zcat "$page" | groff -man -ww -z 2>&1)"
  [ -z "$out" ] || fail "$(basename "$page"): $out"
done

if [ $gui = 1 ]; then
  need desktop-file-validate
  need appstreamcli
  need update-mime-database
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream.txt" 2>&1 ||
    { cat "$work/appstream.txt" >&2; fail "appstreamcli validate"; }
  # The software centre's newest release is this one.
  grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the AppStream file has no release $version"
  # The MIME database built from our file maps both spellings to the type,
  # and the menu entry offers to open that type.
  XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime" 2>"$work/mime.txt" || fail "update-mime-database: $(cat "$work/mime.txt")"
  [ ! -s "$work/mime.txt" ] || fail "update-mime-database: $(cat "$work/mime.txt")"
  grep -q ':application/x-xvt-mission:\*\.tie$' "$prefix/share/mime/globs2" || fail "*.tie is not application/x-xvt-mission"
  grep -q ':application/x-xvt-mission:\*\.TIE:cs$' "$prefix/share/mime/globs2" || fail "*.TIE is not application/x-xvt-mission"
  grep -q '^MimeType=application/x-xvt-mission;$' "$prefix/share/applications/$id.desktop" || fail "the menu entry does not open missions"
fi

# Shell completion, in a bash without any completion package loaded.
completion() {
  bash --norc --noprofile -c '
    source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _vantorel_cli
    printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "' _ \
    "$prefix/share/bash-completion/completions/vantorel-cli" "$@"
}
mkdir -p "$work/complete/folder"
touch "$work/complete/one.tie" "$work/complete/TWO.TIE" "$work/complete/notes.txt"
(
  cd "$work/complete"
  check() {
    local want="$1"; shift
    local got
    got="$(completion "$@")"
    [ "$got" = "$want" ] || { echo "FAIL: completing '$*' gave '$got', not '$want'" >&2; exit 1; }
  }
  check "render report roundtrip " vantorel-cli r
  check "combat melee training " vantorel-cli new ""
  check "3d front side top " vantorel-cli render one.tie --view ""
  check "--teams " vantorel-cli new melee --t
  check "- TWO.TIE folder one.tie " vantorel-cli dump ""
  check "imperial pirate rebel " vantorel-cli add one.tie fleet --iff ""
  check "- TWO.TIE folder one.tie " vantorel-cli check ""
  check "--game --help --json " vantorel-cli check one.tie --
  check "- folder " vantorel-cli write ""
  check "fg.ship " vantorel-cli page one.tie fg.s
  check "normal " vantorel-cli page one.tie fg.positions --view n
  check "hidden-cargo " vantorel-cli page one.tie fg.equipment --dialog h
  check "1 2 4 8 " vantorel-cli new combat --players ""
) || fail "bash completion"

# The Debian package: built by CPack, with its dependencies worked out from
# the programs and the files where they belong.
if command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
  (cd "$work" && cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >"$work/cpack.txt" 2>&1) ||
    { cat "$work/cpack.txt" >&2; fail "cpack -G DEB"; }
  ! grep -A3 "CMake Warning" "$work/cpack.txt" >&2 || fail "cpack warns"
  deb="$(ls "$work"/package/*.deb 2>/dev/null | head -1)"
  if [ -n "$deb" ]; then
    # lintian, where it is installed: no errors and no warnings.
    if command -v lintian >/dev/null; then
      lintian --fail-on error,warning "$deb" >"$work/lintian.txt" 2>&1 ||
        { cat "$work/lintian.txt" >&2; fail "lintian found errors or warnings"; }
    fi
    depends="$(dpkg-deb -f "$deb" Depends)"
    [[ "$depends" == *libstdc++6* ]] || fail "the package does not depend on libstdc++6: $depends"
    if [ $gui = 1 ]; then
      [[ "$depends" == *libqt6widgets6* ]] || fail "the package does not depend on libqt6widgets6: $depends"
      if [ -f "$build/vantorel-sound.so" ]; then
        [[ "$depends" == *libqt6multimedia6* ]] || fail "the package does not depend on libqt6multimedia6: $depends"
      fi
    fi
    contents="$(dpkg-deb -c "$deb")"
    for f in "${expected[@]}"; do
      [[ "$contents" == *"./usr/$f"* ]] || fail "not in the package: /usr/$f"
    done
  else
    fail "cpack made no .deb"
  fi
fi

if [ $failures -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "installed tree checked (editor: $gui)"
