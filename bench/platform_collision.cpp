// Pixel-exact test of a 60 x 60 sprite against a ray-sized rectangle, as the
// light tracer makes it for every object a ray passes.
#include <benchmark/benchmark.h>

#include "platform/collision.h"
#include "platform/graphics.h"

namespace {

TImagePtr RoundSprite() {
  auto p = std::make_shared<TPixmap>(60, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) {
      const int dx = x - 30, dy = y - 30;
      uint8_t* px = p->At(x, y);
      px[0] = px[1] = px[2] = 200;
      px[3] = dx * dx + dy * dy < 26 * 26 ? 255 : 0;
    }
  return LoadImage(p, 0);
}

void ImageAgainstRect(benchmark::State& state, float rotation, float rectY) {
  const TImagePtr sprite = RoundSprite();
  SetImageHandle(sprite, 25, 25);
  SetRotation(rotation);
  static const int tag = 0;
  int hits = 0;
  for (auto _ : state) {
    ResetCollisions(0);
    CollideImage(sprite, 175, 125, 0, 0, 1, &tag);
    hits += CollideRect(150, rectY, 50, 10, 1, 0).empty() ? 0 : 1;
  }
  benchmark::DoNotOptimize(hits);
  SetRotation(0);
}

// A ray through the middle hits at once; one that grazes a transparent corner
// walks the whole overlap first.
void BM_SpriteRectHit(benchmark::State& state) { ImageAgainstRect(state, 0, 120); }
void BM_SpriteRectMissCorner(benchmark::State& state) { ImageAgainstRect(state, 0, 100); }
void BM_SpriteRectRotatedMiss(benchmark::State& state) { ImageAgainstRect(state, 90, 100); }
BENCHMARK(BM_SpriteRectHit);
BENCHMARK(BM_SpriteRectMissCorner);
BENCHMARK(BM_SpriteRectRotatedMiss);

// The pointer against every cell of a room, each frame: through the layers
// (0), as it was, and without them (1).
void BM_PointerOverRoomCells(benchmark::State& state) {
  const TImagePtr cell = RoundSprite();
  SetImageHandle(cell, 30, 30);
  const bool layered = state.range(0) == 0;
  int hits = 0;
  for (auto _ : state) {
    for (int r = 1; r <= 10; ++r)
      for (int c = 1; c <= 12; ++c) {
        const float x = 50.0f * static_cast<float>(c), y = 50.0f * static_cast<float>(r);
        if (layered) {
          ResetCollisions(0);
          CollideImage(cell, x, y, 0, 0, 1);
          hits += CollideRect(333, 277, 1, 1, 1, 0).empty() ? 0 : 1;
        } else {
          hits += ImageMeetsRect(cell, x, y, 0, 333, 277, 1, 1) ? 1 : 0;
        }
      }
  }
  benchmark::DoNotOptimize(hits);
}
BENCHMARK(BM_PointerOverRoomCells)->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
