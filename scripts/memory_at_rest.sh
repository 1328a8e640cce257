#!/usr/bin/env bash
# Where the game's resident memory goes at the idle main menu and in the
# first room of the campaign at rest, in a real window under Xvfb, from
# /proc/PID/smaps: the program's and each library's code and data, the
# malloc heap and arenas (pictures, kept layers, sounds and fonts live
# there: the software renderer's textures are memory it allocates), and the
# rest. Also the game's own count of its textures and sounds (GAME_MEMORY
# lines of its log, printed on SIGUSR1 when the build has it).
#
# Usage: scripts/memory_at_rest.sh [game folder]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb_session.sh memory 85
take_game_folders "${1:-build/game}"
source scripts/desktop_steps.sh

# Resident kB of the game by kind of mapping, largest first.
memory_by_kind() {
  awk '
    /^[0-9a-f]+-[0-9a-f]+ / {
      perms = $2; path = (NF >= 6) ? $6 : "";
      if (path == "") kind = "anonymous (malloc arenas, large allocations)";
      else if (path == "[heap]") kind = "[heap] (malloc main arena)";
      else if (path ~ /^\[/) kind = path;
      else {
        n = split(path, parts, "/"); lib = parts[n];
        kind = lib (perms ~ /x/ ? " code" : " data");
      }
      next
    }
    /^Rss:/ { rss[kind] += $2; total += $2 }
    END {
      for (k in rss) if (rss[k] >= 512) printf "%8.1f MB  %s\n", rss[k] / 1024, k;
      printf "%8.1f MB  total\n", total / 1024
    }' "/proc/$GAME_PID/smaps" | sort -rn
}

copy_named_game "${GAMES[0]}" "$WORK/game"
"$WORK/game/tesmoria" >"$WORK/out.txt" 2>&1 &
GAME_PID=$!
WINDOW=$(game_window "$GAME_PID")
game_to_menu
sleep 2
echo "== main menu"
memory_by_kind
game_to_room
sleep 2
echo "== first room at rest"
memory_by_kind
kill -USR1 "$GAME_PID" 2>/dev/null || true
sleep 0.5
grep -h GAME_MEMORY "$WORK/out.txt" "$WORK"/game/*.log 2>/dev/null || true
