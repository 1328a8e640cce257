#pragma once
// A snapshot of everything in a live room that a move can change: the
// objects (where they stand, their turn, whether they lie in a pit, fade or
// glow), the cells' fog and glyph glow (a wall that explodes lifts fog), and
// what has been collected. Restoring one gives a room that plays on exactly
// as the original would; the in-game screen's undo and the solver use them.
#include <string>
#include <vector>

#include "data/room_pieces.h"
#include "platform/stream.h"

// Money, lives and map fragments collected in the room.
struct TRoomTakings {
  int money = 0, lives = 0, maps = 0;
  bool operator==(const TRoomTakings&) const = default;
  // Adds what one more item brought, each count pinned to the int range.
  TRoomTakings& operator+=(const TRoomTakings& more);
};

struct TCellState {
  float fog = 0;
  float glow = 0;  // the glyph glow
  int glyphActive = 0;
  bool operator==(const TCellState&) const = default;
};

struct TRoomSnapshot {
  std::vector<TObject> objects;  // slots 1..roomObjects
  std::vector<TCellState> cells; // the whole grid, row by row
  TRoomTakings takings;
};

// A snapshot in a file (undo history): the object records of the profile,
// then the cells and the takings. False with a message on a damaged record.
void writeSnapshot(TStream& stream, const TRoomSnapshot& snapshot);
bool readSnapshot(TStream& stream, TRoomSnapshot& snapshot, std::string& error);
