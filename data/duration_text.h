#pragma once
// Play times as the player reads them: hours, minutes and seconds.
#include <cstdint>
#include <string>

// "1:02:03" for 3723000 ms, "0:00:59" for 59000 ms; a negative time is
// shown with a leading "-".
std::string durationText(int64_t ms);
