// Snapshots and the one move path: a room restored from a snapshot plays on
// exactly as the original; moves as data play as the clicks do; the
// solver's answers.
#include <gtest/gtest.h>

#include <thread>

#include "engine/background_solver.h"
#include "engine/room_play.h"
#include "engine/solver.h"
#include "test_host.h"

namespace {

std::vector<uint8_t> bytesOf(const TRoomSnapshot& s) {
  TMemoryStream out(std::vector<uint8_t>{});
  writeSnapshot(out, s);
  return out.Bytes();
}

class RoomSnapshot : public ::testing::Test {
 protected:
  test_pictures::TTestGfx pictures;
  std::shared_ptr<TTestHost> host = std::make_shared<TTestHost>();

  // Snapshot, move, restore, move again: both times the same room results,
  // and it differs from where it started.
  void expectReplayable(TEngine& e, const TRoomMove& move) {
    // Sparkles draw random numbers; none falls due while these rooms play.
    for (int i = 1; i <= e.roomObjects; ++i) e.obj[i]->sparkleTime = 1e6f;
    ASSERT_TRUE(settleRoom(e));
    const TRoomSnapshot before = e.takeSnapshot();
    ASSERT_TRUE(playMove(e, move)) << describeMove(move);
    const std::vector<uint8_t> after = bytesOf(e.takeSnapshot());
    EXPECT_NE(after, bytesOf(before));
    e.restoreSnapshot(before);
    EXPECT_EQ(bytesOf(e.takeSnapshot()), bytesOf(before));
    ASSERT_TRUE(playMove(e, move));
    EXPECT_EQ(bytesOf(e.takeSnapshot()), after);
  }
};

TEST_F(RoomSnapshot, ACrateThatCollectedCoinsComesBackWithTheCoinsAndTheMoney) {
  TRoomBuilder b;
  b.object(3, 5, kObjCrate).object(6, 5, kObjCoins);
  auto e = b.live(host);
  const TRoomSnapshot start = e->takeSnapshot();
  expectReplayable(*e, {3, 5, 1, 0, false});
  EXPECT_EQ(e->takings.money, 100);
  EXPECT_EQ(e->obj[1]->frame, 0) << "the coins are gone";
  e->restoreSnapshot(start);
  EXPECT_EQ(e->takings.money, 0);
  EXPECT_EQ(e->obj[1]->frame, kObjCoins);
  EXPECT_EQ(e->obj[2]->c, 3);
}

TEST_F(RoomSnapshot, APitFilledAFloorCrumbledAndAWallExplodedAllComeBack) {
  TRoomBuilder pit;
  pit.block(6, 5, kBlockPit).object(3, 5, kObjSarcophagus);
  auto e = pit.live(host);
  expectReplayable(*e, {3, 5, 1, 0, false});
  EXPECT_EQ(e->obj[1]->movable, 0) << "it lies in the pit";

  TRoomBuilder floor;
  floor.block(6, 5, kBlockPit).object(6, 5, kObjCrumblingFloor).object(3, 5, kObjSarcophagus);
  e = floor.live(host);
  expectReplayable(*e, {3, 5, 1, 0, false});
  EXPECT_EQ(e->obj[1]->frame, 0) << "the floor has crumbled";

  // The white beam of the emitter at (1, 5) reaches the wall once the
  // sarcophagus is out of its way.
  TRoomBuilder wall;
  wall.block(1, 5, kBlockEmitter).object(3, 5, kObjSarcophagus).object(8, 5, kObjWhiteDecayedWall);
  e = wall.live(host, 1.0f);
  expectReplayable(*e, {3, 5, 0, -1, false});
  EXPECT_EQ(e->obj[2]->frame, 0) << "the wall has exploded";
}

TEST_F(RoomSnapshot, SnapshotsReadBackFromFilesAndRefuseDamage) {
  TRoomBuilder b;
  b.object(3, 5, kObjMirror).object(6, 6, kObjCoins);
  auto e = b.live(host, 1.0f);
  e->obj[1]->angle = 90;
  const TRoomSnapshot s = e->takeSnapshot();
  TMemoryStream in(bytesOf(s));
  TRoomSnapshot back;
  std::string error;
  ASSERT_TRUE(readSnapshot(in, back, error)) << error;
  EXPECT_EQ(bytesOf(back), bytesOf(s));

  std::vector<uint8_t> cut = bytesOf(s);
  cut.resize(cut.size() / 2);
  TMemoryStream shortStream(cut);
  EXPECT_FALSE(readSnapshot(shortStream, back, error));
  std::vector<uint8_t> huge = bytesOf(s);
  huge[0] = 0xff;  // an object count no room has
  TMemoryStream hugeStream(huge);
  EXPECT_FALSE(readSnapshot(hugeStream, back, error));
}

TEST_F(RoomSnapshot, MovesAsDataAreTheMovesTheClicksMake) {
  TRoomBuilder b;
  b.object(3, 5, kObjMirror).object(3, 8, kObjCrate).object(5, 8, kObjCoins);
  auto e = b.live(host);
  std::vector<TRoomMove> heard;
  e->onMoveStart = [&](const TRoomMove& m) { heard.push_back(m); };
  // Mirror: four arrows and a turn. Crate: it may go onto the coins.
  const TMoveList moves = legalMoves(*e);
  EXPECT_EQ(describeMoves(moves),
            "click 3 5, move up; click 3 5, move down; click 3 5, move right; click 3 5, move left; turn 3 5; "
            "click 3 8, move up; click 3 8, move down; click 3 8, move right; click 3 8, move left");
  EXPECT_FALSE(startMove(*e, {4, 4, 1, 0, false})) << "nothing stands there";
  ASSERT_TRUE(playMove(*e, {3, 5, 0, 0, true}));
  EXPECT_EQ(e->obj[1]->angle, 90);  // slots: mirror, coins, then the crate
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_TRUE(heard[0].turn);
}

TEST_F(RoomSnapshot, TheSolverFindsAShortestSolutionAndAnswersUnknownWhenItsBudgetEnds) {
  // The beam from (1, 5) must be turned down onto the glyph at (6, 10): the
  // mirror slides up from (6, 9) and the sarcophagus stops it in the beam.
  TRoomBuilder b;
  b.block(1, 5, kBlockEmitter).block(6, 10, kBlockWhiteGlyph).object(6, 9, kObjMirror).object(6, 4, kObjSarcophagus)
      .object(9, 8, kObjMirror);
  auto e = b.live(host, 1.0f);
  const TSolveResult r = solveRoom(*e);
  ASSERT_EQ(r.verdict, TSolveVerdict::solved) << r.note;
  EXPECT_TRUE(r.usedModel);
  EXPECT_EQ(describeMoves(r.moves), "click 6 9, move up");
  auto check = b.live(host, 1.0f);
  for (const TRoomMove& m : r.moves) ASSERT_TRUE(playMove(*check, m)) << describeMove(m);
  EXPECT_TRUE(glyphsAllLit(*check));

  TSolveBudget tiny;
  tiny.maxPositions = 2;
  EXPECT_EQ(solveRoom(*e, tiny).verdict, TSolveVerdict::unknown);
  std::atomic<bool> cancelled{true};
  TSolveBudget cancelledBudget;
  cancelledBudget.cancel = &cancelled;
  EXPECT_EQ(solveRoom(*e, cancelledBudget).verdict, TSolveVerdict::unknown);
  // The room handed over is never touched.
  EXPECT_EQ(e->obj[1]->c, 6);
  EXPECT_EQ(e->obj[1]->r, 9);
}

TEST_F(RoomSnapshot, TheBackgroundSolverAnswersWithoutTouchingTheRoom) {
  TRoomBuilder b;
  b.block(1, 5, kBlockEmitter).block(12, 5, kBlockWhiteGlyph).object(3, 3, kObjMirror).object(7, 5, kObjSarcophagus);
  auto e = b.live(host, 1.0f);
  TBackgroundSolver solver;
  solver.start(*e);
  std::optional<TSolveResult> r;
  for (int i = 0; i < 20000 && !r; ++i) {
    r = solver.poll();
    if (!r) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->verdict, TSolveVerdict::solved);
  EXPECT_FALSE(solver.busy());
  solver.start(*e);
  solver.cancel();
  EXPECT_FALSE(solver.busy());
  EXPECT_FALSE(solver.poll().has_value());
}

}  // namespace
