#!/usr/bin/env bash
# Installs every Debian package Tesmoria needs to build, run, generate its
# assets and run its tests. Safe to run again: apt skips what is installed.
set -euo pipefail

PACKAGES=(
  # build
  build-essential cmake ninja-build pkg-config clang libclang-rt-dev ccache
  # libraries the game links
  libsdl2-dev libfreetype-dev libpng-dev libjpeg-dev zlib1g-dev libogg-dev libvorbis-dev
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # asset generation: pictures, music, fonts
  librsvg2-bin python3 python3-pil fluidsynth fluid-soundfont-gm sox
  fonts-dejavu-core fonts-ebgaramond fonts-linuxlibertine
  # looking at the game in a real window
  xvfb xauth imagemagick xdotool
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
echo "setup: all packages present"
