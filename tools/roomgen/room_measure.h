#pragma once
// What the search learns about a room: the whole space of rooms at rest that
// the player's moves can reach, how far the nearest solution lies, how many
// ways lead there, and how much of the space is a dead end. The difficulty
// grade (room_grade.h) is made from these figures.
#include <string>
#include <vector>

#include "data/location.h"
#include "engine/room_move.h"
#include "engine/room_pictures.h"

struct TMeasureBudget {
  long maxPositions = 60000;
  double maxSeconds = 30;
  int threads = 0;  // 0: every core
};

struct TRoomMeasure {
  bool solved = false;      // a solution was found
  bool complete = false;    // every reachable position was seen
  int shortest = -1;        // moves of the shortest solution; -1 without one
  TMoveList moves;          // one shortest solution
  long positions = 0;       // distinct rooms at rest reached (the start included)
  long deadPositions = 0;   // of those, the ones from which no solution remains
  double branching = 0;     // distinct next positions per position, on average
  long solutionsAtShortest = 0;  // move sequences of the shortest length that solve
  bool oneMoveShortcut = false;  // a single move solves the room
  double seconds = 0;

  double deadShare() const { return positions > 0 ? double(deadPositions) / double(positions) : 0; }
};

// The object shapes the designer's tools trace light against (loaded once
// with loadObjectShapes by the tool or test).
TRoomPictures& roomShapes();

// Explores every position (within the budget) with the engine's solver.
TRoomMeasure measureRoom(const TLocation& location, int index, const TMeasureBudget& budget = {});
