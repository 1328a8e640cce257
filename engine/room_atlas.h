#pragma once
// A room's atlas: every position the room can reach from where it stood,
// each with the number of moves left to its nearest solution, or none. It is
// made once, off the frame, as a room opens (a whole campaign room takes
// well under a second on one core); from then on the way on from any
// position the player reaches is read from it at once instead of searched
// for, and a dead end is known as one without searching all it can reach.
#include <atomic>
#include <future>
#include <memory>

#include "engine/engine.h"
#include "engine/room_move.h"
#include "engine/solver.h"

class TRoomAtlas {
 public:
  virtual ~TRoomAtlas() = default;

  // Maps the room from where it stands, on a copy made by cloneRoom (which
  // the atlas keeps, to play the moves only the engine can), on one core. Null when the room can reach more positions than the budget
  // allows, the budget's time runs out or it is cancelled, or the model
  // cannot stand for the room: an atlas is whole or not at all.
  static std::unique_ptr<TRoomAtlas> mapClone(const TEnginePtr& clone, const TSolveBudget& budget);

  enum class TWay { unknown, none, found };
  // The way on from the room as it stands (at rest), a shortest solution,
  // into moves: found, or none when no solution remains. unknown when the
  // position is not in the atlas (not reached from where it was made).
  // Not to be asked from two threads at once.
  virtual TWay wayFrom(const TEngine& room, TMoveList& moves) const = 0;
  virtual long positions() const = 0;
};

// What a room in play may spend on its atlas: a room that can reach more
// positions (a big custom room) is left to the searches, and so is the
// memory an atlas that size would hold.
TSolveBudget atlasBudget();

// An atlas made on a worker thread: start it as the room opens, poll once a
// frame; it is dropped, and its making stopped, when the owner goes.
class TAtlasMaker {
 public:
  TAtlasMaker() = default;
  ~TAtlasMaker() { cancel(); }
  TAtlasMaker(const TAtlasMaker&) = delete;
  TAtlasMaker& operator=(const TAtlasMaker&) = delete;

  // Cancels any making under way; the copy of the room is made here, on
  // the thread that owns it.
  void start(const TEngine& room, TSolveBudget budget);
  void cancel();
  bool busy() const { return making_.valid(); }
  // The atlas once made; null before, and for a room it could not map.
  std::unique_ptr<TRoomAtlas> poll();

 private:
  std::atomic<bool> cancelled_{false};
  std::future<std::unique_ptr<TRoomAtlas>> making_;
};
