#!/usr/bin/env bash
# Cross-builds Vantorel for 64-bit Windows with Debian's MinGW-w64 compilers
# and runs its tests under Wine.
#
#   tools/build-windows.sh           the core, vantorel-cli and the core tests,
#                                    and a ZIP of vantorel-cli
#   tools/build-windows.sh --quick   the same unoptimised and without the ZIP:
#                                    half the compile time, the same tests
#                                    (what CI runs)
#   tools/build-windows.sh --editor  everything the Linux build has: the
#                                    editor, vantorel-cli with render, the
#                                    core and widget tests, on a Qt for Windows
#                                    built from Debian's sources the first time
#                                    (tools/build-windows-qt.sh); then the ZIP
#                                    and the installer, and a check of the
#                                    unpacked ZIP in a fresh Wine prefix
#                                    (tools/check-windows-package.sh)
#
# Installs what is missing first (tools/install-deps.sh). The build folder is
# $VANTOREL_WINDOWS_BUILD (build-windows/), with its own Wine prefix in wine/.
# Exits non-zero when a test fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
editor=0
quick=0
case "${1:-}" in
  "") ;;
  --editor) editor=1 ;;
  --quick) quick=1 ;;
  *)
    echo "usage: tools/build-windows.sh [--editor | --quick]" >&2
    exit 1
    ;;
esac
build="${VANTOREL_WINDOWS_BUILD:-$root/build-windows}"
start=$SECONDS

if [ $editor = 1 ]; then
  "$root/tools/install-deps.sh" windows-editor
  "$root/tools/build-windows-qt.sh"
  qt="$("$root/tools/build-windows-qt.sh" --prefix)"
  # Qt's toolchain file loads ours and finds Qt; the programs share Qt's
  # C++ runtime DLLs instead of linking their own.
  config=(-DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DVANTOREL_GUI=ON
    -DCMAKE_EXE_LINKER_FLAGS=)
  targets=(all)
  gui=ON
else
  "$root/tools/install-deps.sh" windows
  # Programs that run on their own: no C++ runtime DLLs beside them.
  config=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DVANTOREL_GUI=OFF
    -DCMAKE_EXE_LINKER_FLAGS=-static)
  targets=(vantorel-cli core_tests)
  gui=OFF
fi
# A folder configured the other way is configured afresh: CMake keeps the
# toolchain a folder was first configured with.
fresh=()
if [ -f "$build/CMakeCache.txt" ] && ! grep -qx "VANTOREL_GUI:BOOL=$gui" "$build/CMakeCache.txt"; then
  fresh=(--fresh)
fi
build_type=(-DCMAKE_BUILD_TYPE=Release)
[ $quick = 0 ] || build_type=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0)
# GoogleTest is built from the sources libgtest-dev ships.
cmake "${fresh[@]}" -S "$root" -B "$build" "${build_type[@]}" \
  -DVANTOREL_GTEST_SOURCE_DIR=/usr/src/googletest "${config[@]}" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}"
built=$SECONDS

# Every test program under Wine, in a prefix of its own (made on the first
# run). Widgets draw offscreen, so no display is needed; the DLLs come from
# Qt's folder and the compiler's.
export WINEPREFIX="$build/wine" WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
# The prefix is made, and its start-up services settled, before any test:
# a test that starts a program while they are still starting can fail to.
wineboot -i >/dev/null 2>&1 || true
wineserver -w
if [ $editor = 1 ]; then
  dlls=("$qt/bin")
  for dll in libstdc++-6.dll libwinpthread-1.dll; do
    dlls+=("$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)")")
  done
  WINEPATH="$(printf 'Z:%s;' "${dlls[@]}")"
  export WINEPATH
fi
logs="$build/test-logs"
rm -rf "$logs"
mkdir -p "$logs"
passed=0
failed=()
skipped=()
run_test() {  # name, program, arguments...
  local name="$1" program="$2"
  shift 2
  if (cd "$(dirname "$program")" && wine "$program" "$@") >"$logs/$name.txt" 2>&1; then
    passed=$((passed + 1))
  else
    failed+=("$name")
    cat "$logs/$name"*.txt
  fi
}
run_test core_tests "$build/tests/core_tests.exe" --gtest_brief=1 \
  --gtest_output="xml:Z:$logs/core_tests.xml"
# GoogleTest names its skips in its report: "Suite.Test: reason".
if [ -f "$logs/core_tests.xml" ]; then
  while IFS= read -r line; do skipped+=("$line"); done < <(awk '
    /<testcase / { match($0, /name="[^"]*"/); test = substr($0, RSTART + 6, RLENGTH - 7)
                   match($0, /classname="[^"]*"/); suite = substr($0, RSTART + 11, RLENGTH - 12) }
    /<skipped message="/ { match($0, /message="[^"]*"/); m = substr($0, RSTART + 9, RLENGTH - 10)
                           sub(/^[^&]*&#x0A;/, "", m); gsub(/&#x0A;/, " ", m)
                           gsub(/&apos;/, "\047", m); gsub(/&quot;/, "\"", m); gsub(/&lt;/, "<", m)
                           gsub(/&gt;/, ">", m); gsub(/&amp;/, "\\&", m)
                           print suite "." test ": " m }' "$logs/core_tests.xml")
fi
if [ $editor = 1 ]; then
  # Wine hands the programs no QT_* variable: the platform is an argument,
  # and the offscreen platform's fonts (the host's DejaVu) come from the
  # prefix's own environment.
  wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /t REG_SZ \
    /d "Z:$(fc-match -f '%{file}' 'DejaVu Sans' | xargs dirname)" /f >/dev/null
  # A Qt Test program with no console writes its report to the debugger, so
  # the report goes to a file.
  for program in "$build"/tests/*Test.exe; do
    name="$(basename "$program" .exe)"
    run_test "$name" "$program" -platform offscreen -o "Z:$logs/$name.report.txt,txt"
    # Qt Test: "SKIP   : Class::test() reason"
    while IFS= read -r line; do skipped+=("$name: ${line#SKIP   : }"); done \
      < <(grep -a '^SKIP   : ' "$logs/$name.report.txt" 2>/dev/null | tr -d '\r' || true)
  done
fi
echo "Windows test programs under Wine: $passed passed, ${#failed[@]} failed (logs in $logs)"
for s in "${skipped[@]}"; do echo "  skipped on Windows: $s"; done
for f in "${failed[@]}"; do echo "  FAILED: $f"; done
status=0
[ ${#failed[@]} -eq 0 ] || status=1
tested=$SECONDS

if [ $quick = 0 ]; then
  generators=ZIP
  [ $editor = 0 ] || generators="ZIP;NSIS"
  rm -f "$build"/vantorel-*-win64.*
  (cd "$build" && cpack -G "$generators" >/dev/null)
  echo "Packages: $(ls "$build"/vantorel-*-win64.*)"
fi
if [ $editor = 1 ] && [ $status = 0 ]; then
  "$root/tools/check-windows-package.sh" "$build"/vantorel-*-win64.zip || status=1
fi
echo "build-windows: built in $((built - start)) s, tested in $((tested - built)) s," \
  "packed and checked in $((SECONDS - tested)) s"
exit $status
