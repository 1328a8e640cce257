// Watching a room's way through from the room-complete screen: the written
// solution played out move by move on a room that clicks cannot touch.
#include "game_fixture.h"
#include "screens/game_host.h"
#include "screens/room_engine.h"
#include "screens/solution_replay.h"

namespace {

using SolutionReplayTest = GameScreenTest;

void writeSolution(const std::string& text) {
  TStreamPtr s = WriteStream("locations/Test.solution");
  ASSERT_TRUE(s);
  s->WriteLine(text);
  CloseStream(s);
}

TEST_F(SolutionReplayTest, PlaysTheWrittenSolutionToTheLitGlyphWithAPauseBeforeEachMove) {
  writeSolution("room 1: click 6 5, move up");
  auto replay = TSolutionReplay::create("Test", 1, gameHost(kit), roomPicturesFromGfx(gfx));
  ASSERT_TRUE(replay);
  EXPECT_EQ(replay->moveCount(), 1);
  // A click on the sarcophagus picks nothing: the room is watched, not played.
  PostEvent(kEventMouseMove, 0, 6 * 50 + 6 - 25, 5 * 50 + 95 - 25);
  PostEvent(kEventMouseDown, 1, 6 * 50 + 6 - 25, 5 * 50 + 95 - 25);
  int frames = 0;
  for (; frames < 30; ++frames) {
    Cls();
    replay->update();
    mouseObj->update();
  }
  EXPECT_EQ(replay->movesShown(), 0) << "the room rests a while before the first move";
  EXPECT_EQ(replay->room().clickedO, 0);
  for (; frames < 2000 && !(replay->finished() && replay->room().activeGlyphs == 1); ++frames) {
    Cls();
    replay->update();
    mouseObj->update();
  }
  EXPECT_EQ(replay->movesShown(), 1);
  EXPECT_TRUE(replay->finished());
  EXPECT_EQ(replay->room().activeGlyphs, replay->room().glyphCount);
}

TEST_F(SolutionReplayTest, NothingToWatchWithoutAWrittenSolutionForTheRoom) {
  EXPECT_FALSE(TSolutionReplay::create("Test", 1, gameHost(kit), roomPicturesFromGfx(gfx))) << "no solution file";
  writeSolution("room 2: turn 3 8");
  EXPECT_FALSE(TSolutionReplay::create("Test", 1, gameHost(kit), roomPicturesFromGfx(gfx))) << "none for room 1";
  EXPECT_FALSE(TSolutionReplay::create("Nowhere", 2, gameHost(kit), roomPicturesFromGfx(gfx))) << "no such location";
}

}  // namespace
