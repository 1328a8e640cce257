#include "effects/cross_fade.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/graphics.h"

namespace {

class CrossFadeTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 60, 0)); }
  void TearDown() override {
    ResetDrawState();
    EndGraphics();
  }

  static void fill(int r, int g, int b) {
    SetAlpha(1);
    SetBlend(kBlendSolid);
    SetColor(r, g, b);
    DrawRect(0, 0, kViewWidth, kViewHeight);
  }
  // The colour of one pixel of the back buffer.
  static std::vector<int> pixel(int x, int y) {
    TPixmapPtr p = GrabPixmap(x, y, 1, 1);
    const uint8_t* c = p->At(0, 0);
    return {c[0], c[1], c[2]};
  }
};

TEST_F(CrossFadeTest, PresentsFiftyOneFramesFromOldToNew) {
  std::vector<std::vector<int>> shown;
  TCrossFade fade([&shown] { shown.push_back(pixel(400, 300)); });
  fill(0, 0, 0);
  fade.grabScreen(TCrossFade::oldScreen);
  fill(200, 100, 50);
  fade.fadeIn();
  ASSERT_EQ(shown.size(), 51u);
  // The first frame is still the old screen, the last almost the new one,
  // and the red channel only ever rises.
  EXPECT_EQ(shown.front()[0], 0);
  EXPECT_GE(shown.back()[0], 195);
  for (size_t i = 1; i < shown.size(); ++i) EXPECT_GE(shown[i][0], shown[i - 1][0]) << i;
}

TEST_F(CrossFadeTest, IdenticalScreensShowNoChange) {
  int frames = 0;
  int worst = 0;  // largest difference of a channel from the screen
  const std::vector<int> colour = {30, 60, 90};
  TCrossFade fade([&] {
    ++frames;
    for (const auto& p : {pixel(10, 10), pixel(790, 590), pixel(400, 300)}) {
      for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(p[c] - colour[c]));
    }
  });
  fill(colour[0], colour[1], colour[2]);
  fade.grabScreen(TCrossFade::oldScreen);
  fade.fadeIn();
  EXPECT_EQ(frames, 51);
  // Blending a colour over itself may round by one step, never more.
  EXPECT_LE(worst, 1);
}

TEST_F(CrossFadeTest, DrawingStateIsPutBackExceptTheAlpha) {
  TCrossFade fade([] {});
  SetBlend(kBlendLight);
  SetColor(10, 20, 30);
  SetRotation(45);
  fade.fadeIn();
  EXPECT_EQ(GetBlend(), kBlendLight);
  int r = 0, g = 0, b = 0;
  GetColor(r, g, b);
  EXPECT_EQ(r, 10);
  EXPECT_FLOAT_EQ(GetRotation(), 45);
  EXPECT_NEAR(GetAlpha(), 1.0f, 0.03f);
}

}  // namespace
