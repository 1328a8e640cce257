#pragma once
// The seen-tips file: which help tips the player has seen and which campaign
// locations are open for replay, kept lightly scrambled so it is not edited
// by hand.
#include <array>
#include <string>

#include "platform/stream.h"

constexpr int kHelpTips = 20;
using THelpItems = std::array<int, kHelpTips>;  // tip i shown when entry i is 1
using TVisitedLocs = std::array<int, 9>;        // entries 1..8: campaign location completed once

// 28 bytes: the 20 tip flags, then the 8 location flags, each as a decimal
// digit, each string scrambled on its own with the data packs' scrambleText.
void writeSeenTips(TStream& stream, const THelpItems& helpItems, const TVisitedLocs& visitedLocs);
// A character that is not a digit reads as 0; a short file reads as zeros.
void readSeenTips(TStream& stream, THelpItems& helpItems, TVisitedLocs& visitedLocs);
