// A room's about line shows as the player enters the room, in the strip
// under the name panel, clear of the room, and then fades away; hovering the
// name panel brings it back as a tooltip.
#include "game_fixture.h"
#include "platform/text_log.h"
#include "screens/room_about.h"

namespace {

const char* const kAbout = "Slide the mirror into the beam and it turns the light onto the glyph.";

class GameAboutTest : public GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    TLocation loc;
    ASSERT_EQ(loc.load("Test"), 1);
    loc.room[1]->description = kAbout;
    ASSERT_TRUE(loc.write(TLocation::filePath("Test")));
    RecordDrawnTexts(true);
  }
  void TearDown() override {
    RecordDrawnTexts(false);
    GameScreenTest::TearDown();
  }
  // The about line as the last frame drew it; w is 0 when it was not drawn.
  TTextRect aboutInk(TGame& game) {
    ClearDrawnTexts();
    frame(game);
    for (const TDrawnText& t : DrawnTexts())
      if (t.text == kAbout) return t.ink;
    return {};
  }
};

TEST(RoomAbout, FadesInStaysAndFadesOut) {
  TRoomAbout about;
  about.start("Two glyphs at once.", 1000);
  EXPECT_FLOAT_EQ(about.alphaAt(1000), 0);
  EXPECT_GT(about.alphaAt(1000 + TRoomAbout::kFadeInMs / 2), 0.3f);
  EXPECT_FLOAT_EQ(about.alphaAt(1000 + TRoomAbout::kFadeInMs + 100), 1);
  const uint32_t gone = 1000 + TRoomAbout::kFadeInMs + TRoomAbout::kHoldMs + TRoomAbout::kFadeOutMs;
  EXPECT_GT(about.alphaAt(gone - TRoomAbout::kFadeOutMs / 2), 0);
  EXPECT_FLOAT_EQ(about.alphaAt(gone), 0);
  EXPECT_FLOAT_EQ(about.alphaAt(gone + 60000), 0);
  // The clock wrapping round between the start and now changes nothing.
  about.start("Two glyphs at once.", 0xFFFFFF00u);
  EXPECT_FLOAT_EQ(about.alphaAt(0xFFFFFF00u + TRoomAbout::kFadeInMs + 1000), 1);
  // A room without an about line shows nothing.
  about.start("", 1000);
  EXPECT_FLOAT_EQ(about.alphaAt(3000), 0);
}

TEST_F(GameAboutTest, TheAboutLineShowsOnEnteringClearOfTheRoomAndThenGoes) {
  TGame game(kit);
  EXPECT_EQ(game.about().line(), kAbout);
  frames(game, 30);
  const TTextRect ink = aboutInk(game);
  ASSERT_GT(ink.right, ink.left) << "the about line was not drawn";
  EXPECT_LE(ink.bottom, TEngine::kPlayY) << "it covers the room";
  EXPECT_GE(ink.top, 75) << "it covers the name panel";
  EXPECT_LE(ink.right, 705) << "it runs under the buttons";
  EXPECT_GE(ink.left, 0);

  frames(game, (TRoomAbout::kFadeInMs + TRoomAbout::kHoldMs + TRoomAbout::kFadeOutMs) / 25);
  const TTextRect later = aboutInk(game);
  EXPECT_EQ(later.right, later.left) << "the line stays for good";
}

TEST_F(GameAboutTest, HoveringTheNamePanelShowsTheAboutLine) {
  TGame game(kit);
  PostEvent(kEventMouseMove, 0, 560, 40);
  for (int i = 0; i < 40; ++i) frame(game);
  ASSERT_TRUE(game.tips());
  EXPECT_EQ(game.tips()->lastDrawn().text, kAbout);
}

}  // namespace
