#include "platform/window_place.h"

#include <gtest/gtest.h>

#include "platform/graphics.h"

namespace {

TEST(WindowPlace, TheWindowGoesWhereItWasAndStaysOnScreen) {
  TWindowPlace place;
  EXPECT_FALSE(GetWindowPlace(place));  // no window yet
  ASSERT_TRUE(Graphics(kViewWidth, kViewHeight));
  SetWindowPlace({10, 20, 900, 700});
  ASSERT_TRUE(GetWindowPlace(place));
  EXPECT_EQ(place.x, 10);
  EXPECT_EQ(place.y, 20);
  EXPECT_EQ(place.width, 900);
  EXPECT_EQ(place.height, 700);
  // A place on a display no longer there keeps the window where it is, and
  // a size below the window's minimum is raised to it.
  SetWindowPlace({-50000, -50000, 20, 10});
  ASSERT_TRUE(GetWindowPlace(place));
  EXPECT_EQ(place.x, 10);
  EXPECT_EQ(place.y, 20);
  EXPECT_GE(place.width, 200);
  EXPECT_GE(place.height, 150);
  // Full screen is not a place to keep.
  ASSERT_TRUE(SetFullScreen(true));
  EXPECT_FALSE(GetWindowPlace(place));
  EndGraphics();
}

}  // namespace
