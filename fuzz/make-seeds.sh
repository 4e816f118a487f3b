#!/usr/bin/env bash
# Makes the mission seeds of the fuzz targets with vantorel-cli itself, so
# every seed is a mission this program writes:
#   fuzz/make-seeds.sh build/vantorel-cli
set -euo pipefail
cli="${1:?usage: fuzz/make-seeds.sh PATH/TO/vantorel-cli}"
out="$(cd "$(dirname "$0")" && pwd)/seeds/missions"
mkdir -p "$out"
"$cli" new combat --players 1 --format xvt -o "$out/combat-xvt.tie"
"$cli" new melee --teams 4 -o "$out/melee-fleet.tie"
"$cli" add "$out/melee-fleet.tie" fleet --team 1 --iff imperial --size 4 --support 0 --seed 1 \
  -o "$out/melee-fleet.tie"
"$cli" new training --players 2 --iff imperial --format xvt -o "$out/training-station.tie"
"$cli" add "$out/training-station.tie" station --cargo --shuttle --seed 2 \
  -o "$out/training-station.tie"
"$cli" add "$out/training-station.tie" minefield --mine 3 --size 2 --seed 3 -o "$out/training-station.tie"
"$cli" add "$out/training-station.tie" asteroids --size 2 --seed 4 -o "$out/training-station.tie"
