// One complete in-game room frame: every drawing pass in the game's order,
// then the object update, in the software renderer.
#include <benchmark/benchmark.h>

#include "bench/engine_dense_room.h"
#include "platform/graphics.h"

static void BM_RoomFrame(benchmark::State& state) {
  if (!Graphics(kViewWidth, kViewHeight)) {
    state.SkipWithError("cannot open the drawing surface");
    return;
  }
  {
    bench_room::TPictures pictures;
    auto e = bench_room::denseRoom();
    SetBlend(kBlendAlpha);
    for (auto _ : state) {
      Cls();
      e->drawRoom();
      e->updateObjects();
      // Read one pixel back so the renderer has finished the frame's work.
      benchmark::DoNotOptimize(GrabPixmap(300, 300, 1, 1));
    }
    state.counters["segments"] = static_cast<double>(e->lightList.size());
    state.counters["game_art"] = pictures.gameArt ? 1 : 0;
  }
  EndGraphics();
}
BENCHMARK(BM_RoomFrame)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
