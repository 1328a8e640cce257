#pragma once
// How long a hint takes: from positions a player could reach in a room
// (random walks of legal moves from the start), the solver runs on one
// core as the in-game hint runs it, and the slowest search is kept.
#include <cstdint>
#include <string>

#include "data/location.h"
#include "engine/room_pictures.h"

struct THintTiming {
  long searches = 0;
  double worstSeconds = 0;     // by the clock: what the player waits
  double worstCpuSeconds = 0;  // processor time of the slowest search (the clock's is longer on a busy machine)
  std::string worstWhere;  // the room and the moves that led to the slowest position
  long undecided = 0;      // searches that ran out of budget
};

// walks random walks of up to maxMoves moves each, a search from every
// position on the way; the walks are the same for the same seed.
void timeHints(const TLocation& location, int index, const TRoomPictures& pictures, int walks, int maxMoves,
               uint32_t seed, THintTiming& timing);
