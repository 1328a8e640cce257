#pragma once
// The checks that walk every shipped room run whole in the normal build.
// Under the sanitizers, which run them tens of times slower, the test script
// sets TESMORIA_ROOM_STEP and each such check takes only every Nth room: the
// rooms are the same data in both builds, so the normal build's pass is the
// one that vouches for each room, and the sanitizer pass still runs every
// rule over a spread of rooms. TESMORIA_EVERY_ROOM=1 overrides the step.
#include <cstdlib>

inline int shippedRoomStep() {
  const char* text = std::getenv("TESMORIA_ROOM_STEP");
  const int step = text ? std::atoi(text) : 1;
  return step >= 1 && step <= 100 ? step : 1;
}

// Counts the rooms offered to it and takes every step-th, starting with the
// first.
class TRoomSample {
 public:
  explicit TRoomSample(int everyNth = 1)
      : step_(std::getenv("TESMORIA_EVERY_ROOM") ? 1 : everyNth * shippedRoomStep()) {}
  bool takes() { return seen_++ % step_ == 0; }
  int step() const { return step_; }

 private:
  int step_;
  int seen_ = 0;
};
