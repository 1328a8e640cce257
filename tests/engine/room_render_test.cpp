// The drawing passes, drawn headless into the software back buffer.
#include <gtest/gtest.h>

#include "platform/graphics.h"
#include "test_host.h"
#include "test_pictures.h"

namespace {

class RoomRender : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(Graphics(800, 600)); }
  static void TearDownTestSuite() { EndGraphics(); }
  void SetUp() override {
    ResetDrawState();
    SetBlend(kBlendAlpha);
    SetClsColor(0, 0, 0);
    Cls();
  }
  static std::array<int, 4> pixel(int x, int y) {
    const TPixmapPtr p = GrabPixmap(x, y, 1, 1);
    const uint8_t* px = p->At(0, 0);
    return {px[0], px[1], px[2], px[3]};
  }
  test_pictures::TTestGfx pictures;
  std::shared_ptr<TTestHost> host = std::make_shared<TTestHost>();
};

TEST_F(RoomRender, BeamIsAFourPixelCoreWithTwoFadingPixelsEachSide) {
  TRoomBuilder b;
  b.block(2, 5, kBlockEmitter).block(2, 4, 7).block(2, 6, 7);
  auto e = b.live(host);
  e->sparkList.clear();
  e->drawLight();
  const int x = static_cast<int>(e->centreX(6));
  const int y = static_cast<int>(e->centreY(5));
  // Across the beam: dark, 0.2, 0.5, core at 0.8 for four rows, 0.5, 0.2, dark.
  const int expected[10] = {0, 51, 127, 204, 204, 204, 204, 127, 51, 0};
  for (int i = 0; i < 10; ++i) EXPECT_NEAR(pixel(x, y - 5 + i)[0], expected[i], 3) << "row " << i;
  // The core starts at the emitter centre and ends at the wall.
  EXPECT_NEAR(pixel(static_cast<int>(e->centreX(2)), y)[0], 204, 3);
  EXPECT_NEAR(pixel(static_cast<int>(e->centreX(11)) + 24, y)[0], 204, 3);
  EXPECT_EQ(pixel(static_cast<int>(e->centreX(12)) + 1, y)[0], 0);
}

TEST_F(RoomRender, BeamsAreDrawnInTheirColourAndPulse) {
  TRoomBuilder b;
  b.block(2, 5, kBlockEmitter).block(2, 4, 7).block(2, 6, 7).object(5, 5, kObjSaphire);
  auto e = b.live(host);
  e->drawLight();
  const auto blue = pixel(static_cast<int>(e->centreX(8)), static_cast<int>(e->centreY(5)));
  EXPECT_EQ(blue[0], 0);
  EXPECT_EQ(blue[1], 0);
  EXPECT_NEAR(blue[2], 204, 3);
  EXPECT_FLOAT_EQ(e->lightAlpha, 0.8005f);
  float low = 1, high = 0;
  int turns = 0;
  float lastInc = e->lightAlphaInc;
  for (int i = 0; i < 960; ++i) {
    e->drawLight();
    low = std::min(low, e->lightAlpha);
    high = std::max(high, e->lightAlpha);
    if (e->lightAlphaInc != lastInc) ++turns, lastInc = e->lightAlphaInc;
  }
  EXPECT_NEAR(low, 0.74f, 0.001f);
  EXPECT_NEAR(high, 0.86f, 0.001f);
  EXPECT_EQ(turns, 4);  // two periods of 480 frames
}

TEST_F(RoomRender, BlockPassCountsFullyLitGlyphsAndTracksTheMouse) {
  TRoomBuilder b;
  b.block(12, 3, 11).block(12, 7, 12);
  auto e = b.live(host);
  e->blk[12][3]->a = 1;
  e->blk[12][3]->glyphActive = 1;
  e->blk[12][7]->glyphActive = 1;
  e->drawBlocks(1, 0);  // floors only: glyphs untouched
  EXPECT_EQ(e->activeGlyphs, 0);
  EXPECT_EQ(e->blk[12][3]->glyphActive, 1);
  host->pointAt(*e, 4, 6);
  e->drawBlocks(0, 1);
  EXPECT_EQ(e->activeGlyphs, 1);
  EXPECT_FLOAT_EQ(e->blk[12][7]->a, 0.01f);
  EXPECT_EQ(e->mouseC, 4);
  EXPECT_EQ(e->mouseR, 6);
  // The lit overlay (frame id + 10) is drawn over the fully lit glyph.
  EXPECT_EQ(pixel(static_cast<int>(e->centreX(12)), static_cast<int>(e->centreY(3)))[0], 10 * 21);
  // A frame later, only the still lit glyph counts.
  e->blk[12][3]->glyphActive = 1;
  e->drawBlocks(0, 0);
  EXPECT_EQ(e->activeGlyphs, 1);
  e->drawBlocks(0, 0);
  EXPECT_EQ(e->activeGlyphs, 0);
  EXPECT_EQ(e->mouseC, 4);  // not tracked this time
}

