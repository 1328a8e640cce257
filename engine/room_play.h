#pragma once
// The player's moves as data, played on a live room with the engine's own
// rules: a move starts as the player's clicks start it, then the object
// update and the light passes run frame after frame until the room rests.
// The solver, the replay tool, the in-game screen's undo and hints, and the
// editor's test play all go through here.
#include <memory>
#include <string>

#include "data/location.h"
#include "engine/engine.h"
#include "engine/room_move.h"

// The object shapes light is traced against, from DIR/gfx/objects.png, for
// tools and tests that play rooms without the game's pictures.
bool loadObjectShapes(const std::string& gameDir, TRoomPictures& pictures, std::string& error);

// A live room at the in-game screen's offset, built as the game builds it.
TEnginePtr startRoom(const TLocation& location, int index, TEngineHostPtr host, const TRoomPictures& pictures);

// Does light of some colour matter for more than the glyphs? (Decayed walls
// glow and explode while light rests on them, even during a slide.)
bool roomHasDecayedWalls(const TEngine& engine);

// Nothing will change without the player: no slide, crumble, glow or fade
// under way, and no object about to fall into a pit just opened under it.
bool roomAtRest(const TEngine& engine);

// Runs frames of the object update with a trace before each until the room
// rests; fading objects are then gone, as the drawing would have made them.
// False when the room did not come to rest within its frame budget.
bool settleRoom(TEngine& engine);

// One trace of the room as it stands: is every glyph met by light of its
// colour? Never true for a room without glyphs.
bool glyphsAllLit(TEngine& engine);

// Everything the player could do now, in the order the arrows are offered:
// per cell, up, down, right, left, then a turn when a mirror stands there.
TMoveList legalMoves(const TEngine& engine);

// Starts the move as the player's clicks would: the object a click on the
// cell picks is pushed, or the mirrors there turned. False when the clicks
// would do nothing.
bool startMove(TEngine& engine, const TRoomMove& move);

// startMove, then settleRoom: the move played to rest. False when refused
// or when the room never came to rest.
bool playMove(TEngine& engine, const TRoomMove& move);

// What tells two rooms at rest apart: each object's piece, cell and turn.
std::string stateKey(const TEngine& engine);
