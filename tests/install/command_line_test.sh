#!/usr/bin/env bash
# Every program answers --help with status 0, and bad use with a non-zero
# status: the game prints its usage and exits 2, each tool one line.
#   command_line_test.sh GAME_DIR
source "$(dirname "$0")/lib.sh"
GAME_DIR="$1"
cd "$WORK"

expect_status() {
  local want="$1"; shift
  local got=0
  "$@" >"$WORK/out" 2>"$WORK/err" || got=$?
  [ "$got" = "$want" ] || fail "$* gave status $got, expected $want"
}

expect_status 0 "$GAME_DIR/tesmoria" --help
grep -q "^Usage: tesmoria" "$WORK/out" || fail "tesmoria --help prints no usage"
expect_status 0 "$GAME_DIR/tesmoria" --version
grep -qx "tesmoria [0-9][0-9.]*" "$WORK/out" || fail "tesmoria --version prints '$(cat "$WORK/out")'"
expect_status 2 "$GAME_DIR/tesmoria" --no-such-option
grep -q "unknown option --no-such-option" "$WORK/err" || fail "no complaint about the option"
grep -q "^Usage: tesmoria" "$WORK/err" || fail "no usage after a wrong option"

# The /unpack forms: one sound, then all, converted beside the program
# without opening a window; two words of another kind end the program.
mkdir -p "$WORK/unpack/sfx"
cp "$GAME_DIR/tesmoria" "$WORK/unpack/"
sounds=("$GAME_DIR"/sfx/fx_*.ogg)
[ -e "${sounds[0]}" ] || fail "no sounds in $GAME_DIR/sfx to unpack"
cp "${sounds[0]}" "${sounds[1]}" "$WORK/unpack/sfx/"
first="$(basename "${sounds[0]}" .ogg)" second="$(basename "${sounds[1]}" .ogg)"
expect_status 0 "$WORK/unpack/tesmoria" /unpack "$first"
[ -s "$WORK/unpack/sfx/$first.wav" ] && [ ! -e "$WORK/unpack/sfx/$first.ogg" ] || fail "/unpack $first"
[ -e "$WORK/unpack/sfx/$second.ogg" ] || fail "/unpack $first touched $second"
expect_status 0 "$WORK/unpack/tesmoria" /unpack all
[ -s "$WORK/unpack/sfx/$second.wav" ] || fail "/unpack all"
expect_status 2 "$WORK/unpack/tesmoria" /other words
[ ! -e "$WORK/unpack/profiles" ] || fail "/other words started the game"

for tool in tesmoria-pack tesmoria-room tesmoria-solve tesmoria-locmake tesmoria-demo; do
  expect_status 0 "$GAME_DIR/$tool" --help
  grep -qi "usage" "$WORK/out" || fail "$tool --help prints no usage"
  for bad in "" "--no-such-option"; do
    # tesmoria-demo without arguments is a valid run that opens a window.
    [ "$tool $bad" = "tesmoria-demo " ] && continue
    got=0
    "$GAME_DIR/$tool" $bad >"$WORK/out" 2>"$WORK/err" </dev/null || got=$?
    [ "$got" != 0 ] || fail "$tool $bad succeeded"
    [ "$(wc -l <"$WORK/err")" = 1 ] || fail "$tool $bad: not one line: $(cat "$WORK/err")"
  done
done
echo "command lines: help, version and bad use answered"