TEST_F(RoomRender, FoggedCellsShowOnlyTheFogTile) {
  TRoomBuilder b;
  b.object(5, 5, kObjRuby);
  auto e = b.live(host, 1.0f);  // no emitter: all fogged
  e->drawBlocks(1, 0);
  e->drawObjects(1);
  const int x = static_cast<int>(e->centreX(5)), y = static_cast<int>(e->centreY(5));
  EXPECT_EQ(pixel(x, y)[0], 10 * 20);
  e->blk[5][5]->fog = 0;
  e->drawBlocks(1, 0);
  e->drawObjects(1);
  EXPECT_EQ(pixel(x, y)[0], 10 * kObjRuby);
  EXPECT_EQ(pixel(x - 20, y)[0], 10 * 1);  // floor around the gem
}

TEST_F(RoomRender, FallenObjectsAreSmallerAndDarker) {
  TRoomBuilder b;
  b.object(5, 5, kObjDiamond);
  auto e = b.live(host);
  e->obj[1]->scale = 0.5f;
  e->drawObjects(1);
  const int x = static_cast<int>(e->centreX(5)), y = static_cast<int>(e->centreY(5));
  EXPECT_EQ(pixel(x, y)[1], 200 * 127 / 255);
  EXPECT_EQ(pixel(x - 10, y)[1], 0);  // half of the 30-pixel square
  float sx = 0, sy = 0;
  GetScale(sx, sy);
  EXPECT_EQ(sx, 1);
  int r = 0, g = 0, bl = 0;
  GetColor(r, g, bl);
  EXPECT_EQ(r + g + bl, 3 * 255);
}

TEST_F(RoomRender, DecayedWallGlowsInItsColourWithItsOwnPicture) {
  TRoomBuilder b;
  b.object(5, 5, 9).object(7, 5, 9);  // blue decayed walls
  auto e = b.live(host);
  e->obj[1]->glow = 1;
  e->drawObjects(1);
  const int y = static_cast<int>(e->centreY(5));
  const auto glowing = pixel(static_cast<int>(e->centreX(5)), y);
  const auto plain = pixel(static_cast<int>(e->centreX(7)), y);
  EXPECT_EQ(plain[2], 100);
  EXPECT_EQ(glowing[0], plain[0]);
  EXPECT_EQ(glowing[2], 200);  // 100 + the picture's blue added in blue
  // Outside the wall's own picture nothing glows.
  EXPECT_EQ(pixel(static_cast<int>(e->centreX(5)) + 20, y)[2], 0);
  EXPECT_EQ(GetBlend(), kBlendAlpha);
}

TEST_F(RoomRender, SoftShadowsAndSparksAreDrawn) {
  TRoomBuilder b;
  b.block(5, 5, kBlockEmitter);
  auto e = b.live(host);
  ASSERT_EQ(e->sparkList.size(), 1u);
  const float a1 = e->sparkList.front().angle1, a2 = e->sparkList.front().angle2;
  host->step = 2;
  e->drawLight();
  EXPECT_FLOAT_EQ(e->sparkList.front().angle1, a1 + 0.8f);
  EXPECT_FLOAT_EQ(e->sparkList.front().angle2, a2 - 1.2f);
  EXPECT_EQ(GetRotation(), 0);
  EXPECT_EQ(GetAlpha(), 1);
  e->drawShadowMap();
  // The sprite on (2, 2) in the ring's corner is drawn at 0.75 alpha.
  const auto shade = pixel(static_cast<int>(e->centreX(2)) - 24, static_cast<int>(e->centreY(2)));
  EXPECT_GT(shade[1], 100);
}

}  // namespace
