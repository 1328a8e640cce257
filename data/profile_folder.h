#pragma once
// The "profiles" folder as a list of players: each profile owns a few files
// (game in progress, seen tips, settings, text export) named after it.
#include <string>
#include <vector>

// The distinct names of the profiles whose files are in the folder, sorted.
// Only files with a profile's own extension count, and only under a name a
// profile may have; temporary files of an interrupted save and the
// last-profile file are no profiles.
std::vector<std::string> profileNamesInFolder(const std::string& folder);
