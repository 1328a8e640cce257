#pragma once
// Pictures made in code for the engine's tests: every object is a 30 x 30
// square centred on its position, the two mirror shapes are diagonals, and
// blocks fill their whole cell. Installed as the global picture set.
#include <functional>

#include "engine/room_pictures.h"
#include "platform/image.h"

namespace test_pictures {

// An image of `frames` frames of size w x h; opaque(frame, u, v) says which
// pixels are solid.
inline TImagePtr makeImage(int w, int h, int frames, float hx, float hy,
                           const std::function<bool(int, int, int)>& opaque) {
  auto image = std::make_shared<TImage>();
  image->width = w;
  image->height = h;
  image->handle_x = hx;
  image->handle_y = hy;
  for (int f = 0; f < frames; ++f) {
    auto p = std::make_shared<TPixmap>(w, h);
    for (int v = 0; v < h; ++v)
      for (int u = 0; u < w; ++u) {
        uint8_t* px = p->At(u, v);
        const bool on = opaque(f, u, v);
        // Each frame has its own colour, so drawings show which was used.
        px[0] = static_cast<uint8_t>(10 * f);
        px[1] = 200;
        px[2] = 100;
        px[3] = on ? 255 : 0;
      }
    image->pixmaps.push_back(p);
  }
  return image;
}

constexpr int kMirrorShape = 23, kTurnedMirrorShape = 24;

// Object frames: 60 x 60 with the handle at (25, 25), like the game's.
inline bool objectPixel(int frame, int u, int v) {
  if (frame == 0) return false;
  if (frame == kMirrorShape) return u >= 5 && u <= 44 && std::abs(u - v) <= 1;
  if (frame == kTurnedMirrorShape) return u >= 5 && u <= 44 && std::abs(u + v - 49) <= 1;
  return u >= 10 && u < 40 && v >= 10 && v < 40;
}

// The pictures test engines are made with while a TTestGfx lives.
inline TRoomPictures& currentPictures() {
  static TRoomPictures pictures;
  return pictures;
}

struct TTestGfx {
  TRoomPictures previous = currentPictures();
  TRoomPictures& set = currentPictures();  // changes reach the engines made afterwards

  TTestGfx() {
    set.objectImg = makeImage(60, 60, 25, 25, 25, objectPixel);
    set.objectShadowImg = makeImage(60, 60, 25, 25, 25, objectPixel);
    set.blockImg = makeImage(50, 50, 25, 25, 25, [](int, int, int) { return true; });
    set.shadowImg = makeImage(50, 50, 16, 25, 25, [](int, int u, int) { return u < 10; });
    set.arrowImg = makeImage(50, 50, 8, 25, 25, [](int, int u, int v) { return std::abs(u - 25) + std::abs(v - 25) < 12; });
    set.sparkBigImg = makeImage(40, 40, 1, 20, 20, [](int, int u, int v) { return std::abs(u - 20) + std::abs(v - 20) < 15; });
    set.sparkMedImg = makeImage(30, 30, 1, 15, 15, [](int, int u, int v) { return std::abs(u - 15) + std::abs(v - 15) < 10; });
  }
  ~TTestGfx() { currentPictures() = previous; }
  TTestGfx(const TTestGfx&) = delete;
  TTestGfx& operator=(const TTestGfx&) = delete;
};

}  // namespace test_pictures
