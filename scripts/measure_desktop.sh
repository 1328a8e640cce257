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
SECONDS_MEASURED=20
GAME="$BUILD/game"
[ -x "$GAME/tesmoria" ] || { echo "no game in $GAME" >&2; exit 1; }

source scripts/xvfb_session.sh measure 77


TICKS=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_mb() { awk '/^VmRSS:/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }
# CPU share of one core over the measuring time, in percent.
cpu_share() {
  local before after
  before=$(cpu_ticks "$1")
  sleep "$SECONDS_MEASURED"
  after=$(cpu_ticks "$1")
  awk -v t="$((after - before))" -v hz="$TICKS" -v s="$SECONDS_MEASURED" 'BEGIN {printf "%.1f", 100 * t / hz / s}'
}
click_at() {
  xdotool mousemove --window "$WINDOW" "$1" "$2"
  sleep 0.2
  xdotool click 1
}

echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
printf "%-4s %10s %10s %10s %10s %10s\n" run start_s menu_cpu% menu_MB room_cpu% room_MB
for run in $(seq "$RUNS"); do
  rm -rf "${WORK:?}/game"
  cp -r "$GAME" "$WORK/game"
  rm -rf "$WORK/game/profiles" "$WORK"/game/grab*.jpg
  ls "$WORK"/game/sfx/*.wav >/dev/null 2>&1 || (cd "$WORK/game" && ./tesmoria /unpack all)
  name_player "$WORK/game"
  STAMP="$WORK/first-frame"
  rm -f "$STAMP"

  START=$(date +%s%N)
  "$WORK/game/tesmoria" --first-frame-stamp "$STAMP" >/dev/null 2>&1 &
  GAME_PID=$!
  for _ in $(seq 300); do [ -s "$STAMP" ] && break; sleep 0.02; done
  STARTUP=$(awk -v a="$START" -v b="$(cat "$STAMP" 2>/dev/null || echo 0)" 'BEGIN {printf "%.3f", (b - a) / 1e9}')
  WINDOW=$(game_window "$GAME_PID")

  # Click the intro away and rest in the menu.
  sleep 1.5
  click_at 400 300
  sleep 3
  xdotool mousemove --window "$WINDOW" 30 580
  sleep 1
  MENU_CPU=$(cpu_share "$GAME_PID")
  MENU_RSS=$(rss_mb "$GAME_PID")

  # PLAY CAMPAIGN, then Abydos on the map: the first room, whose tips for
  # a new player are closed one after the other with their OK button.
  click_at 598 290
  sleep 4
  click_at 160 340
  sleep 5
  for _ in 1 2 3 4 5 6; do
    click_at 183 310
    sleep 1.5
    click_at 623 310
    sleep 1.5
  done
  xdotool mousemove --window "$WINDOW" 30 580
  sleep 1
  ROOM_CPU=$(cpu_share "$GAME_PID")
  ROOM_RSS=$(rss_mb "$GAME_PID")
  # Screenshots of the room show that the run got there.
  if [ -n "${SCREENSHOT_DIR:-}" ]; then
    import -window root "$SCREENSHOT_DIR/measure_room_$run.png"
  fi

  kill "$GAME_PID" 2>/dev/null || true
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=""
  printf "%-4s %10s %10s %10s %10s %10s\n" "$run" "$STARTUP" "$MENU_CPU" "$MENU_RSS" "$ROOM_CPU" "$ROOM_RSS"
done
