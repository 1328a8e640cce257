#pragma once
// An opaque strip of frames for widget tests, each frame filled with its own
// grey level (40, 80, 120, ...).
#include <cstdint>
#include <memory>

#include "platform/image.h"
#include "platform/pixmap.h"

inline TImagePtr solidStrip(int w, int h, int frames) {
  auto pm = std::make_shared<TPixmap>(w * frames, h);
  for (int f = 0; f < frames; ++f)
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        uint8_t* p = pm->At(f * w + x, y);
        p[0] = p[1] = p[2] = static_cast<uint8_t>(40 + 40 * f);
        p[3] = 255;
      }
  return LoadAnimImage(pm, w, h, 0, frames, 0);
}
