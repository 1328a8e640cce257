// Sliding objects, treasures, pits, crumbling floors, decayed walls,
// sparkles, selection and the arrow pass.
#include <gtest/gtest.h>

#include "test_host.h"
#include "test_pictures.h"

namespace {

class Movement : public ::testing::Test {
 protected:
  test_pictures::TTestGfx pictures;
  std::shared_ptr<TTestHost> host = std::make_shared<TTestHost>();

  // Starts object i sliding by (dx, dy), as a click on an arrow does.
  static void push(TEngine& e, int i, int dx, int dy) {
    e.obj[i]->dx = dx;
    e.obj[i]->dy = dy;
    e.setObjTarget(i);
  }
  // Runs frames until nothing moves; returns the frames and the last item.
  int settle(TEngine& e, int* item = nullptr, int limit = 1000) {
    int frames = 0;
    do {
      const int got = e.updateObjects();
      if (got && item) *item = got;
      host->endFrame();
      ++frames;
    } while (e.objectsMoving && frames < limit);
    return frames;
  }
};

TEST_F(Movement, MirrorSlidesToTheLastFreeCell) {
  TRoomBuilder b;
  b.object(3, 5, kObjMirror);
  auto e = b.live(host);
  push(*e, 1, 1, 0);
  EXPECT_EQ(e->obj[1]->c, 4);  // the cell changes when the move starts
  e->updateObjects();
  EXPECT_EQ(e->obj[1]->x, e->centreX(3) + 4);
  EXPECT_EQ(e->objectsMoving, 1);
  EXPECT_EQ(host->soundsPlayed, (std::vector<int>{0}));
  const int frames = settle(*e);
  EXPECT_EQ(e->obj[1]->c, 11);
  EXPECT_EQ(e->obj[1]->x, e->centreX(11));
  EXPECT_EQ(e->obj[1]->dx, 0);
  // 13 frames a cell at 4 pixels a frame (the last step is cut short).
  EXPECT_EQ(frames, 8 * 13);
  EXPECT_EQ(host->soundsFaded, (std::vector<int>{0}));
}

TEST_F(Movement, SlidesScaleWithTheFrameStep) {
  TRoomBuilder b;
  b.object(3, 5, kObjRuby);
  auto e = b.live(host);
  host->step = 2.5f;
  push(*e, 1, 0, 1);
  e->updateObjects();
  EXPECT_EQ(e->obj[1]->y, e->centreY(5) + 10);
  settle(*e);
  EXPECT_EQ(e->obj[1]->r, 9);
  EXPECT_EQ(e->obj[1]->y, e->centreY(9));
}

TEST_F(Movement, TreasuresStopEverythingButCrates) {
  TRoomBuilder b;
  b.object(3, 5, kObjSarcophagus).object(7, 5, kObjCoins).object(3, 7, kObjCrate).object(7, 7, kObjCoins);
  auto e = b.live(host);
  // Crates come last: sarcophagus 1, coins 2 and 3, crate 4.
  push(*e, 1, 1, 0);
  int item = 0;
  settle(*e, &item);
  EXPECT_EQ(e->obj[1]->c, 6);
  EXPECT_EQ(item, 0);

  push(*e, 4, 1, 0);
  settle(*e, &item);
  EXPECT_EQ(item, kItemCoins);
  EXPECT_EQ(e->obj[4]->c, 7);
  EXPECT_EQ(e->obj[4]->movable, 0);
  EXPECT_FLOAT_EQ(e->obj[4]->alpha, 0.99f);
  EXPECT_EQ(e->obj[3]->frame, 0);  // collected
  EXPECT_EQ(e->obj[2]->frame, kObjCoins);
  EXPECT_EQ(host->texts, (std::vector<std::string>{"100"}));
  EXPECT_EQ(host->soundsPlayed, (std::vector<int>{0, 0, kItemCoins - 1}));
  ASSERT_EQ(host->sparklesRemoved.size(), 1u);
  EXPECT_EQ(host->sparklesRemoved[0].first, static_cast<int>(e->centreX(7)) + 5);
  EXPECT_EQ(host->sparklesRemoved[0].second, static_cast<int>(e->centreY(7)) - 18);
}

TEST_F(Movement, CrateStopsAtTheFirstOfTwoTreasuresAndAnkhsAndMapsHaveTheirSounds) {
  TRoomBuilder b;
  b.object(3, 5, kObjCrate).object(5, 5, kObjAnkh).object(6, 5, kObjMap).object(3, 7, kObjCrate)
      .object(6, 7, kObjMap);
  auto e = b.live(host);
  // Ankh 1, map 2, map 3, crates 4 and 5.
  push(*e, 4, 1, 0);
  int item = 0;
  settle(*e, &item);
  EXPECT_EQ(item, kItemAnkh);
  EXPECT_EQ(e->obj[4]->c, 5);
  EXPECT_EQ(e->obj[2]->frame, kObjMap);
  EXPECT_EQ(host->texts, (std::vector<std::string>{"extra life"}));
  EXPECT_EQ(host->soundsPlayed.back(), 3);
  push(*e, 5, 1, 0);
  settle(*e, &item);
  EXPECT_EQ(item, kItemMap);
  EXPECT_EQ(host->soundsPlayed.back(), 2);
  EXPECT_EQ(host->texts.size(), 1u);
}

TEST_F(Movement, CollectedCrateFadesOutAndIsCleared) {
  TRoomBuilder b;
  b.object(3, 5, kObjCrate).object(4, 5, kObjCoins);
  auto e = b.live(host);
  push(*e, 2, 1, 0);
  settle(*e);
  ASSERT_FLOAT_EQ(e->obj[2]->alpha, 0.99f);
  int frames = 0;
  while (e->obj[2]->frame != 0 && frames < 200) {
    e->drawObjectShadows();
    e->drawObjects(0);
    e->drawObjects(1);
    ++frames;
  }
  EXPECT_NEAR(frames, 66, 1);
  // While fading it blocks nothing.
  EXPECT_EQ(e->isEmpty(4, 5, 1, 0), 1);
}

TEST_F(Movement, FirstObjectFillsAPitNextOnePassesOver) {
  TRoomBuilder b;
  b.block(6, 5, kBlockPit).object(3, 5, kObjEmerald).object(2, 5, kObjSarcophagus);
  auto e = b.live(host);
  push(*e, 1, 1, 0);
  settle(*e);
  TObject& gem = *e->obj[1];
  EXPECT_EQ(gem.c, 6);
  EXPECT_EQ(gem.solid, 0);
  EXPECT_EQ(gem.movable, 0);
  EXPECT_FLOAT_EQ(gem.targetScale, 0.9f);
  for (int i = 0; i < 25; ++i) e->updateObjects();
  EXPECT_NEAR(gem.scale, 0.9f, 0.006f);
  EXPECT_LT(gem.scale, 0.9f);
  // The filled pit lets the sarcophagus across.
  EXPECT_EQ(e->isEmpty(6, 5, 1, 0), 1);
  push(*e, 2, 1, 0);
  settle(*e);
  EXPECT_EQ(e->obj[2]->c, 11);
  EXPECT_EQ(e->obj[2]->solid, 1);
}

TEST_F(Movement, PitHoldingADecayedWallIsClosed) {
  TRoomBuilder b;
  b.block(6, 5, kBlockPit).object(6, 5, kObjWhiteDecayedWall).block(8, 5, kBlockPit);
  auto e = b.live(host);
  EXPECT_EQ(e->isEmpty(6, 5, 1, 0), 0);
  EXPECT_EQ(e->isEmpty(8, 5, 1, 0), 1);
  EXPECT_EQ(e->isEmpty(1, 5, 1, 0), 0);   // wall
  EXPECT_EQ(e->isEmpty(0, 5, 1, 0), 0);   // border
  EXPECT_EQ(e->isEmpty(-3, 99, 1, 0), 0);  // off the grid
}

TEST_F(Movement, CrumblingFloorCrumblesUnderEveryArrival) {
  TRoomBuilder b;
  b.object(5, 5, kObjCrumblingFloor).object(3, 5, kObjRuby);
  auto e = b.live(host);
  push(*e, 2, 1, 0);
  // The ruby slides on over the floor, which starts crumbling as it passes.
  int frames = 0;
  while (e->obj[1]->crumbleDelay == 0 && frames < 100) e->updateObjects(), ++frames;
  EXPECT_EQ(frames, 26);
  settle(*e);
  EXPECT_EQ(e->obj[2]->c, 11);
  EXPECT_EQ(e->obj[1]->frame, 0);
  ASSERT_EQ(host->crumbles.size(), 1u);
  EXPECT_EQ(host->crumbles[0].first, static_cast<int>(e->centreX(5)));
}

TEST_F(Movement, ObjectStoppedOnACrumblingFloorOverAPitFallsInWhenItCrumbles) {
  TRoomBuilder b;
  b.block(5, 5, kBlockPit).object(5, 5, kObjCrumblingFloor).object(3, 5, kObjMirror).object(6, 5, kObjSarcophagus);
  auto e = b.live(host);
  push(*e, 2, 1, 0);
  int frames = 0;
  while (e->objectsMoving || frames == 0) e->updateObjects(), ++frames;
  EXPECT_EQ(e->obj[2]->c, 5);
  EXPECT_EQ(e->obj[2]->solid, 1);  // resting on the floor, above the pit
  frames = 0;
  while (e->obj[2]->solid == 1 && frames < 100) e->updateObjects(), ++frames;
  // The floor counts from 1 past 45 at 4 a frame and crumbles; the mirror
  // then falls in within the same frame (one frame has run already above).
  EXPECT_EQ(frames, 12);
  EXPECT_EQ(e->obj[1]->frame, 0);
  EXPECT_EQ(e->obj[2]->movable, 0);
}

TEST_F(Movement, DecayedWallExplodesAfterAFifthOfFullGlowAndLiftsTheFog) {
  TRoomBuilder b;
  for (int r = 2; r <= 9; ++r) b.block(6, r, 7);
  b.block(6, 5, kBlockPit).object(6, 5, 8).block(2, 5, kBlockEmitter).block(2, 4, 7).block(2, 6, 7)
      .block(3, 5, 1).object(4, 5, kObjEmerald);
  auto e = b.live(host, 1.0f);
  EXPECT_EQ(e->blk[9][5]->fog, 1);
  int frames = 0;
  while (e->obj[1]->frame != 0 && frames < 100) {
    e->createRays();
    e->updateObjects();
    ++frames;
  }
  EXPECT_EQ(frames, 21);
  ASSERT_EQ(host->explosions.size(), 1u);
  const auto& x = host->explosions[0];
  EXPECT_EQ(x.x, static_cast<int>(e->centreX(6)));
  EXPECT_EQ(x.g, 255);
  EXPECT_EQ(x.r, 0);
  EXPECT_EQ(x.implode, 1);  // it stood in a pit
  EXPECT_EQ(e->blk[9][5]->fog, 0);
}

TEST_F(Movement, WallGlowFadesWithoutLight) {
  TRoomBuilder b;
  b.object(6, 5, 6);
  auto e = b.live(host);
  TObject& w = *e->obj[1];
  for (int i = 0; i < 10; ++i) {
    w.glowActive = 1;
    e->updateObjects();
  }
  EXPECT_NEAR(w.glow, 0.1f, 1e-5);
  for (int i = 0; i < 15; ++i) e->updateObjects();
  EXPECT_EQ(w.glow, 0);
  EXPECT_TRUE(host->explosions.empty());
}

TEST_F(Movement, TreasuresSparkleOnlyOutOfTheFog) {
  TRoomBuilder b;
  b.object(3, 3, kObjCoins).object(4, 3, kObjMap);
  auto e = b.live(host);
  e->obj[1]->sparkleTime = 3;
  e->obj[2]->sparkleTime = 1;
  for (int i = 0; i < 3; ++i) e->updateObjects();
  ASSERT_EQ(host->sparkles.size(), 1u);
  EXPECT_EQ(host->sparkles[0].first, static_cast<int>(e->centreX(3)) + 5);
  EXPECT_GE(e->obj[1]->sparkleTime, 500);
  e->blk[3][3]->fog = 1;
  e->obj[1]->sparkleTime = 1;
  e->updateObjects();
  EXPECT_EQ(host->sparkles.size(), 1u);
}

TEST_F(Movement, ClickSelectsSecondClickDeselectsRightClickTurnsMirrors) {
  TRoomBuilder b;
  b.object(5, 5, kObjMirror).object(8, 5, kObjCoins);
  auto e = b.live(host);
  e->drawArrows();  // drops the selection request left by createRoom
  host->pointAt(*e, 5, 5);
  host->rightClicks = 1;
  e->updateObjects();
  EXPECT_EQ(e->obj[1]->angle, 90);
  EXPECT_EQ(host->pointerImage, 1);
  e->updateObjects();
  EXPECT_EQ(e->obj[1]->angle, 0);
  host->endFrame();

  host->leftClicks = 1;
  e->updateObjects();
  EXPECT_EQ(e->clickedO, 1);
  EXPECT_EQ(e->clickedC, 5);
  e->drawArrows();
  EXPECT_EQ(e->clickedO, 1);
  e->updateObjects();  // the same object again
  e->drawArrows();
  EXPECT_EQ(e->clickedO, 0);
  e->updateObjects();
  EXPECT_EQ(e->clickedO, 1);
  host->pointAt(*e, 8, 5);  // the coins are not movable: a click on nothing
  e->updateObjects();
  EXPECT_EQ(e->clickedO, 0);
}

TEST_F(Movement, ArrowClickStartsAMoveAndDropsTheSelection) {
  TRoomBuilder b;
  b.object(5, 5, kObjSarcophagus).object(5, 4, kObjCoins);
  auto e = b.live(host);
  e->drawArrows();
  host->pointAt(*e, 5, 5);
  host->leftClicks = 1;
  e->updateObjects();
  e->drawArrows();
  host->endFrame();
  ASSERT_EQ(e->clickedO, 1);
  // The coins above block the up arrow; the pointer over the right arrow.
  e->mouseC = 5;
  e->mouseR = 4;
  e->drawArrows();
  EXPECT_EQ(e->showArrows, 0);
  host->pointAt(*e, 6, 5);
  e->mouseC = 6;
  e->mouseR = 5;
  e->drawArrows();
  EXPECT_EQ(e->showArrows, 1);
  host->leftClicks = 1;
  e->updateObjects();
  EXPECT_EQ(e->clickedO, 1);  // a click on an arrow keeps the selection ...
  e->drawArrows();
  EXPECT_EQ(e->obj[1]->dx, 1);  // ... until the arrow pass starts the move
  EXPECT_EQ(e->clickedO, 0);
  host->endFrame();
  // While it moves, clicks select nothing and no arrows are offered.
  host->pointAt(*e, 5, 4);
  host->leftClicks = 1;
  e->updateObjects();
  EXPECT_EQ(e->objectsMoving, 1);
  EXPECT_EQ(e->clickedO, 0);
}

}  // namespace
