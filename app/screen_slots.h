#pragma once
// The loop's screen objects: one slot per kind of screen. Entering a screen
// puts a new controller in its slot (replacing an older one of that kind);
// after the cross-fade the slot of the screen that was left is emptied. The
// result screens (intro, out of time, room/location/game complete, quit)
// share one slot.
#include <array>

#include "screens/screen_controller.h"

enum class TScreenSlot {
  mainMenu, options, highScores, credits, map, game, customMenu, editor, reset, result, count
};

TScreenSlot slotOfScreen(int code);

class TScreenSlots {
 public:
  // Makes the controller for code in its slot.
  void enter(int code);
  // The controller of the screen with this code; null if its slot is empty.
  TScreenController* controller(int code) const;
  // After the fade away from previous (with running now on screen).
  void release(int previous, int running);

 private:
  std::array<TScreenControllerPtr, static_cast<size_t>(TScreenSlot::count)> slots_;
  TScreenControllerPtr& slot(int code);
};
