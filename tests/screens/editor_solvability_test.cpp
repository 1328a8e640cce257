// The editor's solvability line on rooms that can be solved, cannot, and
// cannot be decided within the search's budget.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "screens/editor_solvability.h"
#include "tests/engine/test_host.h"
#include "tests/engine/test_pictures.h"

namespace {

class Solvability : public ::testing::Test {
 protected:
  test_pictures::TTestGfx pictures;
  std::shared_ptr<TTestHost> host = std::make_shared<TTestHost>();
  TSolvabilityCheck check;

  // A beam along row 5 from the left wall, a white glyph under column 8.
  static TRoomBuilder beamRoom() {
    TRoomBuilder b;
    b.block(1, 5, kBlockEmitter).block(8, 10, kBlockWhiteGlyph);
    return b;
  }

  std::string statusOnceDone() {
    for (int i = 0; i < 60000 && check.busy(); ++i) {
      check.poll();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    check.poll();
    return check.statusText();
  }
};

TEST_F(Solvability, SolvableRoomsGiveTheirParInMoves) {
  TRoomBuilder one = beamRoom();
  one.object(8, 4, kObjSarcophagus).object(8, 9, kObjMirror);
  check.start(*one.live(host));
  EXPECT_EQ(check.statusText().rfind("Searching... ", 0), 0u);
  EXPECT_EQ(statusOnceDone(), "Solvable in 1 move");

  TRoomBuilder two = beamRoom();
  two.object(4, 5, kObjSarcophagus).object(8, 4, kObjSarcophagus).object(8, 9, kObjMirror);
  check.start(*two.live(host));
  EXPECT_EQ(statusOnceDone(), "Solvable in 2 moves");
}

TEST_F(Solvability, ARoomWithoutAWayIsSaidToHaveNoSolution) {
  // The mirror can reach row 5 only by passing it: nothing stops it there.
  TRoomBuilder b = beamRoom();
  b.object(8, 9, kObjMirror);
  check.start(*b.live(host));
  EXPECT_EQ(statusOnceDone(), "No solution");
}

TEST_F(Solvability, ABudgetRunOutIsUndecidedNeverNoSolutionAndClearForgetsIt) {
  TRoomBuilder b = beamRoom();
  b.object(4, 5, kObjSarcophagus).object(8, 4, kObjSarcophagus).object(8, 9, kObjMirror);
  TSolveBudget tiny;
  tiny.maxPositions = 2;
  check.start(*b.live(host), tiny);
  EXPECT_EQ(statusOnceDone(), "Not decided within the search budget");
  check.clear();
  EXPECT_EQ(check.statusText(), "");
}

}  // namespace
