#include <gtest/gtest.h>

#include <array>

#include "platform/clock.h"
#include "platform/collision.h"
#include "platform/graphics.h"
#include "picture_helpers.h"

namespace {

using TRgb = std::array<int, 3>;

// Each test draws on the real 800 x 600 surface (SDL's software renderer
// when there is no display) and reads the pixels back.
class Surface : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 60)); }
  static void TearDownTestSuite() { EndGraphics(); }
  void SetUp() override {
    ASSERT_TRUE(GraphicsOpen());
    ResetDrawState();
    SetClsColor(0, 0, 0);
    Cls();
  }
  void TearDown() override { ResetDrawState(); }

  static TRgb Pixel(int x, int y) {
    const auto p = GrabPixmap(x, y, 1, 1);
    const uint8_t* px = p->At(0, 0);
    return {px[0], px[1], px[2]};
  }
  static void ExpectNear(const TRgb& got, const TRgb& want, int tolerance, const char* what) {
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(got[c], want[c], tolerance) << what << " channel " << c;
  }
};

TEST_F(Surface, BlendModesCombineSourceAndBackground) {
  const auto image = LoadImage(SolidPixmap(4, 4, 200, 50, 0, 128), 0);
  struct TCase {
    int blend;
    TRgb want;
    const char* name;
  };
  const TCase cases[] = {
      {kBlendMask, {200, 50, 0}, "mask keeps alpha >= 0.5 unblended"},
      {kBlendSolid, {200, 50, 0}, "solid"},
      {kBlendAlpha, {150, 75, 50}, "alpha"},
      {kBlendLight, {200, 125, 100}, "light"},
      {kBlendShade, {78, 20, 0}, "shade"},
  };
  for (const TCase& c : cases) {
    SetBlend(kBlendSolid);
    SetClsColor(100, 100, 100);
    Cls();
    SetBlend(c.blend);
    DrawImage(image, 10, 10);
    ExpectNear(Pixel(11, 11), c.want, 2, c.name);
    ExpectNear(Pixel(14, 14), {100, 100, 100}, 0, "outside the image");
    // Untextured shapes blend the same way.
    SetColor(200, 50, 0);
    SetAlpha(128 / 255.0f);
    DrawRect(30, 30, 4, 4);
    ExpectNear(Pixel(31, 31), c.want, 2, c.name);
    SetColor(255, 255, 255);
    SetAlpha(1);
  }
}

TEST_F(Surface, FadingAnOpaqueImageOverItsOwnColourChangesNothing) {
  const auto image = LoadImage(SolidPixmap(8, 8, 30, 60, 90), 0);
  SetBlend(kBlendSolid);
  DrawImage(image, 0, 0);
  SetBlend(kBlendAlpha);
  for (float a = 0; a <= 1; a += 0.05f) {
    SetAlpha(a);
    DrawImage(image, 0, 0);
    ExpectNear(Pixel(3, 3), {30, 60, 90}, 0, "an exact blend");
  }
}

TEST_F(Surface, MaskModeDiscardsPixelsBelowHalfAlpha) {
  auto pic = SolidPixmap(2, 1, 255, 255, 255, 127);
  SetPixel(*pic, 1, 0, 255, 255, 255, 128);
  const auto image = LoadImage(pic, 0);
  SetBlend(kBlendMask);
  DrawImage(image, 0, 0);
  ExpectNear(Pixel(0, 0), {0, 0, 0}, 0, "alpha 127");
  ExpectNear(Pixel(1, 0), {255, 255, 255}, 0, "alpha 128");
  // The drawing alpha takes part in the test: at 0.4 nothing passes.
  SetAlpha(0.4f);
  DrawRect(5, 0, 2, 2);
  ExpectNear(Pixel(5, 0), {0, 0, 0}, 0, "rect at alpha 0.4");
}

TEST_F(Surface, RotatedMidHandledImageTurnsAboutItsCentre) {
  const auto image = LoadImage(SolidPixmap(20, 10, 255, 255, 255), 0);
  MidHandleImage(image);
  SetRotation(90);
  const auto c = DrawState().Corners(20, 10, 10, 5, 100, 100);
  const float want[4][2] = {{105, 90}, {105, 110}, {95, 110}, {95, 90}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(c[i].x, want[i][0], 1e-4);
    EXPECT_NEAR(c[i].y, want[i][1], 1e-4);
  }
  SetBlend(kBlendSolid);
  DrawImage(image, 100, 100);
  // Covered: x 95..104, y 90..109.
  for (auto [x, y] : {std::pair{95, 90}, {104, 90}, {95, 109}, {104, 109}, {100, 100}})
    ExpectNear(Pixel(x, y), {255, 255, 255}, 0, "inside");
  for (auto [x, y] : {std::pair{94, 100}, {105, 100}, {100, 89}, {100, 110}})
    ExpectNear(Pixel(x, y), {0, 0, 0}, 0, "outside");
  // The collision quad agrees with what was drawn.
  ResetCollisions(0);
  CollideImage(image, 100, 100, 0, 0, 1);
  EXPECT_FALSE(CollideRect(95, 90, 1, 1, 1, 0).empty());
  EXPECT_TRUE(CollideRect(105, 100, 1, 1, 1, 0).empty());
}

