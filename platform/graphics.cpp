// The drawing context: the window, the renderer, the view-sized back buffer,
// presenting it letterboxed, frame pacing and the window's own state.
#include "platform/graphics.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/draw_queue.h"
#include "platform/graphics_backend.h"
#include "platform/input.h"
#include "platform/letterbox.h"

namespace {

struct TContext {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* backBuffer = nullptr;
  int width = 0, height = 0;
  bool fullScreen = false;
  int vsync = -1;  // what the renderer was last told; -1 unknown
  // Flip(-1) pacing.
  int hertz = 0;
  int period = 0, remainder = 0, remainderSum = 0;
  uint32_t target = 0;
  bool paceWithVBlank = false;
  // Window notices, each reported once.
  bool maximized = false, minimized = false;
  // The window needs the picture again (shown, uncovered, resized) even if
  // the back buffer did not change.
  bool mustPresent = true;
  // Drawn in software: a frame is drawn and shown only where it changed.
  bool software = false;
};

TContext ctx;
int generation = 0;
bool drawChangedOnly = true;
bool videoUp = false;

bool StartVideo() {
  if (videoUp) return true;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  videoUp = true;
  return true;
}

SDL_Renderer* MakeRenderer(SDL_Window* window, bool accelerated) {
  SDL_Renderer* renderer = nullptr;
  if (accelerated)
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
  if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
  return renderer;
}

void SetVSync(int on) {
  if (ctx.vsync == on || !ctx.renderer) return;
  SDL_RenderSetVSync(ctx.renderer, on);
  ctx.vsync = on;
}

TLetterbox CurrentLetterbox() {
  int ww = 0, wh = 0, ow = ctx.width, oh = ctx.height;
  if (ctx.window) SDL_GetWindowSize(ctx.window, &ww, &wh);
  if (ctx.renderer) SDL_GetRendererOutputSize(ctx.renderer, &ow, &oh);
  return MakeLetterbox(ww, wh, ow, oh, ctx.width, ctx.height);
}

// Shows only the parts of the back buffer that changed, when the view fills
// its box at its own size: copied into the window's surface and only those
// rectangles sent to the window system. False when that cannot be done.
bool PresentParts(const std::vector<SDL_Rect>& parts) {
  const TLetterbox box = CurrentLetterbox();
  if (!ctx.software || box.w != ctx.width || box.h != ctx.height) return false;
  std::vector<SDL_Rect> shown;
  shown.reserve(parts.size());
  SDL_SetRenderTarget(ctx.renderer, nullptr);
  for (const SDL_Rect& part : parts) {
    const SDL_Rect dst{part.x + box.x, part.y + box.y, part.w, part.h};
    SDL_RenderCopy(ctx.renderer, ctx.backBuffer, &part, &dst);
    shown.push_back(dst);
  }
  SDL_RenderFlush(ctx.renderer);
  const bool sent = shown.empty() ||
                    SDL_UpdateWindowSurfaceRects(ctx.window, shown.data(), static_cast<int>(shown.size())) == 0;
  SDL_SetRenderTarget(ctx.renderer, ctx.backBuffer);
  return sent;
}

void Present() {
  ctx.mustPresent = false;
  SDL_SetRenderTarget(ctx.renderer, nullptr);
  SDL_SetRenderDrawBlendMode(ctx.renderer, SDL_BLENDMODE_NONE);
  SDL_SetRenderDrawColor(ctx.renderer, 0, 0, 0, 255);
  SDL_RenderClear(ctx.renderer);
  const TLetterbox box = CurrentLetterbox();
  const SDL_Rect dst{box.x, box.y, box.w, box.h};
  SDL_RenderCopy(ctx.renderer, ctx.backBuffer, nullptr, &dst);
  SDL_RenderPresent(ctx.renderer);
  SDL_SetRenderTarget(ctx.renderer, ctx.backBuffer);
}

// In full screen with a rate given, find out whether the vertical blank
// already paces us at that rate: three flips in a row each taking the frame
// period within a millisecond.
void MeasureVBlank() {
  backend::RunQueue();
  SetVSync(1);
  const uint32_t start = MilliSecs();
  uint32_t last = start;
  int good = 0;
  while (MilliSecs() - start < 1000) {
    Present();
    const uint32_t now = MilliSecs();
    const int took = static_cast<int>(now - last);
    last = now;
    good = (took >= ctx.period - 1 && took <= ctx.period + 1) ? good + 1 : 0;
    if (good >= 3) {
      ctx.paceWithVBlank = true;
      return;
    }
    if (took <= 0 && IsVirtualClock()) return;  // a stopped clock measures nothing
  }
}

// Flip(-1) without a usable vertical blank: sleep until the next frame time.
void PaceByTimer() {
  ctx.target += static_cast<uint32_t>(ctx.period);
  ctx.remainderSum += ctx.remainder;
  if (ctx.hertz > 0 && ctx.remainderSum >= ctx.hertz) {
    ctx.remainderSum -= ctx.hertz;
    ctx.target += 1;
  }
  const uint32_t now = MilliSecs();
  const int wait = static_cast<int>(ctx.target - now);
  if (wait > 0)
    Delay(wait);
  else
    ctx.target = now;
}

}  // namespace

