#!/usr/bin/env bash
# Start-up in a real window under Xvfb: from launching the program to its
# first frame on screen, several times, with the median. Every picture,
# sound and font is loaded before that frame, so the main menu is usable
# from then on (the intro's logo goes at the first click).
#
# Usage: scripts/measure_startup.sh [runs] [game folder]...
# With several game folders (say a build from before a change and one from
# after) the runs take turns, A B A B ..., so both see the same machine.
# Needs Xvfb and xdotool (scripts/setup.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${1:-9}
shift || true

source scripts/xvfb_session.sh startup 78
take_game_folders "$@"

for i in "${!GAMES[@]}"; do
  cp -r "${GAMES[$i]}" "$WORK/game$i"
  rm -rf "$WORK/game$i/profiles" "$WORK"/game"$i"/grab*.jpg
  ls "$WORK"/game"$i"/sfx/*.wav >/dev/null 2>&1 || (cd "$WORK/game$i" && ./tesmoria /unpack all)
  name_player "$WORK/game$i"
done

# Seconds from launch to the first frame, one start of game folder $1.
start_once() {
  local stamp="$WORK/stamp" start
  rm -f "$stamp"
  start=$(date +%s%N)
  "$WORK/game$1/tesmoria" --first-frame-stamp "$stamp" >/dev/null 2>&1 &
  GAME_PID=$!
  for _ in $(seq 500); do [ -s "$stamp" ] && break; sleep 0.01; done
  kill "$GAME_PID" 2>/dev/null || true
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=""
  awk -v a="$start" -v b="$(cat "$stamp" 2>/dev/null || echo 0)" 'BEGIN {printf "%.3f", (b - a) / 1e9}'
}

echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
declare -A times
for run in $(seq "$RUNS"); do
  for i in "${!GAMES[@]}"; do times[$i]+="$(start_once "$i") "; done
done
for i in "${!GAMES[@]}"; do
  median=$(tr ' ' '\n' <<<"${times[$i]}" | grep . | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}')
  echo "${GAMES[$i]}: median ${median} s over $RUNS starts: ${times[$i]}"
done
