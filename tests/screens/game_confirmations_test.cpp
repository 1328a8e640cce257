// Every confirmation box of the in-game screen is laid out alike: its title
// alone on the picture's title band, a blank line under it, and the question
// below, clear of the band and above the buttons.
#include "game_fixture.h"

namespace {

class GameConfirmationsTest : public GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    pictures->gui_dialogueSmlImg = solidStrip(360, 240, 1);  // the game's own size
  }

  // Clicks the button at y and answers the box it opens with its last
  // button; returns the box's wrapped lines (entry 0 unused).
  std::vector<std::string> boxLines(TGame& game, int y) {
    std::vector<std::string> lines;
    answerWith(0, game, [&](const TDialogue& box) {
      lines = box.txt;
      areaHeight = box.textAreaHeight();
    });
    clickButton(game, y);
    setModalFrameHook(nullptr);
    return lines;
  }

  void expectTitledAndFitting(const std::vector<std::string>& lines, const std::string& title) {
    SCOPED_TRACE(title);
    ASSERT_GE(lines.size(), 4u) << "no box was shown";
    EXPECT_EQ(lines[1], title);
    EXPECT_EQ(lines[2], "") << "the question starts right under the title band";
    ASSERT_TRUE(text->setFont(2));
    const int used = static_cast<int>(lines.size() - 1) * text->getHeight(0);
    EXPECT_LE(used, areaHeight) << "the question runs into the buttons";
  }

  int areaHeight = 0;
};

TEST_F(GameConfirmationsTest, SkipAbandonAndResetBoxesLeaveALineUnderTheirTitles) {
  player->gameType = kGameCampaign;
  player->newLocation(1);
  TGame game(kit);
  frame(game);
  expectTitledAndFitting(boxLines(game, 17), "RESET ROOM");
  expectTitledAndFitting(boxLines(game, 42), "SKIP ROOM");
  expectTitledAndFitting(boxLines(game, 67), "ABANDON GAME");
  player->locStatus.lives = 0;
  expectTitledAndFitting(boxLines(game, 42), "SKIP ROOM");  // the "no spare lives" notice
}

TEST_F(GameConfirmationsTest, ACustomGamesAbandonBoxIsLaidOutTheSame) {
  TGame game(kit);
  frame(game);
  expectTitledAndFitting(boxLines(game, 67), "ABANDON GAME");
}

}  // namespace
