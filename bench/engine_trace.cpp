// One complete light trace of a dense room.
#include <benchmark/benchmark.h>

#include "bench/engine_dense_room.h"

static void BM_TraceDenseRoom(benchmark::State& state) {
  bench_room::TPictures pictures;
  auto e = bench_room::denseRoom();
  e->createRays();
  if (e->lightList.size() < 12) {
    state.SkipWithError("the dense room lights fewer than 12 segments");
    return;
  }
  for (auto _ : state) {
    e->createRays();
    benchmark::DoNotOptimize(e->lightList.size());
  }
  state.counters["segments"] = static_cast<double>(e->lightList.size());
  state.counters["game_art"] = pictures.gameArt ? 1 : 0;
}
BENCHMARK(BM_TraceDenseRoom)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
