#!/usr/bin/env bash
# Installs the Debian packages Vantorel needs to build, run and test, skipping
# what is already there. Run as root (or with sudo available).
set -euo pipefail

packages=(
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
)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

install_missing() {
  local missing=()
  for p in "$@"; do installed "$p" || missing+=("$p"); done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

install_missing "${packages[@]}"
# clang's runtime libraries are only recommended, and named by its version.
if command -v clang++ >/dev/null 2>&1; then
  runtime="libclang-rt-$(clang++ -dumpversion | cut -d. -f1)-dev"
  if apt-cache show "$runtime" >/dev/null 2>&1; then install_missing "$runtime"; fi
fi
