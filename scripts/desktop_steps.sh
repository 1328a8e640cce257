# Sourced by the measuring scripts after xvfb_session.sh: the figures taken
# from /proc and the steps that bring the game to its idle main menu and to
# the first room of the campaign at rest in a real window.
SECONDS_MEASURED=${SECONDS_MEASURED:-20}
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
# Clicks at (x, y) of the window $WINDOW.
click_at() {
  xdotool mousemove --window "$WINDOW" "$1" "$2"
  sleep 0.2
  xdotool click 1
}

# A fresh copy of the game folder $1 at $2 in which a scripted run without a
# window has named a player, so a start there is a returning player's (the
# music already converted to wave files).
copy_named_game() {
  rm -rf "${2:?}"
  cp -r "$1" "$2"
  rm -rf "$2/profiles" "$2"/grab*.jpg
  ls "$2"/sfx/*.wav >/dev/null 2>&1 || (cd "$2" && ./tesmoria /unpack all)
  name_player "$2"
}

# From the intro to the main menu, the pointer put aside.
game_to_menu() {
  sleep 1.5
  click_at 400 300
  sleep 3
  xdotool mousemove --window "$WINDOW" 30 580
  sleep 1
}

# PLAY CAMPAIGN, then Abydos on the map: the first room, whose tips for a
# new player are closed one after the other with their OK button.
game_to_room() {
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
}

# MENU_CPU, MENU_RSS, ROOM_CPU, ROOM_RSS of the game with id $GAME_PID in
# window $WINDOW, from its intro: the idle main menu, then the first room.
measure_menu_and_room() {
  game_to_menu
  MENU_CPU=$(cpu_share "$GAME_PID")
  MENU_RSS=$(rss_mb "$GAME_PID")
  game_to_room
  ROOM_CPU=$(cpu_share "$GAME_PID")
  ROOM_RSS=$(rss_mb "$GAME_PID")
}
