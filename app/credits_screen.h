#pragma once
// Who made the game.
#include "screens/screen_controller.h"

class TCreditsScreen : public TScreenController {
 public:
  TCreditsScreen();
  void update() override;
};
