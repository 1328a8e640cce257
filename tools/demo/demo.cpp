// tesmoria-demo: opens the game's 800 x 600 surface and draws images, text,
// shapes and a turning sprite with each blend mode. Escape or closing the
// window ends it.
//   tesmoria-demo [--font FILE] [--frames N] [--screenshot FILE.png] [--fullscreen] [--size WxH]
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"

namespace {

struct TOptions {
  std::string font = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  std::string screenshot;
  int frames = -1;  // run until closed
  int windowWidth = 0, windowHeight = 0;
  bool fullScreen = false;
};

const char* const kUsage =
    "Usage: tesmoria-demo [--font FILE] [--frames N] [--screenshot FILE.png] [--fullscreen] [--size WxH]\n"
    "Opens the game's 800 x 600 drawing surface and draws images, text, shapes and\n"
    "a turning sprite with each blend mode; Escape or closing the window ends it.\n"
    "  --font FILE          the font to draw text with (default DejaVu Sans)\n"
    "  --frames N           stop after N frames\n"
    "  --screenshot FILE    save the last frame as a PNG\n"
    "  --fullscreen         use the desktop's full screen\n"
    "  --size WxH           the window's size (the picture is scaled into it)\n";

bool ParseOptions(int argc, char** argv, TOptions& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--font" && hasValue) o.font = argv[++i];
    else if (arg == "--frames" && hasValue) o.frames = std::atoi(argv[++i]);
    else if (arg == "--screenshot" && hasValue) o.screenshot = argv[++i];
    else if (arg == "--fullscreen") o.fullScreen = true;
    else if (arg == "--size" && hasValue) std::sscanf(argv[++i], "%dx%d", &o.windowWidth, &o.windowHeight);
    else if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      std::exit(0);
    } else {
      std::fprintf(stderr, "tesmoria-demo: unknown option or missing value: %s (see tesmoria-demo --help)\n", arg.c_str());
      return false;
    }
  }
  return true;
}

// A sandstone floor tile with a darker border, opaque.
TImagePtr FloorTile() {
  auto p = std::make_shared<TPixmap>(50, 50);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) {
      const bool edge = x == 0 || y == 0 || x == 49 || y == 49;
      const int grain = static_cast<int>((static_cast<unsigned>(x * 7919 + y * 104729) >> 3) % 12);
      uint8_t* px = p->At(x, y);
      px[0] = static_cast<uint8_t>((edge ? 150 : 205) - grain);
      px[1] = static_cast<uint8_t>((edge ? 120 : 170) - grain);
      px[2] = static_cast<uint8_t>((edge ? 80 : 115) - grain);
      px[3] = 255;
    }
  return LoadImage(p, 0);
}

// A faceted gem with soft transparent edges: 4 frames of different colours.
TImagePtr Gems() {
  static const uint8_t colours[4][3] = {{230, 40, 40}, {40, 200, 60}, {50, 90, 240}, {240, 220, 60}};
  auto p = std::make_shared<TPixmap>(4 * 40, 40);
  for (int f = 0; f < 4; ++f)
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        const float dx = x - 19.5f, dy = y - 19.5f;
        const float d = std::fabs(dx) + std::fabs(dy);  // a diamond
        const float shade = 0.6f + 0.4f * (dx < 0 ? 1.0f : 0.7f) * (dy < 0 ? 1.0f : 0.8f);
        uint8_t* px = p->At(f * 40 + x, y);
        for (int c = 0; c < 3; ++c) px[c] = static_cast<uint8_t>(std::fmin(255.0f, colours[f][c] * shade + 20));
        px[3] = static_cast<uint8_t>(std::fmax(0.0f, std::fmin(1.0f, 19.0f - d)) * 255);
      }
  return LoadAnimImage(p, 40, 40, 0, 4, kImageFiltered);
}

