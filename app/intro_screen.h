#pragma once
// The intro (screen 100): the studio logo on white, until six seconds have
// passed since the first frame or the player clicks.
#include "screens/screen_controller.h"

class TIntroScreen : public TScreenController {
 public:
  static constexpr int showMs = 6000;
  TIntroScreen();
  void update() override;
};
