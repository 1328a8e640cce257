#pragma once
// The one loop of the game: once per frame it runs the current screen, carries
// out the screen changes the screens ask for (with the cross-fade), draws the
// pointer, keeps the music going, handles the global keys, focus and the close
// request, and presents the frame.
#include <functional>

#include "app/screen_slots.h"
#include "effects/cross_fade.h"

class TMainLoop {
 public:
  // Made once the display is open; present shows one cross-fade frame.
  explicit TMainLoop(std::function<void()> present);

  // One frame; false once the quit screen has been reached.
  bool frame();
  // Saves, fades the last frame to black and closes the display.
  void quitSequence();

  int runningCode() const { return running_; }
  int previousCode() const { return previous_; }
  bool fadePending() const { return fadePending_; }
  TScreenController* runningController() const { return slots_.controller(running_); }

 private:
  int running_ = 0;
  int previous_ = 0;
  bool fadePending_ = false;
  bool suspended_ = false;
  TCrossFade crossFade_;
  TScreenSlots slots_;

  void runScreen();
  void switchScreens();
  void finishTransition();
  void globalKeys();
  void followFocus();
};
