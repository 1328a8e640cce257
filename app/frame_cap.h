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
