#pragma once
// A screen whose controller is not part of the game yet: it shows the
// background with the screen's name, so every screen code can be entered and
// left (Escape) while the real screens are being written.
#include <string>

#include "screens/screen_controller.h"
#include "platform/image.h"

class TPlaceholderScreen : public TScreenController {
 public:
  static constexpr int musicUnchanged = -1000;  // the screen leaves musicTrack alone
  TPlaceholderScreen(std::string title, TImagePtr background, int music);
  void update() override;

 private:
  std::string title_;
  TImagePtr background_;
};
