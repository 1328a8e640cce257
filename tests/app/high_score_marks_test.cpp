// The high-score screen marks the player's own rows (a gold band behind
// them, and a line saying so); other players' rows stay plain, and a player
// without a name owns no row.
#include "app/high_score_screen.h"
#include "platform/text_log.h"
#include "tests/app/program_fixture.h"

namespace {

class HighScoreMarksTest : public ProgramScreenTest {
 protected:
  void SetUp() override {
    ProgramScreenTest::SetUp();
    THighScoreTable& table = scores->tables.at(0);
    for (int place = 1; place <= kHighScorePlaces; ++place) table.scores[place].player = "Someone";
    table.scores[2].player = "Tester";
    table.scores[5].player = "Tester";
    table.scores[6].player = "Tester2";  // a name that only begins the same
    scores->curTable = 0;
    scores->newScorePos = 0;
    RecordDrawnTexts(true);
    SetBlend(kBlendAlpha);  // as the display is set up for the game
  }
  void TearDown() override {
    RecordDrawnTexts(false);
    ProgramScreenTest::TearDown();
  }
  // The pixel just left of a row's name: the band behind the row shows there.
  static std::array<int, 3> rowMark(int place) {
    const TPixmapPtr p = GrabPixmap(117, 155 + 30 * (place - 1) + 4, 1, 1);
    if (!p) return {-1, -1, -1};
    return {p->At(0, 0)[0], p->At(0, 0)[1], p->At(0, 0)[2]};
  }
  static bool gold(const std::array<int, 3>& c) { return c[0] > 60 && c[0] > c[2] + 30; }
  bool legendDrawn() {
    for (const TDrawnText& t : DrawnTexts())
      if (t.text == "Your scores are on gold") return true;
    return false;
  }
};

TEST_F(HighScoreMarksTest, ThePlayersOwnRowsAreOnGoldAndNoOthers) {
  SetClsColor(0, 0, 0);
  Cls();
  ClearDrawnTexts();
  scores->update();
  for (int place = 1; place <= kHighScorePlaces; ++place) {
    SCOPED_TRACE(place);
    EXPECT_EQ(gold(rowMark(place)), place == 2 || place == 5);
  }
  EXPECT_TRUE(legendDrawn());
}

TEST_F(HighScoreMarksTest, ANamelessPlayerOrOneWithoutScoresHasNoMarks) {
  for (const char* name : {"", "Ann"}) {
    SCOPED_TRACE(name);
    player->name = name;
    Cls();
    ClearDrawnTexts();
    scores->update();
    for (int place = 1; place <= kHighScorePlaces; ++place) EXPECT_FALSE(gold(rowMark(place))) << place;
    EXPECT_FALSE(legendDrawn());
  }
}

}  // namespace
