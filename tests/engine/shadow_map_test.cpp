// Soft wall shadows (shade codes, corner sprites) and the fog flood.
#include <gtest/gtest.h>

#include <algorithm>

#include "test_host.h"

namespace {

// Shade codes of the sprites on cell (c, r), in the order they were added.
std::vector<int> shadesAt(const TEngine& e, int c, int r) {
  std::vector<int> codes;
  for (const TShadow& s : e.shadowList)
    if (s.x == static_cast<int>(e.centreX(c)) && s.y == static_cast<int>(e.centreY(r))) codes.push_back(s.shade);
  return codes;
}

int frameOf(const TEngine& e, int c, int r) {
  for (const TShadow& s : e.shadowList)
    if (s.x == static_cast<int>(e.centreX(c)) && s.y == static_cast<int>(e.centreY(r))) return s.frame;
  return -1;
}

TEST(ShadowMap, SideCodesAndTheirFrames) {
  auto host = std::make_shared<TTestHost>();
  TRoomBuilder b;
  // (3,3): walls above and left (the outer ring above is row 1, so use an
  // inner corner); (6,5): walls above and below; (9,5): boxed in.
  b.block(3, 2, 7).block(2, 3, 7);
  b.block(6, 4, 7).block(6, 6, 7);
  b.block(9, 4, 7).block(10, 5, 8).block(9, 6, 9).block(8, 5, 15).block(10, 6, 7);
  auto e = b.live(host);
  EXPECT_EQ(shadesAt(*e, 3, 3), (std::vector<int>{65}));
  EXPECT_EQ(frameOf(*e, 3, 3), 6);
  EXPECT_EQ(shadesAt(*e, 6, 5), (std::vector<int>{1, 16}));
  // All four sides: drawn as above-and-left, plus the below-right corner.
  EXPECT_EQ(shadesAt(*e, 9, 5), (std::vector<int>{65, 8}));
}

TEST(ShadowMap, DiagonalOnlyGivesACornerSprite) {
  auto host = std::make_shared<TTestHost>();
  TRoomBuilder b;
  b.block(7, 4, 7);
  auto e = b.live(host);
  EXPECT_EQ(shadesAt(*e, 6, 5), (std::vector<int>{2}));
  EXPECT_EQ(frameOf(*e, 6, 5), 12);
  EXPECT_EQ(shadesAt(*e, 8, 5), (std::vector<int>{128}));
  EXPECT_EQ(shadesAt(*e, 6, 3), (std::vector<int>{8}));
  EXPECT_EQ(shadesAt(*e, 8, 3), (std::vector<int>{32}));
  EXPECT_EQ(shadesAt(*e, 7, 5), (std::vector<int>{1}));
}

TEST(ShadowMap, DecayedWallsCastAndHoldNoFog) {
  auto host = std::make_shared<TTestHost>();
  TRoomBuilder b;
  b.object(5, 5, 7);
  auto e = b.live(host, 1.0f);
  EXPECT_EQ(shadesAt(*e, 6, 5), (std::vector<int>{64}));
  EXPECT_TRUE(shadesAt(*e, 5, 5).empty());
  EXPECT_EQ(e->blk[5][5]->fog, 0);
  EXPECT_EQ(e->castShadows(5, 5), 1);
  EXPECT_EQ(e->hasShadows(5, 5), 0);
  EXPECT_EQ(e->castShadows(-1, 3), 0);
}

// Room split by a column of walls at c 6, with a decayed wall in the gap at
// (6, 5); the emitter is in the left half.
TRoomBuilder splitRoom() {
  TRoomBuilder b;
  for (int r = 2; r <= 9; ++r) b.block(6, r, 7);
  b.block(6, 5, 1).object(6, 5, 6);
  b.block(1, 5, kBlockEmitter);
  return b;
}

TEST(Fog, RegionBehindADecayedWallStaysDarkUntilItIsGone) {
  auto host = std::make_shared<TTestHost>();
  auto e = splitRoom().live(host, 1.0f);
  EXPECT_EQ(e->blk[2][5]->fog, 0);
  EXPECT_EQ(e->blk[5][9]->fog, 0);
  EXPECT_EQ(e->blk[7][5]->fog, 1);
  EXPECT_EQ(e->blk[11][9]->fog, 1);
  EXPECT_EQ(e->blk[6][5]->fog, 0);  // the wall's own cell never holds fog
  EXPECT_EQ(e->blk[3][1]->fog, 0);  // walls hold none either
  e->obj[1]->clear();
  e->createShadowMap(1.0f);
  EXPECT_EQ(e->blk[7][5]->fog, 0);
  EXPECT_EQ(e->blk[11][9]->fog, 0);
}

TEST(Fog, NoFogAtZeroHalfFogInTheEditor) {
  auto host = std::make_shared<TTestHost>();
  auto clear = splitRoom().live(host, 0);
  for (int r = 0; r < TEngine::kRows; ++r)
    for (int c = 0; c < TEngine::kColumns; ++c) EXPECT_EQ(clear->blk[c][r]->fog, 0);
  EXPECT_FALSE(clear->shadowList.empty());
  auto edit = splitRoom().live(host, 0.5f);
  EXPECT_EQ(edit->blk[3][5]->fog, 0);
  EXPECT_EQ(edit->blk[8][5]->fog, 0.5f);
}

TEST(Fog, RoomWithoutEmittersIsFoggedEverywhere) {
  auto host = std::make_shared<TTestHost>();
  auto e = TRoomBuilder().live(host, 1.0f);
  EXPECT_EQ(e->blk[5][5]->fog, 1);
}

}  // namespace
