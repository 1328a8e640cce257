#pragma once
// Checks that a tooltip went on screen readable: inside 800 x 600 and drawn
// over everything else of the frame.
#include <gtest/gtest.h>

#include "platform/pixmap.h"
#include "widgets/tooltip.h"

// The box as the frame left it: its first row inside the frame is the
// tip's light background all along, so nothing was drawn over it.
inline void expectWholeOnTop(const TToolTip::TBox& box, const char* what) {
  SCOPED_TRACE(what);
  ASSERT_GT(box.w, 0) << "no tip was drawn";
  EXPECT_GE(box.x, 0);
  EXPECT_GE(box.y, 0);
  EXPECT_LE(box.x + box.w, 800);
  EXPECT_LE(box.y + box.h, 600);
  const TPixmapPtr row = GrabPixmap(box.x + 1, box.y + 1, box.w - 1, 1);
  ASSERT_TRUE(row);
  int covered = 0;
  for (int x = 0; x < row->width; ++x) {
    const uint8_t* p = row->At(x, 0);
    if (p[0] < 170 || p[1] < 170 || p[2] < 170) ++covered;
  }
  EXPECT_EQ(covered, 0) << "of " << row->width << " pixels along the top of \"" << box.text << "\"";
}
