#!/usr/bin/env bash
# Installs the Debian packages Vantorel needs to build, run and test, skipping
# what is already there. Run as root (or with sudo available).
#
#   tools/install-deps.sh                  everything CI uses (tools/test-all.sh)
#   tools/install-deps.sh windows          only the Windows cross-build of the
#                                          core and its tests under Wine
#   tools/install-deps.sh windows-editor   that, and what the Windows editor,
#                                          its Qt and its packages need
set -euo pipefail

linux=(
  build-essential cmake pkg-config
  # the layer check of the sources
  python3
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev libgl-dev
  xvfb xauth
  # validators and packaging used by the install checks
  desktop-file-utils appstream shared-mime-info groff-base dpkg-dev lintian
  # the second compiler, and libFuzzer with the sanitizers for the fuzz targets
  clang
  # Graphviz, which reads what `vantorel-cli flow --dot` writes
  graphviz
)
# The posix threading flavour of the compilers is the one whose standard
# library has std::thread; GoogleTest is built from libgtest-dev's sources.
windows=(cmake g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  libgtest-dev wine wine64)
# Qt for Windows is built with the host's moc, rcc and uic (same version);
# the installer is made with NSIS; the package check drives the editor on Xvfb,
# and runs the installer, a 32-bit program, on 32-bit Wine.
windows_editor=(qt6-base-dev qt6-base-dev-tools ninja-build perl xz-utils nsis unzip
  xvfb xauth xdotool imagemagick wine32:i386)

case "${1:-}" in
  "") packages=("${linux[@]}" "${windows[@]}") ;;
  windows) packages=("${windows[@]}") ;;
  windows-editor) packages=("${windows[@]}" "${windows_editor[@]}") ;;
  *)
    echo "usage: tools/install-deps.sh [windows|windows-editor]" >&2
    exit 1
    ;;
esac

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

as_root() {
  if [ "$(id -u)" -ne 0 ]; then sudo "$@"; else "$@"; fi
}

install_missing() {
  local missing=() arch
  for p in "$@"; do installed "$p" || missing+=("$p"); done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  # A package of another architecture (wine32:i386) needs that architecture
  # known before the package lists are fetched.
  for p in "${missing[@]}"; do
    case "$p" in
      *:*)
        arch="${p##*:}"
        if [ "$arch" != "$(dpkg --print-architecture)" ] &&
          ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
          as_root dpkg --add-architecture "$arch"
        fi
        ;;
    esac
  done
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

install_missing "${packages[@]}"
# clang's runtime libraries are only recommended, and named by its version.
if [ -z "${1:-}" ] && command -v clang++ >/dev/null 2>&1; then
  runtime="libclang-rt-$(clang++ -dumpversion | cut -d. -f1)-dev"
  if apt-cache show "$runtime" >/dev/null 2>&1; then install_missing "$runtime"; fi
fi
