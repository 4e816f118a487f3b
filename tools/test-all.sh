#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole
# suite (core and widgets, offscreen), then the core again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"

export QT_QPA_PLATFORM=offscreen

cmake -S "$root" -B "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build-test" -j2
ctest --test-dir "$root/build-test" --output-on-failure -j2

cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DVANTOREL_GUI=OFF \
  -DVANTOREL_SANITIZE=ON >/dev/null
cmake --build "$root/build-sanitize" -j2 --target core_tests vantorel-cli
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j2
