// Breadth-first search over a room's positions, on the model where it can
// stand for the room and on the engine where it cannot.
#include "engine/solver.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <mutex>
#include <thread>
#include <unordered_set>

#include "engine/room_model.h"
#include "engine/room_play.h"
#include "engine/still_host.h"

namespace {

using TClock = std::chrono::steady_clock;

int threadsFor(const TSolveBudget& budget) {
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return std::clamp(budget.threads > 0 ? budget.threads : cores, 1, 16);
}

// A move in two bytes: the cell, the direction, or a turn.
uint16_t packMove(const TRoomMove& m) {
  const int cell = (m.r - 1) * 12 + (m.c - 1);
  const int dir = m.turn ? 4 : m.dx > 0 ? 0 : m.dx < 0 ? 1 : m.dy > 0 ? 2 : 3;
  return static_cast<uint16_t>(cell << 3 | dir);
}
TRoomMove unpackMove(uint16_t v) {
  constexpr int kDirs[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  TRoomMove m;
  const int cell = v >> 3, dir = v & 7;
  m.c = cell % 12 + 1;
  m.r = cell / 12 + 1;
  if (dir == 4)
    m.turn = true;
  else
    m.dx = kDirs[dir][0], m.dy = kDirs[dir][1];
  return m;
}

uint64_t hashKey(const TModelKey& key, int bytes) {
  uint64_t h = 0x9E3779B97F4A7C15ull ^ static_cast<uint64_t>(bytes);
  for (int i = 0; i < bytes; i += 8) {
    uint64_t w = 0;
    for (int j = 0; j < 8 && i + j < bytes; ++j) w |= static_cast<uint64_t>(key.bytes[i + j]) << (8 * j);
    h ^= w;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  }
  return h;
}

// Every position seen: its key (only the bytes the room needs), the
// position it was reached from and the move that reached it.
class TPositionStore {
 public:
  explicit TPositionStore(int keyBytes) : keyBytes_(std::max(keyBytes, 1)) { table_.assign(1 << 16, 0); }

  size_t size() const { return parent_.size(); }
  uint32_t parent(size_t i) const { return parent_[i]; }
  uint16_t move(size_t i) const { return move_[i]; }
  TModelKey key(size_t i) const {
    TModelKey k;
    std::copy_n(keys_.begin() + static_cast<std::ptrdiff_t>(i * keyBytes_), keyBytes_, k.bytes.begin());
    return k;
  }
  size_t bytes() const {
    return keys_.capacity() + parent_.capacity() * sizeof(uint32_t) + move_.capacity() * sizeof(uint16_t) +
           table_.capacity() * sizeof(uint32_t);
  }

  // The position's index, and whether it was new.
  std::pair<uint32_t, bool> insert(const TModelKey& key, uint64_t hash, uint32_t parent, uint16_t move) {
    if ((size() + 1) * 2 > table_.size()) grow();
    size_t slot = hash & (table_.size() - 1);
    while (table_[slot] != 0) {
      const uint32_t at = table_[slot] - 1;
      if (std::equal(key.bytes.begin(), key.bytes.begin() + keyBytes_,
                     keys_.begin() + static_cast<std::ptrdiff_t>(at) * keyBytes_))
        return {at, false};
      slot = (slot + 1) & (table_.size() - 1);
    }
    const uint32_t index = static_cast<uint32_t>(size());
    keys_.insert(keys_.end(), key.bytes.begin(), key.bytes.begin() + keyBytes_);
    parent_.push_back(parent);
    move_.push_back(move);
    table_[slot] = index + 1;
    return {index, true};
  }

 private:
  void grow() {
    std::vector<uint32_t> old;
    old.swap(table_);
    table_.assign(old.size() * 2, 0);
    for (uint32_t entry : old) {
      if (entry == 0) continue;
      const TModelKey k = key(entry - 1);
      size_t slot = hashKey(k, keyBytes_) & (table_.size() - 1);
      while (table_[slot] != 0) slot = (slot + 1) & (table_.size() - 1);
      table_[slot] = entry;
    }
  }

  int keyBytes_;
  std::vector<uint8_t> keys_;
  std::vector<uint32_t> parent_;
  std::vector<uint16_t> move_;
  std::vector<uint32_t> table_;
};

// One successor found by a worker.
struct TChild {
  TModelKey key;
  uint64_t hash = 0;
  uint32_t parent = 0;
  uint16_t move = 0;
  bool solved = false;
};

// The search, shared by solving and analysing.
class TSearch {
 public:
  TSearch(const TRoomModel& model, const std::vector<TEnginePtr>& engines, const TSolveBudget& budget,
          bool stopAtSolution, bool recordEdges)
      : model_(model),
        engines_(engines),
        budget_(budget),
        stop_(stopAtSolution),
        recordEdges_(recordEdges),
        store_(model.keyBytes()),
        started_(TClock::now()) {}

  // Runs until a solution (when stopping there), the end of the reachable
  // positions, or the budget. Returns false when the budget ran out.
  bool run() {
    const TRoomModel::TState& start = model_.initial();
    const TModelKey key = model_.pack(start);
    store_.insert(key, hashKey(key, model_.keyBytes()), UINT32_MAX, 0);
    solvedFlags_.push_back(model_.solved(start));
    if (recordEdges_) counts_.push_back(1);
    if (solvedFlags_[0]) {
      firstSolved_ = 0;
      shortest_ = 0;
      if (stop_) return true;
    }
    const int threads = std::min<int>(threadsFor(budget_), static_cast<int>(engines_.size()));
    size_t layerStart = 0, layerEnd = store_.size();
    int depth = 0;
    while (layerStart < layerEnd) {
      ++depth;
      const size_t nextStart = store_.size();
      // The layer goes in batches, so that what the workers find is never
      // much more than the positions it adds.
      constexpr size_t kBatch = 4096;
      for (size_t batchStart = layerStart; batchStart < layerEnd; batchStart += kBatch * threads) {
        if (outOfBudget()) return false;
        const size_t batchEnd = std::min(layerEnd, batchStart + kBatch * threads);
        std::vector<std::vector<TChild>> found(threads);
        std::vector<std::thread> workers;
        const size_t count = batchEnd - batchStart;
        const size_t chunk = (count + threads - 1) / threads;
        std::atomic<bool> abort{false};
        for (int t = 0; t < threads; ++t) {
          const size_t from = batchStart + t * chunk, to = std::min(batchEnd, from + chunk);
          if (from >= to) continue;
          auto work = [this, t, from, to, &found, &abort] { expand(t, from, to, found[t], abort); };
          if (t + 1 == threads || count < 64)
            work();  // the calling thread takes a share too
          else
            workers.emplace_back(work);
        }
        for (std::thread& w : workers) w.join();
        if (abort) return false;
        for (const auto& list : found)
          for (const TChild& child : list) {
            ++edges_;
            const auto [index, added] = store_.insert(child.key, child.hash, child.parent, child.move);
            if (recordEdges_) edgeList_.push_back({child.parent, index});
            if (added) {
              solvedFlags_.push_back(child.solved);
              if (recordEdges_) counts_.push_back(counts_[child.parent]);
              if (child.solved && firstSolved_ < 0) {
                firstSolved_ = index;
                shortest_ = depth;
                if (stop_) return true;
              }
            } else if (recordEdges_ && index >= nextStart) {
              counts_[index] += counts_[child.parent];  // another shortest way into the next layer
            }
            if (static_cast<long>(store_.size()) >= budget_.maxPositions) return false;
          }
        if (budget_.progress) budget_.progress->store(static_cast<long>(store_.size()));
        peakBytes_ = std::max(peakBytes_, store_.bytes() + edgeList_.capacity() * sizeof(edgeList_[0]) +
                                              counts_.capacity() * sizeof(double));
      }
      layerStart = nextStart;
      layerEnd = store_.size();
    }
    return true;
  }

  TMoveList solution() const {
    TMoveList moves;
    if (firstSolved_ < 0) return moves;
    for (uint32_t i = static_cast<uint32_t>(firstSolved_); store_.parent(i) != UINT32_MAX; i = store_.parent(i))
      moves.insert(moves.begin(), unpackMove(store_.move(i)));
    return moves;
  }

  const TPositionStore& store() const { return store_; }
  long movesTried() const { return movesTried_; }
  long engineMoves() const { return engineMoves_; }
  long edges() const { return edges_; }
  size_t peakBytes() const { return std::max(peakBytes_, store_.bytes()); }
  long firstSolved() const { return firstSolved_; }
  int shortest() const { return shortest_; }
  const std::vector<bool>& solvedFlags() const { return solvedFlags_; }
  const std::vector<double>& counts() const { return counts_; }
  const std::vector<std::pair<uint32_t, uint32_t>>& edgeList() const { return edgeList_; }
  double seconds() const { return std::chrono::duration<double>(TClock::now() - started_).count(); }

 private:
  bool outOfBudget() const {
    return (budget_.cancel && budget_.cancel->load()) || seconds() > budget_.maxSeconds;
  }

  void expand(int worker, size_t from, size_t to, std::vector<TChild>& out, std::atomic<bool>& abort) {
    std::vector<TRoomMove> moves;
    long tried = 0, onEngine = 0;
    for (size_t i = from; i < to; ++i) {
      if ((i & 255) == 0 && (abort || outOfBudget())) {
        abort = true;
        break;
      }
      const TRoomModel::TState state = model_.unpack(store_.key(i));
      model_.moves(state, moves);
      for (const TRoomMove& move : moves) {
        ++tried;
        TRoomModel::TState next;
        const TRoomModel::TStep step = model_.apply(state, move, next);
        if (step == TRoomModel::TStep::refused) continue;
        if (step == TRoomModel::TStep::uncertain) {
          ++onEngine;
          if (!playOnEngine(*engines_[worker], state, move, next)) continue;
        }
        TChild child;
        child.solved = model_.solved(next);
        // Solving skips positions that can never lead out; an analysis counts them.
        if (!child.solved && stop_ && model_.hopeless(next)) continue;
        child.key = model_.pack(next);
        child.hash = hashKey(child.key, model_.keyBytes());
        child.parent = static_cast<uint32_t>(i);
        child.move = packMove(move);
        out.push_back(child);
      }
    }
    std::lock_guard lock(countMutex_);
    movesTried_ += tried;
    engineMoves_ += onEngine;
  }

  bool playOnEngine(TEngine& engine, const TRoomModel::TState& state, const TRoomMove& move,
                    TRoomModel::TState& next) const {
    model_.toEngine(state, engine);
    if (!playMove(engine, move)) return false;
    if (!model_.fromEngine(engine, next)) return false;
    model_.canonicalise(next);
    return true;
  }

  const TRoomModel& model_;
  const std::vector<TEnginePtr>& engines_;
  TSolveBudget budget_;
  bool stop_, recordEdges_;
  TPositionStore store_;
  std::vector<bool> solvedFlags_;
  std::vector<double> counts_;  // shortest ways into each position
  std::vector<std::pair<uint32_t, uint32_t>> edgeList_;
  TClock::time_point started_;
  std::mutex countMutex_;
  long movesTried_ = 0, engineMoves_ = 0, edges_ = 0;
  long firstSolved_ = -1;
  int shortest_ = -1;
  size_t peakBytes_ = 0;
};

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

std::vector<TEnginePtr> clonesFor(const TEngine& room, const TSolveBudget& budget) {
  std::vector<TEnginePtr> clones;
  for (int t = 0; t < threadsFor(budget); ++t) clones.push_back(cloneRoom(room));
  return clones;
}

TSolveResult solveOnClones(const std::vector<TEnginePtr>& clones, const TSolveBudget& budget) {
  const auto started = TClock::now();
  TEngine& main = *clones.front();
  for (const TEnginePtr& e : clones)
    if (!roomAtRest(*e)) settleRoom(*e);
  const TRoomSnapshot start = main.takeSnapshot();
  const TRoomModel model(main);
  if (!model.ok()) return searchOnEngine(main, budget, "the model cannot stand for this room: " + model.problem());

  TSearch search(model, clones, budget, true, false);
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
  result.seconds = std::chrono::duration<double>(TClock::now() - started).count();
  return result;
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
  TSearch search(model, clones, budget, false, true);
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
    for (const auto& [from, to] : search.edgeList()) into[to].push_back(from);
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
