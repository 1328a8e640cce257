#pragma once
// A player's move in a room, as written in .solution files:
//   "click 5 4, move right"  select the object in cell (5, 4), push it right
//   "turn 7 3"               right-click the mirror in cell (7, 3)
// A solution file holds one line per room: "room N: MOVE; MOVE; ...".
#include <map>
#include <string>
#include <vector>

struct TRoomMove {
  int c = 0, r = 0;    // the cell clicked
  int dx = 0, dy = 0;  // the push; both 0 for a turn
  bool turn = false;
  bool operator==(const TRoomMove&) const = default;
};

using TMoveList = std::vector<TRoomMove>;
using TSolutions = std::map<int, TMoveList>;  // room number -> moves

std::string describeMove(const TRoomMove& move);
// The moves joined by "; ", as after "room N: ".
std::string describeMoves(const TMoveList& moves);

// Reads one move; false with a message when it is not one.
bool parseMove(const std::string& text, TRoomMove& move, std::string& error);
// Reads a whole solution text; comment lines start with "//". False with a
// message naming the line on the first error.
bool parseSolutions(const std::string& text, TSolutions& solutions, std::string& error);
bool readSolutions(const std::string& path, TSolutions& solutions, std::string& error);
// The written solutions of a location, found where the game finds its rooms
// (see openLocationSolutions); none when there are none. Damaged ones count
// as none, said on standard error.
TSolutions locationSolutions(const std::string& locationName);
