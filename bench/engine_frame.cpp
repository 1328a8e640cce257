// One complete in-game room frame: every drawing pass in the game's order,
// then the object update, in the software renderer. The room runs for 240
// frames before the timing starts, long enough for the sparks to turn
// through every step they are drawn in (a quarter turn); after that a frame
// costs what it costs for the rest of the room.
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
    auto frame = [&e] {
      Cls();
      e->drawRoom();
      e->updateObjects();
      // Read one pixel back so the renderer has finished the frame's work.
      benchmark::DoNotOptimize(GrabPixmap(300, 300, 1, 1));
    };
    for (int i = 0; i < 240; ++i) frame();
    for (auto _ : state) frame();
    state.counters["segments"] = static_cast<double>(e->lightList.size());
    state.counters["game_art"] = pictures.gameArt ? 1 : 0;
  }
  EndGraphics();
}
BENCHMARK(BM_RoomFrame)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
