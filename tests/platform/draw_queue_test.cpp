// Frames that repeat the picture on screen are neither drawn nor presented;
// everything else must still reach the back buffer exactly.
#include <gtest/gtest.h>

#include <array>

#include "platform/graphics.h"
#include "picture_helpers.h"

namespace {

using TRgb = std::array<int, 3>;

class RepeatedFrames : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 0)); }
  static void TearDownTestSuite() { EndGraphics(); }
  void SetUp() override {
    ResetDrawState();
    SetClsColor(0, 0, 0);
  }

  static TRgb Pixel(int x, int y) {
    const auto p = GrabPixmap(x, y, 1, 1);
    const uint8_t* px = p->At(0, 0);
    return {px[0], px[1], px[2]};
  }
  // One frame as the main loop draws it: cleared first.
  static void Frame(int r, int g, int b) {
    Cls();
    SetColor(r, g, b);
    DrawRect(10, 10, 20, 20);
    Flip(0);
  }
};

TEST_F(RepeatedFrames, AnIdenticalFrameIsSkippedAndAChangedOneDrawn) {
  // The first frame after the set-up's own commands does not start clean.
  Frame(200, 0, 0);
  Frame(200, 0, 0);
  const int64_t repeatedBefore = FramesRepeated();
  Frame(200, 0, 0);
  Frame(200, 0, 0);
  EXPECT_EQ(FramesRepeated(), repeatedBefore + 2);
  EXPECT_EQ(Pixel(15, 15), (TRgb{200, 0, 0}));
  Frame(0, 200, 0);
  EXPECT_EQ(FramesRepeated(), repeatedBefore + 2);
  EXPECT_EQ(Pixel(15, 15), (TRgb{0, 200, 0}));
  // Back to the first picture: it differs from the one on screen.
  Frame(200, 0, 0);
  EXPECT_EQ(Pixel(15, 15), (TRgb{200, 0, 0}));
}

TEST_F(RepeatedFrames, AFrameThatDoesNotStartCleanIsAlwaysDrawn) {
  // Blending onto what is there changes the picture even with the same
  // commands (the cross-fade draws like this).
  Cls();
  Flip(0);
  const int64_t repeatedBefore = FramesRepeated();
  SetBlend(kBlendAlpha);
  SetAlpha(0.5f);
  for (int i = 0; i < 3; ++i) {
    SetColor(255, 255, 255);
    DrawRect(0, 0, 4, 4);
    Flip(0);
  }
  EXPECT_EQ(FramesRepeated(), repeatedBefore);
  // 0 -> 127 -> 191 -> 223 (each step halves the distance to white).
  EXPECT_NEAR(Pixel(1, 1)[0], 223, 2);
}

TEST_F(RepeatedFrames, NewPixelsInAPictureAreShownEvenWithTheSameCommands) {
  const TImagePtr image = LoadImage(SolidPixmap(8, 8, 10, 20, 30), 0);
  auto draw = [&] {
    Cls();
    DrawImage(image, 100, 100);
    Flip(0);
  };
  draw();
  EXPECT_EQ(Pixel(104, 104), (TRgb{10, 20, 30}));
  image->pixmaps[0] = SolidPixmap(8, 8, 90, 80, 70);
  image->Invalidate(0);
  draw();
  EXPECT_EQ(Pixel(104, 104), (TRgb{90, 80, 70}));
}

TEST_F(RepeatedFrames, ReadingBackMidFrameSeesEverythingDrawnSoFar) {
  Cls();
  SetColor(1, 2, 3);
  DrawRect(0, 0, 10, 10);
  EXPECT_EQ(Pixel(5, 5), (TRgb{1, 2, 3}));
  SetColor(4, 5, 6);
  DrawRect(0, 0, 10, 10);
  EXPECT_EQ(Pixel(5, 5), (TRgb{4, 5, 6}));
  Flip(0);
}

TEST_F(RepeatedFrames, TheClipOfASkippedFrameStillHoldsForTheNextCommands) {
  auto frame = [](int r) {
    Cls();
    SetViewport(0, 0, 5, 5);
    SetColor(r, 0, 0);
    DrawRect(0, 0, 50, 50);
    Flip(0);
  };
  frame(100);
  frame(100);  // skipped; the viewport stays 5 x 5
  SetColor(0, 0, 250);
  DrawRect(0, 0, 50, 50);
  EXPECT_EQ(Pixel(2, 2), (TRgb{0, 0, 250}));
  EXPECT_EQ(Pixel(20, 20), (TRgb{0, 0, 0}));
  SetViewport(0, 0, kViewWidth, kViewHeight);
}

