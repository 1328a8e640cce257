// Generated rooms, templates and shifting.
#include <gtest/gtest.h>

#include <set>

#include "platform/random.h"
#include "test_host.h"

namespace {

std::shared_ptr<TEngine> blankRoom(const std::shared_ptr<TTestHost>& host) {
  auto e = std::make_shared<TEngine>();
  e->host = host;
  e->setOffset(5, 96);
  e->location.addRoom();
  e->createRoom(1, 0.5f);
  return e;
}

TEST(RandomRoom, UsesOnlyWallsFloorsAndBlanksAndLeavesRowTenBlank) {
  auto host = std::make_shared<TTestHost>();
  const std::set<int> allowed = {0, 1, 2, 3, 7, 8, 9, 15, 16, 17};
  for (int seed = 1; seed <= 40; ++seed) {
    SeedRnd(seed);
    auto e = blankRoom(host);
    e->randomRoom(0, 0.5f);
    int floors = 0;
    for (int r = 1; r <= 10; ++r)
      for (int c = 1; c <= 12; ++c) {
        const TBlock& b = *e->blk[c][r];
        EXPECT_TRUE(allowed.count(b.frame)) << "block " << b.frame << " at " << c << "," << r;
        EXPECT_FALSE(TEngine::isEmitter(b) || TEngine::isGlyph(b));
        if (r == 10) {
          EXPECT_EQ(b.frame, 0);
        }
        if (b.light) ++floors;
        // No wall is left with three or four blank neighbours.
        if (b.shadows) {
          int blank = 0;
          for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
            blank += e->blk[c + dx][r + dy]->frame == 0 ? 1 : 0;
          EXPECT_LE(blank, 2) << "seed " << seed << " cell " << c << "," << r;
        }
      }
    EXPECT_GT(floors, 20);
    EXPECT_EQ(e->roomObjects, 0);
  }
}

TEST(RandomRoom, TemplatesRotateClockwise) {
  auto host = std::make_shared<TTestHost>();
  auto e = blankRoom(host);
  // Make every corner template the same known pattern: walls along the top
  // row and down the left column, floor elsewhere.
  for (int t = 1; t <= 19; ++t)
    if (e->gridTemplate[t].gridType == 1)
      for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 3; ++y) e->gridTemplate[t].block[x][y] = (x == 0 || y == 0) ? 7 : 1;
  e->insertTemplate(1, 1, 1, 1);  // a quarter turn: walls on top and right
  EXPECT_EQ(e->blk[1][1]->frame, 7);
  EXPECT_EQ(e->blk[3][1]->frame, 7);
  EXPECT_EQ(e->blk[3][3]->frame, 7);
  EXPECT_EQ(e->blk[1][3]->frame, 1);
  e->insertTemplate(1, 4, 4, 2);  // half a turn: walls below and right
  EXPECT_EQ(e->blk[4][4]->frame, 1);
  EXPECT_EQ(e->blk[6][4]->frame, 7);
  EXPECT_EQ(e->blk[4][6]->frame, 7);
  e->insertTemplate(1, 7, 4, 3);  // three quarters: walls below and left
  EXPECT_EQ(e->blk[7][4]->frame, 7);
  EXPECT_EQ(e->blk[9][4]->frame, 1);
  EXPECT_EQ(e->blk[9][6]->frame, 7);
}

TEST(ShiftMap, RightLosesColumnTwelveAndClearsItsObjects) {
  auto host = std::make_shared<TTestHost>();
  TRoomBuilder b;
  b.block(5, 5, kBlockEmitter).object(12, 4, kObjMirror).object(3, 3, kObjRuby);
  auto e = b.live(host);
  e->shiftMap(1, 0, 0.5f);
  for (int r = 1; r <= 10; ++r) EXPECT_EQ(e->blk[1][r]->frame, 0);
  EXPECT_EQ(e->blk[6][5]->frame, kBlockEmitter);
  EXPECT_EQ(e->blk[6][5]->x, e->centreX(6));
  EXPECT_EQ(e->blk[12][5]->frame, 1);  // old column 11
  EXPECT_EQ(e->blk[13][5]->frame, 0);
  EXPECT_EQ(e->obj[1]->frame, 0);  // the mirror left the room
  EXPECT_EQ(e->obj[2]->frame, kObjRuby);
  EXPECT_EQ(e->obj[2]->c, 4);
  EXPECT_EQ(e->obj[2]->x, e->centreX(4));

  e->shiftMap(0, -1, 0.5f);
  EXPECT_EQ(e->blk[6][4]->frame, kBlockEmitter);
  for (int c = 1; c <= 12; ++c) EXPECT_EQ(e->blk[c][10]->frame, 0);
  EXPECT_EQ(e->obj[2]->r, 2);
  e->shiftMap(0, 1, 0.5f);
  e->shiftMap(-1, 0, 0.5f);
  EXPECT_EQ(e->blk[5][5]->frame, kBlockEmitter);
  EXPECT_EQ(e->blk[5][1]->frame, 0);  // the top row went and came back blank
}

TEST(Neighbours, WallsAndLightableCells) {
  auto host = std::make_shared<TTestHost>();
  TRoomBuilder b;
  b.block(5, 5, kBlockEmitter).block(4, 5, 7).object(6, 5, kObjSarcophagus);
  auto e = b.live(host);
  EXPECT_EQ(e->getAdjacentWalls(5, 5), 1);
  EXPECT_EQ(e->getAdjacentWalls(1, 1), 2);  // ring walls: right and below
  EXPECT_EQ(e->getAdjacentLightable(5, 5, 1, 1), 2);  // up and down
  EXPECT_EQ(e->getAdjacentLightable(5, 5, 1, 0), 0);
  EXPECT_EQ(e->getAdjacentLightable(5, 5, 0, 1), 2);
}

}  // namespace
