#pragma once
// Does the solver's model play rooms exactly as the engine does? From a room
// the positions the model reaches are visited breadth-first; at each one the
// moves the model offers are compared with the engine's, and every move is
// played on both: the pieces must end where the engine leaves them, and the
// same glyphs must be lit. Rooms for it come from the campaign or are made
// at random.
#include <cstdint>
#include <string>
#include <vector>

#include "data/location.h"
#include "engine/engine.h"

struct TParityReport {
  long positions = 0;      // positions visited
  long moves = 0;          // moves played on both and compared
  long uncertain = 0;      // moves the model left to the engine
  long roomsRefused = 0;   // rooms the model could not stand for
  std::vector<std::string> differences;  // the first few, described
};

// Compares the model with the engine on up to maxPositions positions of the
// room (at rest), adding to the report.
void checkParity(const TEngine& room, long maxPositions, TParityReport& report);

// A room made at random from the seed: walls, pits and skeletons, one or two
// emitters, one to three glyphs of random colours, and a random mix of
// gems, mirrors, sarcophagi, crates, treasures, decayed walls and crumbling
// floors. Not meant to be solvable; meant to exercise every rule.
TLocation randomPuzzleRoom(uint32_t seed);
