#pragma once
// The way through a room, played out by the engine for the player to watch
// from the room-complete screen: the room as it opens, then each move of
// its written shortest solution in turn, with a pause before each move so it
// can be followed. The player may leave at any time.
#include <memory>
#include <string>

#include "engine/engine.h"
#include "engine/room_move.h"

class TSolutionReplay {
 public:
  // Frames of rest before each move (a second and a half at 40 a second).
  static constexpr float kPauseFrames = 60;

  // Null when the location has no written solution for the room, or the
  // room cannot be built.
  static std::unique_ptr<TSolutionReplay> create(const std::string& locationName, int room, TEngineHostPtr host,
                                                 const TRoomPictures& pictures);

  // One frame: draws the room, then moves it on (the game's order).
  void update();
  // Moves started so far, and in all.
  int movesShown() const { return static_cast<int>(next_); }
  int moveCount() const { return static_cast<int>(moves_.size()); }
  // Every move has been played and the room has come to rest.
  bool finished() const;
  const TEngine& room() const { return *engine_; }

 private:
  TEnginePtr engine_;
  TMoveList moves_;
  size_t next_ = 0;
  float wait_ = kPauseFrames;
};
