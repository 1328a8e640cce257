#pragma once
// The high-score screen: the tables of the global high-score object, page by
// page, the player's own rows marked. Leaving it saves the tables.
#include <string>

#include "data/high_score.h"
#include "screens/screen_controller.h"

// A row of the tables is the player's own: the same name (a player without
// a name owns none).
bool isOwnRow(const THighScore& entry, const std::string& player);

class THighScoreScreen : public TScreenController {
 public:
  THighScoreScreen();
  void update() override;
  void leave() override;
};
