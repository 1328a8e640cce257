// The result screens keep the last room in sight: room complete adds the
// hints bought and their cost to its moves and par; location complete and
// congratulations keep the moves and par line; a skipped room has none.
#include <map>

#include "game_fixture.h"
#include "platform/text_log.h"
#include "screens/score_screen.h"

namespace {

class ScoreLinesTest : public GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    player->lastRoomMoves = 12;
    player->lastRoomPar = 9;
    player->lastRoomHints = 2;
    player->lastRoomHintCoins = 100;
    RecordDrawnTexts(true);
  }
  void TearDown() override {
    RecordDrawnTexts(false);
    GameScreenTest::TearDown();
  }
  // The screen's texts after one frame, by text (the outline draws each
  // text more than once; the last ink is kept).
  std::map<std::string, TTextRect> shown(int type) {
    TScoreScreen screen(kit, type);
    Cls();
    ClearDrawnTexts();
    screen.update();
    std::map<std::string, TTextRect> texts;
    for (const TDrawnText& t : DrawnTexts()) texts[t.text] = t.ink;
    return texts;
  }
  // The value drawn on the same line as a label.
  static std::string valueBeside(const std::map<std::string, TTextRect>& texts, const std::string& label) {
    const auto found = texts.find(label);
    if (found == texts.end()) return "(no " + label + ")";
    for (const auto& [text, ink] : texts)
      if (text != label && ink.left > found->second.right && std::abs(ink.top - found->second.top) < 6) return text;
    return "(nothing beside " + label + ")";
  }
  // No two texts of the screen overlap.
  static void expectApart(const std::map<std::string, TTextRect>& texts) {
    for (const auto& [a, ra] : texts)
      for (const auto& [b, rb] : texts)
        if (a < b) {
          EXPECT_FALSE(ra.left < rb.right && rb.left < ra.right && ra.top < rb.bottom && rb.top < ra.bottom)
              << "\"" << a << "\" and \"" << b << "\" overlap";
        }
  }
};

TEST_F(ScoreLinesTest, RoomCompleteShowsTheHintsBoughtAndTheirCost) {
  player->lastRoomBest = 11;
  player->lastRoomNewBest = 1;
  auto texts = shown(kScreenRoomComplete);
  EXPECT_EQ(valueBeside(texts, "Moves"), "12 (par 9)");
  EXPECT_EQ(valueBeside(texts, "Hints Bought"), "2 (cost 100)");
  EXPECT_TRUE(texts.count("New best!"));
  expectApart(texts);

  player->lastRoomHints = 0;
  player->lastRoomHintCoins = 0;
  texts = shown(kScreenRoomComplete);
  EXPECT_EQ(valueBeside(texts, "Hints Bought"), "None");
}

TEST_F(ScoreLinesTest, LocationAndGameCompleteKeepTheLastRoomsMovesAndPar) {
  for (int mapsShown : {0, 1}) {
    SCOPED_TRACE(mapsShown);
    player->showMapMessage = mapsShown;
    const auto texts = shown(kScreenLocationComplete);
    EXPECT_EQ(valueBeside(texts, "Moves"), "12 (par 9)");
    expectApart(texts);
  }
  const auto texts = shown(kScreenGameComplete);
  EXPECT_EQ(valueBeside(texts, "Moves"), "12 (par 9)");
  expectApart(texts);
}

TEST_F(ScoreLinesTest, ASkippedRoomHasNoMovesNorHintsLine) {
  player->lastRoomMoves = -1;
  for (int type : {kScreenRoomComplete, kScreenLocationComplete, kScreenGameComplete}) {
    SCOPED_TRACE(type);
    const auto texts = shown(type);
    EXPECT_FALSE(texts.count("Moves"));
    EXPECT_FALSE(texts.count("Hints Bought"));
  }
}

}  // namespace
