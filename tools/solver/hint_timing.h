#pragma once
// How long a hint takes: from positions a player could reach in a room
// (random walks of legal moves from the start), the hint is asked both ways
// the game can answer it on its one core: by a search from the position,
// and from the room's atlas, made once from the start. The slowest of each
// is kept, and the making of the slowest atlas.
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

  double atlasWorstSeconds = 0;     // a hint read from the atlas (the search's when it has none)
  std::string atlasWorstWhere;
  long atlasMisses = 0;             // positions the atlas could not answer for
  long roomsWithoutAtlas = 0;       // rooms too big to map
  double atlasMakingSeconds = 0;    // the slowest room to map, from its start
  long atlasPositions = 0;          // and the most positions an atlas held
};

// walks random walks of up to maxMoves moves each, a search from every
// position on the way; the walks are the same for the same seed.
void timeHints(const TLocation& location, int index, const TRoomPictures& pictures, int walks, int maxMoves,
               uint32_t seed, THintTiming& timing);
