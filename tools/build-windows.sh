#!/usr/bin/env bash
# Cross-builds the core, vantorel-cli and the core tests for 64-bit Windows
# with the MinGW-w64 compilers of Debian, runs the core tests under Wine when
# Wine is installed, and packs vantorel-cli into a ZIP.
#
# The editor needs Qt for Windows, which Debian does not package: build it on
# Windows (README, "Installing"). Installs the compilers when they are missing
# (as root, or with sudo); Wine is left to you: apt-get install wine wine64.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VANTOREL_WINDOWS_BUILD:-$root/build-windows}"

packages=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 libgtest-dev cmake)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# GoogleTest is built from the sources libgtest-dev ships.
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DVANTOREL_GUI=OFF -DVANTOREL_GTEST_SOURCE_DIR=/usr/src/googletest >/dev/null
cmake --build "$build" -j2 --target vantorel-cli core_tests

status=0
if command -v wine >/dev/null; then
  # A prefix of its own, created on the first run; no display is needed.
  export WINEPREFIX="$build/wine" WINEDEBUG=-all
  unset DISPLAY WAYLAND_DISPLAY
  (cd "$build/tests" && wine core_tests.exe --gtest_brief=1) || status=$?
else
  echo "Wine is not installed: the core tests were built ($build/tests/core_tests.exe) but not run."
fi

(cd "$build" && cpack -G ZIP >/dev/null && echo "Package: $(ls "$build"/vantorel-*.zip)")
exit $status
