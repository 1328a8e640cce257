// Loading an 800 x 600 PNG (a background picture) into an image.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "platform/graphics.h"

namespace {

std::string MakePicture() {
  TPixmap p(800, 600);
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) {
      uint8_t* px = p.At(x, y);
      // Smooth shading with some grain, like a painted backdrop.
      const unsigned grain = (static_cast<unsigned>(x) * 2654435761u ^ static_cast<unsigned>(y) * 40503u) >> 28;
      px[0] = static_cast<uint8_t>(x * 255 / 800 + grain);
      px[1] = static_cast<uint8_t>(y * 200 / 600 + grain);
      px[2] = static_cast<uint8_t>(90 + grain);
      px[3] = 255;
    }
  const std::string path = "/tmp/tesmoria_bench_backdrop.png";
  SavePixmapPNG(p, path);
  return path;
}

void BM_LoadPng800x600(benchmark::State& state) {
  const std::string path = MakePicture();
  for (auto _ : state) {
    TImagePtr image = LoadImage(path, 0);
    if (!image) state.SkipWithError("could not load");
    benchmark::DoNotOptimize(image);
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_LoadPng800x600)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
