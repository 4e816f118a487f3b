#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole
# suite (core and widgets, offscreen), then the core again under
# AddressSanitizer and UndefinedBehaviorSanitizer, then (when clang is
# installed) every fuzz target for a short while, and last the core and
# vantorel-cli cross-built for Windows with their tests under Wine. Warnings
# are errors.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"

# The folders of src/ depend one way, and no source file grows past 500 lines.
python3 "$root/tools/check-layers.py" "$root/src"

export QT_QPA_PLATFORM=offscreen
have_clang=0
if command -v clang++ >/dev/null 2>&1; then have_clang=1; fi

cmake -S "$root" -B "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOREL_WERROR=ON \
  >/dev/null
cmake --build "$root/build-test" -j2
ctest --test-dir "$root/build-test" --output-on-failure -j2

# The sanitized build is also the clang build, when there is clang, so both
# compilers see the core with warnings as errors.
sanitize_cxx=()
if [ "$have_clang" = 1 ]; then sanitize_cxx=(-DCMAKE_CXX_COMPILER=clang++); fi
# A folder configured with the other compiler is made afresh: CMake would
# throw its cache away and reconfigure without the options given here.
sanitize_compiler=$([ "$have_clang" = 1 ] && echo clang++ || echo c++)
if [ -f "$root/build-sanitize/CMakeCache.txt" ] &&
  ! grep -q "^CMAKE_CXX_COMPILER:.*$sanitize_compiler\$" "$root/build-sanitize/CMakeCache.txt"; then
  rm -rf "$root/build-sanitize"
fi
cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DVANTOREL_GUI=OFF \
  -DVANTOREL_SANITIZE=ON -DVANTOREL_WERROR=ON "${sanitize_cxx[@]}" >/dev/null
cmake --build "$root/build-sanitize" -j2 --target core_tests vantorel-cli
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j2

# Each fuzz target from its seeds for VANTOREL_FUZZ_SECONDS (20), and a check
# that the core is instrumented.
if [ "$have_clang" = 1 ]; then
  cmake -S "$root" -B "$root/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOREL_FUZZ=ON -DVANTOREL_GUI=OFF -DVANTOREL_TESTS=OFF \
    -DVANTOREL_WERROR=ON >/dev/null
  cmake --build "$root/build-fuzz" -j2
  ctest --test-dir "$root/build-fuzz" --output-on-failure -j2
else
  echo "test-all: clang++ is not installed; the fuzz targets were not built or run."
fi

# Windows: the core, vantorel-cli and the core tests, unoptimised to halve
# the compile time (the editor's Windows build, tools/build-windows.sh
# --editor, takes far longer and stays out).
"$root/tools/build-windows.sh" --quick
