#pragma once
// The breadth-first search over a room's positions that solving, analysing
// and mapping a room share: positions stored as packed keys, each layer
// expanded on the model (on every core, or on one with its table probes
// fetched ahead), and moves the model is unsure of played on the engine.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/position_store.h"
#include "engine/room_model.h"
#include "engine/room_play.h"
#include "engine/solver.h"

namespace breadth_search {

// The moves between known positions, by the position they leave: the
// search adds them in the order of the positions it expands, so each
// position's moves lie together, from first(i) to first(i + 1).
class TMoveGraph {
 public:
  void add(uint32_t from, uint32_t to) {
    while (first_.size() <= from) first_.push_back(static_cast<uint32_t>(to_.size()));
    to_.push_back(to);
  }
  // Closes the last positions' ranges; positions is the number known.
  void close(size_t positions) {
    while (first_.size() <= positions) first_.push_back(static_cast<uint32_t>(to_.size()));
  }
  uint32_t first(size_t i) const { return first_[i]; }
  uint32_t to(size_t k) const { return to_[k]; }
  size_t moves() const { return to_.size(); }
  size_t bytes() const { return (to_.capacity() + first_.capacity()) * sizeof(uint32_t); }

 private:
  std::vector<uint32_t> first_, to_;
};

using TClock = std::chrono::steady_clock;

inline int threadsFor(const TSolveBudget& budget) {
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return std::clamp(budget.threads > 0 ? budget.threads : cores, 1, 16);
}

// A move in two bytes: the cell, the direction, or a turn.
inline uint16_t packMove(const TRoomMove& m) {
  const int cell = (m.r - 1) * 12 + (m.c - 1);
  const int dir = m.turn ? 4 : m.dx > 0 ? 0 : m.dx < 0 ? 1 : m.dy > 0 ? 2 : 3;
  return static_cast<uint16_t>(cell << 3 | dir);
}
inline TRoomMove unpackMove(uint16_t v) {
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
  // Every move between the positions, once run() is over (recordEdges).
  const TMoveGraph& graph() {
    graph_.close(store_.size());
    return graph_;
  }
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
    peakBytes_ = std::max(peakBytes_, store_.bytes() + graph_.bytes() +
                                          counts_.capacity() * sizeof(double));
  }

  // Stores one successor; solved is asked only of a position not seen before.
  template <typename TIsSolved>
  TOutcome add(const TKey& key, uint64_t hash, uint32_t parent, uint16_t move, TIsSolved isSolved) {
    ++edges_;
    const auto [slot, added] = store_.insert(key, hash, parent, move);
    if (recordEdges_) graph_.add(parent, store_.indexAt(slot));
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
  TMoveGraph graph_;
  TClock::time_point started_;
  std::mutex countMutex_;
  long movesTried_ = 0, engineMoves_ = 0, edges_ = 0;
  long firstSolved_ = -1;
  int shortest_ = -1;
  int depth_ = 0;
  size_t nextStart_ = 0;
  size_t peakBytes_ = 0;
};

// A copy of the room for each core the search may use.
inline std::vector<TEnginePtr> clonesFor(const TEngine& room, const TSolveBudget& budget) {
  std::vector<TEnginePtr> clones;
  for (int t = 0; t < threadsFor(budget); ++t) clones.push_back(cloneRoom(room));
  return clones;
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

}  // namespace breadth_search
