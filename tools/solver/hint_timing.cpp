// Hint searches timed from positions along random walks.
#include "tools/solver/hint_timing.h"

#include <chrono>
#include <ctime>
#include <random>

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
