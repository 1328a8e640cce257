// Light rays: segments from emitters, colours, mirrors, gems, obstacles,
// glyphs and the bounds that keep every trace finite.
#include <gtest/gtest.h>

#include "test_host.h"
#include "test_pictures.h"

namespace {

class Light : public ::testing::Test {
 protected:
  test_pictures::TTestGfx pictures;
  std::shared_ptr<TTestHost> host = std::make_shared<TTestHost>();

  // The segments of one trace.
  static const std::deque<TLightRay>& trace(TEngine& e) {
    e.createRays();
    return e.lightList;
  }
};

TEST_F(Light, EmitterBoxedInGivesNothingOpenOnOneSideGivesOneWhiteSegment) {
  TRoomBuilder boxed;
  boxed.block(5, 5, kBlockEmitter).block(4, 5, 7).block(6, 5, 7).block(5, 4, 7).block(5, 6, 7);
  auto e = boxed.live(host);
  EXPECT_TRUE(trace(*e).empty());

  TRoomBuilder open;
  open.block(5, 5, kBlockEmitter).block(4, 5, 7).block(5, 4, 7).block(5, 6, 7);
  e = open.live(host);
  const auto& rays = trace(*e);
  ASSERT_EQ(rays.size(), 1u);
  const TLightRay& s = rays[0];
  EXPECT_EQ(s.id, 1);
  EXPECT_EQ(s.x1, static_cast<int>(e->centreX(5)));
  EXPECT_EQ(s.y1, static_cast<int>(e->centreY(5)));
  EXPECT_EQ(s.dx, 1);
  EXPECT_EQ(s.dy, 0);
  EXPECT_EQ(s.lr + s.lg + s.lb, 3 * 255);
  // It grew to the ring wall at column 12.
  EXPECT_EQ(s.x2, static_cast<int>(e->centreX(11)) + 25);
  EXPECT_EQ(s.y2, s.y1);
  EXPECT_EQ(s.c, 11);
}

TEST_F(Light, EmitterShinesLeftRightUpDownInThatOrder) {
  TRoomBuilder b;
  b.block(5, 5, kBlockEmitter);
  auto e = b.live(host);
  const auto& rays = trace(*e);
  ASSERT_EQ(rays.size(), 4u);
  EXPECT_EQ(rays[0].dx, -1);
  EXPECT_EQ(rays[1].dx, 1);
  EXPECT_EQ(rays[2].dy, -1);
  EXPECT_EQ(rays[3].dy, 1);
  EXPECT_EQ(rays[3].id, 4);
}

TEST_F(Light, GlyphsAreLitOnlyByTheirExactColour) {
  // Emitter at (2,5) shining right along row 5 towards a glyph at (12,5).
  auto room = [](int glyph, int gem) {
    TRoomBuilder b;
    b.block(2, 5, kBlockEmitter).block(2, 4, 7).block(2, 6, 7).block(12, 5, glyph);
    if (gem) b.object(6, 5, gem);
    return b;
  };
  auto red = room(12, 0).live(host);
  trace(*red);
  EXPECT_EQ(red->blk[12][5]->glyphActive, 0);
  // The ray ends one pixel inside the glyph.
  EXPECT_EQ(red->lightList.back().x2, static_cast<int>(red->centreX(12)) - 24);

  auto throughRuby = room(12, kObjRuby).live(host);
  const auto& rays = trace(*throughRuby);
  EXPECT_EQ(throughRuby->blk[12][5]->glyphActive, 1);
  ASSERT_EQ(rays.size(), 2u);
  EXPECT_EQ(rays[1].lr, 255);
  EXPECT_EQ(rays[1].lg, 0);
  // The white segment stops at the gem's first solid pixel.
  EXPECT_EQ(rays[0].x2, static_cast<int>(throughRuby->centreX(6)) - 15);

  auto redOnWhite = room(11, kObjRuby).live(host);
  trace(*redOnWhite);
  EXPECT_EQ(redOnWhite->blk[12][5]->glyphActive, 0);

  auto whiteOnWhite = room(11, 0).live(host);
  trace(*whiteOnWhite);
  EXPECT_EQ(whiteOnWhite->blk[12][5]->glyphActive, 1);

  // Red light through an emerald goes dark; a diamond changes nothing.
  TRoomBuilder dark = room(12, kObjRuby);
  dark.object(9, 5, kObjEmerald);
  auto e = dark.live(host);
  EXPECT_EQ(trace(*e).size(), 2u);
  EXPECT_EQ(e->blk[12][5]->glyphActive, 0);
  TRoomBuilder clear = room(12, kObjRuby);
  clear.object(9, 5, kObjDiamond);
  e = clear.live(host);
  EXPECT_EQ(trace(*e).size(), 3u);
  EXPECT_EQ(e->blk[12][5]->glyphActive, 1);
}

TEST_F(Light, MirrorTurnsTheRayByAngle) {
  TRoomBuilder b;
  b.block(2, 5, kBlockEmitter).block(2, 4, 7).block(2, 6, 7).object(6, 5, kObjMirror);
  auto e = b.live(host);
  auto rays = trace(*e);
  ASSERT_EQ(rays.size(), 2u);
  EXPECT_EQ(rays[1].dx, 0);
  EXPECT_EQ(rays[1].dy, 1);  // angle 0: right-going light leaves downwards
  EXPECT_EQ(rays[1].y2, static_cast<int>(e->centreY(9)) + 25);  // stopped by the ring
  // The incoming segment is drawn up to one pixel before the mirror.
  EXPECT_EQ(rays[0].x2 + 1, rays[1].x1);
  EXPECT_EQ(rays[1].y1, rays[0].y2 + 1);

  e->obj[1]->angle = 90;
  rays = trace(*e);
  ASSERT_EQ(rays.size(), 2u);
  EXPECT_EQ(rays[1].dy, -1);  // angle 90: right-going light leaves upwards

  // A white glyph below the mirror at angle 0 is lit by the turned ray.
  e->obj[1]->angle = 0;
  e->setBlockFromMaster(6, 8, 11);
  trace(*e);
  EXPECT_EQ(e->blk[6][8]->glyphActive, 1);
}

TEST_F(Light, MirrorDirectionsForEveryIncomingSide) {
  // Emitter at the centre of a cross; mirrors at both angles on each arm.
  struct TCase {
    int mc, mr, angle, dx, dy;
  };
  const TCase cases[] = {
      {8, 5, 0, 0, 1},  {8, 5, 90, 0, -1},   // travelling right
      {3, 5, 0, 0, -1}, {3, 5, 90, 0, 1},    // travelling left
      {5, 3, 0, -1, 0}, {5, 3, 90, 1, 0},    // travelling up
      {5, 8, 0, 1, 0},  {5, 8, 90, -1, 0},   // travelling down
  };
  for (const TCase& k : cases) {
    TRoomBuilder b;
    b.block(5, 5, kBlockEmitter).object(k.mc, k.mr, kObjMirror);
    auto e = b.live(host);
    e->obj[1]->angle = k.angle;
    const auto& rays = trace(*e);
    ASSERT_EQ(rays.size(), 5u);
    bool found = false;
    for (size_t i = 4; i < rays.size(); ++i) found = found || (rays[i].dx == k.dx && rays[i].dy == k.dy);
    // The reflected segment is spawned right after the segment that hit.
    int hitIndex = -1;
    for (int i = 0; i < 5; ++i)
      if (rays[i].c == k.mc && rays[i].r == k.mr) hitIndex = i;
    ASSERT_GE(hitIndex, 0);
    EXPECT_EQ(rays[hitIndex + 1].dx, k.dx) << k.mc << "," << k.mr << " angle " << k.angle;
    EXPECT_EQ(rays[hitIndex + 1].dy, k.dy) << k.mc << "," << k.mr << " angle " << k.angle;
  }
}

TEST_F(Light, WhatStopsLightAndWhatLetsItPass) {
  auto glyphLit = [&](int block, int objectId, float alpha = 1) {
    TRoomBuilder b;
    b.block(2, 5, kBlockEmitter).block(2, 4, 7).block(2, 6, 7).block(12, 5, 11).block(6, 5, block);
    if (objectId) b.object(6, 5, objectId);
    auto e = b.live(host);
    if (objectId) e->obj[1]->alpha = alpha;
    trace(*e);
    return e->blk[12][5]->glyphActive == 1;
  };
  EXPECT_TRUE(glyphLit(kBlockPit, 0));
  EXPECT_TRUE(glyphLit(5, 0));  // skeleton
  EXPECT_FALSE(glyphLit(7, 0));
  EXPECT_FALSE(glyphLit(13, 0));  // another glyph
  EXPECT_FALSE(glyphLit(1, kObjScarab));
  EXPECT_FALSE(glyphLit(1, kObjSarcophagus));
  EXPECT_FALSE(glyphLit(1, kObjCrate));
  EXPECT_FALSE(glyphLit(1, 7));  // a decayed wall of another colour
  EXPECT_TRUE(glyphLit(1, kObjCoins));
  EXPECT_TRUE(glyphLit(1, kObjAnkh));
  EXPECT_TRUE(glyphLit(1, kObjMap));
  EXPECT_TRUE(glyphLit(1, kObjCrumblingFloor));
  EXPECT_TRUE(glyphLit(1, kObjCrate, 0.85f));  // a collected crate fading out
  EXPECT_FALSE(glyphLit(1, kObjCrate, 0.9f));
}

TEST_F(Light, ObjectFallenIntoAPitLetsLightPass) {
  TRoomBuilder b;
  b.block(2, 5, kBlockEmitter).block(2, 4, 7).block(2, 6, 7).block(12, 5, 11).block(6, 5, kBlockPit)
      .object(6, 5, kObjSarcophagus);
  auto e = b.live(host);
  trace(*e);
  EXPECT_EQ(e->blk[12][5]->glyphActive, 0);
  e->updateObjects();  // alone in the pit: it falls in
  EXPECT_EQ(e->obj[1]->solid, 0);
  trace(*e);
  EXPECT_EQ(e->blk[12][5]->glyphActive, 1);
}

TEST_F(Light, DecayedWallOfTheRayColourIsMarked) {
  TRoomBuilder b;
  b.block(2, 5, kBlockEmitter).block(2, 4, 7).block(2, 6, 7).object(6, 5, kObjWhiteDecayedWall)
      .object(6, 6, 7);
  auto e = b.live(host);
  trace(*e);
  EXPECT_EQ(e->obj[1]->glowActive, 1);
  EXPECT_EQ(e->obj[2]->glowActive, 0);
}

TEST_F(Light, MovingObjectIsHitWhereverItsPictureIs) {
  TRoomBuilder b;
  b.block(2, 5, kBlockEmitter).block(2, 4, 7).block(2, 6, 7).block(12, 5, 11).object(7, 4, kObjSarcophagus);
  auto e = b.live(host);
  trace(*e);
  EXPECT_EQ(e->blk[12][5]->glyphActive, 1);
  // Most of the way down into row 5, its picture covers the ray.
  e->obj[1]->dy = 1;
  e->obj[1]->r = 5;
  e->obj[1]->y += 45;
  e->blk[12][5]->glyphActive = 0;  // the block pass clears it each frame
  trace(*e);
  EXPECT_EQ(e->blk[12][5]->glyphActive, 0);
  EXPECT_EQ(e->lightList[0].x2, static_cast<int>(e->centreX(7)) - 15);
}

// Four mirrors round a square throw a ray round and round once it gets in;
// here it gets in past a mirror that is moving out of its way. The trace
// must still end.
TEST_F(Light, ReflectionCycleIsCutOff) {
  // Square mirror pictures, so that every leg of the loop meets the next one.
  pictures.set.objectImg = test_pictures::makeImage(60, 60, 25, 25, 25, [](int f, int u, int v) {
    return f != 0 && u >= 10 && u < 40 && v >= 10 && v < 40;
  });
  TRoomBuilder b;
  b.block(2, 5, kBlockEmitter).object(3, 5, kObjMirror).object(4, 5, kObjMirror).object(4, 6, kObjMirror)
      .object(3, 6, kObjMirror);
  auto e = b.live(host);
  const int angles[5] = {0, 90, 0, 90, 0};
  for (int i = 1; i <= 4; ++i) e->obj[i]->angle = angles[i];
  e->obj[1]->dy = -1;  // sliding up and off the row of the emitter
  e->obj[1]->r = 4;
  e->obj[1]->y -= 20;
  e->createRays();
  EXPECT_GT(e->traceCutOff(), 0);
  EXPECT_LE(static_cast<int>(e->lightList.size()), TEngine::kMaxTraceSegments);
  // The segments do run round the square.
  ASSERT_GE(e->lightList.size(), 9u);
  EXPECT_EQ(e->lightList[1].dy, 1);
  EXPECT_EQ(e->lightList[2].dx, -1);
  EXPECT_EQ(e->lightList[3].dy, -1);
  EXPECT_EQ(e->lightList[4].dx, 1);
  EXPECT_EQ(e->lightList[5].dy, 1);
  // Next frame, the same again.
  const size_t first = e->lightList.size();
  e->createRays();
  EXPECT_EQ(e->lightList.size(), first);
}

TEST_F(Light, GlyphGlowRisesWithLightAndFades) {
  TRoomBuilder b;
  b.block(12, 5, 11).block(12, 7, 12);
  auto e = b.live(host);
  TBlock& g = *e->blk[12][5];
  g.glyphActive = 1;
  e->updateGlyph(g, 1);
  EXPECT_FLOAT_EQ(g.a, 0.01f);
  EXPECT_EQ(g.glyphActive, 0);
  e->updateGlyph(g, 1);
  EXPECT_FLOAT_EQ(g.a, 0);
  EXPECT_TRUE(host->glyphPauses.size() == 1 && host->glyphPauses[0] == 1);

  // Lit continuously: the sound starts past a quarter, full glow after 100.
  int frames = 0;
  while (g.a < 1 && frames < 200) {
    g.glyphActive = 1;
    e->updateGlyph(g, 1);
    ++frames;
  }
  EXPECT_NEAR(frames, 100, 1);
  EXPECT_EQ(host->glyphPlays, (std::vector<int>{1}));  // started once, then playing
  e->activeGlyphs = 0;
  g.glyphActive = 1;
  e->updateGlyph(g, 1);
  EXPECT_EQ(e->activeGlyphs, 1);
  // Glyph 2 has its own channel.
  TBlock& g2 = *e->blk[12][7];
  g2.a = 0.3f;
  g2.glyphActive = 1;
  e->updateGlyph(g2, 2);
  EXPECT_EQ(host->glyphPlays.back(), 2);
}

}  // namespace