namespace backend {
bool NoDisplay() {
  auto invisible = [](const char* driver) {
    return driver && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0);
  };
  if (SDL_WasInit(SDL_INIT_VIDEO)) return invisible(SDL_GetCurrentVideoDriver());
  if (invisible(SDL_getenv("SDL_VIDEODRIVER"))) return true;
  return !SDL_getenv("DISPLAY") && !SDL_getenv("WAYLAND_DISPLAY");
}

SDL_Renderer* Renderer() { return ctx.renderer; }
SDL_Window* Window() { return ctx.window; }
SDL_Texture* BackBuffer() { return ctx.backBuffer; }

bool ClipActive() {
  const TDrawState& s = CurrentDrawState();
  return !(s.viewX <= 0 && s.viewY <= 0 && s.viewX + s.viewW >= ctx.width && s.viewY + s.viewH >= ctx.height);
}

void ApplyClip() {
  if (!ctx.renderer) return;
  const TDrawState& s = CurrentDrawState();
  if (!ClipActive()) {
    QueueClip(nullptr);
    return;
  }
  // SDL treats an empty clip rectangle as "no clipping"; a viewport that
  // shows nothing becomes a one-pixel rectangle outside the view instead.
  SDL_Rect r{s.viewX, s.viewY, std::max(s.viewW, 0), std::max(s.viewH, 0)};
  if (r.w == 0 || r.h == 0) r = SDL_Rect{-2, -2, 1, 1};
  QueueClip(&r);
}

void WindowToView(int wx, int wy, int& vx, int& vy) { CurrentLetterbox().ToView(wx, wy, vx, vy); }
void ViewToWindow(int vx, int vy, int& wx, int& wy) { CurrentLetterbox().ToWindow(vx, vy, wx, wy); }

void NoteWindowEvent(const SDL_WindowEvent& event) {
  if (!ctx.window || event.windowID != SDL_GetWindowID(ctx.window)) return;
  if (event.event == SDL_WINDOWEVENT_MAXIMIZED) ctx.maximized = true;
  if (event.event == SDL_WINDOWEVENT_MINIMIZED) ctx.minimized = true;
  switch (event.event) {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_RESTORED:
      ctx.mustPresent = true;
      break;
    default:
      break;
  }
}
}  // namespace backend

