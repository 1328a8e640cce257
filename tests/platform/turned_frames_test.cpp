// Pictures turned in steps (the sparks) must look as pictures turned freely
// at the step's angle, and draw from their textures from then on.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/graphics.h"
#include "picture_helpers.h"

namespace {

class TurnedFrames : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 0)); }
  static void TearDownTestSuite() { EndGraphics(); }
  void SetUp() override {
    ResetDrawState();
    SetBlend(kBlendAlpha);
  }

  // A size x size picture with a soft edge and, unless symmetric, a marked
  // corner.
  static TImagePtr Picture(bool quarterSymmetric, int size = 40) {
    auto p = std::make_shared<TPixmap>(size, size);
    const int r = size - 4;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const int dx = 2 * x - (size - 1), dy = 2 * y - (size - 1), d = dx * dx + dy * dy;
        SetPixel(*p, x, y, 250, 200, static_cast<uint8_t>(d * 255 / (2 * size * size)),
                 d < r * r ? 255 : d < size * size ? 120 : 0);
      }
    if (!quarterSymmetric)
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x) SetPixel(*p, x, y, 0, 90, 255, 255);
    TImagePtr image = LoadImage(p, kImageFiltered);
    MidHandleImage(image);
    return image;
  }

  // The picture drawn over grey at (200, 200), turned and scaled.
  static TPixmapPtr Drawn(const TImagePtr& image, float degrees, float scale) {
    Cls();
    SetColor(90, 90, 90);
    SetAlpha(1);
    DrawRect(140, 140, 120, 120);
    SetColor(255, 255, 255);
    SetAlpha(0.9f);
    SetTransform(degrees, scale, scale);
    DrawImage(image, 200, 200);
    SetTransform(0, 1, 1);
    return GrabPixmap(140, 140, 120, 120);
  }

  static int LargestDifference(const TPixmap& a, const TPixmap& b) {
    int most = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) most = std::max(most, std::abs(a.pixels[i] - b.pixels[i]));
    return most;
  }
};

TEST_F(TurnedFrames, StepsLookAsTheFreelyTurnedPicture) {
  const TImagePtr free = Picture(false), stepped = Picture(false);
  TurnInSteps(stepped, 1);
  for (const float degrees : {0.0f, 30.0f, 117.0f, 250.0f, -40.0f}) {
    for (const float scale : {1.0f, 0.6f}) {
      const TPixmapPtr want = Drawn(free, degrees, scale);
      // The first draw makes the step, the second copies it. The step holds
      // the 0.9 strength in its alpha, which rounds once more than blending
      // at that strength: a level or two of 255 at most.
      for (int round = 0; round < 2; ++round)
        EXPECT_LE(LargestDifference(*Drawn(stepped, degrees, scale), *want), 2)
            << degrees << " degrees, scale " << scale << ", round " << round;
    }
  }
}

TEST_F(TurnedFrames, AQuarterTurnSymmetricPictureNeedsOnlyAQuarterTurnOfSteps) {
  // Turned by 117 degrees it is the same picture as turned by 27, and it is
  // drawn from the 27-degree step (the pixels the rasteriser picks for the
  // two angles differ slightly, as between any two angles).
  const TImagePtr free = Picture(true), stepped = Picture(true);
  TurnInSteps(stepped, 1);
  for (const float scale : {1.0f, 0.6f}) {
    EXPECT_LE(LargestDifference(*Drawn(stepped, 117, scale), *Drawn(free, 27, scale)), 1) << scale;
    EXPECT_LE(LargestDifference(*Drawn(stepped, -40, scale), *Drawn(free, 50, scale)), 1) << scale;
  }
}

TEST_F(TurnedFrames, AnglesBetweenStepsShowTheNearestStep) {
  const TImagePtr free = Picture(false), stepped = Picture(false);
  TurnInSteps(stepped, 1);
  EXPECT_LE(LargestDifference(*Drawn(stepped, 30.4f, 0.6f), *Drawn(free, 30, 0.6f)), 1);
  EXPECT_LE(LargestDifference(*Drawn(stepped, 30.6f, 0.6f), *Drawn(free, 31, 0.6f)), 1);
  // The marked corner makes a half turn visible.
  EXPECT_GT(LargestDifference(*Drawn(stepped, 180, 1), *Drawn(stepped, 0, 1)), 100);
}

TEST_F(TurnedFrames, StepsBeyondTheRoomForThemAreStillDrawnRight) {
  // A large picture turned through many steps fills the room the steps of
  // one picture may take; the steps after that are drawn, copied while they
  // show, and let go.
  const TImagePtr free = Picture(false, 200), stepped = Picture(false, 200);
  TurnInSteps(stepped, 1);
  SetAlpha(0.9f);
  for (int degrees = 0; degrees < 200; ++degrees) {
    Cls();
    SetTransform(static_cast<float>(degrees), 1, 1);
    DrawImage(stepped, 400, 300);
  }
  SetTransform(0, 1, 1);
  for (const float degrees : {10.0f, 190.0f, 250.0f, 250.0f, 10.0f})
    EXPECT_LE(LargestDifference(*Drawn(stepped, degrees, 0.5f), *Drawn(free, degrees, 0.5f)), 2) << degrees;
}

TEST_F(TurnedFrames, AStepCutToWhatShowsLooksAsTheWholeStep) {
  // A disc off the middle of a bigger frame whose empty pixels still carry
  // a colour: the steps are kept cut to the disc, which must neither lose an
  // edge pixel of it nor bring in the empty pixels' colour, blended at any
  // strength or added.
  auto p = std::make_shared<TPixmap>(64, 48);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) {
      const int dx = x - 40, dy = y - 20;
      const bool in = dx * dx + dy * dy < 14 * 14;
      SetPixel(*p, x, y, in ? 255 : 0, in ? static_cast<uint8_t>(4 * y) : 255, 60, in ? 255 : 0);
    }
  const TImagePtr free = LoadImage(p, kImageFiltered), stepped = LoadImage(p, kImageFiltered);
  MidHandleImage(free);
  MidHandleImage(stepped);
  TurnInSteps(stepped, 1);
  for (const int blend : {kBlendAlpha, kBlendLight}) {
    SetBlend(blend);
    for (const float degrees : {0.0f, 45.0f, 133.0f, 301.0f}) {
      for (const float scale : {1.0f, 0.55f}) {
        const TPixmapPtr want = Drawn(free, degrees, scale);
        for (int round = 0; round < 2; ++round)
          EXPECT_LE(LargestDifference(*Drawn(stepped, degrees, scale), *want), 2)
              << "blend " << blend << ", " << degrees << " degrees, scale " << scale << ", round " << round;
      }
    }
  }
}

}  // namespace
