#!/usr/bin/env bash
# Kills the game with SIGKILL at random moments of scripted runs that save at
# every screen change, then checks every profile file, data3.dat and the
# settings files: each must be whole (tesmoria-savecheck) and either exactly
# as it was before the run or a complete new version. Nothing may go missing.
#
#   scripts/kill_test.sh [KILLS] [BUILD_DIR] [LAPS]   (defaults: 1000, build, 40)
#
# LAPS is the length of one run in laps of screen changes; a kill falls at a
# random moment of a run.
#
# The figures at the end: kills, kills that left a save's temporary file
# behind (killed inside a save), and files found torn or lost (must be 0).
set -euo pipefail
kills=${1:-1000}
build=$(cd "${2:-build}" && pwd)
laps=${3:-40}
source "$(dirname "$0")/game_copy.sh" "$build"

# One lap: options (the tips tick box changes the settings file), the high
# scores (saved when left), a room of the campaign and back; every screen
# change saves the profile and the settings.
lap='move 598 394
click
waitscreen 2 100
wait 3
move 598 446
click
wait 6
move 270 325
press
wait 2
release
wait 3
key Escape
waitscreen 1 100
move 598 446
click
waitscreen 4 100
wait 3
key Escape
waitscreen 1 100
move 598 290
click
wait 60
move 160 340
click
wait 60
key Escape
waitscreen 1 300'
{
  printf 'move 400 300\nclick\nwaitscreen 1 300\nwait 5\ntype Keeper\nkey Enter\nwait 10\n'
  for _ in $(seq "$laps"); do printf '%s\n' "$lap"; done
} >"$work/first.txt"
{
  printf 'move 400 300\nclick\nwaitscreen 1 300\nwait 5\n'
  for _ in $(seq "$laps"); do printf '%s\n' "$lap"; done
} >"$work/laps.txt"

# The first run names the profile and runs to its end.
(cd "$work" && ./tesmoria --headless --script first.txt >/dev/null 2>&1) || true
watched() { (cd "$work" && ls profiles/* data3.dat 2>/dev/null | grep -v '\.tmp$' | grep -v '\.txt$'); }
[ -n "$(watched)" ] || { echo "the first run saved nothing"; exit 1; }

# How long a whole run takes here, so kills fall anywhere inside one.
start=$(date +%s%N)
(cd "$work" && ./tesmoria --headless --script laps.txt >/dev/null 2>&1) || true
run_ms=$(( ($(date +%s%N) - start) / 1000000 ))
echo "one run of the save laps takes ${run_ms} ms"

inside_save=0
bad=0
for i in $(seq "$kills"); do
  rm -rf "$work/before"
  mkdir -p "$work/before/profiles"
  for f in $(watched); do cp -p "$work/$f" "$work/before/$f"; done
  (cd "$work" && exec ./tesmoria --headless --script laps.txt >/dev/null 2>&1) &
  pid=$!
  sleep "$(awk -v r="$RANDOM" -v ms="$run_ms" 'BEGIN { printf "%.3f", (r / 32768) * ms / 1000 }')"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if ls "$work"/profiles/*.tmp "$work"/*.tmp >/dev/null 2>&1; then inside_save=$((inside_save + 1)); fi
  for f in $(cd "$work/before" && find . -type f | sed 's|^\./||'); do
    if [ ! -f "$work/$f" ]; then
      echo "kill $i: $f is gone"
      bad=$((bad + 1))
    elif ! cmp -s "$work/$f" "$work/before/$f" && ! (cd "$work" && ./tesmoria-savecheck "$f" >/dev/null); then
      echo "kill $i: $f is neither the old file nor a whole new one"
      bad=$((bad + 1))
    fi
  done
  if ! (cd "$work" && ./tesmoria-savecheck $(watched) >/dev/null); then
    echo "kill $i: a file is torn"
    bad=$((bad + 1))
  fi
done
echo "kills: $kills, killed inside a save (temporary file left): $inside_save, torn or lost files: $bad"
[ "$bad" -eq 0 ]
