#pragma once
// Proves a room solvable: a breadth-first search over the player's moves
// (pushes and mirror turns), each played out by the engine until the room
// rests, until a room in which every glyph is lit. The first solution found
// has the fewest moves.
#include "data/location.h"
#include "room_moves.h"

struct TSolveLimits {
  long maxStates = 100000;  // about 2 KB each for a room of ten objects
  double maxSeconds = 120;
};

struct TSolveResult {
  bool solved = false;
  bool exhausted = false;  // every reachable room was seen: no solution exists
  TMoveList moves;
  long statesExplored = 0;  // distinct rooms at rest reached
  double seconds = 0;
};

// Needs the object shapes in the global gfx (see loadObjectShapes).
TSolveResult solveRoom(const TLocation& location, int index, const TSolveLimits& limits = {});
