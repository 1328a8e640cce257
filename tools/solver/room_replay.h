#pragma once
// Plays a written solution through the engine exactly as a player would: the
// pointer goes to a cell and clicks, the arrows take the second click, and
// every frame runs the room's drawing passes (which trace the light) and its
// object update. The room is solved when the engine counts every glyph lit.
#include <string>

#include "data/location.h"
#include "engine/room_move.h"
#include "engine/room_pictures.h"

struct TReplayResult {
  bool solved = false;
  int frames = 0;     // frames played, moves and waiting for the glyphs
  std::string error;  // the move the room refused, when one did
};

// The pictures need the object shapes at least (see loadObjectShapes).
TReplayResult replayRoom(const TLocation& location, int index, const TMoveList& moves,
                         const TRoomPictures& pictures);
