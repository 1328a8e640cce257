#!/usr/bin/env bash
# A copied game folder, used twice: writable, the player's files stay beside
# the program; read-only, they go to $XDG_DATA_HOME/tesmoria and the folder is
# not touched. Either way a new profile is saved and found on the next start.
#   player_folders_test.sh GAME_DIR
source "$(dirname "$0")/lib.sh"
GAME_DIR="$1"

# copy_game: a clean copy, without what earlier runs in the build folder left.
copy_game() {
  rm -rf "$WORK/game"
  cp -a "$GAME_DIR" "$WORK/game"
  rm -rf "$WORK/game/profiles/"* "$WORK/game/profiles/".??* "$WORK/game/data3.dat" "$WORK/game/sfx/"*.wav
}

# Writable copy.
fresh_home
copy_game
play "$WORK/game/tesmoria" new_player.txt
# The window opens where the last run left it and is kept there at the end.
printf 'x:\t30\r\ny:\t40\r\nwidth:\t1000\r\nheight:\t700\r\n' >"$WORK/game/profiles/.window"
cp "$WORK/game/profiles/.window" "$WORK/window"
play "$WORK/game/tesmoria" found_again.txt
cmp -s "$WORK/window" "$WORK/game/profiles/.window" || fail "the window's place was not kept: $(cat "$WORK/game/profiles/.window")"
[ -f "$WORK/game/profiles/Nefer.cam" ] || fail "the profile is not beside the program"
ls "$WORK/game/sfx/"*.wav >/dev/null 2>&1 || fail "no converted sounds beside the program"
[ ! -e "$XDG_DATA_HOME/tesmoria" ] || fail "a writable game folder still wrote to $XDG_DATA_HOME"

# Read-only copy.
fresh_home
copy_game
before="$(snapshot "$WORK/game")"
play "$WORK/game/tesmoria" new_player.txt "$WORK/game"
play "$WORK/game/tesmoria" found_again.txt "$WORK/game"
[ "$before" = "$(snapshot "$WORK/game")" ] || fail "the read-only game folder changed"
[ -f "$XDG_DATA_HOME/tesmoria/profiles/Nefer.cam" ] || fail "the profile is not in $XDG_DATA_HOME/tesmoria"
ls "$XDG_DATA_HOME/tesmoria/sfx/"*.wav >/dev/null 2>&1 || fail "the first start did not convert its sounds there"

# Without XDG_DATA_HOME the default is ~/.local/share/tesmoria.
fresh_home
unset XDG_DATA_HOME
play "$WORK/game/tesmoria" new_player.txt "$WORK/game"
[ -f "$HOME/.local/share/tesmoria/profiles/Nefer.cam" ] || fail "the profile is not in ~/.local/share/tesmoria"
echo "player folders: both cases pass (read-only by $RO_METHOD)"
