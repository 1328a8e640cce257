#include "app/frame_cap.h"

#include <algorithm>

TFrameCap::TFrameCap(int hertz, int minSleepMs)
    : hertz_(std::max(hertz, 1)),
      period_(1000 / hertz_),
      remainder_(1000 - period_ * hertz_),
      minSleep_(std::max(minSleepMs, 0)) {}

int TFrameCap::sleepBefore(uint32_t now) {
  if (!started_) {
    started_ = true;
    due_ = now;
  }
  // A late frame is shown after the breather and the schedule starts again
  // from it, so a slow frame is never followed by a burst of quick ones.
  const int untilDue = static_cast<int32_t>(due_ - now);
  const int wait = std::max(untilDue, minSleep_);
  due_ = now + static_cast<uint32_t>(wait) + static_cast<uint32_t>(period_);
  remainderSum_ += remainder_;
  if (remainderSum_ >= hertz_) {
    remainderSum_ -= hertz_;
    ++due_;
  }
  return wait;
}

TCalmWatch::TCalmWatch(int framesBeforeCalm) : framesBeforeCalm_(std::max(framesBeforeCalm, 1)) {}

bool TCalmWatch::afterFrame(bool onlyAmbientMotion, bool playerActed) {
  quiet_ = onlyAmbientMotion && !playerActed ? std::min(quiet_ + 1, framesBeforeCalm_) : 0;
  return quiet_ >= framesBeforeCalm_;
}

TRestWatch::TRestWatch(int framesBeforeRest, int restMs)
    : framesBeforeRest_(std::max(framesBeforeRest, 1)), restMs_(std::max(restMs, 0)) {}

int TRestWatch::afterFrame(bool changed) {
  unchanged_ = changed ? 0 : std::min(unchanged_ + 1, framesBeforeRest_);
  return unchanged_ >= framesBeforeRest_ ? restMs_ : 0;
}
