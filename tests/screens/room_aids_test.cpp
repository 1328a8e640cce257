// The play aids on real rooms: the undo history's move count and its file,
// where the slide preview puts a pushed object, and hints that follow the
// player, search again when the player strays, and name a dead end.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "engine/room_play.h"
#include "engine/solver.h"
#include "platform/file_system.h"
#include "screens/game_history.h"
#include "screens/room_hints.h"
#include "tests/engine/test_host.h"
#include "tests/engine/test_pictures.h"

namespace {

// A beam from the left wall along row 5 and a white glyph in the bottom wall
// under column 8. A sarcophagus blocks the beam; the mirror below must come
// up to row 5, where the second sarcophagus stops it. Pushed right, the
// mirror falls into the pit and the room is lost.
TRoomBuilder mirrorRoom() {
  TRoomBuilder b;
  b.block(1, 5, kBlockEmitter).block(8, 10, kBlockWhiteGlyph).block(10, 9, kBlockPit);
  b.object(4, 5, kObjSarcophagus).object(8, 4, kObjSarcophagus).object(8, 9, kObjMirror);
  return b;
}

constexpr TRoomMove kMirrorIntoPit{8, 9, 1, 0, false};

class RoomAids : public ::testing::Test {
 protected:
  test_pictures::TTestGfx pictures;
  std::shared_ptr<TTestHost> host = std::make_shared<TTestHost>();

  TEnginePtr room() {
    TEnginePtr e = mirrorRoom().live(host);
    for (int i = 1; i <= e->roomObjects; ++i) e->obj[i]->sparkleTime = 1e9f;
    return e;
  }

  // Lets the hint search finish (bounded by its own budget) and takes its answer.
  static bool waitForHint(TRoomHints& hints, const TEngine& room) {
    bool revealed = false;
    for (int i = 0; i < 60000 && hints.searching(); ++i) {
      revealed = hints.update(room) || revealed;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return hints.update(room) || revealed;
  }
};

TEST_F(RoomAids, HistoryCountsMovesBackAndForthAndStartsAgainAfterAReset) {
  TEnginePtr e = room();
  TGameHistory history;
  TStatus status;
  history.recordMove(*e);
  ASSERT_TRUE(playMove(*e, {4, 5, 0, -1, false}));
  history.recordMove(*e);
  ASSERT_TRUE(playMove(*e, {8, 4, -1, 0, false}));
  EXPECT_EQ(history.moves, 2);
  ASSERT_TRUE(history.undo(*e, status));
  EXPECT_EQ(history.moves, 1);
  ASSERT_TRUE(history.redo(*e, status));
  EXPECT_EQ(history.moves, 2);
  history.recordReset(*e);
  EXPECT_EQ(history.moves, 0);
  EXPECT_TRUE(history.keepOnRestart);
  ASSERT_TRUE(history.undo(*e, status));
  EXPECT_EQ(history.moves, 2) << "undoing the reset brings back the moves made before it";
  // A new move after undo drops the redo and counts on from here.
  history.recordMove(*e);
  EXPECT_TRUE(history.redoStack.empty());
  EXPECT_EQ(history.moves, 3);
}

TEST_F(RoomAids, HistoryFileKeepsMovesHintsAndTheTurnedMirrorAndRefusesDamage) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tesmoria-history-test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "Player.undo").string();
  TEnginePtr e = room();
  TGameHistory written;
  written.room = {"Abydos", 3};
  written.recordMove(*e);
  ASSERT_TRUE(playMove(*e, {4, 5, 0, -1, false}));
  written.hints = 2;
  written.hintCoins = 80;
  written.mirrorTurned = true;
  ASSERT_TRUE(written.write(path));

  TGameHistory read;
  std::string error;
  ASSERT_TRUE(read.read(path, error)) << error;
  EXPECT_EQ(read.room, written.room);
  EXPECT_EQ(read.moves, 1);
  EXPECT_EQ(read.hints, 2);
  EXPECT_EQ(read.hintCoins, 80);
  EXPECT_TRUE(read.mirrorTurned);
  ASSERT_EQ(read.undoStack.size(), 1u);
  EXPECT_EQ(read.undoStack[0].moves, 0);

