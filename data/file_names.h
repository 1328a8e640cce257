#pragma once
// Names the player types that become file names: profiles and locations.
// A name must be usable as one file name on any system the game runs on, and
// must come back unchanged from every file that stores it (one line, at most
// kLongestName characters).
#include <string>
#include <vector>

#include "data/name_line.h"

// Why a typed name (of a room, a location, a profile) cannot be kept: empty,
// only spaces, too long for the files that store it, or holding control
// characters. Empty when it can.
std::string typedNameProblem(const std::string& name, size_t maxLength = kLongestName);
// Why the name cannot name a file (a short sentence for the naming box), or
// the empty string when it can. maxLength counts characters.
std::string fileNameProblem(const std::string& name, size_t maxLength = kLongestName);
// As fileNameProblem, and a location may not take a campaign location's name:
// its file would stand in for the campaign's own.
std::string locationNameProblem(const std::string& name);
// Whether a file found in a folder under this name (without extension) can
// be offered to the player: its name survives every file that stores it.
bool isListableName(const std::string& name);
