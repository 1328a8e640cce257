#pragma once
// Candidate rooms for the designer: variations of a hand-made room (objects
// moved, pillars raised or pulled down, the glyph moved along the wall), or a
// fresh layout from the editor's 3 x 3 templates furnished with the same
// pieces. Every candidate is searched; only rooms that keep the player busy
// are kept (see TCandidateRules).
#include <vector>

#include "data/location.h"
#include "room_measure.h"
#include "room_grade.h"

struct TCandidateRules {
  int minShortest = 2;          // single-push rooms are for teaching only
  long maxWaysAtShortest = 4;   // few ways to the shortest solution
  bool allowHidden = false;     // fogged floor only where the seed had it
  bool allowMultiEmitter = false;
};

struct TCandidate {
  TRoom room;
  TRoomMeasure analysis;
  TRoomFacts facts;
  double grade = 0;
};

// A copy of seed with 1..3 random changes; the room still has its emitters,
// glyphs and every object on a cell that takes objects.
TRoom mutateRoom(const TRoom& seed);
// A template layout (walls all round, no holes) with the seed's emitters,
// glyphs and objects placed on it at random.
TRoom templateRoom(const TRoom& seed);

// Objects in reading order (row by row), cell-mates kept in their order.
void sortObjectsByCell(TRoom& room);

// Does the candidate meet the rules? It must be solved; a search cut short
// still knows the shortest solution, as it goes breadth-first.
bool keepCandidate(const TCandidate& c, const TCandidateRules& rules, const TRoomFacts& seedFacts);

// Searches one room on its own.
TCandidate judgeRoom(const TRoom& room, const TMeasureBudget& budget);
