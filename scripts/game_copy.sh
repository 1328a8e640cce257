# Sourced by the long-run scripts: makes $work, a throw-away copy of the game
# folder of the build folder $1 with its sounds already converted (so every
# start is quick), removed when the script ends.
work=$(mktemp -d /tmp/tesmoria-run-XXXXXX)
trap 'rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
cp -a "$1/game/." "$work/"
(cd "$work" && ./tesmoria /unpack all >/dev/null 2>&1)