TEST_F(Surface, ColourAndAlphaAreClampedWhenDrawing) {
  SetColor(300, -5, 128);
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r, 300);
  EXPECT_EQ(g, -5);
  SetBlend(kBlendSolid);
  DrawRect(0, 0, 2, 2);
  ExpectNear(Pixel(0, 0), {255, 0, 128}, 0, "clamped colour");

  SetColor(255, 255, 255);
  SetBlend(kBlendAlpha);
  SetAlpha(1.5f);
  EXPECT_FLOAT_EQ(GetAlpha(), 1);
  DrawRect(10, 0, 2, 2);
  ExpectNear(Pixel(10, 0), {255, 255, 255}, 0, "alpha 1.5 acts as 1");
  SetAlpha(-0.2f);
  EXPECT_FLOAT_EQ(GetAlpha(), 0);
  DrawRect(20, 0, 2, 2);
  ExpectNear(Pixel(20, 0), {0, 0, 0}, 0, "alpha -0.2 acts as 0");
}

TEST_F(Surface, ViewportClipsEveryDrawAndClsIgnoresIt) {
  SetViewport(10, 20, 30, 40);
  SetBlend(kBlendSolid);
  DrawRect(0, 0, 800, 600);
  ExpectNear(Pixel(9, 30), {0, 0, 0}, 0, "left of the viewport");
  ExpectNear(Pixel(10, 20), {255, 255, 255}, 0, "top-left inside");
  ExpectNear(Pixel(39, 59), {255, 255, 255}, 0, "bottom-right inside");
  ExpectNear(Pixel(40, 30), {0, 0, 0}, 0, "right of the viewport");
  ExpectNear(Pixel(20, 60), {0, 0, 0}, 0, "below the viewport");
  const auto tile = LoadImage(SolidPixmap(7, 7, 0, 255, 0), 0);
  TileImage(tile, 3, 3);
  ExpectNear(Pixel(10, 20), {0, 255, 0}, 0, "tiles fill the viewport");
  ExpectNear(Pixel(39, 59), {0, 255, 0}, 0, "tiles fill the viewport");
  ExpectNear(Pixel(40, 60), {0, 0, 0}, 0, "tiles stop at its edge");
  // A small picture stretched far beyond the viewport still fills it, once.
  Cls();
  SetBlend(kBlendAlpha);
  SetAlpha(0.5f);
  DrawImageRect(LoadImage(SolidPixmap(4, 4, 255, 255, 255), 0), 0, 0, 800, 600);
  for (auto [x, y] : {std::pair{10, 20}, {28, 21}, {32, 24}, {39, 59}})
    ExpectNear(Pixel(x, y), {127, 127, 127}, 1, "stretched image");
  ExpectNear(Pixel(40, 30), {0, 0, 0}, 0, "stretched image clipped");
  SetAlpha(1);
  SetBlend(kBlendSolid);
  SetViewport(0, 0, 0, 0);
  DrawRect(0, 0, 800, 600);
  ExpectNear(Pixel(500, 500), {0, 0, 0}, 0, "an empty viewport shows nothing");
  SetClsColor(9, 9, 9);
  Cls();
  ExpectNear(Pixel(500, 500), {9, 9, 9}, 0, "clear ignores the viewport");
}

TEST_F(Surface, OriginHandleScaleAndImageRect) {
  SetBlend(kBlendSolid);
  SetOrigin(100, 100);
  SetHandle(5, 5);
  DrawRect(0, 0, 10, 10);  // covers 95..104
  ExpectNear(Pixel(95, 95), {255, 255, 255}, 0, "rect with handle and origin");
  ExpectNear(Pixel(105, 105), {0, 0, 0}, 0, "rect end");
  SetOrigin(0, 0);
  SetHandle(0, 0);
  const auto image = LoadImage(SolidPixmap(4, 4, 255, 0, 0), 0);
  SetScale(2, 3);
  DrawImage(image, 200, 200);  // 8 x 12
  ExpectNear(Pixel(207, 211), {255, 0, 0}, 0, "scaled image");
  ExpectNear(Pixel(208, 211), {0, 0, 0}, 0, "scaled image width");
  SetScale(1, 1);
  DrawImageRect(image, 300, 300, 20, 5);
  ExpectNear(Pixel(319, 304), {255, 0, 0}, 0, "stretched image");
  ExpectNear(Pixel(320, 304), {0, 0, 0}, 0, "stretched image width");
}

