// tesmoria-solve: proves rooms solvable by searching the player's moves with
// the engine's own rules, or replays a written solution.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "platform/file_system.h"
#include "platform/game_folders.h"
#include "room_play.h"
#include "room_replay.h"
#include "room_solver.h"
#include "tools/locmake/location_source.h"

namespace {

const char* const kUsage =
    "Usage: tesmoria-solve [--game DIR] [--replay FILE.solution] [--states N] LOC [ROOM]\n"
    "Searches each room (or room ROOM) of LOC breadth-first over pushes and mirror\n"
    "turns, played out by the engine, and prints the shortest solution found with\n"
    "the number of rooms at rest explored and the time taken. With --replay it\n"
    "plays the written solutions instead, clicking as a player would, and reports\n"
    "whether every glyph lit. LOC is a location source (.rooms), a .loc file or a\n"
    "location name looked up as the game does. DIR holds gfx/objects.png (default:\n"
    "the folder of this program, or PREFIX/share/tesmoria when installed). --states\n"
    "caps the search (default 100000).\n"
    "Exit status 0 when every room asked about was solved.\n";

int fail(const std::string& message) {
  std::cerr << "tesmoria-solve: " << message << "\n";
  return 2;
}

// Bad use gets one line naming the mistake; --help has the rest.
int usageError(const std::string& message) { return fail(message + " (see tesmoria-solve --help)"); }

bool loadAnyLocation(const std::string& arg, TLocation& location, std::string& error) {
  if (ExtractExt(arg) == "rooms") return readLocationSource(arg, location, error);
  if (TStreamPtr s = ReadStream(arg)) {
    location.read(*s);
    CloseStream(s);
    location.name = StripExt(StripDir(arg));
  } else if (!location.load(arg)) {
    const std::string here = CurrentDir();
    const bool found = ChangeDir(GameDataFolder()) && location.load(arg);
    ChangeDir(here);
    if (!found) {
      error = "no location file or location named " + arg;
      return false;
    }
  }
  if (!location.loadProblem.empty()) {
    error = arg + " is damaged: " + location.loadProblem;
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string gameDir = GameDataFolder(), replayFile;
  TSolveLimits limits;
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (a == "--game" || a == "--replay" || a == "--states") {
      if (i + 1 >= argc) return usageError(a + " needs a value");
      const std::string value = argv[++i];
      if (a == "--game") gameDir = value;
      if (a == "--replay") replayFile = value;
      if (a == "--states" && (limits.maxStates = std::atol(value.c_str())) < 1)
        return usageError("--states needs a positive number");
    } else if (a.size() > 1 && a[0] == '-') {
      return usageError("unknown option " + a);
    } else {
      words.push_back(a);
    }
  }
  if (words.empty() || words.size() > 2) return usageError("needs a location and at most one room number");
  TLocation location;
  std::string error;
  if (!loadAnyLocation(words[0], location, error)) return fail(error);
  int first = 1, last = location.roomCount;
  if (words.size() == 2) {
    first = last = std::atoi(words[1].c_str());
    if (first < 1 || first > location.roomCount)
      return fail("room " + words[1] + " is not in " + words[0] + " (it has " + std::to_string(location.roomCount) +
                  " rooms)");
  }
  TSolutions solutions;
  if (!replayFile.empty() && !readSolutions(replayFile, solutions, error)) return fail(error);
  TGfx pictures;
  if (!loadObjectShapes(gameDir, pictures, error)) return fail(error);
  gfx = &pictures;

  bool allSolved = true;
  for (int i = first; i <= last; ++i) {
    const std::string room = "room " + std::to_string(i) + " (" + location.room[i]->name + "): ";
    if (!replayFile.empty()) {
      const auto found = solutions.find(i);
      const TReplayResult r = replayRoom(location, i, found == solutions.end() ? TMoveList{} : found->second);
      std::cout << room << (r.solved ? "all glyphs lit" : "not solved") << " after " << r.frames << " frames"
                << (r.error.empty() ? "" : ": " + r.error) << "\n";
      allSolved = allSolved && r.solved;
      continue;
    }
    const TSolveResult r = solveRoom(location, i, limits);
    char figures[96];
    std::snprintf(figures, sizeof figures, "%ld states explored in %.1f ms", r.statesExplored, r.seconds * 1000);
    if (r.solved)
      std::cout << room << "solved in " << r.moves.size() << (r.moves.size() == 1 ? " move, " : " moves, ") << figures
                << "\n  room " << i << ": " << describeMoves(r.moves) << "\n";
    else
      std::cout << room << (r.exhausted ? "no solution exists, " : "no solution found within the limits, ") << figures
                << "\n";
    allSolved = allSolved && r.solved;
  }
  gfx = nullptr;
  return allSolved ? 0 : 1;
}
