#include "app/frame_cap.h"

#include <gtest/gtest.h>

namespace {

// Runs frames that each take `work` ms and returns the clock after them.
uint32_t runFrames(TFrameCap& cap, int frames, int work, uint32_t now) {
  for (int i = 0; i < frames; ++i) {
    now += static_cast<uint32_t>(work);
    now += static_cast<uint32_t>(cap.sleepBefore(now));
  }
  return now;
}

TEST(FrameCap, SixtyQuickFramesFillExactlyOneSecond) {
  TFrameCap cap(60, 2);
  // The first frame is shown after the breather; from then on every frame
  // is due one period (16 or 17 ms) after the one before.
  const uint32_t first = runFrames(cap, 1, 0, 1000);
  EXPECT_EQ(first, 1002u);
  EXPECT_EQ(runFrames(cap, 60, 0, first), first + 1000);
  // Frames that take part of the period wait only for the rest of it.
  EXPECT_EQ(runFrames(cap, 60, 5, first + 1000), first + 2000);
}

TEST(FrameCap, SlowFramesKeepTheBreatherAndAreNotFollowedByABurst) {
  TFrameCap cap(60, 2);
  uint32_t now = runFrames(cap, 1, 0, 0);
  // A frame of 40 ms is late: it still sleeps the 2 ms breather.
  now += 40;
  EXPECT_EQ(cap.sleepBefore(now), 2);
  now += 2;
  // The next quick frame waits a whole period, not zero.
  EXPECT_GE(cap.sleepBefore(now), 16);
}

TEST(FrameCap, ClockWrapAroundDoesNotStallTheLoop) {
  TFrameCap cap(60, 2);
  const uint32_t nearWrap = 0xFFFFFFF0u;
  const uint32_t after = runFrames(cap, 5, 1, nearWrap);
  // Five frames of 1 ms work at 60 a second: about 70 ms later, across zero.
  EXPECT_LT(after, 100u);
}

}  // namespace

namespace {

TEST(RestWatch, WaitsForInputOnlyAfterEnoughUnchangedFramesAndStopsAtTheFirstChange) {
  TRestWatch watch(30, 50);
  for (int frame = 1; frame < 30; ++frame) ASSERT_EQ(watch.afterFrame(false), 0) << "frame " << frame;
  EXPECT_EQ(watch.afterFrame(false), 50);
  EXPECT_EQ(watch.afterFrame(false), 50);
  // One new picture (the player moved, a timer ran out) and the full rate is back.
  EXPECT_EQ(watch.afterFrame(true), 0);
  for (int frame = 1; frame < 30; ++frame) ASSERT_EQ(watch.afterFrame(false), 0) << "frame " << frame;
  EXPECT_EQ(watch.afterFrame(false), 50);
}

TEST(CalmWatch, CalmNeedsBothAStillPlayerAndOnlyAmbientMotion) {
  TCalmWatch watch(60);
  for (int frame = 1; frame < 60; ++frame) ASSERT_FALSE(watch.afterFrame(true, false)) << "frame " << frame;
  EXPECT_TRUE(watch.afterFrame(true, false));
  // The pointer moves: at once the full rate, and a whole second before calm again.
  EXPECT_FALSE(watch.afterFrame(true, true));
  for (int frame = 1; frame < 60; ++frame) ASSERT_FALSE(watch.afterFrame(true, false)) << "frame " << frame;
  EXPECT_TRUE(watch.afterFrame(true, false));
  // Something slides or bursts without the player: not calm either.
  EXPECT_FALSE(watch.afterFrame(false, false));
  EXPECT_FALSE(watch.afterFrame(true, false));
}

}  // namespace
