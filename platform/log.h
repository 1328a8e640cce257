#pragma once
// The game's log: one line per event worth knowing after the fact (a sound
// that could not be loaded), written to standard error.
#include <string>

void LogLine(const std::string& line);
