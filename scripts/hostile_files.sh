#!/usr/bin/env bash
# Tries the player's files and the command lines as a hostile user would:
# names with line breaks or too long, campaign names in the editor, two games
# on one folder, ending signals, FIFOs, devices and links where files should
# be, paths given to /unpack, and the tools given the same. Each case runs on
# a fresh copy of the game folder and prints one row: case, expected, seen.
#
#   scripts/hostile_files.sh [--quick] [GAME_DIR]    (default: build/game)
#
# GAME_DIR may be a sanitizer build's game folder. --quick leaves out the
# cases that take long (a 100 MB file). Exit status 1 when any case fails.
set -uo pipefail
quick=0
if [ "${1:-}" = "--quick" ]; then
  quick=1
  shift
fi
source_dir=$(cd "$(dirname "$0")/.." && pwd)
game=$(cd "${1:-$source_dir/build/game}" && pwd) || exit 2
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
base=$(mktemp -d /tmp/tesmoria-hostile-XXXXXX)
trap 'rm -rf "$base"' EXIT
failures=0
rows=()

# record CASE EXPECTED SEEN OK
record() {
  local mark=pass
  if [ "$4" != 1 ]; then
    mark=FAIL
    failures=$((failures + 1))
  fi
  rows+=("$mark|$1|$2|$3")
}

# The template copies: sounds converted once, stand-in pictures and font as
# the end-to-end tests make them, and a second one with the profile Tester.
template="$base/template"
cp -a "$game/." "$template/"
rm -rf "$template/profiles" "$template/data3.dat" "$template/.tesmoria.lock"
python3 "$source_dir/tests/app/make_test_gfx.py" "$template/gfx" >/dev/null 2>&1
if [ ! -e "$template/data1.dat" ]; then
  cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$template/font.ttf"
  "$template/tesmoria-pack" build --key 30571928464017 --compress "$template/data1.dat" "$template/font.ttf" >/dev/null
  rm -f "$template/font.ttf"
fi
(cd "$template" && ./tesmoria /unpack all >/dev/null 2>&1)
named="$base/named"
cp -a "$template/." "$named/"
naming='move 400 300
click
waitscreen 1 300
wait 10
type Tester
key Enter
wait 10'
printf '%s\n' "$naming" >"$base/naming.txt"
(cd "$named" && timeout 120 ./tesmoria --headless --script "$base/naming.txt" >/dev/null 2>&1)
rm -f "$named/.tesmoria.lock"

# fresh [named]: a new copy in $work.
fresh() {
  work=$(mktemp -d "$base/case-XXXXXX")
  if [ "${1:-}" = named ]; then cp -a "$named/." "$work/"; else cp -a "$template/." "$work/"; fi
}

# play SCRIPT_TEXT [TIMEOUT]: runs the game on $work; sets rc and out.
play() {
  printf '%s\n' "$1" >"$work.script"
  out=$(cd "$work" && timeout "${2:-120}" ./tesmoria --headless --script "$work.script" 2>&1)
  rc=$?
}

# tool TIMEOUT COMMAND...: runs a tool in $work; rc, and out cut at 100 kB so
# a tool printing for ever cannot fill the disk.
tool() {
  local limit=$1
  shift
  out=$(cd "$work" && timeout "$limit" "$@" 2>&1 | head -c 100000)
  rc=${PIPESTATUS[0]}
}

seen() { printf 'exit %s: %s' "$rc" "$(printf '%s' "$out" | tr '\n' ' ' | cut -c1-90)"; }

start='move 400 300
click
waitscreen 1 300
wait 10'
to_custom_menu="$start
move 598 342
click
waitscreen 15 100
wait 40"
# PLAY CAMPAIGN, Abydos on the map, its first room, and back to the menu.
into_abydos="$start
move 598 290
click
wait 60
move 160 340
click
waitscreen 11 200
wait 30
key Escape
waitscreen 1 200"
load_location="$to_custom_menu
move 598 342
click
wait 30"