void DrawScene(const TImagePtr& floor, const TImagePtr& gems, const TImageFontPtr& font, int frame) {
  SetClsColor(20, 16, 12);
  Cls();
  ResetDrawState();
  SetImageFont(font);
  SetBlend(kBlendSolid);
  SetViewport(25, 80, 750, 500);
  TileImage(floor, 25, 80);
  SetViewport(0, 0, kViewWidth, kViewHeight);

  SetBlend(kBlendAlpha);
  SetColor(255, 255, 230);
  DrawText("Tesmoria drawing surface: images, text, shapes and blend modes", 30, 20);
  SetColor(200, 190, 160);
  DrawText("width of this line: " + std::to_string(TextWidth("width of this line: 000")) + " px", 30, 50);

  // Sprites with each blend mode over the floor.
  static const char* names[] = {"mask", "solid", "alpha", "light", "shade"};
  for (int mode = kBlendMask; mode <= kBlendShade; ++mode) {
    const float x = 60.0f + (mode - 1) * 140.0f;
    SetBlend(kBlendAlpha);
    SetColor(40, 30, 20);
    DrawText(names[mode - 1], x, 150);
    SetColor(255, 255, 255);
    SetBlend(mode);
    SetAlpha(mode == kBlendLight ? 0.7f : 1.0f);
    DrawImage(gems, x, 180, (mode - 1) % 4);
    SetAlpha(1);
  }

  // A turning, pulsing gem about its centre.
  SetBlend(kBlendAlpha);
  MidHandleImage(gems);
  SetTransform(static_cast<float>(frame * 3 % 360), 2.0f, 2.0f);
  DrawImage(gems, 400, 380, 2);
  SetTransform(0, 1, 1);
  SetImageHandle(gems, 0, 0);

  // Shapes: a light ray, an oval and a rectangle outline of lines.
  SetBlend(kBlendLight);
  SetColor(255, 60, 40);
  SetAlpha(0.6f);
  DrawRect(25, 300, 250, 10);
  SetAlpha(1);
  SetBlend(kBlendAlpha);
  SetColor(60, 120, 220);
  SetAlpha(0.8f);
  DrawOval(560, 300, 160, 90);
  SetAlpha(1);
  SetColor(40, 30, 20);
  SetLineWidth(3);
  DrawLine(560, 430, 720, 430);
  DrawLine(720, 430, 720, 520);
  SetLineWidth(1);
  DrawLine(560, 440, 710, 520);
  SetColor(255, 255, 255);

  // Rotated text.
  SetColor(90, 40, 20);
  SetRotation(-20);
  DrawText("turned text", 80, 500);
  SetRotation(0);
  SetColor(255, 255, 255);
}

}  // namespace

int main(int argc, char** argv) {
  TOptions options;
  if (!ParseOptions(argc, argv, options)) return 2;
  if (!Graphics(kViewWidth, kViewHeight, options.fullScreen ? 32 : 0, 60)) {
    Notify("Could not open the display", true);
    return 1;
  }
  SetWindowTitle("Tesmoria demo");
  if (options.windowWidth > 0) SetWindowSize(options.windowWidth, options.windowHeight);
  std::printf("drawing with the %s renderer\n", GraphicsDriverName().c_str());
  const TImagePtr floor = FloorTile();
  const TImagePtr gems = Gems();
  TImageFontPtr font = LoadImageFont(options.font, 20, 0);
  if (!font) std::fprintf(stderr, "font %s not readable: using the built-in font\n", options.font.c_str());

  for (int frame = 0; options.frames < 0 || frame < options.frames; ++frame) {
    DrawScene(floor, gems, font, frame);
    if (KeyHit(kKeyEscape) || AppTerminate()) break;
    if (!options.screenshot.empty() && options.frames >= 0 && frame == options.frames - 1) {
      if (!SaveBackBufferPNG(options.screenshot)) {
        std::fprintf(stderr, "could not write %s\n", options.screenshot.c_str());
        return 1;
      }
    }
    Flip(-1);
  }
  EndGraphics();
  return 0;
}
