#pragma once
// The end-to-end run of the whole campaign: a script for the game's scripted
// mode (app/script.h) in which a new player plays every location in map order
// with the written solutions, from the name entry to the high-score table.
#include <string>
#include <vector>

#include "data/location.h"
#include "engine/room_move.h"

struct TScriptLocation {
  TLocation location;
  TSolutions solutions;
  int mapX = 0, mapY = 0;  // its icon on the campaign map
};

struct TScriptSettings {
  std::string player = "Runner";
  int frameMs = 100;  // game time per frame while rooms are played
  bool wholeCampaign = true;  // false: the run ends on the map after the last location given
  std::vector<int> tipsShown;  // filled in: the help tips the run dismisses, in order
};

// The script text; false with a message when a solution does not light
// every glyph (the script would fail in the game too).
bool writeCampaignScript(const std::vector<TScriptLocation>& locations, TScriptSettings& settings,
                         std::string& script, std::string& error);
