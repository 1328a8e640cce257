#pragma once
// The names the options menu shows for a volume.
#include <string>

// "Off" up to 0, "Low" up to 0.25, "Medium" up to 0.5, "High" up to 0.75,
// "Max" up to 1, and "" above 1.
std::string volumeLevelName(float volume);
