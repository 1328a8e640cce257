#pragma once
// The room restart interlude (screen 24): a moment of the plain background,
// then the room starts again with a fresh game screen.
#include "screens/screen_controller.h"

class TReset : public TScreenController {
 public:
  static constexpr int pauseMs = 100;
  int timer = 0;  // clock value on entry

  TReset();
  void update() override;
};
