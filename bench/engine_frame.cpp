// One complete in-game room frame: every drawing pass in the game's order,
// then the object update, in the software renderer. The room runs for 1000
// frames before the timing starts, long enough for the slower spark layer
// to turn full circle (0.4 degrees a frame) through every step it is drawn
// in; after that a frame costs what it costs for the rest of the room.
// With the argument 0 the still layer (floor, walls, shadows) is drawn in
// full every frame, as while something on the floor moves; with 1 it is
// kept and copied, as while the room rests.
#include <benchmark/benchmark.h>

#include "bench/engine_dense_room.h"
#include "platform/graphics.h"

static void BM_RoomFrame(benchmark::State& state) {
  if (!Graphics(kViewWidth, kViewHeight)) {
    state.SkipWithError("cannot open the drawing surface");
    return;
  }
  KeepStillLayers(state.range(0) != 0);
  const int64_t reusedBefore = StillLayersReused();
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
    for (int i = 0; i < 1000; ++i) frame();
    for (auto _ : state) frame();
    state.counters["segments"] = static_cast<double>(e->lightList.size());
    state.counters["game_art"] = pictures.gameArt ? 1 : 0;
    state.counters["kept_layer_frames"] = static_cast<double>(StillLayersReused() - reusedBefore);
  }
  EndGraphics();
  KeepStillLayers(true);
}
BENCHMARK(BM_RoomFrame)->ArgName("keep_layer")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
