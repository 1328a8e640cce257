// Every tooltip of the editor's toolbar (eighteen blocks and eighteen
// objects) is drawn whole, on screen and over everything else of the frame,
// at each place it can show.
#include "editor_fixture.h"
#include "tip_checks.h"

namespace {

TEST_F(EditorTest, EveryToolbarTipIsDrawnWholeOnTop) {
  newLocation("Tips");
  int tips = 0;
  std::string previous;
  for (int row : {22, 61}) {
    for (int i = 1; i <= 18; ++i) {
      const int x = 206 + 34 * (i - 1);
      // Away first, so each tip waits for its own delay.
      moveTo(300, 300);
      moveTo(x, row);
      frames(30);
      const std::string what = (row == 22 ? "block " : "object ") + std::to_string(i);
      ASSERT_TRUE(editor->tooltip);
      const TToolTip::TBox& box = editor->tooltip->lastDrawn();
      // An empty slot of the toolbar (the last block) has no tip.
      if (box.text == previous) continue;
      previous = box.text;
      ++tips;
      expectWholeOnTop(box, what.c_str());
    }
  }
  EXPECT_GE(tips, 35);
}

}  // namespace
