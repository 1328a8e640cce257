// Measuring a room with the engine's solver: one full analysis of every
// position the player's moves reach, and a shortest solution.
#include "tools/roomgen/room_measure.h"

#include "engine/room_play.h"
#include "engine/solver.h"
#include "engine/still_host.h"

TRoomPictures& roomShapes() {
  static TRoomPictures shapes;
  return shapes;
}

TRoomMeasure measureRoom(const TLocation& location, int index, const TMeasureBudget& budget) {
  TRoomMeasure m;
  const TEnginePtr start = startRoom(location, index, std::make_shared<TStillHost>(), roomShapes());
  TSolveBudget search;
  search.maxPositions = budget.maxPositions;
  search.maxSeconds = budget.maxSeconds;
  search.threads = budget.threads;
  const TRoomAnalysis a = analyseRoom(*start, search);
  m.solved = a.verdict == TSolveVerdict::solved;
  m.complete = a.complete;
  m.shortest = a.shortest;
  m.positions = a.positions;
  m.deadPositions = a.deadPositions;
  m.branching = a.branching;
  m.solutionsAtShortest = static_cast<long>(a.solutionsAtShortest);
  m.oneMoveShortcut = a.shortest == 1;
  m.seconds = a.seconds;
  if (m.solved) m.moves = solveRoom(*start, search).moves;
  return m;
}
