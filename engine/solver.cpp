// Breadth-first search over a room's positions, on the model where it can
// stand for the room and on the engine where it cannot.
#include "engine/solver.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <unordered_set>

#include "engine/breadth_search.h"
#include "engine/still_host.h"

namespace {

using namespace breadth_search;

// The slow way, for rooms the model cannot stand for: every move played
// out by the engine, positions told apart by their objects.
TSolveResult searchOnEngine(TEngine& engine, const TSolveBudget& budget, const std::string& why) {
  const auto started = TClock::now();
  auto elapsed = [&] { return std::chrono::duration<double>(TClock::now() - started).count(); };
  TSolveResult result;
  result.note = why;
  struct TNode {
    TRoomSnapshot room;
    long parent;
    TRoomMove move;
  };
  std::vector<TNode> nodes;
  std::unordered_set<std::string> seen;
  std::deque<long> queue;
  seen.insert(stateKey(engine));
  nodes.push_back({engine.takeSnapshot(), -1, {}});
  auto finish = [&](TSolveVerdict verdict, long reached) {
    result.verdict = verdict;
    for (long i = reached; i >= 0 && nodes[i].parent >= 0; i = nodes[i].parent)
      result.moves.insert(result.moves.begin(), nodes[i].move);
    result.positions = static_cast<long>(nodes.size());
    result.seconds = elapsed();
    return result;
  };
  if (glyphsAllLit(engine)) return finish(TSolveVerdict::solved, 0);
  queue.push_back(0);
  while (!queue.empty()) {
    if (static_cast<long>(nodes.size()) >= budget.maxPositions || elapsed() > budget.maxSeconds ||
        (budget.cancel && budget.cancel->load()))
      return finish(TSolveVerdict::unknown, -1);
    const long from = queue.front();
    queue.pop_front();
    engine.restoreSnapshot(nodes[from].room);
    const TMoveList moves = legalMoves(engine);
    for (const TRoomMove& move : moves) {
      engine.restoreSnapshot(nodes[from].room);
      ++result.movesTried;
      ++result.engineMoves;
      if (!playMove(engine, move)) continue;
      if (!seen.insert(stateKey(engine)).second) continue;
      nodes.push_back({engine.takeSnapshot(), from, move});
      if (glyphsAllLit(engine)) return finish(TSolveVerdict::solved, static_cast<long>(nodes.size()) - 1);
      queue.push_back(static_cast<long>(nodes.size()) - 1);
    }
  }
  return finish(TSolveVerdict::unsolvable, -1);
}

// A solution counts once the engine, played move by move from the start,
// lights every glyph with it.
bool provenOnEngine(TEngine& engine, const TRoomSnapshot& start, const TMoveList& moves) {
  engine.restoreSnapshot(start);
  for (const TRoomMove& move : moves)
    if (!playMove(engine, move)) return false;
  return glyphsAllLit(engine);
}


// The model's search with keys of W words, to a result.
template <int W>
TSolveResult searchModel(const TRoomModel& model, const std::vector<TEnginePtr>& clones, const TSolveBudget& budget,
                         const TRoomSnapshot& start) {
  TEngine& main = *clones.front();
  TSearch<W> search(model, clones, budget, true, false);
  const bool finished = search.run();
  TSolveResult result;
  result.usedModel = true;
  result.positions = static_cast<long>(search.store().size());
  result.movesTried = search.movesTried();
  result.engineMoves = search.engineMoves();
  result.bytes = search.peakBytes();
  if (search.firstSolved() >= 0) {
    result.moves = search.solution();
    result.verdict = TSolveVerdict::solved;
    if (!provenOnEngine(main, start, result.moves)) {
      main.restoreSnapshot(start);
      TSolveBudget rest = budget;
      rest.maxSeconds = std::max(0.0, budget.maxSeconds - search.seconds());
      return searchOnEngine(main, rest, "the engine did not light every glyph with the model's solution");
    }
    main.restoreSnapshot(start);
  } else {
    result.verdict = finished ? TSolveVerdict::unsolvable : TSolveVerdict::unknown;
  }
  return result;
}

TSolveResult solveOnClones(const std::vector<TEnginePtr>& clones, const TSolveBudget& budget) {
  const auto started = TClock::now();
  TEngine& main = *clones.front();
  for (const TEnginePtr& e : clones)
    if (!roomAtRest(*e)) settleRoom(*e);
  const TRoomSnapshot start = main.takeSnapshot();
  const TRoomModel model(main);
  if (!model.ok()) return searchOnEngine(main, budget, "the model cannot stand for this room: " + model.problem());
  TSolveResult result =
      withKeyWords(model, [&]<int W>() { return searchModel<W>(model, clones, budget, start); });
  if (result.usedModel) result.seconds = std::chrono::duration<double>(TClock::now() - started).count();
  return result;
}

// A full search with keys of W words, its figures written into a.
template <int W>
void analyseModel(const TRoomModel& model, const std::vector<TEnginePtr>& clones, const TSolveBudget& budget,
                  TRoomAnalysis& a) {
  TSearch<W> search(model, clones, budget, false, true);
  const bool finished = search.run();
  const size_t n = search.store().size();
  a.complete = finished;
  a.positions = static_cast<long>(n);
  a.shortest = search.shortest();
  a.branching = n > 0 ? static_cast<double>(search.edges()) / static_cast<double>(n) : 0;
  if (search.firstSolved() >= 0) {
    for (size_t i = 0; i < n; ++i)
      if (search.solvedFlags()[i]) ++a.solvedPositions;
    // Shortest solutions: the ways into the solved positions of the first
    // layer that has any.
    for (size_t i = 0; i < n; ++i) {
      if (!search.solvedFlags()[i]) continue;
      int d = 0;
      for (uint32_t j = static_cast<uint32_t>(i); search.store().parent(j) != UINT32_MAX; j = search.store().parent(j))
        ++d;
      if (d == a.shortest) a.solutionsAtShortest += search.counts()[i];
    }
  }
  if (finished) {
    // Dead positions: from which no chain of moves reaches a solved one.
    std::vector<std::vector<uint32_t>> into(n);
    const TMoveGraph& graph = search.graph();
    for (size_t from = 0; from < n; ++from)
      for (uint32_t k = graph.first(from); k < graph.first(from + 1); ++k)
        into[graph.to(k)].push_back(static_cast<uint32_t>(from));
    std::vector<bool> alive(n, false);
    std::vector<uint32_t> work;
    for (size_t i = 0; i < n; ++i)
      if (search.solvedFlags()[i]) alive[i] = true, work.push_back(static_cast<uint32_t>(i));
    while (!work.empty()) {
      const uint32_t at = work.back();
      work.pop_back();
      for (uint32_t from : into[at])
        if (!alive[from]) alive[from] = true, work.push_back(from);
    }
    a.deadPositions = static_cast<long>(std::count(alive.begin(), alive.end(), false));
  }
  a.verdict = search.firstSolved() >= 0 ? TSolveVerdict::solved
              : finished                ? TSolveVerdict::unsolvable
                                        : TSolveVerdict::unknown;
}

}  // namespace