// Opaque pictures drawn at full strength are copied rather than blended,
// and pictures drawn at one partial strength get it built into their alpha;
// neither may change what is seen beyond rounding.
TEST_F(RepeatedFrames, CopiedAndPremultipliedPicturesLookAsBlendedOnes) {
  SetBlend(kBlendAlpha);
  const TImagePtr opaque = LoadImage(SolidPixmap(16, 16, 30, 160, 90), 0);
  Cls();
  SetColor(250, 250, 250);
  DrawRect(0, 0, 100, 100);
  SetColor(255, 255, 255);
  DrawImage(opaque, 10, 10);
  EXPECT_EQ(Pixel(12, 12), (TRgb{30, 160, 90}));
  // A tinted or faded opaque picture is still blended.
  SetAlpha(0.5f);
  DrawImage(opaque, 40, 40);
  const TRgb faded = Pixel(45, 45);
  EXPECT_NEAR(faded[0], (30 + 250) / 2, 1);
  EXPECT_NEAR(faded[1], (160 + 250) / 2, 1);

  // A see-through picture at alpha 0.75, drawn three times: the first draw
  // blends as it always did, the later ones use the premultiplied copy.
  const TImagePtr shadow = LoadImage(SolidPixmap(10, 10, 0, 0, 0, 170), 0);
  SetAlpha(0.75f);
  TRgb seen[3];
  for (int i = 0; i < 3; ++i) {
    SetColor(250, 250, 250);
    SetAlpha(1);
    DrawRect(200, 200, 20, 20);
    SetColor(255, 255, 255);
    SetAlpha(0.75f);
    DrawImage(shadow, 205, 205);
    seen[i] = Pixel(208, 208);
  }
  for (int i = 1; i < 3; ++i)
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(seen[i][c], seen[0][c], 1) << "draw " << i << " channel " << c;
  // 250 under black at 170/255 x 0.75 = 0.5 coverage.
  EXPECT_NEAR(seen[2][0], 125, 2);
  Flip(0);
}

}  // namespace

// The still layer: what a frame draws from its Cls up to EndStillLayer is
// kept once it has been drawn alike twice, and copied from then on.
class StillLayers : public RepeatedFrames {
 protected:
  void TearDown() override { KeepStillLayers(true); }

  // A layer of a see-through picture over a rectangle, then a mark that
  // moves every frame above it; the back buffer read back whole.
  static TPixmapPtr LayeredFrame(const TImagePtr& picture, int layerShade, int markX) {
    Cls();
    SetBlend(kBlendAlpha);
    SetColor(layerShade, 120, 40);
    DrawRect(20, 20, 200, 100);
    SetColor(255, 255, 255);
    SetAlpha(0.75f);
    DrawImage(picture, 50, 40);
    SetAlpha(1);
    EndStillLayer();
    SetColor(250, 250, 0);
    DrawRect(static_cast<float>(markX), 60, 10, 10);
    const TPixmapPtr shot = GrabPixmap(0, 0, 240, 140);
    Flip(0);
    return shot;
  }
};

TEST_F(StillLayers, AKeptLayerLooksAsTheLayerDrawnInFull) {
  const TImagePtr picture = LoadImage(SolidPixmap(40, 40, 10, 200, 240, 140), 0);
  // The picture gets its strength built in (see above) before either run.
  LayeredFrame(picture, 90, 30);
  LayeredFrame(picture, 90, 30);
  KeepStillLayers(false);
  std::vector<TPixmapPtr> drawn;
  for (int i = 0; i < 4; ++i) drawn.push_back(LayeredFrame(picture, 90, 30 + 7 * i));
  KeepStillLayers(true);
  const int64_t reusedBefore = StillLayersReused();
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(LayeredFrame(picture, 90, 30 + 7 * i)->pixels, drawn[static_cast<size_t>(i)]->pixels) << "frame " << i;
  // The layer was last seen, with its picture's final strength, just before
  // the frames drawn in full: kept in the first frame, copied in the others.
  EXPECT_EQ(StillLayersReused(), reusedBefore + 3);
  // A layer drawn otherwise is drawn, and kept anew once it repeats.
  const TPixmapPtr other = LayeredFrame(picture, 200, 40);
  EXPECT_EQ(StillLayersReused(), reusedBefore + 3);
  EXPECT_EQ(other->At(25, 25)[0], 200);
  LayeredFrame(picture, 200, 40);
  LayeredFrame(picture, 200, 41);
  EXPECT_EQ(StillLayersReused(), reusedBefore + 4);
}

TEST_F(StillLayers, APictureOfTheLayerThatChangesIsSeenAtOnce) {
  const TImagePtr picture = CreateImage(40, 40, 1, 0);
  Cls();
  SetColor(0, 0, 250);
  DrawRect(0, 0, 40, 40);
  GrabImage(picture, 0, 0);
  for (int i = 0; i < 4; ++i) LayeredFrame(picture, 90, 30);
  const int64_t reusedBefore = StillLayersReused();
  const TPixmapPtr blue = LayeredFrame(picture, 90, 30);
  ASSERT_EQ(StillLayersReused(), reusedBefore + 1);
  // The same commands, but the picture they draw now holds other pixels.
  Cls();
  SetColor(250, 0, 0);
  DrawRect(0, 0, 40, 40);
  GrabImage(picture, 0, 0);
  for (int i = 0; i < 3; ++i) {
    const TPixmapPtr red = LayeredFrame(picture, 90, 30);
    EXPECT_GT(red->At(60, 50)[0], blue->At(60, 50)[0] + 100) << "frame " << i;
    EXPECT_LT(red->At(60, 50)[2] + 100, blue->At(60, 50)[2]) << "frame " << i;
  }
}

