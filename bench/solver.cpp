// The solver on the campaign's rooms and on open rooms with three to eight
// movable pieces: positions stored and moves played per second of CPU time,
// and the memory the search holds. One core unless the name says otherwise.
#include <benchmark/benchmark.h>

#include "engine/room_play.h"
#include "engine/solver.h"
#include "engine/still_host.h"
#include "tools/locmake/location_source.h"

namespace {

TRoomPictures& shapes() {
  static TRoomPictures pictures = [] {
    TRoomPictures p;
    std::string error;
    loadObjectShapes(TESMORIA_GAME_DIR, p, error);
    return p;
  }();
  return pictures;
}

// Room `room` of a location source, live as the game starts it; null (and
// the benchmark skipped) when it or the object shapes cannot be read.
TEnginePtr benchRoom(benchmark::State& state, const std::string& source, int room) {
  TLocation location;
  std::string error;
  if (!shapes().objectImg || !readLocationSource(std::string(TESMORIA_SOURCE_DIR) + "/" + source, location, error)) {
    state.SkipWithError("the room or the game's object shapes could not be read");
    return nullptr;
  }
  return startRoom(location, room, std::make_shared<TStillHost>(), shapes());
}

void solveBenchmark(benchmark::State& state, const std::string& source, int room, int threads) {
  const TEnginePtr start = benchRoom(state, source, room);
  if (!start) return;
  TSolveBudget budget;
  budget.threads = threads;
  budget.maxSeconds = 120;
  budget.maxPositions = 20'000'000;  // the eight-piece room needs some seven million
  TSolveResult r;
  for (auto _ : state) r = solveRoom(*start, budget);
  state.counters["positions"] = static_cast<double>(r.positions);
  state.counters["moves"] = static_cast<double>(r.movesTried);
  // The figures are one search's, so the rate counts them once per iteration.
  state.counters["positions_per_s"] =
      benchmark::Counter(static_cast<double>(r.positions), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["moves_per_s"] =
      benchmark::Counter(static_cast<double>(r.movesTried), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["MB"] = static_cast<double>(r.bytes) / (1 << 20);
  state.counters["solution"] = r.verdict == TSolveVerdict::solved ? static_cast<double>(r.moves.size()) : -1;
}

// The slide preview: where the first push of a room's written solution
// leaves its object, worked out on a copy of the room as the in-game screen
// does once per hovered arrow.
void slidePreviewBenchmark(benchmark::State& state, const std::string& source, int room, TRoomMove push) {
  const TEnginePtr start = benchRoom(state, source, room);
  if (!start) return;
  int c = 0, r = 0;
  for (auto _ : state) benchmark::DoNotOptimize(slideStop(*start, push, c, r));
}

}  // namespace

BENCHMARK_CAPTURE(slidePreviewBenchmark, abydos_5_crate, "assets/locations/Abydos.rooms", 5, TRoomMove{5, 7, 0, -1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(slidePreviewBenchmark, lost_temple_6_first, "assets/locations/Lost Temple.rooms", 6,
                  TRoomMove{9, 4, 0, -1})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(solveBenchmark, giza_1, "assets/locations/Giza.rooms", 1, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(solveBenchmark, giza_2, "assets/locations/Giza.rooms", 2, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(solveBenchmark, open_3_crates, "bench/rooms/open_rooms.rooms", 1, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(solveBenchmark, open_2_mirrors_1_crate, "bench/rooms/open_rooms.rooms", 2, 1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(solveBenchmark, open_4_pieces, "bench/rooms/open_rooms.rooms", 3, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(solveBenchmark, open_4_pieces_2_cores, "bench/rooms/open_rooms.rooms", 3, 2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(solveBenchmark, open_6_pieces, "bench/rooms/open_rooms.rooms", 4, 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(solveBenchmark, open_8_pieces, "bench/rooms/open_rooms.rooms", 5, 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

BENCHMARK_MAIN();
