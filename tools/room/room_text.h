#pragma once
// Text views of stored rooms for tesmoria-room.
#include <ostream>
#include <string>
#include <vector>

#include "data/location.h"

// Problems that make a location unplayable as stored: ids outside the
// catalogues, objects outside the room. Empty when there are none.
std::vector<std::string> locationProblems(const TLocation& location);

// Each room as two grids of one character per cell, blocks and objects,
// followed by a legend of the characters.
void printLocation(const TLocation& location, std::ostream& out);
