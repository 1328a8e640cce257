#!/usr/bin/env bash
# Long run: a new player plays the whole campaign in map order, finds the four
# map fragments, plays the Lost Temple and ends on the high-score table. Takes
# several minutes, so it is left out of scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)"
ctest --test-dir build --output-on-failure -L long
