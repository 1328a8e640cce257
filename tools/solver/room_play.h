#pragma once
// Playing a room headless with the engine's own rules: starting it, letting
// everything come to rest, asking whether every glyph is lit, and the moves
// a player could make, each made the way the player's clicks make it.
#include <memory>
#include <string>
#include <vector>

#include "app/gfx_set.h"
#include "data/location.h"
#include "engine/engine.h"
#include "room_moves.h"

// The object shapes light is traced against, from DIR/gfx/objects.png. The
// engine finds them through the global gfx, which the caller points at the
// returned set while rooms are played.
bool loadObjectShapes(const std::string& gameDir, TGfx& pictures, std::string& error);

// A live room at the in-game screen's offset, built as the game builds it.
TEnginePtr startRoom(const TLocation& location, int index, TEngineHostPtr host);

// Does light of some colour matter for more than the glyphs? (Decayed walls
// glow and explode while light rests on them, even during a slide.)
bool roomHasDecayedWalls(const TEngine& engine);

// Runs frames of the object update (with a trace before each when the light
// matters) until nothing moves, crumbles, glows or fades; fading objects are
// then gone, as the drawing would have made them. False when the room did
// not come to rest within its frame budget.
bool settleRoom(TEngine& engine, bool traceLight);

// One trace of the room as it stands: is every glyph met by light of its
// colour? Never true for a room without glyphs.
bool glyphsAllLit(TEngine& engine);

// Everything the player could do now, in the order the arrows are offered:
// per cell, up, down, right, left, then a turn when a mirror stands there.
TMoveList legalMoves(const TEngine& engine);

// Starts the move as the player's clicks would: the object picked by a
// click on the cell is pushed, or every mirror there turned. False when the
// clicks would do nothing.
bool startMove(TEngine& engine, const TRoomMove& move);

// The parts of a room at rest that moves change: every object and the fog.
struct TRoomSnapshot {
  std::vector<TObject> objects;                   // slots 1..roomObjects
  std::shared_ptr<const std::vector<float>> fog;  // cells row by row
};
// The fog rarely changes (only when a wall explodes), so a snapshot shares
// the fog of the one it was reached from (sameFogAs) when it is unchanged.
TRoomSnapshot takeSnapshot(const TEngine& engine, const TRoomSnapshot* sameFogAs = nullptr);
void restoreSnapshot(TEngine& engine, const TRoomSnapshot& snapshot);
// What tells two rooms at rest apart: each object's piece, cell and turn.
std::string stateKey(const TEngine& engine);