bool Graphics(int width, int height, int depth, int hertz, int flags) {
  EndGraphics();
  if (width <= 0 || height <= 0 || !StartVideo()) return false;
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "1");
  // The game's double-click time, so that the second click of a double click
  // is known as such however slowly it follows (see TMouse).
  SDL_SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_TIME, std::to_string(kDoubleClickMs).c_str());
  // A window drawn in software shows its picture straight through the
  // window system, without loading OpenGL behind the scenes. Full screen
  // scales the picture to the desktop, which is the graphics card's work.
  const bool accelerated = !backend::NoDisplay() && ((flags & kGraphicsAccelerated) != 0 || depth != 0);
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  Uint32 windowFlags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_SHOWN;
  if (depth != 0) windowFlags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  // An OpenGL renderer needs an OpenGL window; asking for one at once saves
  // SDL making the window a second time.
  if (accelerated) windowFlags |= SDL_WINDOW_OPENGL;
  ctx.window = SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, windowFlags);
  if (!ctx.window && accelerated)
    ctx.window = SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                  windowFlags & ~SDL_WINDOW_OPENGL);
  if (!ctx.window) return false;
  ctx.renderer = MakeRenderer(ctx.window, accelerated);
  if (ctx.renderer)
    ctx.backBuffer =
        SDL_CreateTexture(ctx.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width, height);
  if (!ctx.renderer || !ctx.backBuffer) {
    EndGraphics();
    return false;
  }
  SDL_RendererInfo info;
  ctx.software = SDL_GetRendererInfo(ctx.renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
  backend::SetDrawChanged(drawChangedOnly && ctx.software);
  SDL_SetWindowMinimumSize(ctx.window, 200, 150);
  SDL_SetTextureScaleMode(ctx.backBuffer, SDL_ScaleModeLinear);
  SDL_SetTextureBlendMode(ctx.backBuffer, SDL_BLENDMODE_NONE);
  SDL_SetRenderTarget(ctx.renderer, ctx.backBuffer);
  ctx.width = width;
  ctx.height = height;
  ctx.fullScreen = depth != 0;
  ++generation;

  TDrawState& s = CurrentDrawState();
  s.viewX = s.viewY = 0;
  s.viewW = width;
  s.viewH = height;
  backend::ApplyClip();
  Cls();

  ctx.hertz = std::max(hertz, 0);
  ctx.period = ctx.hertz ? 1000 / ctx.hertz : 0;
  ctx.remainder = ctx.hertz ? 1000 - ctx.period * ctx.hertz : 0;
  ctx.remainderSum = 0;
  ctx.target = MilliSecs();
  ctx.paceWithVBlank = ctx.hertz == 0;
  if (ctx.fullScreen && ctx.hertz) MeasureVBlank();
  if (ctx.fullScreen) {
    int wx, wy;
    backend::ViewToWindow(width / 2, height / 2, wx, wy);
    SDL_WarpMouseInWindow(ctx.window, wx, wy);
  }
  return true;
}

void EndGraphics() {
  backend::ForgetTurnedFrames();
  backend::ResetQueue();
  if (ctx.backBuffer) SDL_DestroyTexture(ctx.backBuffer);
  if (ctx.renderer) SDL_DestroyRenderer(ctx.renderer);
  if (ctx.window) SDL_DestroyWindow(ctx.window);
  ctx = TContext{};
}

bool GraphicsOpen() { return ctx.renderer != nullptr; }
int GraphicsWidth() { return ctx.width; }
int GraphicsHeight() { return ctx.height; }
int GraphicsGeneration() { return generation; }

bool GraphicsModeExists(int width, int height, int depth, int /*hertz*/) {
  // Full screen always uses the desktop's own mode and scales the view into it.
  if (width <= 0 || height <= 0) return false;
  return depth == 0 || depth == 16 || depth == 24 || depth == 32;
}

std::string GraphicsDriverName() {
  SDL_RendererInfo info;
  if (!ctx.renderer || SDL_GetRendererInfo(ctx.renderer, &info) != 0 || !info.name) return "";
  return info.name;
}

void SetWindowSize(int width, int height) {
  if (ctx.window && width > 0 && height > 0) SDL_SetWindowSize(ctx.window, width, height);
}

bool IsFullScreen() { return ctx.fullScreen; }

