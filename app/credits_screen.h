#pragma once
// Who made the game.
#include "app/screen_controller.h"

class TCreditsScreen : public TScreenController {
 public:
  TCreditsScreen();
  void update() override;
};
