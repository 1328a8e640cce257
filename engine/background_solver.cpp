// The solver on its own thread.
#include "engine/background_solver.h"

TBackgroundSolver::~TBackgroundSolver() { cancel(); }

void TBackgroundSolver::start(const TEngine& room, TSolveBudget budget) {
  cancel();
  cancelled_ = false;
  progress_ = 0;
  budget.cancel = &cancelled_;
  budget.progress = &progress_;
  budget.threads = 1;  // one core for the search, one for the game
  // The copy is made here, on the thread that owns the room.
  TEnginePtr clone = cloneRoom(room);
  running_ = std::async(std::launch::async, [clone, budget] { return solveClone(*clone, budget); });
}

void TBackgroundSolver::cancel() {
  if (!running_.valid()) return;
  cancelled_ = true;
  running_.wait();
  running_ = {};
}

std::optional<TSolveResult> TBackgroundSolver::poll() {
  if (!running_.valid() || running_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return std::nullopt;
  TSolveResult result = running_.get();
  running_ = {};
  return result;
}
