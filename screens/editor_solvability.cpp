// The editor's solvability check on the engine's background solver.
#include "screens/editor_solvability.h"

#include "engine/background_solver.h"

struct TSolvabilityCheck::TState {
  TBackgroundSolver solver;
  std::string status;
};

TSolvabilityCheck::TSolvabilityCheck() : state_(std::make_unique<TState>()) {}
TSolvabilityCheck::~TSolvabilityCheck() = default;

void TSolvabilityCheck::start(const TEngine& room) {
  TSolveBudget budget;
  budget.maxSeconds = 20;
  budget.maxPositions = 3'000'000;
  start(room, budget);
}

void TSolvabilityCheck::start(const TEngine& room, const TSolveBudget& budget) {
  state_->solver.start(room, budget);
  state_->status = "Searching... 0 positions";
}

void TSolvabilityCheck::clear() {
  state_->solver.cancel();
  state_->status.clear();
}

void TSolvabilityCheck::poll() {
  if (!state_->solver.busy()) return;
  const std::optional<TSolveResult> result = state_->solver.poll();
  if (!result) {
    state_->status = "Searching... " + std::to_string(state_->solver.positionsSoFar()) + " positions";
    return;
  }
  switch (result->verdict) {
    case TSolveVerdict::solved:
      state_->status = "Solvable in " + std::to_string(result->moves.size()) +
                       (result->moves.size() == 1 ? " move" : " moves");
      break;
    case TSolveVerdict::unsolvable:
      state_->status = "No solution";
      break;
    case TSolveVerdict::unknown:
      state_->status = "Not decided within the search budget";
      break;
  }
}

bool TSolvabilityCheck::busy() const { return state_->solver.busy(); }
std::string TSolvabilityCheck::statusText() const { return state_->status; }
