# Sourced by the measuring scripts: a work folder and a private Xvfb display
# for the game, both cleaned up on exit (and the game, if GAME_PID is set).
#   source scripts/xvfb_session.sh NAME FIRST_DISPLAY
WORK=$(mktemp -d "/tmp/tesmoria-$1.XXXXXX")
XVFB_PID=""
GAME_PID=""
cleanup() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

# A display number nobody uses.
DISPLAY_NUMBER=$2
while [ -e "/tmp/.X11-unix/X$DISPLAY_NUMBER" ] || [ -e "/tmp/.X$DISPLAY_NUMBER-lock" ]; do
  DISPLAY_NUMBER=$((DISPLAY_NUMBER + 1))
done
Xvfb ":$DISPLAY_NUMBER" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=":$DISPLAY_NUMBER"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# The game window of the game with process id $1, once it shows; fails with a
# message when the game ends first or no window shows within 10 s.
game_window() {
  local id
  for _ in $(seq 250); do
    kill -0 "$1" 2>/dev/null || { echo "the game ended before its window showed" >&2; return 1; }
    id=$(xdotool search --name "Tesmoria" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.04
  done
  echo "no game window within 10 s" >&2
  return 1
}

# Names the player "Tester" in the game folder $1 by a scripted run without
# a window, so that every later start there is a returning player's.
name_player() {
  cat >"$WORK/name.txt" <<'SCRIPT'
move 400 300
click
waitscreen 1 200
wait 15
type Tester
wait 10
key Enter
wait 5
assert file profiles/Tester.cam
SCRIPT
  (cd "$1" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ./tesmoria --headless --script "$WORK/name.txt" >/dev/null 2>&1)
}

# GAMES: the game folders given ($@, by default build/game) as full paths;
# fails with a message when one holds no game.
take_game_folders() {
  [ $# -gt 0 ] || set -- build/game
  GAMES=()
  local game
  for game in "$@"; do
    game=$(realpath "$game")
    [ -x "$game/tesmoria" ] || { echo "no game in $game" >&2; return 1; }
    GAMES+=("$game")
  done
}
