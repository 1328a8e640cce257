#include <gtest/gtest.h>

#include <random>

#include "platform/collision.h"
#include "platform/graphics.h"
#include "picture_helpers.h"

namespace {

class Collisions : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetDrawState();
    ResetCollisions(0);
  }
  void TearDown() override { ResetDrawState(); }
};

// A 10 x 10 masked image whose left half is transparent (mask colour).
TImagePtr HalfMasked() {
  auto pic = SolidPixmap(10, 10, 255, 255, 255, 255, false);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 5; ++x) SetPixel(*pic, x, y, 0, 0, 0, 255);
  return LoadImage(pic, kImageMasked);
}

TEST_F(Collisions, MaskedImagesOverlappingOnlyWhereOneIsTransparentDoNotCollide) {
  const auto a = HalfMasked(), b = HalfMasked();
  // b's opaque right half (x 25..29) overlaps a's transparent left half.
  EXPECT_FALSE(ImagesCollide(a, 25, 0, 0, b, 20, 0, 0));
  EXPECT_TRUE(ImagesCollide(a, 25, 0, 0, b, 24, 0, 0));
  // Rectangles far apart, and merely touching edges.
  EXPECT_FALSE(ImagesCollide(a, 0, 0, 0, b, 100, 100, 0));
  const auto solid = LoadImage(SolidPixmap(10, 10, 9, 9, 9), 0);
  EXPECT_FALSE(ImagesCollide(solid, 0, 0, 0, solid, 10, 0, 0));
  EXPECT_TRUE(ImagesCollide(solid, 0, 0, 0, solid, 9.5f, 0, 0));
}

TEST_F(Collisions, AlphaThresholdIs128) {
  const auto faint = LoadImage(SolidPixmap(4, 4, 1, 1, 1, 127), 0);
  const auto half = LoadImage(SolidPixmap(4, 4, 1, 1, 1, 128), 0);
  EXPECT_TRUE(CollideImage(faint, 0, 0, 0, 0, 1).empty());
  EXPECT_TRUE(CollideRect(0, 0, 4, 4, 1, 0).empty());
  CollideImage(half, 0, 0, 0, 0, 1);
  EXPECT_FALSE(CollideRect(0, 0, 4, 4, 1, 0).empty());
}

TEST_F(Collisions, ImageAgainstRectangleHonoursHandleRotationAndPixels) {
  const auto img = HalfMasked();
  static const int tag = 0;
  CollideImage(img, 100, 100, 0, 0, 1 << 3, &tag);
  // Opaque columns are 105..109.
  EXPECT_TRUE(CollideRect(104, 100, 1, 10, 1 << 3, 0).empty());
  const auto hits = CollideRect(105, 109, 1, 1, 1 << 3, 0);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0], &tag);
  EXPECT_TRUE(CollideRect(110, 100, 5, 5, 1 << 3, 0).empty());
  EXPECT_TRUE(CollideRect(105, 100, 1, 1, 1 << 4, 0).empty()) << "other layers are not tested";

  // Mid-handled and turned by 180 degrees the opaque half lands on the left.
  ResetCollisions(0);
  MidHandleImage(img);
  SetRotation(180);
  CollideImage(img, 100, 100, 0, 0, 1);
  SetRotation(0);
  EXPECT_FALSE(CollideRect(95, 95, 1, 1, 1, 0).empty());
  EXPECT_TRUE(CollideRect(100, 95, 5, 10, 1, 0).empty());
}

TEST_F(Collisions, LayersMasksAndReset) {
  int ids[3] = {};
  CollideRect(0, 0, 10, 10, 0, 1 << 0, &ids[0]);
  CollideRect(5, 5, 10, 10, 0, (1u << 1) | (1u << 31), &ids[1]);
  CollideRect(50, 50, 10, 10, 0, 1 << 1, &ids[2]);
  EXPECT_EQ(CollideRect(6, 6, 2, 2, 0b11, 0).size(), 2u);
  EXPECT_EQ(CollideRect(6, 6, 2, 2, 1u << 31, 0).size(), 1u);
  ResetCollisions(1 << 0);
  const auto left = CollideRect(6, 6, 2, 2, 0b11, 0);
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0], &ids[1]);
  ResetCollisions(0);
  EXPECT_TRUE(CollideRect(0, 0, 800, 600, 0xFFFFFFFFu, 0).empty());
  // Testing and storing in one call: the new quad is not tested against itself.
  EXPECT_TRUE(CollideRect(0, 0, 10, 10, 1, 1).empty());
  EXPECT_EQ(CollideRect(0, 0, 10, 10, 1, 1).size(), 1u);
}

TEST_F(Collisions, DegenerateInputIsHarmless) {
  const auto img = HalfMasked();
  EXPECT_TRUE(CollideImage(nullptr, 0, 0, 0, 1, 1).empty());
  EXPECT_TRUE(CollideImage(img, 0, 0, 5, 1, 1).empty());
  SetScale(0, 1);
  CollideImage(img, 0, 0, 0, 0, 1);
  SetScale(1, 1);
  EXPECT_TRUE(CollideRect(0, 0, 20, 20, 1, 0).empty());
  CollideRect(0, 0, -5, 10, 0, 2);
  EXPECT_TRUE(CollideRect(-10, 0, 20, 20, 2, 0).empty());
}

// The pointer's test against a picture, made without the layers, answers
// as the layers do: turned, scaled, handled and shifted pictures, rectangles
// of a pixel and wider, touching edges, and a picture scaled to nothing.
TEST_F(Collisions, ImageMeetsRectAnswersAsTheLayersDo) {
  const auto img = HalfMasked();
  MidHandleImage(img);
  std::mt19937 rng(27);
  std::uniform_real_distribution<float> pos(80, 120), near(-9, 9), size(0, 8), turn(0, 360), scale(0, 2);
  int hits = 0, misses = 0;
  for (int i = 0; i < 4000; ++i) {
    SetTransform(i % 3 == 0 ? 0.0f : turn(rng), i % 5 == 0 ? 1.0f : scale(rng), i % 7 == 0 ? 0.0f : scale(rng));
    SetOrigin(i % 2 == 0 ? 0.0f : 3.5f, i % 4 == 0 ? 0.0f : -2.0f);
    const float x = pos(rng), y = pos(rng), rx = x + near(rng), ry = y + near(rng);
    const float rw = i % 2 == 0 ? 1.0f : size(rng), rh = i % 2 == 0 ? 1.0f : size(rng);
    ResetCollisions(0);
    CollideImage(img, x, y, 0, 0, 1);
    const bool layered = !CollideRect(rx, ry, rw, rh, 1, 0).empty();
    ASSERT_EQ(ImageMeetsRect(img, x, y, 0, rx, ry, rw, rh), layered) << "case " << i;
    (layered ? hits : misses) += 1;
  }
  // Both answers come up often, or the comparison proves little.
  EXPECT_GT(hits, 400);
  EXPECT_GT(misses, 400);
  SetTransform(0, 1, 1);
  SetOrigin(0, 0);
  EXPECT_FALSE(ImageMeetsRect(nullptr, 0, 0, 0, 0, 0, 10, 10));
  EXPECT_FALSE(ImageMeetsRect(img, 100, 100, 3, 95, 95, 10, 10)) << "a frame the picture lacks";
}

}  // namespace
