// Breadth-first exploration of every room at rest the player can reach. A
// solved room is an end: the game leaves the room as soon as all glyphs are
// lit, so nothing is explored beyond it.
#include "room_measure.h"

#include <chrono>
#include <deque>
#include <unordered_map>

#include "engine/still_host.h"
#include "tools/solver/room_play.h"

namespace {

struct TPosition {
  int depth = 0;
  bool solved = false;
  bool expanded = false;
  std::vector<long> next;  // distinct positions one move away
  std::vector<TRoomMove> nextMoves;
  long parent = -1;
  TRoomMove move;
};

}  // namespace

TRoomMeasure measureRoom(const TLocation& location, int index, const TMeasureBudget& budget) {
  const auto started = std::chrono::steady_clock::now();
  auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(); };
  TRoomMeasure result;
  TEnginePtr engine = startRoom(location, index, std::make_shared<TStillHost>());
  const bool traceLight = roomHasDecayedWalls(*engine);
  settleRoom(*engine, traceLight);

  std::vector<TPosition> positions(1);
  std::unordered_map<std::string, long> ids{{stateKey(*engine), 0}};
  std::deque<std::pair<long, TRoomSnapshot>> queue;
  positions[0].solved = glyphsAllLit(*engine);
  if (!positions[0].solved) queue.emplace_back(0, takeSnapshot(*engine));
  bool outOfBudget = false;
  while (!queue.empty()) {
    if (static_cast<long>(positions.size()) >= budget.maxPositions || elapsed() > budget.maxSeconds) {
      outOfBudget = true;
      break;
    }
    auto [from, snapshot] = std::move(queue.front());
    queue.pop_front();
    restoreSnapshot(*engine, snapshot);
    const TMoveList moves = legalMoves(*engine);
    positions[from].expanded = true;
    for (const TRoomMove& move : moves) {
      restoreSnapshot(*engine, snapshot);
      if (!startMove(*engine, move) || !settleRoom(*engine, traceLight)) continue;
      const auto [it, fresh] = ids.emplace(stateKey(*engine), static_cast<long>(positions.size()));
      const long to = it->second;
      if (fresh) {
        TPosition p;
        p.depth = positions[from].depth + 1;
        p.parent = from;
        p.move = move;
        p.solved = glyphsAllLit(*engine);
        positions.push_back(p);
        if (!p.solved) queue.emplace_back(to, takeSnapshot(*engine, &snapshot));
      }
      if (to == from) continue;
      bool known = false;
      for (long n : positions[from].next) known = known || n == to;
      if (!known) {
        positions[from].next.push_back(to);
        positions[from].nextMoves.push_back(move);
      }
    }
  }
  result.complete = !outOfBudget;
  result.positions = static_cast<long>(positions.size());

  // Shortest solution: breadth-first order makes the first solved position
  // found the nearest one.
  long nearest = -1;
  for (long i = 0; i < result.positions; ++i)
    if (positions[i].solved && (nearest < 0 || positions[i].depth < positions[nearest].depth)) nearest = i;
  if (nearest >= 0) {
    result.solved = true;
    result.shortest = positions[nearest].depth;
    for (long i = nearest; positions[i].parent >= 0; i = positions[i].parent)
      result.moves.insert(result.moves.begin(), positions[i].move);
  }

  // Ways of the shortest length: paths through the breadth-first layers.
  std::vector<long> ways(positions.size(), 0);
  ways[0] = 1;
  std::vector<std::vector<long>> layers;
  for (long i = 0; i < result.positions; ++i) {
    if (static_cast<int>(layers.size()) <= positions[i].depth) layers.resize(positions[i].depth + 1);
    layers[positions[i].depth].push_back(i);
  }
  for (const auto& layer : layers)
    for (long i : layer)
      for (long n : positions[i].next)
        if (positions[n].depth == positions[i].depth + 1) ways[n] += ways[i];
  for (long i = 0; i < result.positions; ++i)
    if (positions[i].solved && positions[i].depth == result.shortest) result.solutionsAtShortest += ways[i];
  result.oneMoveShortcut = result.shortest == 1;

  // Dead ends: positions from which no solved position can be reached.
  // Positions not yet expanded (budget) count as alive: nothing is known.
  std::vector<std::vector<long>> back(positions.size());
  long edges = 0, expanded = 0;
  for (long i = 0; i < result.positions; ++i) {
    for (long n : positions[i].next) back[n].push_back(i);
    if (positions[i].expanded) {
      edges += static_cast<long>(positions[i].next.size());
      ++expanded;
    }
  }
  std::vector<char> alive(positions.size(), 0);
  std::deque<long> open;
  for (long i = 0; i < result.positions; ++i)
    if (positions[i].solved || !positions[i].expanded) {
      alive[i] = 1;
      open.push_back(i);
    }
  while (!open.empty()) {
    const long i = open.front();
    open.pop_front();
    for (long p : back[i])
      if (!alive[p]) {
        alive[p] = 1;
        open.push_back(p);
      }
  }
  for (long i = 0; i < result.positions; ++i) result.deadPositions += alive[i] ? 0 : 1;
  result.branching = expanded > 0 ? double(edges) / double(expanded) : 0;
  result.seconds = elapsed();
  return result;
}