  // Cut short: refused with a message, nothing half-read kept.
  std::filesystem::resize_file(path, std::filesystem::file_size(path) - 7);
  TGameHistory damaged;
  EXPECT_FALSE(damaged.read(path, error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(damaged.undoStack.empty());
  EXPECT_EQ(damaged.moves, 0);

  // A price beyond what the hints could cost is cut to that.
  written.hintCoins = 5000;
  written.write(path);
  ASSERT_TRUE(read.read(path, error)) << error;
  EXPECT_EQ(read.hintCoins, 2 * TGameHistory::kHintCost);
  std::filesystem::remove_all(dir);
}

TEST_F(RoomAids, SlideStopIsWhereThePlayedPushLeavesTheObject) {
  TEnginePtr e = room();
  const std::string before = stateKey(*e);
  int c = 0, r = 0;
  ASSERT_TRUE(slideStop(*e, {8, 9, 0, -1, false}, c, r));
  EXPECT_EQ(std::make_pair(c, r), std::make_pair(8, 5)) << "stopped under the sarcophagus";
  ASSERT_TRUE(slideStop(*e, kMirrorIntoPit, c, r));
  EXPECT_EQ(std::make_pair(c, r), std::make_pair(10, 9)) << "fallen into the pit";
  ASSERT_TRUE(slideStop(*e, {4, 5, -1, 0, false}, c, r));
  EXPECT_EQ(std::make_pair(c, r), std::make_pair(2, 5)) << "stopped by the emitter's wall";
  EXPECT_FALSE(slideStop(*e, {6, 6, 1, 0, false}, c, r)) << "nothing to push there";
  EXPECT_FALSE(slideStop(*e, {8, 9, 0, 0, true}, c, r)) << "a turn slides nothing";
  EXPECT_EQ(stateKey(*e), before) << "the preview never touches the room";

  // A crate stops on the coins it takes, and fades there. (The beam keeps
  // the room out of the fog, where nothing could be pushed.)
  TRoomBuilder crates;
  crates.block(1, 5, kBlockEmitter).object(3, 5, kObjCrate).object(7, 5, kObjCoins);
  TEnginePtr withCoins = crates.live(host);
  ASSERT_TRUE(slideStop(*withCoins, {3, 5, 1, 0, false}, c, r));
  EXPECT_EQ(std::make_pair(c, r), std::make_pair(7, 5));

  // At rest the crate is still fading with its coins; the position is the
  // same before and after its fade ends (hints know it by that key).
  ASSERT_TRUE(startMove(*withCoins, {3, 5, 1, 0, false}));
  for (int frame = 0; frame < 1000 && !roomAtRest(*withCoins); ++frame) withCoins->updateObjects();
  ASSERT_TRUE(roomAtRest(*withCoins));
  const std::string fading = stateKey(*withCoins);
  for (int i = 1; i <= withCoins->roomObjects; ++i)
    if (withCoins->obj[i]->alpha < 1) withCoins->obj[i]->clear();
  EXPECT_EQ(stateKey(*withCoins), fading);
}

TEST_F(RoomAids, HintsFollowTheSolutionInTwoStepsAndSearchAgainWhenThePlayerStrays) {
  TEnginePtr e = room();
  const TSolveResult best = solveRoom(*e);
  ASSERT_EQ(best.verdict, TSolveVerdict::solved);
  ASSERT_GE(best.moves.size(), 2u);

  TRoomHints hints;
  hints.knowSolution(stateKey(*e), best.moves);
  EXPECT_TRUE(hints.ask(*e)) << "the first press reveals a move: one hint counted";
  EXPECT_EQ(hints.showing(), TRoomHints::TShow::object);
  EXPECT_FALSE(hints.ask(*e)) << "the second press only shows the way: not counted again";
  EXPECT_EQ(hints.showing(), TRoomHints::TShow::move);
  EXPECT_EQ(hints.nextMove(), best.moves[0]);

  // Followed: the next hint comes from the rest of the solution, at once.
  hints.moveStarted(best.moves[0]);
  ASSERT_TRUE(playMove(*e, best.moves[0]));
  hints.update(*e);
  EXPECT_EQ(hints.showing(), TRoomHints::TShow::nothing);
  EXPECT_TRUE(hints.ask(*e));
  EXPECT_FALSE(hints.searching());
  EXPECT_EQ(hints.nextMove(), best.moves[1]);

  // Strayed: the hint searches from the new position, and its move leads
  // to a solution as short as any from there.
  const TRoomMove stray{8, 4, -1, 0, false};
  hints.moveStarted(stray);
  ASSERT_TRUE(playMove(*e, stray));
  EXPECT_FALSE(hints.ask(*e));
  EXPECT_TRUE(hints.searching());
  EXPECT_EQ(hints.message(), TRoomHints::kSearching);
  EXPECT_TRUE(waitForHint(hints, *e)) << "the answer reveals the move asked for";
  EXPECT_TRUE(hints.message().empty());
  // Undo and redo forget the hint on show, not the answer for this position.
  hints.forget();
  EXPECT_TRUE(hints.ask(*e));
  EXPECT_FALSE(hints.searching());
  const size_t fromHere = solveRoom(*e).moves.size();
  const TRoomMove next = hints.nextMove();
  ASSERT_TRUE(playMove(*e, next)) << describeMove(next);
  if (fromHere == 1)
    EXPECT_TRUE(glyphsAllLit(*e));
  else
    EXPECT_EQ(solveRoom(*e).moves.size(), fromHere - 1);
}

TEST_F(RoomAids, AHintFromADeadEndSaysSoInWordsAndRevealsNothing) {
  TEnginePtr e = room();
  TRoomHints hints;
  hints.moveStarted(kMirrorIntoPit);
  ASSERT_TRUE(playMove(*e, kMirrorIntoPit));
  hints.ask(*e);
  EXPECT_FALSE(waitForHint(hints, *e));
  EXPECT_EQ(hints.message(), TRoomHints::kNoWayOut);
  EXPECT_EQ(hints.showing(), TRoomHints::TShow::nothing);
  // Asked again from the same place: no second search, the same words.
  EXPECT_FALSE(hints.ask(*e));
  EXPECT_FALSE(hints.searching());
  EXPECT_EQ(hints.message(), TRoomHints::kNoWayOut);
  // Forgotten on undo; coming back here, the dead end is known at once.
  hints.forget();
  EXPECT_TRUE(hints.message().empty());
  EXPECT_FALSE(hints.ask(*e));
  EXPECT_FALSE(hints.searching());
  EXPECT_EQ(hints.message(), TRoomHints::kNoWayOut);
}

// Once the room is mapped from its start, a hint from anywhere in it comes
// at once: a move that keeps to a shortest solution after straying, and the
// dead end named, with no search either time.
TEST_F(RoomAids, AMappedRoomAnswersEveryHintAtOnce) {
  TEnginePtr e = room();
  TRoomHints hints;
  hints.mapRoom(*e);
  for (int i = 0; i < 20000 && !hints.mapped(); ++i) {
    hints.update(*e);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_TRUE(hints.mapped());

  const TRoomMove stray{8, 4, -1, 0, false};
  hints.moveStarted(stray);
  ASSERT_TRUE(playMove(*e, stray));
  EXPECT_TRUE(hints.ask(*e));
  EXPECT_FALSE(hints.searching());
  const size_t fromHere = solveRoom(*e).moves.size();
  ASSERT_GE(fromHere, 1u);
  const TRoomMove next = hints.nextMove();
  ASSERT_TRUE(playMove(*e, next)) << describeMove(next);
  EXPECT_EQ(solveRoom(*e).moves.size(), fromHere - 1);

  hints.forget();
  TEnginePtr lost = room();
  ASSERT_TRUE(playMove(*lost, kMirrorIntoPit));
  EXPECT_FALSE(hints.ask(*lost));
  EXPECT_FALSE(hints.searching());
  EXPECT_EQ(hints.message(), TRoomHints::kNoWayOut);

  // A different room (the editor's design changed) is not answered from the map.
  hints.reset();
  EXPECT_FALSE(hints.mapped());
}

}  // namespace
