#pragma once
// The title screen's menu: campaign, custom game, options, high scores and
// quit. A first start asks for the player's name before anything else.
#include "screens/screen_controller.h"

class TMainMenu : public TScreenController {
 public:
  static constexpr int buttonX = 598;
  int disableButs = 0;

  TMainMenu();
  void update() override;
};
