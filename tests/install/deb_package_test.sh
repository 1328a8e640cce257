#!/usr/bin/env bash
# `cpack -G DEB` builds the package; its dependencies name the libraries the
# programs link; unpacked into a throw-away root, the installed game starts
# headless and reaches the main menu without writing under the root.
#   deb_package_test.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
BUILD_DIR="$1"
(cd "$WORK" && cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1) ||
  { cat "$WORK/cpack.log"; fail "cpack -G DEB"; }
deb="$(ls "$WORK/pkg/"*.deb)"
[ "$(dpkg-deb -f "$deb" Package)" = tesmoria ] || fail "package name"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for lib in libc6 libstdc++6 libsdl2 libpng16 libjpeg libfreetype libvorbisfile zlib1g; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib"
done

fresh_home
dpkg-deb -x "$deb" "$WORK/root"
[ -x "$WORK/root/usr/bin/tesmoria" ] || fail "no /usr/bin/tesmoria in the package"
[ -f "$WORK/root/usr/share/doc/tesmoria/copyright" ] || fail "no copyright file in the package"
before="$(snapshot "$WORK/root")"
play "$WORK/root/usr/bin/tesmoria" main_menu.txt "$WORK/root"
[ "$before" = "$(snapshot "$WORK/root")" ] || fail "the game wrote under the unpacked root"
[ -d "$XDG_DATA_HOME/tesmoria/profiles" ] || fail "no player folder in $XDG_DATA_HOME"
echo "deb package: $(basename "$deb") $(du -h "$deb" | cut -f1)"
