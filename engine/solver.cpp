// Breadth-first search over a room's positions, on the model where it can
// stand for the room and on the engine where it cannot.
#include "engine/solver.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <mutex>
#include <thread>
#include <unordered_set>

#include "engine/position_store.h"
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

// The search, shared by solving and analysing, over keys of W words.
template <int W>
class TSearch {
 public:
  using TStore = TPositionStore<W>;
  using TKey = typename TStore::TKey;
  using TState = TRoomModel::TState;

  TSearch(const TRoomModel& model, const std::vector<TEnginePtr>& engines, const TSolveBudget& budget,
          bool stopAtSolution, bool recordEdges)
      : model_(model),
        engines_(engines),
        budget_(budget),
        stop_(stopAtSolution),
        recordEdges_(recordEdges),
        store_(recordEdges),
        started_(TClock::now()) {}

  // Runs until a solution (when stopping there), the end of the reachable
  // positions, or the budget. Returns false when the budget ran out.
  bool run() {
    const TState& start = model_.initial();
    const TKey key = keyOf(start);
    store_.insert(key, TStore::hash(key), UINT32_MAX, 0);
    solvedFlags_.push_back(model_.solved(start));
    if (recordEdges_) counts_.push_back(1);
    if (solvedFlags_[0]) {
      firstSolved_ = 0;
      shortest_ = 0;
      if (stop_) return true;
    }
    const int threads = std::min<int>(threadsFor(budget_), static_cast<int>(engines_.size()));
    size_t layerStart = 0, layerEnd = store_.size();
    depth_ = 0;
    while (layerStart < layerEnd) {
      ++depth_;
      nextStart_ = store_.size();
      const TOutcome outcome = threads == 1 ? runLayerAlone(layerStart, layerEnd) : runLayer(layerStart, layerEnd, threads);
      if (outcome != TOutcome::go) return outcome == TOutcome::finished;
      layerStart = nextStart_;
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

  const TStore& store() const { return store_; }
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
  // go: carry on; finished: a solution stopped the search; spent: the budget ran out.
  enum class TOutcome { go, finished, spent };

  // One successor found by a worker.
  struct TFound {
    TKey key;
    uint64_t hash = 0;
    uint32_t parent = 0;
    uint16_t move = 0;
    bool solved = false;
  };

  TKey keyOf(const TState& s) const {
    uint64_t words[TRoomModel::kMaxKeyWords];
    model_.packWords(s, words);
    TKey key;
    std::copy_n(words, W, key.begin());
    return key;
  }

  bool outOfBudget() const {
    return (budget_.cancel && budget_.cancel->load()) || seconds() > budget_.maxSeconds;
  }

  void noteProgress() {
    if (budget_.progress) budget_.progress->store(static_cast<long>(store_.size()));
    peakBytes_ = std::max(peakBytes_, store_.bytes() + edgeList_.capacity() * sizeof(edgeList_[0]) +
                                          counts_.capacity() * sizeof(double));
  }

  // Stores one successor; solved is asked only of a position not seen before.
  template <typename TIsSolved>
  TOutcome add(const TKey& key, uint64_t hash, uint32_t parent, uint16_t move, TIsSolved isSolved) {
    ++edges_;
    const auto [slot, added] = store_.insert(key, hash, parent, move);
    if (recordEdges_) edgeList_.push_back({parent, store_.indexAt(slot)});
    if (added) {
      const uint32_t index = static_cast<uint32_t>(store_.size() - 1);
      const bool solved = isSolved();
      solvedFlags_.push_back(solved);
      if (recordEdges_) counts_.push_back(counts_[parent]);
      if (solved && firstSolved_ < 0) {
        firstSolved_ = index;
        shortest_ = depth_;
        if (stop_) return TOutcome::finished;
      }
    } else if (recordEdges_ && store_.indexAt(slot) >= nextStart_) {
      counts_[store_.indexAt(slot)] += counts_[parent];  // another shortest way into the next layer
    }
    if (static_cast<long>(store_.size()) >= budget_.maxPositions) return TOutcome::spent;
    return TOutcome::go;
  }

  // The moves from one position, played on the model (or the engine where
  // the model is unsure); false for a move to leave out.
  bool successor(int worker, const TState& state, TRoomModel::TChild& child, long& onEngine) const {
    if (child.step == TRoomModel::TStep::uncertain) {
      ++onEngine;
      if (!playOnEngine(*engines_[worker], state, child.move, child.next)) return false;
    }
    // Solving skips positions that can never lead out; an analysis counts them.
    return !(stop_ && model_.hopeless(child.next) && !model_.solved(child.next));
  }

  // One core: successors wait in a queue while their slots of the table
  // are fetched, then are stored in the order they were found.
  TOutcome runLayerAlone(size_t from, size_t to) {
    constexpr size_t kAhead = 48;  // successors between the prefetch and the probe
    std::vector<TRoomModel::TChild> children;
    queue_.clear();
    size_t head = 0;
    long onEngine = 0;
    auto storeUpTo = [&](size_t keep) {
      for (; queue_.size() - head > keep; ++head) {
        const TFound& f = queue_[head];
        const TOutcome o = add(f.key, f.hash, f.parent, f.move, [&] { return model_.solved(model_.unpackWords(f.key.data())); });
        if (o != TOutcome::go) return o;
      }
      if (head > 4096) {
        queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(head));
        head = 0;
      }
      return TOutcome::go;
    };
    TOutcome outcome = TOutcome::go;
    for (size_t i = from; i < to && outcome == TOutcome::go; ++i) {
      if ((i & 255) == 0) {
        if (outOfBudget()) {
          outcome = TOutcome::spent;
          break;
        }
        if ((i & 4095) == 0) noteProgress();
      }
      const TState state = model_.unpackWords(store_.key(i).data());
      model_.expand(state, children);
      movesTried_ += static_cast<long>(children.size());
      for (TRoomModel::TChild& child : children) {
        if (!successor(0, state, child, onEngine)) continue;
        TFound& f = queue_.emplace_back();
        f.key = keyOf(child.next);
        f.hash = TStore::hash(f.key);
        f.parent = static_cast<uint32_t>(i);
        f.move = packMove(child.move);
        store_.prefetch(f.hash);
      }
      outcome = storeUpTo(kAhead);
    }
    if (outcome == TOutcome::go) outcome = storeUpTo(0);
    engineMoves_ += onEngine;
    noteProgress();
    return outcome;
  }

  // Every core: the layer goes in batches, so that what the workers find is
  // never much more than the positions it adds.
  TOutcome runLayer(size_t layerStart, size_t layerEnd, int threads) {
    constexpr size_t kBatch = 4096;
    for (size_t batchStart = layerStart; batchStart < layerEnd; batchStart += kBatch * threads) {
      if (outOfBudget()) return TOutcome::spent;
      const size_t batchEnd = std::min(layerEnd, batchStart + kBatch * threads);
      std::vector<std::vector<TFound>> found(threads);
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
      if (abort) return TOutcome::spent;
      for (const auto& list : found)
        for (const TFound& child : list) {
          const TOutcome o = add(child.key, child.hash, child.parent, child.move, [&] { return child.solved; });
          if (o != TOutcome::go) return o;
        }
      noteProgress();
    }
    return TOutcome::go;
  }

  void expand(int worker, size_t from, size_t to, std::vector<TFound>& out, std::atomic<bool>& abort) {
    std::vector<TRoomModel::TChild> children;
    long tried = 0, onEngine = 0;
    for (size_t i = from; i < to; ++i) {
      if ((i & 255) == 0 && (abort || outOfBudget())) {
        abort = true;
        break;
      }
      const TState state = model_.unpackWords(store_.key(i).data());
      model_.expand(state, children);
      tried += static_cast<long>(children.size());
      for (TRoomModel::TChild& child : children) {
        if (!successor(worker, state, child, onEngine)) continue;
        TFound& f = out.emplace_back();
        f.solved = model_.solved(child.next);
        f.key = keyOf(child.next);
        f.hash = TStore::hash(f.key);
        f.parent = static_cast<uint32_t>(i);
        f.move = packMove(child.move);
      }
    }
    std::lock_guard lock(countMutex_);
    movesTried_ += tried;
    engineMoves_ += onEngine;
  }

  bool playOnEngine(TEngine& engine, const TState& state, const TRoomMove& move, TState& next) const {
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
  TStore store_;
  std::vector<TFound> queue_;  // one core: successors waiting for their probe
  std::vector<bool> solvedFlags_;
  std::vector<double> counts_;  // shortest ways into each position
  std::vector<std::pair<uint32_t, uint32_t>> edgeList_;
  TClock::time_point started_;
  std::mutex countMutex_;
  long movesTried_ = 0, engineMoves_ = 0, edges_ = 0;
  long firstSolved_ = -1;
  int shortest_ = -1;
  int depth_ = 0;
  size_t nextStart_ = 0;
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

// Calls f.template operator()<W>() with W the key words the model needs.
template <typename F>
auto withKeyWords(const TRoomModel& model, F&& f) {
  static_assert(TRoomModel::kMaxKeyWords == 5);
  switch (model.keyWords()) {
    case 1:
      return f.template operator()<1>();
    case 2:
      return f.template operator()<2>();
    case 3:
      return f.template operator()<3>();
    case 4:
      return f.template operator()<4>();
    default:
      return f.template operator()<5>();
  }
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
