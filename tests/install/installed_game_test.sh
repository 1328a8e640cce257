#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: every file where a Linux game's
# files belong, the launcher and metainfo accepted by their validators, and
# the installed game played from a read-only prefix, its player's files in
# $XDG_DATA_HOME/tesmoria.
#   installed_game_test.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
BUILD_DIR="$1"
P="$WORK/prefix"
cmake --install "$BUILD_DIR" --prefix "$P" >/dev/null || fail "cmake --install"

APP=org.tesmoria.Tesmoria
for f in bin/tesmoria bin/tesmoria-pack bin/tesmoria-room bin/tesmoria-solve bin/tesmoria-locmake \
         share/tesmoria/data1.dat share/tesmoria/data2.dat share/tesmoria/gfx/icon.png \
         share/applications/$APP.desktop share/metainfo/$APP.metainfo.xml \
         share/man/man6/tesmoria.6.gz share/man/man1/tesmoria-pack.1.gz share/man/man1/tesmoria-room.1.gz \
         share/man/man1/tesmoria-solve.1.gz share/man/man1/tesmoria-locmake.1.gz \
         share/doc/tesmoria/copyright share/doc/tesmoria/LICENSE-LinuxLibertine.txt \
         share/doc/tesmoria/LICENSE-FluidR3-soundfont.txt; do
  [ -s "$P/$f" ] || fail "missing $f"
done
ls "$P/share/tesmoria/sfx/"*.ogg >/dev/null 2>&1 || fail "no sounds installed"
# Only the game's data goes to share/tesmoria: no player files, no work folders.
for f in profiles locations-work data3.dat tesmoria; do
  [ ! -e "$P/share/tesmoria/$f" ] || fail "share/tesmoria/$f should not be installed"
done
[ -z "$(find "$P/share/tesmoria" -name '*.wav')" ] || fail "converted sounds were installed"

# Icons of the sizes their folders promise (a PNG's width and height are
# the big-endian words at bytes 16 and 20).
for size in 48 128 256; do
  icon="$P/share/icons/hicolor/${size}x${size}/apps/tesmoria.png"
  read -r w h < <(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4, $7*256+$8}')
  [ "$w $h" = "$size $size" ] || fail "$icon is $w x $h"
done

desktop-file-validate "$P/share/applications/$APP.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$P/share/metainfo/$APP.metainfo.xml" || fail "appstreamcli validate"
man -l "$P/share/man/man6/tesmoria.6.gz" 2>/dev/null | grep -q -- "--headless" || fail "the manual page lacks the options"

# The installed game, from a read-only prefix.
fresh_home
before="$(snapshot "$P")"
play "$P/bin/tesmoria" new_player.txt "$P"
play "$P/bin/tesmoria" found_again.txt "$P"
[ "$before" = "$(snapshot "$P")" ] || fail "something was written under the install prefix"
[ -f "$XDG_DATA_HOME/tesmoria/profiles/Nefer.cam" ] || fail "the profile is not in $XDG_DATA_HOME/tesmoria"
ls "$XDG_DATA_HOME/tesmoria/sfx/"*.wav >/dev/null 2>&1 || fail "the first start did not convert its sounds there"

# The installed tools find the installed data (the campaign pack).
"$P/bin/tesmoria-room" show Abydos >/dev/null || fail "tesmoria-room cannot find Abydos"
echo "installed game: layout, validators and read-only run pass (read-only by $RO_METHOD)"
