// tesmoria-solve: proves rooms solvable by searching the player's moves with
// the engine's own rules, or replays a written solution.
#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/game_folders.h"
#include "engine/room_play.h"
#include "engine/solver.h"
#include "engine/still_host.h"
#include "hint_timing.h"
#include "model_parity.h"
#include "room_replay.h"
#include "tools/locmake/location_source.h"

namespace {

const char* const kUsage =
    "Usage: tesmoria-solve [--game DIR] [--replay FILE.solution] [--states N] [--seconds S]\n"
    "                      [--threads N] [--analyse] LOC [ROOM]\n"
    "Searches each room (or room ROOM) of LOC breadth-first over pushes and mirror\n"
    "turns and prints a shortest solution, proven on the engine, with the positions\n"
    "reached, positions per second, memory and time. --analyse explores every\n"
    "position instead and prints the figures a designer grades rooms by. With --replay it\n"
    "plays the written solutions instead, clicking as a player would, and reports\n"
    "whether every glyph lit. LOC is a location source (.rooms), a .loc file or a\n"
    "location name looked up as the game does. DIR holds gfx/objects.png (default:\n"
    "the folder of this program, or PREFIX/share/tesmoria when installed). --states caps the positions (default 20000000),\n"
    "--seconds the time per room (default 60), --threads the cores (default all).\n"
    "  tesmoria-solve --parity [--states N] LOC [ROOM]  compares the solver's model\n"
    "      with the engine on every move from up to N positions of each room\n"
    "  tesmoria-solve --parity-random ROOMS [--states N]  the same on ROOMS random rooms\n"
    "  tesmoria-solve --hint-walks N LOC [ROOM]  times a hint (one core) from every position\n"
    "      of N random walks of up to 15 moves in each room, and prints the slowest\n"
    "Exit status 0 when every room asked about was solved (or the model agreed).\n";

// Prints a parity report; 0 when the model agreed with the engine throughout.
int reportParity(const TParityReport& r) {
  std::cout << "compared " << r.moves << " moves from " << r.positions << " positions; " << r.uncertain
            << " moves left to the engine; " << r.roomsRefused << " rooms the model could not stand for; "
            << r.differences.size() << " differences\n";
  for (const std::string& d : r.differences) std::cout << "  " << d << "\n";
  return r.differences.empty() ? 0 : 1;
}

int fail(const std::string& message) {
  std::cerr << "tesmoria-solve: " << message << "\n";
  return 2;
}

// Bad use gets one line naming the mistake; --help has the rest.
int usageError(const std::string& message) { return fail(message + " (see tesmoria-solve --help)"); }

bool loadAnyLocation(const std::string& arg, TLocation& location, std::string& error) {
  if (ExtractExt(arg) == "rooms") return readLocationSource(arg, location, error);
  if (FileExists(arg)) {
    // Something is there: it is read as a location file or refused, never
    // taken for an empty location.
    if (!readLocationFile(arg, location, error)) return false;
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
  TSolveBudget limits;
  // A room of eight open pieces needs some seven million positions; at
  // about 32 bytes each the default stays well inside a desktop's memory.
  constexpr long kDefaultStates = 20'000'000;
  limits.maxPositions = kDefaultStates;
  limits.maxSeconds = 60;
  bool analyse = false, parity = false;
  long parityRandom = 0;
  int hintWalks = 0;
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (a == "--analyse" || a == "--parity") {
      (a == "--analyse" ? analyse : parity) = true;
      continue;
    }
    if (a == "--hint-walks") {
      if (i + 1 >= argc || (hintWalks = std::atoi(argv[++i])) < 1) return fail("--hint-walks needs a number of walks");
      continue;
    }
    if (a == "--parity-random") {
      if (i + 1 >= argc || (parityRandom = std::atol(argv[++i])) < 1) return fail("--parity-random needs a number of rooms");
      continue;
    }
    if (a == "--game" || a == "--replay" || a == "--states" || a == "--seconds" || a == "--threads") {
      if (i + 1 >= argc) return usageError(a + " needs a value");
      const std::string value = argv[++i];
      if (a == "--game") gameDir = value;
      if (a == "--replay") replayFile = value;
      if (a == "--states" && (limits.maxPositions = std::atol(value.c_str())) < 1)
        return fail("--states needs a positive number");
      if (a == "--seconds" && (limits.maxSeconds = std::atof(value.c_str())) <= 0)
        return fail("--seconds needs a positive number");
      if (a == "--threads" && (limits.threads = std::atoi(value.c_str())) < 1)
        return fail("--threads needs a positive number");
    } else if (a.size() > 1 && a[0] == '-') {
      return usageError("unknown option " + a);
    } else {
      words.push_back(a);
    }
  }
  if (parityRandom > 0) {
    TRoomPictures pictures;
    std::string error;
    if (!loadObjectShapes(gameDir, pictures, error)) return fail(error);
    const long positions = limits.maxPositions == kDefaultStates ? 100 : limits.maxPositions;
    TParityReport report;
    for (long seed = 1; seed <= parityRandom; ++seed) {
      const TLocation location = randomPuzzleRoom(static_cast<uint32_t>(seed));
      checkParity(*startRoom(location, 1, std::make_shared<TStillHost>(), pictures), positions, report);
    }
    return reportParity(report);
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
  TRoomPictures pictures;
  if (!loadObjectShapes(gameDir, pictures, error)) return fail(error);

  if (parity) {
    TParityReport report;
    for (int i = first; i <= last; ++i)
      checkParity(*startRoom(location, i, std::make_shared<TStillHost>(), pictures), limits.maxPositions, report);
    return reportParity(report);
  }

  if (hintWalks > 0) {
    THintTiming timing;
    for (int i = first; i <= last; ++i) timeHints(location, i, pictures, hintWalks, 15, static_cast<uint32_t>(i), timing);
    std::printf("timed %ld hint searches, %ld undecided; the slowest took %.1f ms (%.1f ms of processor time): %s\n",
                timing.searches, timing.undecided, timing.worstSeconds * 1000, timing.worstCpuSeconds * 1000,
                timing.worstWhere.c_str());
    std::printf("with the room's atlas: the slowest hint took %.3f ms (%s); %ld positions it could not answer for, "
                "%ld rooms too big to map; the slowest atlas took %.2f s to make, the largest holds %ld positions\n",
                timing.atlasWorstSeconds * 1000, timing.atlasWorstWhere.c_str(), timing.atlasMisses,
                timing.roomsWithoutAtlas, timing.atlasMakingSeconds, timing.atlasPositions);
    return 0;
  }

  bool allSolved = true;
  for (int i = first; i <= last; ++i) {
    const std::string room = "room " + std::to_string(i) + " (" + location.room[i]->name + "): ";
    if (!replayFile.empty()) {
      const auto found = solutions.find(i);
      const TReplayResult r = replayRoom(location, i, found == solutions.end() ? TMoveList{} : found->second, pictures);
      std::cout << room << (r.solved ? "all glyphs lit" : "not solved") << " after " << r.frames << " frames"
                << (r.error.empty() ? "" : ": " + r.error) << "\n";
      allSolved = allSolved && r.solved;
      continue;
    }
    const TEnginePtr start = startRoom(location, i, std::make_shared<TStillHost>(), pictures);
    if (analyse) {
      const TRoomAnalysis a = analyseRoom(*start, limits);
      char figures[256];
      std::snprintf(figures, sizeof figures,
                    "shortest %d, positions %ld, dead %ld, solved %ld, branching %.2f, shortest solutions %.0f, "
                    "movables %d, %.2f s",
                    a.shortest, a.positions, a.deadPositions, a.solvedPositions, a.branching, a.solutionsAtShortest,
                    a.movables, a.seconds);
      std::string mechanics;
      for (const std::string& m : a.mechanics) mechanics += (mechanics.empty() ? "" : ", ") + m;
      std::cout << room << verdictText(a.verdict) << "; " << figures << "; mechanics: " << mechanics << "\n";
      allSolved = allSolved && a.verdict == TSolveVerdict::solved;
      continue;
    }
    // Processor time as well as the clock's: on a busy machine the search
    // gets only part of a core, and positions per processor second is what
    // the search itself manages.
    const std::clock_t cpuBefore = std::clock();
    const TSolveResult r = solveRoom(*start, limits);
    const double cpuSeconds = static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    char figures[240];
    std::snprintf(figures, sizeof figures,
                  "%ld positions in %.1f ms (%.0f positions/s, %.0f per processor second, %ld moves tried, %.1f MB)",
                  r.positions, r.seconds * 1000, r.seconds > 0 ? r.positions / r.seconds : 0.0,
                  cpuSeconds > 0 ? r.positions / cpuSeconds : 0.0, r.movesTried, static_cast<double>(r.bytes) / (1 << 20));
    const bool solved = r.verdict == TSolveVerdict::solved;
    if (solved)
      std::cout << room << "solved in " << r.moves.size() << (r.moves.size() == 1 ? " move, " : " moves, ") << figures
                << "\n  room " << i << ": " << describeMoves(r.moves) << "\n";
    else
      std::cout << room << verdictText(r.verdict) << ", " << figures << "\n";
    if (!r.note.empty()) std::cout << "  (" << r.note << ")\n";
    allSolved = allSolved && solved;
  }
  return allSolved ? 0 : 1;
}
