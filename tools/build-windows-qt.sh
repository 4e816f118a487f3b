#!/usr/bin/env bash
# Cross-builds the Qt the Windows editor needs (Core, Gui, Widgets, Test, the
# windows and offscreen platform plugins) with the MinGW-w64 compilers, from
# Debian's own source package of the host's Qt, and installs it into
# ${VANTOREL_WINDOWS_QT:-$HOME/.cache/vantorel/qt-<version>-mingw}.
#
# `--prefix` only prints that folder. An installation that finished carries the file .vantorel-complete and is
# used as it is; anything else in that folder (an interrupted build) is built
# again. The host's moc, rcc and uic do the code generation (QT_HOST_PATH), so
# the host's Qt and the sources must be the same version: the source package
# is asked for by the exact version of the installed qt6-base-dev.
#
# apt fetches the sources through a sources list of its own, with its own
# lists and cache, made from the Debian archive apt already uses: the
# system's sources and package lists are left alone.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

src_version="$(dpkg-query -W -f='${source:Version}' qt6-base-dev)"  # 6.4.2+dfsg-10
upstream="${src_version%%+*}"
upstream="${upstream%%-*}"  # 6.4.2
dest="${VANTOREL_WINDOWS_QT:-$HOME/.cache/vantorel/qt-$upstream-mingw}"
marker="$dest/.vantorel-complete"
if [ "${1:-}" = --prefix ]; then
  echo "$dest"
  exit 0
fi
if [ -f "$marker" ]; then
  echo "Qt for Windows: $dest (built before)"
  exit 0
fi
work="$dest.work"  # sources, apt's state and the build folder; removed at the end
start=$SECONDS

# An interrupted build goes on from the sources and objects it left.
if [ ! -f "$work/src/qtbase/.unpacked" ]; then
  # The archive apt already uses for this release (not -updates or -security).
  archive="$(apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(LABEL)' |
    awk '$3 == "Debian" && $2 !~ /-/ { print $1, $2; exit }')"
  if [ -z "$archive" ]; then
    echo "build-windows-qt: no Debian archive in apt's sources to fetch qt6-base from" >&2
    exit 3
  fi
  mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/src"
  echo "deb-src ${archive% *} ${archive#* } main" >"$work/apt/sources.list"
  apt_private=(-o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache"
    -o APT::Sandbox::User="$(id -un)")
  apt-get "${apt_private[@]}" update -qq
  (cd "$work/src" && apt-get "${apt_private[@]}" source --download-only -qq "qt6-base=$src_version")
  rm -rf "$work/src/qtbase"
  mkdir "$work/src/qtbase"
  tar -xf "$work"/src/qt6-base_*.orig.tar.* -C "$work/src/qtbase" --strip-components=1
  touch "$work/src/qtbase/.unpacked"
fi

# Qt 6.4.2's windows platform plugin takes DirectWrite 3's font database
# (used only when asked for with -platform windows:fontengine=directwrite)
# for granted, but Gui builds that database only with Direct2D, which stays
# out here: without this the plugin does not link.
integration="$work/src/qtbase/src/plugins/platforms/windows/qwindowsintegration.cpp"
if ! grep -q 'QT_CONFIG(directwrite3) && QT_CONFIG(direct2d)' "$integration"; then
  sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' "$integration"
fi

# Qt's own toolchain file (bin/qt-cmake) loads the one it was built with, so
# that one lives inside the installation.
rm -rf "$dest"
mkdir -p "$dest/lib/cmake"
cp "$root/cmake/mingw-w64.cmake" "$dest/lib/cmake/vantorel-mingw-w64.cmake"

# Debian's +dfsg sources lack 3rdparty/wintab, hence no tablet events; the
# windows platform plugin of this version does not compile without OpenGL,
# so that stays at its default (opengl32.dll loaded when needed). The
# offscreen plugin needs FreeType (the bundled one). Everything else the
# editor does not use stays out.
options=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$dest/lib/cmake/vantorel-mingw-w64.cmake"
  -DCMAKE_INSTALL_PREFIX="$dest" -DCMAKE_BUILD_TYPE=Release
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_doubleconversion=OFF)
# A build folder left with other options starts again from nothing (CMake
# would keep the features its cache forced); with the same ones, ninja goes
# on where it stopped.
if [ "$(cat "$work/options" 2>/dev/null)" != "${options[*]}" ]; then rm -rf "$work/build"; fi
echo "${options[*]}" >"$work/options"
cmake -S "$work/src/qtbase" -B "$work/build" "${options[@]}" >"$work/configure.log" ||
  { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" --parallel 2
cmake --install "$work/build" >/dev/null

touch "$marker"
rm -rf "$work"
echo "Qt for Windows: $dest (built in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s)"
