#pragma once
// Plays a written solution through the engine exactly as a player would: the
// pointer goes to a cell and clicks, the arrows take the second click, and
// every frame runs the room's drawing passes (which trace the light) and its
// object update. The room is solved when the engine counts every glyph lit.
#include <string>

#include "data/location.h"
#include "room_moves.h"

struct TReplayResult {
  bool solved = false;
  int frames = 0;     // frames played, moves and waiting for the glyphs
  std::string error;  // the move the room refused, when one did
};

// Needs the object shapes in the global gfx (see loadObjectShapes).
TReplayResult replayRoom(const TLocation& location, int index, const TMoveList& moves);
