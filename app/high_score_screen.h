#pragma once
// The high-score screen: the tables of the global high-score object, page by
// page. Leaving it saves the tables.
#include "screens/screen_controller.h"

class THighScoreScreen : public TScreenController {
 public:
  THighScoreScreen();
  void update() override;
  void leave() override;
};
