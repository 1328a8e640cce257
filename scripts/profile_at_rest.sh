#!/usr/bin/env bash
# Where the game's time goes while the main menu sits idle and while the
# first room of the campaign rests, in a real window under Xvfb: perf samples
# the running program for SECONDS_MEASURED seconds at each, and the functions
# that cost most are listed (own time, then with what they call).
#
# Usage: scripts/profile_at_rest.sh [game folder] [lines]
# Needs perf (linux-perf), Xvfb and xdotool. The perf data stay in
# $PROFILE_DIR when it is set.
set -euo pipefail
cd "$(dirname "$0")/.."
LINES=${2:-25}
command -v perf >/dev/null || { echo "perf is missing (apt-get install linux-perf)" >&2; exit 1; }

source scripts/xvfb_session.sh profile 83
take_game_folders "${1:-build/game}"
source scripts/desktop_steps.sh
OUT=${PROFILE_DIR:-$WORK}
mkdir -p "$OUT"

# perf samples the game for the measuring time and lists its costliest calls.
profile_for() {
  perf record -q -g -F 499 -o "$OUT/$1.data" -p "$GAME_PID" -- sleep "$SECONDS_MEASURED" >/dev/null 2>&1
  echo "== $1: own time"
  perf report -q -i "$OUT/$1.data" --no-children --sort symbol --percent-limit 1 -g none 2>/dev/null | head -"$LINES" || true
  echo "== $1: with what it calls"
  perf report -q -i "$OUT/$1.data" --children --sort symbol --percent-limit 3 -g none 2>/dev/null | head -"$LINES" || true
}

copy_named_game "${GAMES[0]}" "$WORK/game"
"$WORK/game/tesmoria" >/dev/null 2>&1 &
GAME_PID=$!
WINDOW=$(game_window "$GAME_PID")
game_to_menu
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
profile_for menu
game_to_room
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
profile_for room
if [ -n "${SCREENSHOT_DIR:-}" ]; then import -window root "$SCREENSHOT_DIR/profile_room.png"; fi
