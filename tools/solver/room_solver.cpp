// Breadth-first search over rooms at rest.
#include "room_solver.h"

#include <chrono>
#include <deque>
#include <unordered_set>

#include "engine/still_host.h"
#include "room_play.h"

namespace {

struct TNode {
  TRoomSnapshot room;
  long parent;  // index into the node list, -1 for the start
  TRoomMove move;
};

TMoveList pathTo(const std::vector<TNode>& nodes, long index) {
  TMoveList moves;
  for (long i = index; nodes[i].parent >= 0; i = nodes[i].parent) moves.insert(moves.begin(), nodes[i].move);
  return moves;
}

}  // namespace

TSolveResult solveRoom(const TLocation& location, int index, const TSolveLimits& limits) {
  const auto started = std::chrono::steady_clock::now();
  auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(); };
  TSolveResult result;
  TEnginePtr engine = startRoom(location, index, std::make_shared<TStillHost>());
  const bool traceLight = roomHasDecayedWalls(*engine);
  settleRoom(*engine, traceLight);

  std::vector<TNode> nodes;
  std::unordered_set<std::string> seen;
  std::deque<long> queue;
  seen.insert(stateKey(*engine));
  nodes.push_back({takeSnapshot(*engine), -1, {}});
  result.statesExplored = 1;
  if (glyphsAllLit(*engine)) {
    result.solved = true;
    result.seconds = elapsed();
    return result;
  }
  queue.push_back(0);
  while (!queue.empty()) {
    if (result.statesExplored >= limits.maxStates || elapsed() > limits.maxSeconds) {
      result.seconds = elapsed();
      return result;
    }
    const long from = queue.front();
    queue.pop_front();
    restoreSnapshot(*engine, nodes[from].room);
    const TMoveList moves = legalMoves(*engine);
    for (const TRoomMove& move : moves) {
      restoreSnapshot(*engine, nodes[from].room);
      if (!startMove(*engine, move) || !settleRoom(*engine, traceLight)) continue;
      if (!seen.insert(stateKey(*engine)).second) continue;
      ++result.statesExplored;
      nodes.push_back({takeSnapshot(*engine, &nodes[from].room), from, move});
      const long reached = static_cast<long>(nodes.size()) - 1;
      if (glyphsAllLit(*engine)) {
        result.solved = true;
        result.moves = pathTo(nodes, reached);
        result.seconds = elapsed();
        return result;
      }
      queue.push_back(reached);
    }
  }
  result.exhausted = true;
  result.seconds = elapsed();
  return result;
}
