#include "app/timer.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/clock.h"

namespace {

class TimerTest : public ::testing::Test {
 protected:
  void SetUp() override { UseVirtualClock(5000); }
  void TearDown() override { UseRealClock(); }
};

TEST_F(TimerTest, DeltaIsFrameLengthInFortiethsOfASecond) {
  std::unique_ptr<TTimer> t(TTimer::create(40));
  AdvanceVirtualClock(25);
  t->update();
  EXPECT_FLOAT_EQ(t->delta, 1.0f);
  AdvanceVirtualClock(50);
  t->update();
  EXPECT_FLOAT_EQ(t->delta, 2.0f);
  AdvanceVirtualClock(10);
  t->update();
  EXPECT_FLOAT_EQ(t->delta, 0.4f);
}

TEST_F(TimerTest, FrameOfNoTimeStillMovesALittle) {
  std::unique_ptr<TTimer> t(TTimer::create(40));
  t->update();
  EXPECT_GT(t->delta, 0.0f);
  EXPECT_FLOAT_EQ(t->delta, 1e-9f);
  // A blocking pause forgotten by resetDelta does not show in the next frame.
  AdvanceVirtualClock(3000);
  t->resetDelta();
  AdvanceVirtualClock(25);
  t->update();
  EXPECT_FLOAT_EQ(t->delta, 1.0f);
}

TEST_F(TimerTest, FrameRateIsThatOfTheFrameClosingTheSecond) {
  std::unique_ptr<TTimer> t(TTimer::create(40));
  for (int i = 0; i < 39; ++i) {
    AdvanceVirtualClock(25);
    t->update();
  }
  EXPECT_EQ(t->seconds, 0);
  EXPECT_EQ(t->FPS, 0);
  // The 40th frame closes the second but is itself 50 ms long: 20 FPS.
  AdvanceVirtualClock(50);
  t->update();
  EXPECT_EQ(t->seconds, 1);
  EXPECT_EQ(t->FPS, 20);
  // A 30 ms frame gives 33.33 frames per second, truncated.
  for (int i = 0; i < 40; ++i) {
    AdvanceVirtualClock(30);
    t->update();
  }
  EXPECT_EQ(t->seconds, 2);
  EXPECT_EQ(t->FPS, 33);
}

TEST_F(TimerTest, ZeroLengthFrameClosingASecondDoesNotOverflowTheRate) {
  std::unique_ptr<TTimer> t(TTimer::create(40));
  AdvanceVirtualClock(1000);
  t->resetDelta();  // frameDelay is now, the second's start too
  t->timer -= 1000;  // as if the second had just run out
  t->update();
  EXPECT_EQ(t->seconds, 1);
  EXPECT_GT(t->FPS, 0);
}

TEST(TimerText, GetTimeWordsAndUnits) {
  std::unique_ptr<TTimer> t(TTimer::create(40));
  EXPECT_EQ(t->getTime(125, 0), "2 minutes, 5 seconds");
  EXPECT_EQ(t->getTime(61, 1), "1 min, 1 sec");
  EXPECT_EQ(t->getTime(60, 0), "1 minute, 0 seconds");
  EXPECT_EQ(t->getTime(30, 1), "30 secs");
  EXPECT_EQ(t->getTime(1, 0), "1 second");
  EXPECT_EQ(t->getTime(0, 0), "");
  // -1 means the timer's own seconds; none counted yet gives "".
  EXPECT_EQ(t->getTime(-1, 0), "");
  t->seconds = 3601;
  EXPECT_EQ(t->getTime(-1, 1), "60 mins, 1 sec");
}

TEST(TimerText, GetTime2Clock) {
  EXPECT_EQ(TTimer::getTime2(3723000), "1:02:03");
  EXPECT_EQ(TTimer::getTime2(59000), "0:00:59");
  EXPECT_EQ(TTimer::getTime2(3600000), "1:00:00");
  EXPECT_EQ(TTimer::getTime2(999), "0:00:00");
  EXPECT_EQ(TTimer::getTime2(36000000 + 59 * 60000 + 9000), "10:59:09");
}

}  // namespace
