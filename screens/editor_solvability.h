#pragma once
// The editor's solvability check (F5): the room as stored is searched in the
// background, on a copy, while the editor keeps drawing frames, and a status
// line tells how it went: "Searching… N positions", then "Solvable in N
// moves", "No solution" or "Not decided within the search budget". Any edit
// cancels the search and clears the line. Saving never waits for it.
#include <memory>
#include <string>

#include "engine/engine.h"
#include "engine/solver.h"

class TSolvabilityCheck {
 public:
  TSolvabilityCheck();
  ~TSolvabilityCheck();
  // Starts searching the room as it stands in the editor, played as the
  // game plays it (a search under way is dropped).
  void start(const TEngine& room);
  void start(const TEngine& room, const TSolveBudget& budget);
  // Cancels any search and forgets the result.
  void clear();
  // Once a frame: takes a finished search's result.
  void poll();
  bool busy() const;
  // The status line; empty when nothing was asked.
  std::string statusText() const;

 private:
  struct TState;
  std::unique_ptr<TState> state_;
};
