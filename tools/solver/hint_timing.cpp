// Hint searches timed from positions along random walks.
#include "tools/solver/hint_timing.h"

#include <chrono>
#include <ctime>
#include <random>

#include "engine/room_atlas.h"
#include "engine/room_play.h"
#include "engine/solver.h"
#include "engine/still_host.h"

void timeHints(const TLocation& location, int index, const TRoomPictures& pictures, int walks, int maxMoves,
               uint32_t seed, THintTiming& timing) {
  std::mt19937 rng(seed);
  const TEnginePtr start = startRoom(location, index, std::make_shared<TStillHost>(), pictures);
  if (!roomAtRest(*start)) settleRoom(*start);
  const TRoomSnapshot startPosition = start->takeSnapshot();
  TSolveBudget budget;  // what a hint is given in play, on the one core it has
  budget.threads = 1;
  budget.maxPositions = 2'000'000;
  budget.maxSeconds = 8;
  // The atlas as the game makes it when the room opens.
  const auto mapping = std::chrono::steady_clock::now();
  const std::unique_ptr<TRoomAtlas> atlas = TRoomAtlas::mapClone(cloneRoom(*start), atlasBudget());
  const double mapSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - mapping).count();
  if (!atlas) ++timing.roomsWithoutAtlas;
  if (atlas && mapSeconds > timing.atlasMakingSeconds) timing.atlasMakingSeconds = mapSeconds;
  if (atlas) timing.atlasPositions = std::max(timing.atlasPositions, atlas->positions());
  for (int walk = 0; walk < walks; ++walk) {
    start->restoreSnapshot(startPosition);
    TMoveList played;
    for (int step = 0; step <= maxMoves; ++step) {
      // The wait a player sees: the room copied, then the search.
      const auto asked = std::chrono::steady_clock::now();
      const std::clock_t cpuAsked = std::clock();
      const TSolveResult r = solveRoom(*start, budget);
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - asked).count();
      const double cpuSeconds = static_cast<double>(std::clock() - cpuAsked) / CLOCKS_PER_SEC;
      ++timing.searches;
      // The same hint from the atlas; where it has no answer, the search's time stands.
      TMoveList way;
      const auto read = std::chrono::steady_clock::now();
      const bool answered = atlas && atlas->wayFrom(*start, way) != TRoomAtlas::TWay::unknown;
      const double fromAtlas =
          answered ? std::chrono::duration<double>(std::chrono::steady_clock::now() - read).count() : seconds;
      if (!answered) ++timing.atlasMisses;
      if (answered && !way.empty() && r.verdict == TSolveVerdict::solved && way.size() != r.moves.size())
        timing.atlasWorstWhere = "DISAGREES with the search in " + location.name + " room " + std::to_string(index);
      if (fromAtlas > timing.atlasWorstSeconds && timing.atlasWorstWhere.rfind("DISAGREES", 0) != 0) {
        timing.atlasWorstSeconds = fromAtlas;
        timing.atlasWorstWhere = location.name + " room " + std::to_string(index) + " after \"" +
                                 describeMoves(played) + "\"";
      }
      if (r.verdict == TSolveVerdict::unknown) ++timing.undecided;
      if (seconds > timing.worstSeconds) {
        timing.worstSeconds = seconds;
        timing.worstCpuSeconds = cpuSeconds;
        timing.worstWhere = location.name + " room " + std::to_string(index) + " after \"" + describeMoves(played) +
                            "\" (" + verdictText(r.verdict) + ", " + std::to_string(r.positions) + " positions)";
      }
      const TMoveList moves = legalMoves(*start);
      if (moves.empty()) break;
      const TRoomMove move = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(rng)];
      if (!playMove(*start, move)) break;
      played.push_back(move);
    }
  }
}
