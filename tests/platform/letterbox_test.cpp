#include <gtest/gtest.h>

#include "platform/letterbox.h"

namespace {

TEST(Letterbox, WideWindowGetsBarsLeftAndRight) {
  const TLetterbox box = MakeLetterbox(1600, 600, 1600, 600, 800, 600);
  EXPECT_EQ(box.x, 400);
  EXPECT_EQ(box.y, 0);
  EXPECT_EQ(box.w, 800);
  EXPECT_EQ(box.h, 600);
  int vx, vy;
  box.ToView(800, 300, vx, vy);
  EXPECT_EQ(vx, 400);
  EXPECT_EQ(vy, 300);
  box.ToView(400, 0, vx, vy);
  EXPECT_EQ(vx, 0);
  box.ToView(399, 0, vx, vy);
  EXPECT_EQ(vx, -1) << "over the left bar";
  box.ToView(1200, 599, vx, vy);
  EXPECT_EQ(vx, 800) << "over the right bar";
  EXPECT_EQ(vy, 599);
}

TEST(Letterbox, TallAndScaledWindowsMapBothWays) {
  // A 1000 x 1000 window shows the view 1000 x 750 with bars above and below.
  const TLetterbox box = MakeLetterbox(1000, 1000, 1000, 1000, 800, 600);
  EXPECT_EQ(box.y, 125);
  EXPECT_EQ(box.h, 750);
  int vx, vy, wx, wy;
  box.ToView(500, 125, vx, vy);
  EXPECT_EQ(vx, 400);
  EXPECT_EQ(vy, 0);
  for (int v : {0, 1, 399, 799}) {
    box.ToWindow(v, v * 3 / 4, wx, wy);
    box.ToView(wx, wy, vx, vy);
    EXPECT_EQ(vx, v);
    EXPECT_EQ(vy, v * 3 / 4);
  }
}

TEST(Letterbox, HighDensityOutputUsesWindowPoints) {
  // Window of 800 x 600 points drawn with 1600 x 1200 pixels.
  const TLetterbox box = MakeLetterbox(800, 600, 1600, 1200, 800, 600);
  int vx, vy;
  box.ToView(799, 599, vx, vy);
  EXPECT_EQ(vx, 799);
  EXPECT_EQ(vy, 599);
  const TLetterbox empty = MakeLetterbox(0, 0, 0, 0, 800, 600);
  empty.ToView(10, 20, vx, vy);
  EXPECT_EQ(vx, 10) << "a minimised window leaves positions alone";
}

}  // namespace
