#!/usr/bin/env bash
# A double click in a real window never acts twice: on every button whose
# screen opens another with a button (or the room) under the pointer, the
# second click of a double click must not act on the screen the first one
# opened, whatever the time between the clicks. Each case double-clicks with
# xdotool at 60, 150, 300 and 500 ms between the clicks, ten times each, and
# compares the window afterwards with the window after a single click: the
# same picture passes; the game ending (QUIT) or another picture fails.
#
# Usage: scripts/double_click_xvfb.sh [game folder] [tries] [case ...]
#   game folder  default build/game;  tries  default 10 per pause
#   cases        default all: custom_main options_main main_custom
#                main_options credits_main main_credits map_room game_main
# Long (about half an hour); kept out of the test suite. Needs Xvfb,
# xdotool and ImageMagick (import, compare).
set -uo pipefail
cd "$(dirname "$0")/.."
GAME=$(realpath "${1:-build/game}")
TRIES=${2:-10}
shift 2 2>/dev/null || shift $#
CASES=${*:-custom_main options_main main_custom main_options credits_main main_credits map_room game_main}
PAUSES=${PAUSES:-"60 150 300 500"}
SAME=0.03  # RMSE (0..1) below which two pictures of the window are the same screen
[ -x "$GAME/tesmoria" ] || { echo "no game in $GAME" >&2; exit 1; }

source scripts/xvfb_session.sh dblclick 83

# A game folder with its sounds converted and a player named, as a
# returning player starts it.
cp -r "$GAME" "$WORK/game"
rm -rf "$WORK/game/profiles"
(cd "$WORK/game" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ./tesmoria /unpack all >/dev/null 2>&1)
name_player "$WORK/game"

SETTLE=1.6  # a screen change with its cross-fade, and a little more
WINDOW=""
start_game() {
  (cd "$WORK/game" && SDL_AUDIODRIVER=dummy ./tesmoria >/dev/null 2>&1) &
  GAME_PID=$!
  WINDOW=$(game_window "$GAME_PID") || exit 1
  sleep 1.5
  click_at 400 300  # the intro
  sleep "$SETTLE"
}
running() { kill -0 "$GAME_PID" 2>/dev/null; }
click_at() {
  xdotool mousemove --window "$WINDOW" "$1" "$2" 2>/dev/null
  sleep 0.3
  xdotool click 1 2>/dev/null
}
shot() { running && timeout 5 import -window "$WINDOW" "$1" 2>/dev/null; }
# The normalised RMSE between two pictures.
distance() { compare -metric RMSE "$1" "$2" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p'; }
same() { awk -v d="$(distance "$1" "$2")" -v s="$SAME" 'BEGIN {exit !(d != "" && d < s)}'; }

# Case: the clicks from the main menu to the screen, the point to double-click.
path_of() {
  case $1 in
    custom_main) echo "598 342" ;;     # CUSTOM GAME; its MAIN MENU lies on QUIT
    options_main) echo "598 394" ;;    # OPTIONS; its MAIN MENU lies on QUIT
    main_custom | main_options | main_credits) echo "" ;;
    credits_main) echo "760 580" ;;    # Credits; its MENU lies on the Credits link
    map_room) echo "598 290" ;;        # PLAY CAMPAIGN: the map
    game_main) echo "598 290 160 340" ;;  # the map, then Abydos: the room
  esac
}
point_of() {
  case $1 in
    custom_main | options_main) echo "598 498" ;;
    main_custom) echo "598 342" ;;     # CUSTOM GAME, over LOAD LOCATION
    main_options) echo "598 394" ;;    # OPTIONS, over VIDEO
    main_credits | credits_main) echo "760 580" ;;
    map_room) echo "160 340" ;;        # Abydos, over the room's pieces
    game_main) echo "755 584" ;;       # MENU, over the Credits link
  esac
}

# Back to the main menu from wherever the game stands (Escape, unless the
# main menu shows already: there Escape would quit).
to_main() {
  running || return
  xdotool mousemove --window "$WINDOW" 30 580
  sleep 0.3
  shot "$WORK/now.png"
  same "$WORK/now.png" "$WORK/main.png" && return
  xdotool key --window "$WINDOW" Escape
  sleep "$SETTLE"
}
walk() {
  local xy=($1)
  for ((i = 0; i < ${#xy[@]}; i += 2)); do
    click_at "${xy[i]}" "${xy[i + 1]}"
    sleep "$SETTLE"
  done
}

start_game
xdotool mousemove --window "$WINDOW" 30 580
sleep 0.5
shot "$WORK/main.png"
FAILED=0
printf "%-14s %6s %6s %6s %6s\n" case pause_ms passed quit other
for name in $CASES; do
  read -r px py <<<"$(point_of "$name")"
  # The picture after one click, with the pointer resting where it clicked.
  walk "$(path_of "$name")"
  click_at "$px" "$py"
  sleep "$SETTLE"
  shot "$WORK/$name.png"
  to_main
  for pause in $PAUSES; do
    passed=0 quit=0 other=0
    for _ in $(seq "$TRIES"); do
      running || start_game
      walk "$(path_of "$name")"
      xdotool mousemove --window "$WINDOW" "$px" "$py"
      sleep 0.3
      xdotool click --repeat 2 --delay "$pause" 1
      sleep "$SETTLE"
      if ! running; then
        quit=$((quit + 1))
        continue
      fi
      shot "$WORK/after.png"
      if same "$WORK/after.png" "$WORK/$name.png"; then
        passed=$((passed + 1))
      elif sleep 3 && ! running; then
        quit=$((quit + 1))  # the quit sequence was fading out
      else
        other=$((other + 1))
        cp "$WORK/after.png" "/tmp/double_click_${name}_${pause}_$other.png"
      fi
      to_main
    done
    printf "%-14s %6s %6s %6s %6s\n" "$name" "$pause" "$passed" "$quit" "$other"
    [ "$passed" -eq "$TRIES" ] || FAILED=1
  done
done
exit "$FAILED"
