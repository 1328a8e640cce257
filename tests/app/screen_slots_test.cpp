#include "app/screen_slots.h"

#include <gtest/gtest.h>

#include "app/globals.h"

namespace {

class ScreenSlotsTest : public ::testing::Test {
 protected:
  void SetUp() override { savedMusic_ = musicTrack; }
  void TearDown() override { musicTrack = savedMusic_; }
  TScreenSlots slots;

 private:
  int savedMusic_ = 0;
};

TEST_F(ScreenSlotsTest, ResultScreensShareOneSlot) {
  EXPECT_EQ(slotOfScreen(kScreenIntro), TScreenSlot::result);
  EXPECT_EQ(slotOfScreen(kScreenOutOfTime), TScreenSlot::result);
  EXPECT_EQ(slotOfScreen(kScreenGameComplete), TScreenSlot::result);
  EXPECT_EQ(slotOfScreen(kScreenQuit), TScreenSlot::result);
  EXPECT_NE(slotOfScreen(kScreenGame), slotOfScreen(kScreenMap));
}

TEST_F(ScreenSlotsTest, EnteringSetsTheMusicOfTheScreen) {
  musicTrack = 3;
  slots.enter(kScreenIntro);
  EXPECT_EQ(musicTrack, kMusicSilence);
  slots.enter(kScreenMainMenu);
  EXPECT_EQ(musicTrack, 0);
  slots.enter(kScreenOptions);
  EXPECT_EQ(musicTrack, kMusicKeep);
  musicTrack = 2;
  slots.enter(kScreenHighScores);  // the high scores keep whatever was asked for
  EXPECT_EQ(musicTrack, 2);
  slots.enter(kScreenGame);
  EXPECT_EQ(musicTrack, kMusicRandom);
  slots.enter(kScreenMap);
  EXPECT_EQ(musicTrack, 1);
  slots.enter(kScreenRoomRestart);
  EXPECT_EQ(musicTrack, kMusicSilence);
}

TEST_F(ScreenSlotsTest, LeavingFreesTheRightSlot) {
  slots.enter(kScreenIntro);
  slots.enter(kScreenMainMenu);
  // Intro -> main menu: the intro's (result) slot goes.
  slots.release(kScreenIntro, kScreenMainMenu);
  EXPECT_EQ(slots.controller(kScreenIntro), nullptr);
  EXPECT_NE(slots.controller(kScreenMainMenu), nullptr);
  // Main menu -> options: the main menu's own slot goes.
  slots.enter(kScreenOptions);
  slots.release(kScreenMainMenu, kScreenOptions);
  EXPECT_EQ(slots.controller(kScreenMainMenu), nullptr);
  // Options -> main menu: options frees the result slot, its own object stays
  // until the next time options are entered.
  slots.enter(kScreenMainMenu);
  slots.enter(kScreenRoomComplete);
  slots.release(kScreenOptions, kScreenMainMenu);
  EXPECT_NE(slots.controller(kScreenOptions), nullptr);
  EXPECT_EQ(slots.controller(kScreenRoomComplete), nullptr);
}

TEST_F(ScreenSlotsTest, TheRunningScreenIsNeverFreed) {
  // One result screen after another: freeing the old one must not take the
  // new one that now holds the slot.
  slots.enter(kScreenOutOfTime);
  slots.enter(kScreenGameComplete);
  slots.release(kScreenOutOfTime, kScreenGameComplete);
  EXPECT_NE(slots.controller(kScreenGameComplete), nullptr);
  // Leaving the start (code 0) frees nothing.
  slots.enter(kScreenIntro);
  slots.release(0, kScreenIntro);
  EXPECT_NE(slots.controller(kScreenIntro), nullptr);
}

}  // namespace
