// One frame in the software renderer (SDL's dummy video driver): clear,
// 300 sprites (a third turned), 40 lines of text, flip. One sprite moves
// every frame, so no frame repeats the one shown before (which would be
// skipped). Argument 0 draws every frame whole; 1 lets it be drawn only
// where it changed, as the game does in software; the counter parts tells
// how often that paid (never here: the turned sprites next to the moving
// one chain across most of the view, and such a frame is drawn whole).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/file_system.h"
#include "platform/graphics.h"

namespace {

TImagePtr Sprites() {
  auto p = std::make_shared<TPixmap>(240, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 240; ++x) {
      const int dx = x % 60 - 30, dy = y - 30;
      uint8_t* px = p->At(x, y);
      px[0] = static_cast<uint8_t>(x);
      px[1] = static_cast<uint8_t>(y * 4);
      px[2] = 160;
      px[3] = dx * dx + dy * dy < 28 * 28 ? 255 : 0;
    }
  return LoadAnimImage(p, 60, 60, 0, 4, kImageFiltered);
}

void BM_SoftwareFrame(benchmark::State& state) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  if (!Graphics(kViewWidth, kViewHeight, 0, 0)) {
    state.SkipWithError("no display");
    return;
  }
  const TImagePtr sprites = Sprites();
  MidHandleImage(sprites);
  TImageFontPtr font = LoadImageFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 18, 0);
  SetImageFont(font);  // null falls back to the built-in font
  const std::string line = "The light of the emitters reaches the glyphs 0123456789";
  DrawChangedOnly(state.range(0) != 0);
  int frame = 0;
  for (auto _ : state) {
    Cls();
    SetBlend(kBlendAlpha);
    for (int i = 0; i < 300; ++i) {
      SetRotation(i % 3 == 0 ? static_cast<float>(i) : 0.0f);
      const int move = i == 0 ? frame++ % 10 : 0;
      DrawImage(sprites, static_cast<float>(30 + (i * 37 + move) % 740), static_cast<float>(30 + (i * 53) % 540),
                i % 4);
    }
    SetRotation(0);
    for (int row = 0; row < 40; ++row) DrawText(line, 10, static_cast<float>(row * 15));
    Flip(0);
  }
  state.counters["parts"] = static_cast<double>(FramesDrawnInParts());
  DrawChangedOnly(true);
  EndGraphics();
}
BENCHMARK(BM_SoftwareFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
