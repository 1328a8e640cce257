#pragma once
// The solver on a worker thread, for screens that must never stall a frame:
// start it with the room as it stands, poll once a frame, cancel on any
// change. The room is copied when the search starts; the worker never
// touches it.
#include <atomic>
#include <future>
#include <optional>

#include "engine/solver.h"

class TBackgroundSolver {
 public:
  TBackgroundSolver() = default;
  ~TBackgroundSolver();
  TBackgroundSolver(const TBackgroundSolver&) = delete;
  TBackgroundSolver& operator=(const TBackgroundSolver&) = delete;

  // Cancels any search under way and starts one on a copy of the room.
  void start(const TEngine& room, TSolveBudget budget = {});
  // Stops the search under way; its result is dropped.
  void cancel();
  bool busy() const { return running_.valid(); }
  // Positions the search under way has stored so far.
  long positionsSoFar() const { return progress_.load(); }
  // The result once the search has ended (then the solver is idle again).
  std::optional<TSolveResult> poll();

 private:
  std::atomic<bool> cancelled_{false};
  std::atomic<long> progress_{0};
  std::future<TSolveResult> running_;
};
