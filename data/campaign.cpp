#include "data/campaign.h"

namespace {
struct CampaignEntry {
  const char* name;
  int icon, x, y, status, unlock1, unlock2;
};

// Unlocks name icons: Abydos opens Giza (4) and Necropolis (8), Giza opens
// Heliopolis (0), Necropolis opens Karnak (12), Heliopolis opens Armana (16),
// Karnak opens Edfu (24).
constexpr CampaignEntry kCampaign[] = {
    {"Abydos", 20, 160, 340, kLocationAvailable, 4, 8},
    {"Giza", 4, 140, 160, kLocationLocked, 0, -1},
    {"Necropolis", 8, 250, 365, kLocationLocked, 12, -1},
    {"Heliopolis", 0, 210, 125, kLocationLocked, 16, -1},
    {"Karnak", 12, 335, 400, kLocationLocked, 24, -1},
    {"Armana", 16, 210, 240, kLocationLocked, -1, -1},
    {"Edfu", 24, 175, 445, kLocationLocked, -1, -1},
    {"Lost Temple", 28, 125, 255, kLocationHidden, -1, -1},
};
}  // namespace

TMapLocations campaignLocations() {
  TMapLocations locs{};
  int slot = kFirstCampaignSlot;
  for (const CampaignEntry& e : kCampaign) {
    TMapLocation& loc = locs[slot++];
    loc.name = e.name;
    loc.icon = e.icon;
    loc.x = e.x;
    loc.y = e.y;
    loc.status = e.status;
    loc.unlock = {0, e.unlock1, e.unlock2};
  }
  TMapLocation& custom = locs[kCustomSlot];
  custom.icon = 28;
  custom.status = kLocationAvailable;
  custom.unlock = {0, -1, -1};
  return locs;
}
