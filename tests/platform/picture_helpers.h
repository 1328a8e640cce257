#pragma once
// Small pictures built in memory for the platform tests.
#include <cstdint>

#include "platform/image.h"

// A w x h pixmap filled with one colour.
inline TPixmapPtr SolidPixmap(int w, int h, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255, bool hasAlpha = true) {
  auto p = std::make_shared<TPixmap>(w, h);
  p->hasAlpha = hasAlpha;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* px = p->At(x, y);
      px[0] = r, px[1] = g, px[2] = b, px[3] = a;
    }
  return p;
}

inline void SetPixel(TPixmap& p, int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  uint8_t* px = p.At(x, y);
  px[0] = r, px[1] = g, px[2] = b, px[3] = a;
}

inline std::string TempPath(const std::string& name) { return ::testing::TempDir() + name; }
