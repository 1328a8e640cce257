// Loading pictures: an 800 x 600 PNG (a background picture) into an image,
// and every picture of the game folder as start-up loads them.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

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

// Every picture in the game's gfx folder, the work of start-up: decoded one
// after the other (argument 0), or side by side on the cores as start-up
// does (1). Timed by the clock on the wall, which is what start-up waits.
void BM_GamePictures(benchmark::State& state) {
  std::vector<std::string> paths;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(TESMORIA_GAME_DIR) + "/gfx", error))
    if (entry.path().extension() == ".png") paths.push_back(entry.path().string());
  if (paths.empty()) {
    state.SkipWithError("no pictures in the game folder");
    return;
  }
  for (auto _ : state) {
    if (state.range(0) == 0) {
      for (const std::string& path : paths) benchmark::DoNotOptimize(LoadPixmap(path));
    } else {
      benchmark::DoNotOptimize(LoadPixmaps(paths));
    }
  }
  state.counters["pictures"] = static_cast<double>(paths.size());
}
BENCHMARK(BM_GamePictures)->ArgName("side_by_side")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