bool SetFullScreen(bool on) {
  if (!ctx.window) return false;
  if (SDL_SetWindowFullscreen(ctx.window, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) return false;
  ctx.fullScreen = on;
  ctx.mustPresent = true;
  if (!on) SDL_SetWindowSize(ctx.window, ctx.width, ctx.height);
  return true;
}

void SetWindowTitle(const std::string& title) {
  if (ctx.window) SDL_SetWindowTitle(ctx.window, title.c_str());
}

void SetWindowIcon(const TPixmapPtr& icon) {
  if (!ctx.window || !icon || icon->width <= 0 || icon->height <= 0) return;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(icon->pixels.data(), icon->width, icon->height, 32,
                                                            icon->width * 4, SDL_PIXELFORMAT_RGBA32);
  if (!surface) return;
  SDL_SetWindowIcon(ctx.window, surface);
  SDL_FreeSurface(surface);
}

bool WindowMaximized() {
  const bool was = ctx.maximized;
  ctx.maximized = false;
  return was;
}

bool WindowMinimized() {
  const bool was = ctx.minimized;
  ctx.minimized = false;
  return was;
}

void Cls() {
  if (!ctx.renderer) return;
  const TDrawState& s = CurrentDrawState();
  auto clamp = [](int v) { return static_cast<Uint8>(std::clamp(v, 0, 255)); };
  // Clearing ignores the viewport, as a fresh frame must.
  backend::QueueClear(SDL_Color{clamp(s.clsColor[0]), clamp(s.clsColor[1]), clamp(s.clsColor[2]), 255});
}

void Flip(int sync) {
  if (!ctx.renderer) return;
  // A frame that repeats the one on screen is neither drawn nor presented.
  const bool changed = backend::FinishFrame();
  backend::DropUnusedTextures();
  if (sync >= 0) {
    SetVSync(sync ? 1 : 0);
  } else if (ctx.paceWithVBlank) {
    // No rate asked for, or the display keeps it: let the vertical blank pace
    // a full-screen picture, never a window.
    SetVSync(ctx.fullScreen ? 1 : 0);
  } else {
    SetVSync(0);
    PaceByTimer();
  }
  const std::vector<SDL_Rect>* parts = backend::LastChangedRects();
  if (changed && parts && !ctx.mustPresent && PresentParts(*parts)) return;
  if (changed || ctx.mustPresent) Present();
}

void DrawChangedOnly(bool on) {
  drawChangedOnly = on;
  backend::SetDrawChanged(on && ctx.software);
}
void CheckChangedDrawing(bool on) { backend::SetCheckChanged(on); }
int64_t FramesDrawnInParts() { return backend::FramesDrawnInParts(); }
int64_t ChangedDrawingMismatches() { return backend::PartsMismatched(); }

TPixmapPtr GrabShownPixmap() {
  SDL_Surface* surface = ctx.software && ctx.window ? SDL_GetWindowSurface(ctx.window) : nullptr;
  if (!surface) return nullptr;
  auto pixmap = std::make_shared<TPixmap>(surface->w, surface->h);
  if (SDL_ConvertPixels(surface->w, surface->h, surface->format->format, surface->pixels, surface->pitch,
                        SDL_PIXELFORMAT_RGBA32, pixmap->pixels.data(), surface->w * 4) != 0)
    return nullptr;
  for (int y = 0; y < pixmap->height; ++y)
    for (int x = 0; x < pixmap->width; ++x) pixmap->At(x, y)[3] = 255;
  return pixmap;
}

// The drawing side names each layer the queue keeps.
static_assert(kStillWhole + 1 == backend::kStillLayerCount, "one kept layer for each still layer name");

void EndStillLayer(TStillLayer layer) {
  if (ctx.renderer) backend::QueueStillLayerEnd(layer);
}
void KeepStillLayers(bool on) { backend::SetKeepStillLayers(on); }
int64_t StillLayersReused() { return backend::StillLayersReused(); }

int64_t FramesShown() { return backend::FramesFinished() - backend::FramesRepeated(); }
int64_t FramesRepeated() { return backend::FramesRepeated(); }
