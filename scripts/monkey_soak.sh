#!/usr/bin/env bash
# Random mouse and keys on every screen for a long time, in the sanitizer
# build, sampling the game's resident memory as it goes.
#
#   scripts/monkey_soak.sh [FRAMES] [BUILD_DIR] [SAMPLE_SECONDS]
#       (defaults: 1000000, build-asan, 10)
#
# Runs "monkey" scripts of up to 250000 frames each, one after the other with
# new seeds, until FRAMES frames have had random input (a run ends early when
# the random input finds the pause menu's quit). Prints each run's frames and
# the screens it saw, the RSS samples as "rss SECONDS KB", and per run the
# RSS after its first minute against its last sample.
set -euo pipefail
frames=${1:-1000000}
build=$(cd "${2:-build-asan}" && pwd)
every=${3:-10}
source "$(dirname "$0")/game_copy.sh" "$build"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

done_frames=0
seed=1
while [ "$done_frames" -lt "$frames" ]; do
  chunk=$(( frames - done_frames < 250000 ? frames - done_frames : 250000 ))
  # A name first, so every menu works; then the random input.
  printf 'move 400 300\nclick\nwaitscreen 1 300\nwait 5\ntype Monkey\nkey Enter\nwait 5\nmonkey %d %d\n' \
    "$chunk" "$seed" >"$work/soak.txt"
  (cd "$work" && exec ./tesmoria --headless --script soak.txt >"$work/out.txt" 2>&1) &
  pid=$!
  start=$(date +%s)
  first="" last=""
  while kill -0 "$pid" 2>/dev/null; do
    sleep "$every"
    rss=$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
    [ -n "$rss" ] || continue
    t=$(( $(date +%s) - start ))
    echo "rss $t $rss"
    if [ "$t" -ge 60 ] && [ -z "$first" ]; then first=$rss; fi
    last=$rss
  done
  status=0
  wait "$pid" || status=$?
  ran=$(sed -n 's/^monkey: \([0-9]*\) frames.*/\1/p' "$work/out.txt" | tail -1)
  grep '^monkey:' "$work/out.txt" || true
  if [ "$status" -ne 0 ] || grep -q -e 'Sanitizer' -e 'runtime error' "$work/out.txt"; then
    echo "run with seed $seed ended with status $status:"
    tail -40 "$work/out.txt"
    exit 1
  fi
  echo "run seed $seed: ${ran:-0} frames in $(( $(date +%s) - start )) s; rss after 1 min ${first:-?} KB, at the end ${last:-?} KB"
  done_frames=$(( done_frames + ${ran:-0} ))
  seed=$(( seed + 1 ))
  # A run that found a way out at once still counts its frames; make sure
  # the loop moves on.
  [ "${ran:-0}" -gt 0 ] || done_frames=$(( done_frames + 1 ))
done
echo "frames of random input: $done_frames"
