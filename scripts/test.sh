#!/usr/bin/env bash
# Sets up, builds and runs every test: once in the normal build, then once
# more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

JOBS=$(nproc)
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

cmake -S . -B build -G Ninja
cmake --build build -j "$JOBS"
ctest --test-dir build --output-on-failure -j "$JOBS" -LE long

# Sanitizer build: no benchmarks, its own folder.
cmake -S . -B build-asan -G Ninja -DTESMORIA_SANITIZE=ON -DTESMORIA_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
cmake --build build-asan -j "$JOBS"
# The checks over every shipped room take every fourth room here: the normal
# build above has already checked each one. The art and music are made again
# by Python and FluidSynth, with no code of ours to watch: once is enough.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  TESMORIA_ROOM_STEP=4 ctest --test-dir build-asan --output-on-failure -j "$JOBS" -LE long \
  -E "UiArt.PaintingTwiceGivesTheSameBytes|SoundFiles.MusicComesOutByteIdenticalWhenMadeAgain"