TEnginePtr cloneRoom(const TEngine& room) {
  auto e = std::make_shared<TEngine>();
  e->host = std::make_shared<TStillHost>();
  e->pictures = room.pictures;
  e->location = room.location;
  e->setOffset(room.xOffset, room.yOffset);
  for (int c = 0; c < TEngine::kColumns; ++c)
    for (int r = 0; r < TEngine::kRows; ++r) e->blk[c][r] = room.blk[c][r] ? room.blk[c][r]->copy() : nullptr;
  // Counted again: the editor's room may have glyphs painted since it was built.
  e->glyphCount = room.countGlyphs();
  e->glyphCh.assign(static_cast<size_t>(e->glyphCount) + 1, nullptr);
  e->roomName = room.roomName;
  e->restoreSnapshot(room.takeSnapshot());
  // Fog as play has it, whatever the room was built with (the editor's
  // half fog): rebuilt from the emitters and the walls still standing.
  for (int c = 0; c < TEngine::kColumns; ++c)
    for (int r = 0; r < TEngine::kRows; ++r)
      if (TBlock* b = e->cell(c, r)) b->fog = 0;
  e->createShadowMap(1.0f);
  for (int i = 1; i <= e->roomObjects; ++i)
    if (TObject* o = e->object(i)) o->sparkleTime = 1e9f;  // sparkles only draw
  return e;
}

TSolveResult solveClone(TEngine& clone, const TSolveBudget& budget) {
  TSolveBudget one = budget;
  one.threads = 1;
  const std::vector<TEnginePtr> clones = {std::shared_ptr<TEngine>(&clone, [](TEngine*) {})};
  return solveOnClones(clones, one);
}

TSolveResult solveRoom(const TEngine& room, const TSolveBudget& budget) {
  return solveOnClones(clonesFor(room, budget), budget);
}

TSolveResult solveRoomOnEngine(const TEngine& room, const TSolveBudget& budget) {
  const TEnginePtr clone = cloneRoom(room);
  if (!roomAtRest(*clone)) settleRoom(*clone);
  return searchOnEngine(*clone, budget, "asked for the engine");
}

TRoomAnalysis analyseRoom(const TEngine& room, const TSolveBudget& budget) {
  const auto started = TClock::now();
  TRoomAnalysis a;
  const std::vector<TEnginePtr> clones = clonesFor(room, budget);
  for (const TEnginePtr& e : clones)
    if (!roomAtRest(*e)) settleRoom(*e);
  const TRoomModel model(*clones.front());
  if (!model.ok()) {
    a.verdict = TSolveVerdict::unknown;
    return a;
  }
  a.movables = model.pieceCount();
  a.mechanics = model.mechanics();
  withKeyWords(model, [&]<int W>() { analyseModel<W>(model, clones, budget, a); });
  a.seconds = std::chrono::duration<double>(TClock::now() - started).count();
  return a;
}

std::string verdictText(TSolveVerdict verdict) {
  switch (verdict) {
    case TSolveVerdict::solved:
      return "solved";
    case TSolveVerdict::unsolvable:
      return "no solution";
    case TSolveVerdict::unknown:
      break;
  }
  return "not decided within the search budget";
}
