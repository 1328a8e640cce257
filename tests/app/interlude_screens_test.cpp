#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/intro_screen.h"
#include "app/reset_screen.h"
#include "platform/clock.h"
#include "platform/input.h"

namespace {

// The intro and the restart interlude leave by the clock alone (or a click).
class InterludeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseVirtualClock(50000);
    ResetInput();
    SetSystemInput(false);
    gameState = 0;
    musicTrack = 0;
  }
  void TearDown() override {
    SetSystemInput(true);
    UseRealClock();
    gameState = 0;
    musicTrack = 0;
  }
};

TEST_F(InterludeTest, IntroShowsSixSecondsFromTheStart) {
  introStart = static_cast<int>(MilliSecs());
  TIntroScreen intro;
  EXPECT_EQ(musicTrack, kMusicSilence);
  gameState = kScreenIntro;
  AdvanceVirtualClock(6000);
  intro.update();
  EXPECT_EQ(gameState, kScreenIntro);  // exactly six seconds is not more than six
  AdvanceVirtualClock(1);
  intro.update();
  EXPECT_EQ(gameState, kScreenMainMenu);
}

TEST_F(InterludeTest, ClickEndsTheIntroAtOnce) {
  introStart = static_cast<int>(MilliSecs());
  TIntroScreen intro;
  gameState = kScreenIntro;
  PostEvent(kEventMouseDown, 2, 10, 10);  // the right button does nothing
  intro.update();
  EXPECT_EQ(gameState, kScreenIntro);
  PostEvent(kEventMouseDown, 1, 10, 10);
  intro.update();
  EXPECT_EQ(gameState, kScreenMainMenu);
}

TEST_F(InterludeTest, RestartGoesBackToTheRoomAfterATenthOfASecond) {
  TReset reset;
  EXPECT_EQ(musicTrack, kMusicSilence);
  gameState = kScreenRoomRestart;
  AdvanceVirtualClock(100);
  reset.update();
  EXPECT_EQ(gameState, kScreenRoomRestart);
  AdvanceVirtualClock(1);
  reset.update();
  EXPECT_EQ(gameState, kScreenGame);
}

}  // namespace
