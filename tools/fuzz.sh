#!/usr/bin/env bash
# Runs one fuzz target (or all of them, one after the other) for a number of
# seconds each:
#
#   tools/fuzz.sh FuzzLoadedMission 600
#   tools/fuzz.sh all 30 [more libFuzzer options]
#
# Builds the fuzz build with clang first (build-fuzz, or $VANTOREL_FUZZ_BUILD)
# unless VANTOREL_FUZZ_NO_BUILD is set. New inputs go to
# <build>/fuzz-corpus/TARGET, findings to <build>/fuzz-findings/TARGET/; the
# run stops at the first finding, with a non-zero status.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VANTOREL_FUZZ_BUILD:-$root/build-fuzz}"
seeds="$root/fuzz/seeds"
targets=(FuzzMissionReader FuzzLoadedMission FuzzEditedMission FuzzClipboard FuzzRecoveryNote
  FuzzThemeReader FuzzWaveListing FuzzWineRegistry FuzzBriefingCommands)

if [ $# -lt 2 ]; then
  echo "usage: tools/fuzz.sh TARGET|all SECONDS [libFuzzer options...]" >&2
  echo "targets: ${targets[*]}" >&2
  exit 1
fi
target="$1"
seconds="$2"
shift 2

# What each target reads: the largest input worth making, and its seeds.
describe() {
  case "$1" in
    # Whole missions: the seeds are complete files.
    FuzzMissionReader) flags=(-max_len=300000) dirs=("$seeds/missions") ;;
    # Only the start of a mission varies (the rest is filled with zeros).
    FuzzLoadedMission | FuzzEditedMission) flags=(-max_len=8192) dirs=("$seeds/missions") ;;
    # A clip of a few flight groups (2,916 bytes each) and messages.
    FuzzClipboard) flags=(-max_len=16384) dirs=("$seeds/clips") ;;
    FuzzRecoveryNote) flags=(-max_len=4096) dirs=("$seeds/recovery-notes") ;;
    FuzzThemeReader) flags=(-max_len=4096) dirs=("$seeds/themes" "$root/resources/themes") ;;
    FuzzWaveListing) flags=(-max_len=4096) dirs=("$seeds/wave-listings") ;;
    # One briefing's command block.
    FuzzBriefingCommands) flags=(-max_len=820) dirs=("$seeds/briefings") ;;
    FuzzWineRegistry)
      flags=(-max_len=8192 "-dict=$root/fuzz/wine-registry.dict") dirs=("$seeds/wine-registry") ;;
    *) return 1 ;;
  esac
}

if [ "$target" = all ]; then
  list=("${targets[@]}")
else
  describe "$target" || { echo "tools/fuzz.sh: unknown target '$target'" >&2; exit 1; }
  list=("$target")
fi

if [ -z "${VANTOREL_FUZZ_NO_BUILD:-}" ]; then
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER="${CXX:-clang++}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DVANTOREL_FUZZ=ON -DVANTOREL_GUI=OFF -DVANTOREL_TESTS=OFF -DVANTOREL_WERROR=ON >/dev/null
  fi
  cmake --build "$build" -j2 --target "${list[@]}"
fi

for t in "${list[@]}"; do
  describe "$t"
  corpus="$build/fuzz-corpus/$t"
  findings="$build/fuzz-findings/$t/"
  mkdir -p "$corpus" "$findings"
  # The first folder takes what the run finds; the seed folders are only read.
  (cd "$build" && "$build/fuzz/$t" -max_total_time="$seconds" -print_final_stats=1 \
    "-artifact_prefix=$findings" "${flags[@]}" "$@" "$corpus" "${dirs[@]}")
done
