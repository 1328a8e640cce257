#pragma once
// Undo and redo for the level editor. Each step keeps the whole location as
// it was before one edit (its name, every room, which room was open), so any
// kind of edit - a painted stroke, a shift, a deleted or moved room, a new
// name - is taken back the same way. The history also knows which state was
// last saved, so undoing back to it means nothing is unsaved any more.
#include <array>
#include <deque>
#include <string>

#include "data/location.h"

class TEditHistory {
 public:
  static constexpr size_t kMaxSteps = 250;

  // Called just before an edit, with the location as it still is.
  void record(const TLocation& before);
  // Puts the state before the last edit into location (which holds the
  // state now, kept for redo). False when there is nothing to undo.
  bool undo(TLocation& location) { return step(undo_, redo_, location); }
  bool redo(TLocation& location) { return step(redo_, undo_, location); }
  // A new or freshly loaded location starts a new history, saved as it is.
  void clear();
  void markSaved() { savedId_ = currentId_; }
  bool atSaved() const { return savedId_ == currentId_; }
  size_t undoSteps() const { return undo_.size(); }
  size_t redoSteps() const { return redo_.size(); }

 private:
  struct TState {
    std::string name;
    int roomCount = 0;
    int curRoom = 0;
    std::array<TRoomPtr, kLocationMaxRooms + 1> rooms;
    int id = 0;
  };
  std::deque<TState> undo_, redo_;
  int currentId_ = 0, savedId_ = 0, nextId_ = 1;

  static TState capture(const TLocation& location, int id);
  static void restore(const TState& state, TLocation& location);
  bool step(std::deque<TState>& from, std::deque<TState>& to, TLocation& location);
};
