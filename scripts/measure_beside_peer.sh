#!/usr/bin/env bash
# Measures the game beside a peer, Enigma 1.20 from Debian, in real windows
# under one Xvfb, the runs taking turns (each game folder given, then
# Enigma, then again), so all see the same machine:
#   start_s   launch to the first picture on screen, seen from outside by
#             polling the screen (scripts/first_picture.c)
#   menu      CPU share of one core and resident memory while the main menu
#             sits idle for 20 s
#   room      the same while a room or level rests for 20 s: the first room
#             of the campaign; Enigma's first tutorial level, untouched
# CPU comes from the program's user + system ticks in /proc; memory is VmRSS
# at the end of each 20 s. The load average is printed with each run.
#
# Usage: scripts/measure_beside_peer.sh [runs] [game folder]...
# (default: 3 runs of build/game). Installs the Debian package enigma with
# apt-get when it is missing; needs Xvfb, xdotool, a C compiler and Xlib.
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${1:-3}
shift || true
ENIGMA=/usr/games/enigma
if [ ! -x "$ENIGMA" ]; then
  apt-get install -y --no-install-recommends enigma >/dev/null || { echo "cannot install enigma" >&2; exit 1; }
fi

source scripts/xvfb_session.sh peer 79
take_game_folders "$@"
source scripts/desktop_steps.sh
cc -O2 -o "$WORK/first_picture" scripts/first_picture.c -lX11

# Starts "$@" and sets GAME_PID and STARTUP (seconds from launch to the
# first change of the screen's picture).
launch_watched() {
  local seen="$WORK/seen" start
  rm -f "$seen"
  "$WORK/first_picture" 15000 >"$seen" &
  local watcher=$!
  for _ in $(seq 500); do grep -q ready "$seen" 2>/dev/null && break; sleep 0.01; done
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  GAME_PID=$!
  wait "$watcher" || true
  STARTUP=$(awk -v a="$start" -v b="$(tail -1 "$seen")" 'BEGIN {printf "%.3f", (b - a) / 1e9}')
}

# Enigma in a level does not end at once when told: after 3 s it is stopped.
stop_game() {
  kill "$GAME_PID" 2>/dev/null || true
  for _ in $(seq 30); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
  kill -9 "$GAME_PID" 2>/dev/null || true
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=""
  sleep 1
}

measure_game() {
  copy_named_game "$1" "$WORK/game"
  launch_watched "$WORK/game/tesmoria"
  WINDOW=$(game_window "$GAME_PID")
  measure_menu_and_room
  # A screenshot of the room or level shows that the run got there.
  if [ -n "${SCREENSHOT_DIR:-}" ]; then import -window root "$SCREENSHOT_DIR/peer_${run}_$i.png"; fi
  stop_game
}

# Enigma starts in its main menu (640 x 480 at the screen's corner) with a
# fresh home, so every start is alike; Start Game, then the first level.
measure_enigma() {
  rm -rf "$WORK/enigma-home"
  mkdir -p "$WORK/enigma-home"
  HOME="$WORK/enigma-home" launch_watched "$ENIGMA"
  sleep 6
  WINDOW=$(xdotool search --name "Enigma" | head -1)
  xdotool mousemove --window "$WINDOW" 600 460
  sleep 1
  MENU_CPU=$(cpu_share "$GAME_PID")
  MENU_RSS=$(rss_mb "$GAME_PID")
  click_at 320 189
  sleep 4
  click_at 84 100
  sleep 6
  ROOM_CPU=$(cpu_share "$GAME_PID")
  ROOM_RSS=$(rss_mb "$GAME_PID")
  # A screenshot of the room or level shows that the run got there.
  if [ -n "${SCREENSHOT_DIR:-}" ]; then import -window root "$SCREENSHOT_DIR/peer_${run}_$i.png"; fi
  stop_game
}

printf "%-4s %-34s %8s %10s %8s %10s %8s  %s\n" run program start_s menu_cpu% menu_MB room_cpu% room_MB load
for run in $(seq "$RUNS"); do
  for i in "${!GAMES[@]}" enigma; do
    load=$(cut -d' ' -f1-3 /proc/loadavg)
    if [ "$i" = enigma ]; then
      name="enigma $(dpkg-query -W -f='${Version}' enigma 2>/dev/null)"
      measure_enigma
    else
      name=${GAMES[$i]}
      measure_game "${GAMES[$i]}"
    fi
    [ ${#name} -le 34 ] || name="...${name: -31}"
    printf "%-4s %-34s %8s %10s %8s %10s %8s  %s\n" "$run" "$name" "$STARTUP" "$MENU_CPU" "$MENU_RSS" \
      "$ROOM_CPU" "$ROOM_RSS" "$load"
  done
done
