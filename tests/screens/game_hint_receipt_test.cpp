// A bought hint says what it cost, on the screen and nowhere else: the
// player sees the price under the room and the coins leave the treasure
// count, the room keeps the price for its results, and the terminal stays
// quiet.
#include <chrono>
#include <thread>

#include "effects/effects.h"
#include "engine/room_play.h"
#include "engine/solver.h"
#include "game_fixture.h"
#include "tests/engine/test_host.h"

namespace {

class GameHintReceiptTest : public GameScreenTest {
 protected:
  // One room whose shortest way takes two moves: a beam along row 5 from the
  // left wall, a white glyph in the bottom wall under column 8; the mirror
  // below must come up to row 5, where the second sarcophagus stops it.
  void SetUp() override {
    GameScreenTest::SetUp();
    usePointablePictures();
    TRoomBuilder b;
    b.block(1, 5, kBlockEmitter).block(8, 10, kBlockWhiteGlyph);
    b.object(4, 5, kObjSarcophagus).object(8, 4, kObjSarcophagus).object(8, 9, kObjMirror);
    TLocation loc;
    loc.name = "Test";
    loc.addRoom();
    loc.room[1] = b.room;
    ASSERT_TRUE(loc.write(TLocation::filePath("Test")));
  }

  // Presses H once the room rests, the way on known from here (the search
  // for it is the hints' own business), and runs frames until the hint is
  // counted (bounded, so a test never hangs).
  void buyHint(TGame& game) {
    frames(game, 5);
    game.hints.knowSolution(stateKey(*game.engine), solveRoom(*game.engine).moves);
    const int before = game.history.hints;
    PostEvent(kEventKeyDown, 'H');
    frame(game);
    PostEvent(kEventKeyUp, 'H');
    for (int i = 0; i < 4000 && game.history.hints == before; ++i) {
      frame(game);
      if (game.history.hints == before) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
  static bool floats(const std::string& what) {
    for (const TTextFloat& f : TTextFloat::all())
      if (f.txt == what) return true;
    return false;
  }
};

TEST_F(GameHintReceiptTest, ABoughtHintShowsItsPriceForAWhileAndPrintsNothing) {
  player->locStatus.money = 120;
  TTextFloat::destroyAll();
  TGame game(kit);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  buyHint(game);
  const std::string out = testing::internal::GetCapturedStdout();
  const std::string err = testing::internal::GetCapturedStderr();
  ASSERT_EQ(game.history.hints, 1) << "no hint came";
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "") << "hints belong on the screen, not in the terminal";

  EXPECT_EQ(player->roomStatus.money, -50);
  EXPECT_EQ(game.history.hintCoins, 50);
  EXPECT_EQ(game.hintNotice(), "Hint bought: 50 coins");
  EXPECT_TRUE(floats("-50")) << "the coins float off the treasure count";

  frames(game, 4000 / 25 + 2);
  EXPECT_EQ(game.hintNotice(), "") << "the price goes after a few seconds";
}

TEST_F(GameHintReceiptTest, AHintFromAnEmptyPurseSaysItWasFreeAndCostsNothing) {
  player->locStatus.money = 0;
  TTextFloat::destroyAll();
  TGame game(kit);
  buyHint(game);
  ASSERT_EQ(game.history.hints, 1);
  EXPECT_EQ(player->roomStatus.money, 0);
  EXPECT_EQ(game.history.hintCoins, 0);
  EXPECT_EQ(game.hintNotice(), "Hint given free: the purse is empty");
  EXPECT_FALSE(floats("-0"));
}

}  // namespace
