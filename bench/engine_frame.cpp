// One complete in-game room frame: every drawing pass in the game's order,
// then the object update, in the software renderer. The room runs for 1000
// frames before the timing starts, long enough for the slower spark layer
// to turn full circle (0.4 degrees a frame) through every step it is drawn
// in; after that a frame costs what it costs for the rest of the room.
// Modes: 0, the still layers (floor, walls, shadows) drawn in full every
// frame, as before they were kept; 1, kept and copied, as while the room
// rests; 2, a crate slides to and fro a pixel a frame, so its shadow changes
// the upper layer every frame and only the ground under it is copied; 3, at
// rest as in 1 but shown with Flip, as the game shows it in software; the
// counter parts_frames tells how many frames were drawn only where they
// changed (none in this dense room: its beams and sparks change more than
// half the view, so it is drawn whole).
#include <benchmark/benchmark.h>

#include "bench/engine_dense_room.h"
#include "platform/graphics.h"

static void BM_RoomFrame(benchmark::State& state) {
  if (!Graphics(kViewWidth, kViewHeight)) {
    state.SkipWithError("cannot open the drawing surface");
    return;
  }
  const int64_t mode = state.range(0);
  KeepStillLayers(mode != 0);
  const int64_t reusedBefore = StillLayersReused(), partsBefore = FramesDrawnInParts();
  {
    bench_room::TPictures pictures;
    auto e = bench_room::denseRoom();
    SetBlend(kBlendAlpha);
    TObject* sliding = nullptr;
    for (int i = 1; i <= e->roomObjects && !sliding; ++i)
      if (TObject* o = e->object(i); o && o->frame == kObjCrate) sliding = o;
    int frames = 0;
    auto frame = [&] {
      if (mode == 2 && sliding) sliding->x += (frames++ / 25) % 2 == 0 ? 1.0f : -1.0f;
      Cls();
      // The in-game screen's background and panels, as the game draws them
      // under the room.
      const TGfx& art = pictures.set;
      for (const auto& [image, x] : {std::pair{art.mainBg, 0}, {art.gameTop, 0}, {art.gameSide, 608}})
        if (image) DrawImage(image, static_cast<float>(x), 0);
      e->drawRoom();
      e->updateObjects();
      // Read one pixel back so the renderer has finished the frame's work;
      // showing the frame does that too.
      if (mode == 3)
        Flip(0);
      else
        benchmark::DoNotOptimize(GrabPixmap(300, 300, 1, 1));
    };
    for (int i = 0; i < 1000; ++i) frame();
    for (auto _ : state) frame();
    state.counters["segments"] = static_cast<double>(e->lightList.size());
    state.counters["game_art"] = pictures.gameArt ? 1 : 0;
    state.counters["kept_layer_frames"] = static_cast<double>(StillLayersReused() - reusedBefore);
    state.counters["parts_frames"] = static_cast<double>(FramesDrawnInParts() - partsBefore);
  }
  EndGraphics();
  KeepStillLayers(true);
}
BENCHMARK(BM_RoomFrame)->ArgName("mode")->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
