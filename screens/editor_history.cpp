#include "screens/editor_history.h"

TEditHistory::TState TEditHistory::capture(const TLocation& location, int id) {
  TState s;
  s.name = location.name;
  s.roomCount = location.roomCount;
  s.curRoom = location.curRoom;
  // Deep copies: the editor goes on changing the live rooms.
  for (int i = 1; i <= location.roomCount && i <= kLocationMaxRooms; ++i)
    if (location.room[i]) s.rooms[i] = location.room[i]->copy();
  s.id = id;
  return s;
}

void TEditHistory::restore(const TState& state, TLocation& location) {
  location.name = state.name;
  location.roomCount = state.roomCount;
  location.curRoom = state.curRoom;
  for (int i = 0; i <= kLocationMaxRooms; ++i) location.room[i] = state.rooms[i] ? state.rooms[i]->copy() : nullptr;
}

void TEditHistory::record(const TLocation& before) {
  undo_.push_back(capture(before, currentId_));
  if (undo_.size() > kMaxSteps) undo_.pop_front();
  redo_.clear();
  currentId_ = nextId_++;
}

// One step back (from the undo list) or forward (from the redo list); the
// state left behind goes onto the other list.
bool TEditHistory::step(std::deque<TState>& from, std::deque<TState>& to, TLocation& location) {
  if (from.empty()) return false;
  to.push_back(capture(location, currentId_));
  restore(from.back(), location);
  currentId_ = from.back().id;
  from.pop_back();
  return true;
}

void TEditHistory::clear() {
  undo_.clear();
  redo_.clear();
  currentId_ = nextId_++;
  savedId_ = currentId_;
}
