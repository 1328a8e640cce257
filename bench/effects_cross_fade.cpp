// One frame of the cross-fade between two screens in the software renderer
// (SDL's dummy video driver): the old screen drawn whole, the new one over it
// at the fade's alpha, then the flip. The alpha moves on every frame, as in
// the game, so no frame repeats the one before.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/graphics.h"

namespace {

// A full-view opaque picture with some structure, like a grabbed screen.
TImagePtr Screen(int seed) {
  auto p = std::make_shared<TPixmap>(kViewWidth, kViewHeight);
  for (int y = 0; y < kViewHeight; ++y)
    for (int x = 0; x < kViewWidth; ++x) {
      uint8_t* px = p->At(x, y);
      px[0] = static_cast<uint8_t>(x + seed);
      px[1] = static_cast<uint8_t>(y * 3 + seed);
      px[2] = static_cast<uint8_t>((x ^ y) + seed);
      px[3] = 255;
    }
  TImagePtr image = LoadImage(p, kImageDynamic);
  if (image) SetImageHandle(image, 0, 0);
  return image;
}

void BM_CrossFadeFrame(benchmark::State& state) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  if (!Graphics(kViewWidth, kViewHeight, 0, 0)) {
    state.SkipWithError("no display");
    return;
  }
  {
    const TImagePtr oldScreen = Screen(0), newScreen = Screen(97);
    SetBlend(kBlendAlpha);
    int step = 0;
    for (auto _ : state) {
      SetAlpha(1);
      DrawImage(oldScreen, 0, 0);
      SetAlpha(0.02f * static_cast<float>(1 + step++ % 49));
      DrawImage(newScreen, 0, 0);
      Flip(0);
    }
  }
  EndGraphics();
}
BENCHMARK(BM_CrossFadeFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
