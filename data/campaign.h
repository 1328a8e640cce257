#pragma once
// The campaign map: which locations exist, where they sit and what they open.
#include <array>

#include "data/map_location.h"

// Slot 0 gathers time lost to failed attempts, 1..8 are the campaign,
// 9 is the custom location being played.
constexpr int kLocationSlots = 10;
constexpr int kFirstCampaignSlot = 1;
constexpr int kLastCampaignSlot = 8;
constexpr int kCustomSlot = 9;

using TMapLocations = std::array<TMapLocation, kLocationSlots>;

// The map as a new game starts it: Abydos open, the rest locked, the Lost
// Temple hidden until all four map fragments are found.
TMapLocations campaignLocations();
