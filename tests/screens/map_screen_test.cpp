#include "screens/map_screen.h"

#include <gtest/gtest.h>

#include "data/profile.h"
#include "tests/screens/screen_test_kit.h"

namespace {

class MapPathTest : public ::testing::Test, public TScreenTestSlots {
 protected:
  void SetUp() override { profile = &player; }
  TProfile player;
};

TEST_F(MapPathTest, DotsEveryThirtyPixelsFromTheLastLocationToTheChosenOne) {
  // Abydos (slot 1) at (160, 340) to Giza (slot 2) at (140, 160).
  ASSERT_EQ(player.locs[1].x, 160);
  ASSERT_EQ(player.locs[1].y, 340);
  ASSERT_EQ(player.locs[2].x, 140);
  ASSERT_EQ(player.locs[2].y, 160);
  TMapScreen map(kit);
  map.buildPath(1, 2);
  ASSERT_EQ(map.dotList.size(), 6u);
  int expectedY = 340, expectedX = 160;
  for (const TMapDot& dot : map.dotList) {
    EXPECT_EQ(dot.y, expectedY);
    EXPECT_EQ(dot.x, expectedX);
    EXPECT_EQ(dot.visible, 0);
    expectedY -= 30;
    expectedX -= 3;
  }
}

TEST_F(MapPathTest, SamePlaceOrBadSlotsNeverDivideByZero) {
  TMapScreen map(kit);
  map.buildPath(3, 3);
  ASSERT_EQ(map.dotList.size(), 1u);
  EXPECT_EQ(map.dotList.front().visible, 1);  // nothing to walk: the game starts at once
  map.buildPath(0, 9);
  EXPECT_TRUE(map.dotList.empty());
}

}  // namespace
