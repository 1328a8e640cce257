#pragma once
// Names the player types that become file names: profiles and locations.
// A name must be usable as one file name on any system the game runs on.
#include <string>

// Why the name cannot name a file (a short sentence for the naming box), or
// the empty string when it can. maxLength counts characters.
std::string fileNameProblem(const std::string& name, size_t maxLength);
