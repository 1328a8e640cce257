#include "effects/geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(WrapOrClamp, Clamp) {
  EXPECT_EQ(wrapOrClamp(12, 0, 9, false, false), 9);
  EXPECT_EQ(wrapOrClamp(-3, 0, 9, false, false), 0);
  EXPECT_EQ(wrapOrClamp(4, 0, 9, false, true), 4);
}

TEST(WrapOrClamp, ContinuousWrapIsModular) {
  EXPECT_EQ(wrapOrClamp(12, 0, 9, true, true), 2);
  EXPECT_EQ(wrapOrClamp(-1, 0, 9, true, true), 9);
  EXPECT_EQ(wrapOrClamp(25, 0, 9, true, true), 5);
  EXPECT_EQ(wrapOrClamp(-21, 0, 9, true, true), 9);
  EXPECT_EQ(wrapOrClamp(11, 3, 5, true, true), 5);
}

TEST(WrapOrClamp, JumpWrapTurnsMirrors) {
  EXPECT_EQ(wrapOrClamp(180, 0, 90, true, false), 0);
  EXPECT_EQ(wrapOrClamp(90, 0, 90, true, false), 90);
  EXPECT_EQ(wrapOrClamp(-90, 0, 90, true, false), 90);
}

TEST(InRange, BothBoundsIncluded) {
  EXPECT_EQ(inRange(5, 5, 5), 1);
  EXPECT_EQ(inRange(4.999, 5, 6), 0);
  EXPECT_EQ(inRange(6, 5, 6), 1);
}

}  // namespace
