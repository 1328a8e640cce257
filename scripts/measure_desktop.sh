#!/usr/bin/env bash
# Measures the game in a real window under Xvfb, the way a player runs it:
#   start-up  time from launching the program to its first frame on screen
#             (the intro logo, which a click takes away at once)
#   menu      CPU share of one core and resident memory while the main menu
#             sits idle for 20 s
#   room      the same while the first room of the campaign rests for 20 s
# CPU comes from the program's user + system ticks in /proc over the 20 s;
# memory is VmRSS at the end of each 20 s.
#
# Usage: scripts/measure_desktop.sh [build folder] [runs]
# Needs Xvfb and xdotool (scripts/setup.sh installs them). Each run starts
# from a fresh copy of the game folder in which a scripted run without a
# window has named a player, so it is the start of a returning player (the
# music is already converted to wave files).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=$(realpath "${1:-build}")
RUNS=${2:-3}
GAME="$BUILD/game"
[ -x "$GAME/tesmoria" ] || { echo "no game in $GAME" >&2; exit 1; }

source scripts/xvfb_session.sh measure 77

source scripts/desktop_steps.sh

echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
printf "%-4s %10s %10s %10s %10s %10s\n" run start_s menu_cpu% menu_MB room_cpu% room_MB
for run in $(seq "$RUNS"); do
  copy_named_game "$GAME" "$WORK/game"
  STAMP="$WORK/first-frame"
  rm -f "$STAMP"

  START=$(date +%s%N)
  "$WORK/game/tesmoria" --first-frame-stamp "$STAMP" >/dev/null 2>&1 &
  GAME_PID=$!
  for _ in $(seq 300); do [ -s "$STAMP" ] && break; sleep 0.02; done
  STARTUP=$(awk -v a="$START" -v b="$(cat "$STAMP" 2>/dev/null || echo 0)" 'BEGIN {printf "%.3f", (b - a) / 1e9}')
  WINDOW=$(game_window "$GAME_PID")

  measure_menu_and_room
  # Screenshots of the room show that the run got there.
  if [ -n "${SCREENSHOT_DIR:-}" ]; then
    import -window root "$SCREENSHOT_DIR/measure_room_$run.png"
  fi

  kill "$GAME_PID" 2>/dev/null || true
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=""
  printf "%-4s %10s %10s %10s %10s %10s\n" "$run" "$STARTUP" "$MENU_CPU" "$MENU_RSS" "$ROOM_CPU" "$ROOM_RSS"
done
