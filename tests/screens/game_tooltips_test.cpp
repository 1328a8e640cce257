// The in-game screen's tooltips stay readable: each is drawn on screen and
// over every widget of the frame (the buttons come after the tips in the
// frame), and the mirror's tip keeps clear of the arrow right above it.
#include "game_fixture.h"
#include "tip_checks.h"

namespace {

class GameTooltipsTest : public GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    usePointablePictures();
  }
  // Hovers (x, y) past the tips' delay; returns the box drawn last.
  TToolTip::TBox hoverTip(TGame& game, int x, int y) {
    PostEvent(kEventMouseMove, 0, x, y);
    for (int i = 0; i < 40; ++i) frame(game);
    return game.tips() ? game.tips()->lastDrawn() : TToolTip::TBox();
  }
};

TEST_F(GameTooltipsTest, ButtonTipsAreDrawnWholeOverTheButtons) {
  TGame game(kit);
  frame(game);
  expectWholeOnTop(hoverTip(game, TGame::butX, 17), "RESET");
  expectWholeOnTop(hoverTip(game, TGame::butX, 92), "HINT");
}

TEST_F(GameTooltipsTest, TheNamePanelsTipIsDrawnWholeBelowThePanel) {
  TLocation loc;
  ASSERT_EQ(loc.load("Test"), 1);
  loc.room[1]->description = "Two glyphs want the same beam: split it with the gem, then turn both mirrors.";
  ASSERT_TRUE(loc.write(TLocation::filePath("Test")));
  TGame game(kit);
  frame(game);
  // Anywhere on the panel, its left end and its right end.
  for (int x : {420, 560, 700}) {
    const TToolTip::TBox box = hoverTip(game, x, 40);
    expectWholeOnTop(box, "the about line");
    EXPECT_GE(box.y, 75) << "the tip covers the names it explains";
    // Away and back, so the next place waits for its delay again.
    hoverTip(game, 300, 300);
  }
}

TEST_F(GameTooltipsTest, TheMirrorsTipLeavesTheCellAboveItFree) {
  TGame game(kit);
  frame(game);
  const int c = 3, r = 8;  // the mirror of the test room
  const int left = c * 50 + TEngine::kPlayX - 50, top = r * 50 + TEngine::kPlayY - 50;
  const TToolTip::TBox box = hoverTip(game, left + 25, top + 25);
  expectWholeOnTop(box, "Right-click to turn");
  // The up arrow of the selected mirror fills the cell above it.
  const bool overlapsCellAbove = box.x < left + 50 && box.x + box.w > left && box.y < top && box.y + box.h > top - 50;
  EXPECT_FALSE(overlapsCellAbove) << "the tip at (" << box.x << ", " << box.y << ") covers the up arrow";
}

}  // namespace