# 1, 2: names a save could not keep are left out of LOAD LOCATION.
sample=$(ls "$template"/locations/*.loc | head -1)
fresh named
cp "$sample" "$work/locations/AAA
BBB.loc"
play "$load_location
waitdrawn 20 left out
assert notdrawn BBB"
record "1 location name with a line break" "left out of the list, told" "$(seen)" \
  "$([ $rc = 0 ] && ! grep -aq BBB "$work/data3.dat" 2>/dev/null && echo 1)"

fresh named
long=$(printf 'L%.0s' $(seq 65))
cp "$sample" "$work/locations/$long.loc"
play "$load_location
waitdrawn 20 left out
assert notdrawn LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL"
record "2 location name of 65 characters" "left out of the list, told" "$(seen)" "$([ $rc = 0 ] && echo 1)"

# 3: the editor refuses campaign names and names of spaces only.
fresh named
backspaces=$(printf 'key Backspace\nwait 2\n%.0s' $(seq 14))
play "$to_custom_menu
move 598 446
click
waitscreen 16 200
wait 60
move 668 183
click
wait 15
key Enter
wait 5
move 756 213
click
wait 20
$backspaces
type Abydos
wait 8
move 264 421
click
wait 10
waitdrawn 20 campaign location
$backspaces
type    
wait 5
move 264 421
click
wait 10
waitdrawn 20 only spaces
move 411 421
click
wait 10"
record "3 editor SAVE as Abydos, as spaces" "refused with a message" "$(seen)" \
  "$([ $rc = 0 ] && [ ! -e "$work/locations/Abydos.loc" ] && echo 1)"

# 4: the campaign and a custom game keep their own undo histories.
fresh named
play "$into_abydos
$load_location
move 118 300
click
wait 10
move 137 520
click
waitscreen 11 200
wait 30
key Escape
waitscreen 1 200"
undo_ok=0
if [ $rc = 0 ] && grep -aq Abydos "$work/profiles/Tester.undo" 2>/dev/null && [ -s "$work/profiles/Tester.cus.undo" ]; then
  undo_ok=1
fi
record "4 campaign room, then a custom room" "Tester.undo keeps Abydos, Tester.cus.undo apart" \
  "$(seen); files: $(cd "$work/profiles" && ls ./*.undo 2>/dev/null | tr '\n' ' ')" "$undo_ok"

# 5, 6: a second game on the folder ends untouched; every ending signal saves
# and quits as the close box does.
long_run="move 400 300
click
waitscreen 1 300
wait 100000000"
for signal in HUP INT QUIT TERM; do
  fresh named
  printf '%s\n' "$long_run" >"$work.long"
  (cd "$work" && exec ./tesmoria --headless --script "$work.long" >"$work.first.out" 2>&1) &
  first=$!
  # Running once its lock is taken (a game without one: after 3 s).
  for _ in $(seq 30); do
    [ -e "$work/.tesmoria.lock" ] && break
    sleep 0.1
  done
  sleep 2
  if [ $signal = HUP ]; then
    before=$(cd "$work" && find profiles data3.dat -type f -exec md5sum {} + 2>/dev/null | sort)
    play "$naming" 30
    after=$(cd "$work" && find profiles data3.dat -type f -exec md5sum {} + 2>/dev/null | sort)
    record "5 second game on the same folder" "exit 3, told, nothing written" "$(seen)" \
      "$([ $rc = 3 ] && [ "$before" = "$after" ] && printf '%s' "$out" | grep -q "already running" && echo 1)"
  fi
  rm -f "$work/profiles/Tester.cfg"
  kill -s $signal $first
  waited=0
  for _ in $(seq 300); do
    kill -0 $first 2>/dev/null || break
    sleep 0.1
  done
  kill -9 $first 2>/dev/null && waited=killed
  wait $first
  rc=$?
  out="settings saved: $([ -s "$work/profiles/Tester.cfg" ] && echo yes || echo no) $waited"
  record "6 SIG$signal while playing" "saves (settings file back) and exits 0" "$(seen)" \
    "$([ $rc = 0 ] && [ -s "$work/profiles/Tester.cfg" ] && echo 1)"
done

# 7: FIFOs and devices where the game's files should be.
fresh named
rm -f "$work"/locations/*.loc
mkfifo "$work/locations/Pipe.loc"
play "$load_location
move 118 300
click
wait 10
move 137 520
click
waitdrawn 30 ordinary" 60
record "7 FIFO picked in LOAD LOCATION" "message, no freeze" "$(seen)" "$([ $rc = 0 ] && echo 1)"

fresh named
rm -f "$work/profiles/Tester.cam"
mkfifo "$work/profiles/Tester.cam"
play "$start
wait 10" 60
record "7 profiles/Tester.cam is a FIFO" "message naming it, starts" "$(seen)" \
  "$([ $rc = 0 ] && printf '%s' "$out" | grep -q "Tester.cam" && [ -p "$work/profiles/Tester.cam" ] && echo 1)"

fresh named
ln -s /dev/zero "$work/profiles/Tester.undo"
play "$into_abydos" 120
record "7 Tester.undo links to /dev/zero" "message, room plays" "$(seen)" \
  "$([ $rc = 0 ] && printf '%s' "$out" | grep -q "not an ordinary file" && echo 1)"

# 8: a link at the temporary file of a save is never written through (here
# before the profile's first save).
fresh
mkdir -p "$work/profiles"
outside="$base/outside-$RANDOM"
echo "not the game's" >"$outside"
ln -s "$outside" "$work/profiles/Tester.cam.tmp"
play "$naming
move 598 446
click
waitscreen 4 100
key Escape
waitscreen 1 100"
out="outside file: $(cat "$outside"); Tester.cam regular: $([ -f "$work/profiles/Tester.cam" ] && [ ! -L "$work/profiles/Tester.cam" ] && echo yes)"
record "8 link at profiles/Tester.cam.tmp" "link removed, outside file kept" "$(seen)" \
  "$([ $rc = 0 ] && [ "$(cat "$outside")" = "not the game's" ] && [ ! -L "$work/profiles/Tester.cam" ] && echo 1)"

# 9: /unpack takes only the game's own sounds.
fresh
mkdir -p "$base/victim"
some_ogg=$(ls "$game"/sfx/*.ogg 2>/dev/null | head -1)
[ -n "$some_ogg" ] && cp "$some_ogg" "$base/victim/song.ogg" || echo x >"$base/victim/song.ogg"
tool 20 ./tesmoria /unpack "../../$(basename "$base")/victim/song"
tool 20 ./tesmoria /unpack ../victim/song
record "9 /unpack ../victim/song" "refused, exit 2, nothing outside sfx/ touched" "$(seen)" \
  "$([ $rc = 2 ] && [ -e "$base/victim/song.ogg" ] && [ ! -e "$base/victim/song.wav" ] && echo 1)"
tool 20 ./tesmoria /unpack
record "9 /unpack alone" "message, exit 2, no game" "$(seen)" "$([ $rc = 2 ] && echo 1)"
tool 20 ./tesmoria foo bar
record "9 tesmoria foo bar" "message, exit 2" "$(seen)" "$([ $rc = 2 ] && [ -n "$out" ] && echo 1)"

# 10: the tools on a FIFO and on /dev/zero: a message and a failing exit,
# within seconds, with bounded output.
fresh
mkfifo "$work/pipe.loc"
ln -s /dev/zero "$work/zero.loc"
for target in pipe.loc zero.loc; do
  for command in "./tesmoria-locmake $target out.loc" "./tesmoria-savecheck $target" \
    "./tesmoria-roomgen grade $target" "./tesmoria-solve $target" "./tesmoria-solve --replay $target Abydos" \
    "./tesmoria-room show $target" "./tesmoria-pack list $target" "./tesmoria --headless --script $target"; do
    # shellcheck disable=SC2086
    tool 10 $command
    record "10 ${command#./}" "message, failing exit, no hang" "$(seen)" \
      "$([ $rc != 0 ] && [ $rc != 124 ] && [ $rc -lt 128 ] && [ ${#out} -lt 100000 ] && echo 1)"
  done
done
for target in pipe.loc zero.loc; do
  tool 20 ./tesmoria-demo --font $target --frames 1
  record "10 tesmoria-demo --font $target" "message, built-in font, no hang" "$(seen)" \
    "$([ $rc = 0 ] && printf '%s' "$out" | grep -q "not readable" && echo 1)"
done
tool 10 ./tesmoria-savecheck
record "10 tesmoria-savecheck (no file)" "usage, exit 2" "$(seen)" \
  "$([ $rc = 2 ] && printf '%s' "$out" | grep -q Usage && echo 1)"
tool 10 ./tesmoria-savecheck --help
record "10 tesmoria-savecheck --help" "usage, exit 0" "$(seen)" \
  "$([ $rc = 0 ] && printf '%s' "$out" | grep -q Usage && echo 1)"
head -c 300000 /dev/urandom >"$work/random.cam"
head -c 300000 /dev/urandom >"$work/random.bin"
tool 20 ./tesmoria-savecheck random.cam random.bin
record "10 tesmoria-savecheck on random bytes" "torn, not a game file, exit 1" "$(seen)" \
  "$([ $rc = 1 ] && ! printf '%s' "$out" | grep -q whole && echo 1)"
if [ $quick = 0 ]; then
  head -c 100000000 /dev/urandom >"$work/big.cam"
  tool 60 ./tesmoria-savecheck big.cam
  record "10 tesmoria-savecheck on 100 MB" "unreadable (too large), exit 1" "$(seen)" \
    "$([ $rc = 1 ] && ! printf '%s' "$out" | grep -q whole && echo 1)"
  rm -f "$work/big.cam"
fi
cp "$source_dir/assets/custom_locations/Oasis.rooms" "$work/Oasis.rooms"
tool 10 ./tesmoria-locmake Oasis.rooms no/such/folder/Oasis.loc
record "10 locmake into a missing folder" "refused, folder not made" "$(seen)" \
  "$([ $rc != 0 ] && [ ! -e "$work/no" ] && echo 1)"
tool 10 ./tesmoria-pack build --key 1 no/such/folder/x.dat Oasis.rooms
record "10 pack build into a missing folder" "refused, folder not made" "$(seen)" \
  "$([ $rc != 0 ] && [ ! -e "$work/no" ] && echo 1)"

# 11: a profile name of spaces only is refused.
fresh
play "$start
type    
key Enter
waitdrawn 20 only spaces
key Backspace
wait 2
key Backspace
wait 2
key Backspace
wait 2
type Tester
key Enter
wait 10"
record "11 profile named with spaces only" "refused with a message" "$(seen)" \
  "$([ $rc = 0 ] && grep -q '^Tester' "$work/profiles/.cfg" && echo 1)"

# 11: the player's folder cannot be made and the game's own is read-only (an
# installed game; the share folder made read-only in a user namespace, which
# holds even for root): the notice names the player's folder, and the sounds
# play from their OGG files instead of falling silent.
if unshare --user --map-root-user --mount true 2>/dev/null; then
  fresh
  installed="$work/installed"
  mkdir -p "$installed/bin" "$installed/share/tesmoria"
  cp "$work/tesmoria" "$installed/bin/"
  cp -a "$work/gfx" "$work/locations" "$work/data1.dat" "$work/data2.dat" "$installed/share/tesmoria/"
  mkdir "$installed/share/tesmoria/sfx"
  cp "$game"/sfx/*.ogg "$installed/share/tesmoria/sfx/" 2>/dev/null
  printf '%s\n' "$naming
move 598 446
click
waitscreen 4 100
key Escape
waitscreen 1 100" >"$work.script"
  out=$(cd "$work" && XDG_DATA_HOME=/proc/no-such-home timeout 120 unshare --user --map-root-user --mount bash -c \
    'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && exec "$2" --headless --script "$3"' \
    run "$installed/share" "$installed/bin/tesmoria" "$work.script" 2>&1)
  rc=$?
  record "11 no player folder, read-only game folder" "notice names the player's folder, sounds play" "$(seen)" \
    "$([ $rc = 0 ] && printf '%s' "$out" | grep -q "belong in /proc/no-such-home/tesmoria" &&
      ! printf '%s' "$out" | grep -q "plays as silence" && echo 1)"
else
  rows+=("skip|11 no player folder, read-only game folder|needs user namespaces|-")
fi

printf '%-6s %-44s %-48s %s\n' "result" "case" "expected" "seen"
for row in "${rows[@]}"; do
  IFS='|' read -r mark name expected saw <<<"$row"
  printf '%-6s %-44s %-48s %s\n' "$mark" "$name" "$expected" "$saw"
done
echo "${#rows[@]} cases, $failures failed"
[ $failures = 0 ]
