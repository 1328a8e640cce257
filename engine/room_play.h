#pragma once
// The player's moves as data, played on a live room with the engine's own
// rules: a move starts as the player's clicks start it, then the object
// update and the light passes run frame after frame until the room rests.
// The solver, the replay tool, the in-game screen's undo and hints, and the
// editor's test play all go through here.
#include <functional>
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
// afterFrame, when given, runs after each frame's object update.
bool settleRoom(TEngine& engine, const std::function<void()>& afterFrame = {});

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

// Where the object a push moves comes to rest, worked out by playing the
// push on a copy of the room: its last cell, also when it falls into a pit
// or fades away with a treasure. False when the push is refused. Call it on
// the thread that owns the room (copying a room draws random numbers).
bool slideStop(const TEngine& room, const TRoomMove& move, int& c, int& r);

// What tells two rooms at rest apart: each object's piece, cell and turn
// (an object gone, or fading away, counts as gone).
std::string stateKey(const TEngine& engine);