TEST_F(Surface, LinesOvalsPolygonsAndPlots) {
  SetBlend(kBlendSolid);
  DrawLine(10, 10, 50, 10);
  ExpectNear(Pixel(30, 10), {255, 255, 255}, 0, "thin line");
  SetLineWidth(5);
  DrawLine(10, 100, 60, 100);
  ExpectNear(Pixel(30, 98), {255, 255, 255}, 0, "wide line");
  ExpectNear(Pixel(30, 106), {0, 0, 0}, 0, "wide line edge");
  DrawOval(200, 200, 40, 20);
  ExpectNear(Pixel(220, 210), {255, 255, 255}, 0, "oval centre");
  ExpectNear(Pixel(201, 201), {0, 0, 0}, 0, "oval corner stays empty");
  DrawPoly({300, 300, 340, 300, 300, 340});
  ExpectNear(Pixel(305, 305), {255, 255, 255}, 0, "triangle");
  ExpectNear(Pixel(335, 335), {0, 0, 0}, 0, "outside the triangle");
  Plot(500, 500);
  ExpectNear(Pixel(500, 500), {255, 255, 255}, 0, "plot");
}

TEST_F(Surface, GrabImageAndDrawPixmap) {
  SetBlend(kBlendSolid);
  SetColor(10, 20, 30);
  DrawRect(50, 50, 8, 8);
  SetColor(255, 255, 255);
  const auto grabbed = CreateImage(8, 8, 1, 0);
  DrawImage(grabbed, 0, 0);  // makes its texture before the grab
  GrabImage(grabbed, 50, 50);
  EXPECT_EQ(grabbed->pixmaps[0]->At(3, 3)[2], 30);
  EXPECT_EQ(grabbed->pixmaps[0]->Alpha(3, 3), 255);
  DrawImage(grabbed, 400, 400);
  ExpectNear(Pixel(405, 405), {10, 20, 30}, 0, "a grabbed image draws its new pixels");

  const auto pixmap = SolidPixmap(3, 3, 1, 2, 3);
  DrawPixmap(*pixmap, 600, 10);
  ExpectNear(Pixel(602, 12), {1, 2, 3}, 0, "pixmap");

  const auto outside = GrabPixmap(798, 598, 4, 4);
  EXPECT_EQ(outside->Alpha(1, 1), 255);
  EXPECT_EQ(outside->Alpha(2, 2), 0) << "beyond the view nothing is read";
}

TEST_F(Surface, ImagesSurviveReopeningTheDisplay) {
  const auto image = LoadImage(SolidPixmap(4, 4, 0, 0, 255), 0);
  SetBlend(kBlendSolid);
  DrawImage(image, 0, 0);
  const int before = GraphicsGeneration();
  ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 60));
  EXPECT_GT(GraphicsGeneration(), before);
  Cls();
  SetBlend(kBlendSolid);
  DrawImage(image, 0, 0);
  ExpectNear(Pixel(1, 1), {0, 0, 255}, 0, "drawn after reopening");
}

TEST_F(Surface, FullScreenAndBackKeepImagesAndState) {
  UseVirtualClock(0);  // the vertical-blank measurement must not take real time
  ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 32, 60));
  UseRealClock();
  EXPECT_TRUE(IsFullScreen());
  const auto image = LoadImage(SolidPixmap(4, 4, 0, 255, 0), 0);
  SetBlend(kBlendSolid);
  DrawImage(image, 0, 0);
  const int generation = GraphicsGeneration();
  if (SetFullScreen(false)) {
    EXPECT_FALSE(IsFullScreen());
    EXPECT_EQ(GraphicsGeneration(), generation) << "switching without reopening keeps the textures";
  }
  DrawImage(image, 10, 0);
  ExpectNear(Pixel(11, 1), {0, 255, 0}, 0, "drawn after the switch");
  ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 60));
  EXPECT_FALSE(IsFullScreen());
}

TEST_F(Surface, BackBufferScreenshots) {
  SetBlend(kBlendSolid);
  SetColor(0, 200, 0);
  DrawRect(0, 0, 400, 600);
  const std::string png = TempPath("shot.png"), jpg = TempPath("shot.jpg");
  ASSERT_TRUE(SaveBackBufferPNG(png));
  ASSERT_TRUE(SaveBackBufferJPEG(jpg, 85));
  const auto a = LoadPixmap(png), b = LoadPixmap(jpg);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->width, 800);
  EXPECT_EQ(a->At(100, 100)[1], 200);
  EXPECT_EQ(a->At(700, 100)[1], 0);
  EXPECT_NEAR(b->At(100, 100)[1], 200, 4);
}

TEST_F(Surface, FlipPacesToTheRateOnTheVirtualClock) {
  UseVirtualClock(1000);
  ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 60));  // window: paced by the timer
  const uint32_t start = MilliSecs();
  for (int i = 0; i < 60; ++i) Flip(-1);
  // 60 frames at 60 Hz: 16 ms each plus the 40 ms remainder spread over them.
  EXPECT_EQ(MilliSecs() - start, 1000u);
  Flip(0);
  Flip(1);
  EXPECT_EQ(MilliSecs() - start, 1000u) << "sync 0 and 1 never sleep on the clock";
  UseRealClock();
}

}  // namespace
