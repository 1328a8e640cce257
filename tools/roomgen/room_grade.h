#pragma once
// The pieces of play a room uses and its difficulty grade. The formula is
// written out in assets/locations/README.md; keep the two in step.
#include <string>
#include <vector>

#include "data/location.h"
#include "room_measure.h"

// Mechanics in the order the campaign teaches them.
const std::vector<std::string>& mechanicOrder();

struct TRoomFacts {
  int movables = 0;                    // objects the player can push
  std::vector<std::string> mechanics;  // in mechanicOrder()
};

// What the room holds, as built by the game (fog and emitters' open sides
// need the live room); "turn" only when the solution turns a mirror.
TRoomFacts roomFacts(const TLocation& location, int index, const TMoveList& solution);

// grade = 5 L + 1.5 log2 P + 2 (B - 1) + 10 D + M + K - 3 log2 S, at least 0
double difficultyGrade(const TRoomMeasure& analysis, const TRoomFacts& facts);
