#pragma once
// The main loop shows at most `hertz` frames a second: before each frame it
// sleeps until that frame is due instead of running flat out (and always at
// least a short breather). Game speed does not depend on it, since every
// movement is scaled by the frame timer's delta; at 60 a second the loop
// runs as it does on a common display with vertical sync.
#include <cstdint>

class TFrameCap {
 public:
  TFrameCap(int hertz, int minSleepMs);
  // How long to sleep before showing a frame at clock time now (ms). The
  // next frame is then due one period after this one is shown.
  int sleepBefore(uint32_t now);

 private:
  int hertz_;
  int period_;     // whole milliseconds of one frame
  int remainder_;  // the milliseconds per second that whole periods miss
  int remainderSum_ = 0;
  int minSleep_;
  bool started_ = false;
  uint32_t due_ = 0;
};

// A screen whose only motion is slow ambient motion (see
// TScreenController::onlyAmbientMotion) is calm once the player has done
// nothing for framesBeforeCalm frames in a row; it may then be shown at a
// lower rate. The first input or other motion ends the calm at once.
class TCalmWatch {
 public:
  explicit TCalmWatch(int framesBeforeCalm);
  // Told after every frame; true while calm.
  bool afterFrame(bool onlyAmbientMotion, bool playerActed);

 private:
  int framesBeforeCalm_;
  int quiet_ = 0;
};

// A screen that has shown the very same picture for a while is resting:
// nothing on it moves, and drawing 60 frames a second only finds that out
// again. The loop then waits for the player (or the window system) for up to
// restMs between frames, and runs at the full rate again from the first frame
// that shows something new. Everything that moves is scaled by the frame
// timer, so what moves next starts at its own pace all the same.
class TRestWatch {
 public:
  TRestWatch(int framesBeforeRest, int restMs);
  // Told after every presented frame whether it changed the picture; gives
  // how long to wait for input before the next frame (0: no wait).
  int afterFrame(bool changed);

 private:
  int framesBeforeRest_;
  int restMs_;
  int unchanged_ = 0;
};