// Nested layers: the ground stays kept while what lies above it changes
// every frame, the whole layer is kept once that rests too, and a picture
// of the ground that changes is seen at once through both.
TEST_F(StillLayers, TheGroundIsKeptWhileTheLayerAboveItChanges) {
  const TImagePtr ground = CreateImage(40, 40, 1, 0);
  auto paintGround = [&ground](int red) {
    Cls();
    SetColor(red, 0, 250 - red);
    DrawRect(0, 0, 40, 40);
    GrabImage(ground, 0, 0);
  };
  auto nestedFrame = [&ground](int upperX) {
    Cls();
    SetBlend(kBlendAlpha);
    SetColor(90, 120, 40);
    DrawRect(20, 20, 200, 100);
    SetColor(255, 255, 255);
    DrawImage(ground, 150, 60);
    EndStillLayer(kStillGround);
    SetColor(30, 30, 200);
    SetAlpha(0.5f);
    DrawRect(static_cast<float>(upperX), 40, 30, 30);
    SetAlpha(1);
    EndStillLayer(kStillWhole);
    SetColor(250, 250, 0);
    DrawRect(60, 60, 10, 10);
    const TPixmapPtr shot = GrabPixmap(0, 0, 240, 140);
    Flip(0);
    return shot;
  };
  // A slide of five frames, then four at rest.
  const std::vector<int> slide = {30, 31, 32, 33, 34, 35, 35, 35, 35};
  paintGround(0);
  KeepStillLayers(false);
  std::vector<TPixmapPtr> drawn;
  for (int x : slide) drawn.push_back(nestedFrame(x));
  KeepStillLayers(true);
  const int64_t reusedBefore = StillLayersReused();
  for (size_t i = 0; i < slide.size(); ++i)
    EXPECT_EQ(nestedFrame(slide[i])->pixels, drawn[i]->pixels) << "frame " << i;
  // The ground is kept in the second frame and copied in the other seven;
  // the whole layer is kept in the second frame at rest and copied in two.
  EXPECT_EQ(StillLayersReused(), reusedBefore + 7 + 2);

  paintGround(250);
  const TPixmapPtr repainted = nestedFrame(35);
  EXPECT_GT(repainted->At(170, 80)[0], drawn.back()->At(170, 80)[0] + 200);
  EXPECT_LT(repainted->At(170, 80)[2] + 200, drawn.back()->At(170, 80)[2]);
}

namespace {

// Frames drawn only where they changed: the pixels there and around them.
class ChangedParts : public RepeatedFrames {
 protected:
  static TImagePtr Square(uint8_t red) {
    auto p = std::make_shared<TPixmap>(8, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) p->At(x, y)[0] = red, p->At(x, y)[3] = 255;
    return LoadImage(p, 0);
  }
  // A frame with a grey field and a square at x. A picture shown the frame
  // before and dropped halfway through this one (as a spark's old turned
  // step is) is used by none of its commands.
  static void Frame(float x, TImagePtr* drop = nullptr) {
    Cls();
    SetColor(90, 90, 90);
    DrawRect(0, 0, 400, 300);
    SetColor(255, 255, 255);
    if (drop) (*drop)->textures.reset();
    static const TImagePtr square = Square(250);
    DrawImage(square, x, 100);
    Flip(0);
  }
};

TEST_F(ChangedParts, AMovingSquareIsDrawnInPartsAndLeavesNoTrail) {
  Frame(100);
  Frame(100);
  const int64_t partsBefore = FramesDrawnInParts();
  Frame(120);
  EXPECT_EQ(FramesDrawnInParts(), partsBefore + 1);
  EXPECT_EQ(Pixel(103, 103), (TRgb{90, 90, 90}));  // where it was
  EXPECT_EQ(Pixel(123, 103), (TRgb{250, 0, 0}));
  // A picture dropped during the frame does not make it whole.
  TImagePtr passing = Square(10);
  Cls();
  DrawImage(passing, 500, 500);
  Flip(0);
  const int64_t partsThen = FramesDrawnInParts();
  Frame(140, &passing);
  EXPECT_EQ(FramesDrawnInParts(), partsThen + 1);
  EXPECT_EQ(Pixel(503, 503), (TRgb{0, 0, 0}));
  EXPECT_EQ(Pixel(123, 103), (TRgb{90, 90, 90}));
  EXPECT_EQ(Pixel(143, 103), (TRgb{250, 0, 0}));
  // The window shows what the back buffer holds.
  const TPixmapPtr shown = GrabShownPixmap(), drawn = GrabPixmap(0, 0, kViewWidth, kViewHeight);
  ASSERT_TRUE(shown);
  EXPECT_TRUE(shown->pixels == drawn->pixels);
}

}  // namespace
