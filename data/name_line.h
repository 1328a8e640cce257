#pragma once
// Names that files bring in (profiles, high-score entries, rooms) are cut to
// what a player can type into the game's own name boxes, so a damaged or
// hostile file cannot make a screen draw a million characters every frame.
#include <cstddef>
#include <string>

#include "platform/stream.h"

// Longer than any name the game's boxes take (the widest is 200 pixels of
// the small font, well under 64 of its narrowest letters).
constexpr size_t kLongestName = 64;

// One line of the stream, cut to kLongestName characters.
std::string readNameLine(TStream& stream);
