#!/usr/bin/env bash
# Makes the pictures of docs/screens: every screen and box of the game, from
# headless scripted runs of the built game (scripts/screens/*.txt, and the
# campaign and custom-game test runs with a picture added where the result
# screens show), each in a fresh copy of the game folder.
#   scripts/screenshots.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=$(realpath "${1:-build}")
OUT=docs/screens
[ -x "$BUILD/game/tesmoria" ] || { echo "no game in $BUILD/game" >&2; exit 1; }
mkdir -p "$OUT"
TMP=$(mktemp -d /tmp/tesmoria-shots.XXXXXX)
trap 'rm -rf "$TMP"' EXIT

# Runs one script in a fresh game folder and keeps the pictures it takes.
run() {
  local script work="$TMP/game"
  script=$(realpath "$1")
  rm -rf "$work"
  cp -r "$BUILD/game" "$work"
  rm -rf "$work/profiles" "$work"/*.png
  # A high-score table in which the player (Tester) holds two places.
  python3 tests/app/data/own_scores.py "$work/data3.dat"
  if ! (cd "$work" && SDL_AUDIODRIVER=dummy timeout 300 ./tesmoria --headless --script "$script" >"$TMP/log" 2>&1); then
    echo "$script did not run through:" >&2
    tail -3 "$TMP/log" >&2
  fi
  for picture in "$work"/*.png; do
    if [ -e "$picture" ]; then mv "$picture" "$OUT/"; fi
  done
}

# A copy of a test run with a picture taken after the first line matching
# the pattern.
with_picture() {
  local source=$1 pattern=$2 name=$3
  awk -v p="$pattern" -v n="$name" '{print} !done && $0 ~ p {print "wait 30"; print "screenshot " n; done=1}' \
    "$source" >"$TMP/$name.txt"
  echo "$TMP/$name.txt"
}

for script in scripts/screens/*.txt; do run "$script"; done
run "$(with_picture tests/app/scripts/campaign_abydos.txt '^waitscreen 21' room_complete.png)"
run "$(with_picture tests/app/scripts/campaign_abydos.txt '^waitscreen 22' location_complete.png)"
run "$(with_picture tests/app/scripts/aids_custom_dead_end_and_hints.txt '^waitscreen 23' congratulations.png)"
# The editor from the keyboard takes its own pictures: the toolbar's focus
# and the cursor cell.
run tests/app/scripts/keyboard_editor.txt
# The test runs' own pictures are not wanted here.
rm -f "$OUT"/campaign_*.png "$OUT"/aids_*.png
ls "$OUT"
