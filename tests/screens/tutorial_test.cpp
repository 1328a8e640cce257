// Help tips on the in-game screen: the box of the first tip, its arrow,
// "OK" marking the tip seen, and the queue refilled without it.
#include "game_fixture.h"

namespace {

class TipsTest : public GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    player->helpItems.fill(0);
  }
  // Clicks "OK" of the open tip box.
  void clickOK(TGame& game) {
    const TDialogue& box = *game.tutorial.dialogue;
    const int x = box.x + box.bxOffset[1], y = box.y + box.byOffset;
    PostEvent(kEventMouseMove, 0, x, y);
    frame(game);
    PostEvent(kEventMouseDown, 1, x, y);
    frame(game);
    PostEvent(kEventMouseUp, 1, x, y);
    for (int i = 0; i < 8 && game.tutorial.dialogue; ++i) frame(game);
  }
  static int firstId(const TGame& game) {
    const auto& q = game.tutorial.messageQ;
    return q.empty() ? -1 : q.front().helpID;
  }
};

TEST_F(TipsTest, FreshPlayerSeesHowToPlayThenTheSunWithAnArrow) {
  TGame game(kit);
  frames(game, 12);  // the box takes clicks once it has been shown ten frames
  TTutorial& tips = game.tutorial;
  ASSERT_TRUE(tips.dialogue);
  EXPECT_EQ(firstId(game), 0);
  EXPECT_EQ(tips.dialogue->x, 10);
  EXPECT_EQ(tips.dialogue->y, 100);
  EXPECT_EQ(tips.arrX, 0);

  clickOK(game);
  EXPECT_EQ(player->helpItems[0], 1);
  EXPECT_EQ(firstId(game), 1);  // the queue was refilled without tip 0
  frames(game, 12);
  ASSERT_TRUE(tips.dialogue);
  EXPECT_EQ(tips.arrX, 770);
  EXPECT_EQ(tips.arrY, 135);
  // Then the tips of this room's pieces, in id order.
  clickOK(game);
  EXPECT_EQ(player->helpItems[1], 1);
  EXPECT_EQ(firstId(game), 2);
}

TEST_F(TipsTest, ArrowBobsWithinFivePixelsBothWays) {
  player->helpItems[0] = 1;
  TGame game(kit);
  TTutorial& tips = game.tutorial;
  float low = 0, high = 0;
  bool turnedDown = false;
  for (int i = 0; i < 60; ++i) {
    const float before = tips.arrOffset;
    frame(game);
    low = std::min(low, tips.arrOffset);
    high = std::max(high, tips.arrOffset);
    if (tips.arrOffset < before) turnedDown = true;
  }
  EXPECT_EQ(high, 5.0f);
  EXPECT_EQ(low, -5.0f);
  EXPECT_TRUE(turnedDown);
}

TEST_F(TipsTest, PointerOverTheBoxKeepsTheRoomFromReacting) {
  TGame game(kit);
  frames(game, 12);
  PostEvent(kEventMouseMove, 0, 60, 150);  // inside the box at (10, 100)
  frames(game, 2);
  EXPECT_EQ(game.tutorial.mouseCollide, 1);
  PostEvent(kEventMouseMove, 0, 700, 500);
  frames(game, 2);
  EXPECT_EQ(game.tutorial.mouseCollide, 0);
}

TEST_F(TipsTest, SeenTipsStaySeenInTheNextGameAndTipsCanBeTurnedOff) {
  {
    TGame game(kit);
    frames(game, 12);
    clickOK(game);
  }
  TGame again(kit);
  EXPECT_EQ(firstId(again), 1);

  settings->showTips = 0;
  TGame quiet(kit);
  frames(quiet, 12);
  EXPECT_FALSE(quiet.tutorial.dialogue);
  EXPECT_EQ(player->helpItems[1], 0);
}

}  // namespace
