// Which parts of the view two frames' commands change.
#include "platform/changed_rects.h"

#include <gtest/gtest.h>

namespace backend {
namespace {

TCommandMark mark(uint64_t hash, SDL_Rect bounds, bool exact = true) { return TCommandMark{hash, bounds, exact}; }

int64_t area(const std::vector<SDL_Rect>& rects) {
  int64_t sum = 0;
  for (const SDL_Rect& r : rects) sum += static_cast<int64_t>(r.w) * r.h;
  return sum;
}

TEST(ChangedRects, OnlyTheCommandsThatChangedCountBothWhereTheyWereAndWhereTheyAre) {
  const std::vector<TCommandMark> shown = {mark(1, {0, 0, 800, 600}), mark(2, {100, 100, 10, 10}),
                                           mark(3, {400, 300, 20, 20})};
  std::vector<TCommandMark> next = shown;
  next[2] = mark(4, {420, 300, 20, 20});  // the spark moved 20 pixels right
  std::vector<SDL_Rect> rects;
  ASSERT_TRUE(FindChangedRects(shown, next, 800, 600, rects));
  // Old and new place, close enough to be joined into one.
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0].x, 400);
  EXPECT_EQ(rects[0].w, 40);
  EXPECT_EQ(rects[0].h, 20);

  // Nothing changed: nothing to draw, which is not the same as all of it.
  ASSERT_TRUE(FindChangedRects(shown, shown, 800, 600, rects));
  EXPECT_TRUE(rects.empty());
}

TEST(ChangedRects, CommandsThatComeOrGoChangeEverythingBetweenTheCommonStartAndEnd) {
  const std::vector<TCommandMark> shown = {mark(1, {0, 0, 800, 600}), mark(2, {10, 10, 5, 5}),
                                           mark(9, {700, 500, 5, 5})};
  const std::vector<TCommandMark> next = {mark(1, {0, 0, 800, 600}), mark(2, {10, 10, 5, 5}),
                                          mark(3, {200, 200, 5, 5}), mark(9, {700, 500, 5, 5})};
  std::vector<SDL_Rect> rects;
  ASSERT_TRUE(FindChangedRects(shown, next, 800, 600, rects));
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0].x, 200);
  EXPECT_EQ(rects[0].y, 200);
}

TEST(ChangedRects, AnInexactCommandReachingIntoAChangeIsTakenInWhole) {
  // A scaled picture across the room is drawn whole or not at all: a change
  // under its corner widens the rectangle to all of it, and so does another
  // inexact command that the wider rectangle then reaches.
  const std::vector<TCommandMark> shown = {mark(1, {0, 0, 800, 600}), mark(2, {300, 300, 4, 4}),
                                           mark(3, {290, 290, 100, 40}, false), mark(4, {380, 320, 60, 60}, false),
                                           mark(5, {600, 10, 50, 50}, false)};
  std::vector<TCommandMark> next = shown;
  next[1].hash = 20;
  std::vector<SDL_Rect> rects;
  ASSERT_TRUE(FindChangedRects(shown, next, 800, 600, rects));
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_TRUE(RectInside({290, 290, 100, 40}, rects[0]));
  EXPECT_TRUE(RectInside({380, 320, 60, 60}, rects[0]));
  EXPECT_FALSE(RectsMeet({600, 10, 50, 50}, rects[0]));
}

TEST(ChangedRects, LargeOrScatteredChangesDrawTheWholeView) {
  const std::vector<TCommandMark> shown = {mark(1, {0, 0, 800, 600}), mark(2, {0, 0, 700, 500})};
  std::vector<TCommandMark> next = shown;
  next[1].hash = 3;
  std::vector<SDL_Rect> rects;
  EXPECT_FALSE(FindChangedRects(shown, next, 800, 600, rects));

  // Many small changes far apart: more passes than a whole frame is worth.
  std::vector<TCommandMark> many, moved;
  for (int i = 0; i < kMostChangedRects + 10; ++i) {
    many.push_back(mark(static_cast<uint64_t>(i), {(i % 20) * 40, (i / 20) * 40, 2, 2}));
    moved.push_back(mark(static_cast<uint64_t>(i + 1000), {(i % 20) * 40, (i / 20) * 40, 2, 2}));
  }
  EXPECT_FALSE(FindChangedRects(many, moved, 800, 600, rects));
}

TEST(ChangedRects, RectanglesStayInsideTheView) {
  const std::vector<TCommandMark> shown = {mark(1, {-50, 590, 100, 100}, false)};
  const std::vector<TCommandMark> next = {mark(2, {-40, 590, 100, 100}, false)};
  std::vector<SDL_Rect> rects;
  ASSERT_TRUE(FindChangedRects(shown, next, 800, 600, rects));
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_TRUE(RectInside(rects[0], {0, 0, 800, 600}));
  EXPECT_EQ(area(rects), 60 * 10);
}

}  // namespace
}  // namespace backend
