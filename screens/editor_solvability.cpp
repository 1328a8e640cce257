#include "screens/editor_solvability.h"

struct TSolvabilityCheck::TState {
  std::string status;
};

TSolvabilityCheck::TSolvabilityCheck() : state_(std::make_unique<TState>()) {}
TSolvabilityCheck::~TSolvabilityCheck() = default;

void TSolvabilityCheck::start(const TLocation&, int) { state_->status = "Searching… 0 positions"; }
void TSolvabilityCheck::clear() { state_->status.clear(); }
void TSolvabilityCheck::poll() {}
bool TSolvabilityCheck::busy() const { return false; }
std::string TSolvabilityCheck::statusText() const { return state_->status; }
