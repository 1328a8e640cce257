#include <malloc.h>

#include <memory>
#include <vector>

#include "platform/clock.h"
#include "platform/draw_queue.h"
#include "platform/graphics.h"
#include "platform/graphics_backend.h"

// The back-end textures of one image: one per frame, plus the mask-test
// variant, all belonging to one graphics generation. When the display has
// been reopened they are simply made again.
struct TTextureCache {
  // A frame may need up to three variants: its pixels as they are (solid
  // and shade use every pixel's colour), with colour bled into transparent
  // pixels (alpha and light blending of a filtered image, so filtering never
  // pulls in dark fringes), and cut at the mask threshold (mask blending).
  struct TEntry {
    SDL_Texture* raw = nullptr;
    SDL_Texture* bled = nullptr;
    SDL_Texture* masked = nullptr;
    SDL_Texture* faded = nullptr;  // alpha multiplied by fadedKey / 255
    int maskedKey = -1;
    int fadedKey = -1;
    int lastFadeAsked = -1;
    bool stale = false;
    uint32_t lastUsed = 0;  // the frame clock when it was last drawn
    void DestroyAll() {
      for (SDL_Texture* t : {raw, bled, masked, faded})
        if (t) {
          backend::NoteTextureChange(t);
          SDL_DestroyTexture(t);
        }
      raw = bled = masked = faded = nullptr;
      maskedKey = fadedKey = lastFadeAsked = -1;
    }
  };
  int generation = 0;
  std::vector<TEntry> entries;

  void Release() {
    // Textures of an older context died with its renderer.
    if (generation == GraphicsGeneration() && backend::Renderer()) {
      for (TEntry& e : entries) e.DestroyAll();
    }
    entries.clear();
  }
  ~TTextureCache() { Release(); }
};

void TImage::Invalidate(int frame) {
  if (!textures || frame < 0 || frame >= static_cast<int>(textures->entries.size())) return;
  textures->entries[frame].stale = true;
}

namespace backend {

namespace {

// A big picture (a screen's background, its faded copy, a grabbed screen)
// not drawn for 10 seconds gives its textures back; they are made again
// from its pixels when it is drawn next, alike. Small ones (glyphs,
// buttons) stay: they cost little and are drawn everywhere. Time, not
// frames, since a resting screen shows fewer frames a second.
constexpr uint32_t kUnusedMs = 10000;
constexpr int64_t kBigPixels = 256 * 256;
// Looked over once a second.
constexpr uint32_t kSweepEveryMs = 1000;
std::vector<std::weak_ptr<TTextureCache>> caches;
// The clock as the last frame was shown, read once a frame: a picture drawn
// is marked with it.
uint32_t frameClock = 0;
uint32_t lastSweep = 0;
bool swept = false;
int64_t givenBack = 0;

uint32_t PackArgb(const uint8_t* p) {
  return static_cast<uint32_t>(p[3]) << 24 | static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 |
         p[2];
}

// Fully transparent pixels take the colour of their visible neighbours, so
// bilinear filtering never pulls dark fringes into an image's edges.
void BleedEdges(std::vector<uint32_t>& px, int w, int h) {
  std::vector<uint32_t> src = px;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (src[static_cast<size_t>(y) * w + x] >> 24) continue;
      unsigned r = 0, g = 0, b = 0, n = 0;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          const uint32_t c = src[static_cast<size_t>(ny) * w + nx];
          if (!(c >> 24)) continue;
          r += (c >> 16) & 255;
          g += (c >> 8) & 255;
          b += c & 255;
          ++n;
        }
      }
      if (n) px[static_cast<size_t>(y) * w + x] = (r / n) << 16 | (g / n) << 8 | (b / n);
    }
  }
}

// Alpha cut to 0 or 255 exactly where a mask-tested draw with alpha byte
// key keeps the pixel: texture alpha x key >= half of 255 x 255.
std::vector<uint32_t> Convert(const TPixmap& pixmap, int maskKey) {
  std::vector<uint32_t> px(static_cast<size_t>(pixmap.width) * pixmap.height);
  for (size_t i = 0; i < px.size(); ++i) {
    uint32_t c = PackArgb(&pixmap.pixels[i * 4]);
    if (maskKey >= 0) {
      const bool keep = 2 * (c >> 24) * static_cast<uint32_t>(maskKey) >= 255u * 255u;
      c = (c & 0xFFFFFFu) | (keep ? 0xFF000000u : 0u);
    }
    px[i] = c;
  }
  return px;
}

// Alpha multiplied by key / 255, rounded down as the blender does it when
// it applies an alpha modulation itself.
void Fade(std::vector<uint32_t>& px, int key) {
  for (uint32_t& c : px) c = (c & 0xFFFFFFu) | (((c >> 24) * static_cast<uint32_t>(key) / 255u) << 24);
}

bool AllOpaque(const std::vector<uint32_t>& px) {
  for (uint32_t c : px)
    if ((c >> 24) != 255) return false;
  return true;
}

SDL_Texture* Upload(SDL_Texture* texture, const TPixmap& pixmap, bool filtered, bool bleed, int maskKey,
                    int fadeKey = -1) {
  if (pixmap.width <= 0 || pixmap.height <= 0) return nullptr;
  NoteTextureChange(texture);
  std::vector<uint32_t> px = Convert(pixmap, maskKey);
  if (bleed) BleedEdges(px, pixmap.width, pixmap.height);
  if (fadeKey >= 0) Fade(px, fadeKey);
  // Opaque frames (backgrounds, grabbed screens) go up without an alpha
  // channel: blending them by the drawing alpha is then exact and faster in
  // the software renderer.
  const Uint32 format = AllOpaque(px) ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_ARGB8888;
  Uint32 current = 0;
  if (texture && (SDL_QueryTexture(texture, &current, nullptr, nullptr, nullptr) != 0 || current != format)) {
    SDL_DestroyTexture(texture);
    texture = nullptr;
  }
  if (!texture) {
    texture = SDL_CreateTexture(Renderer(), format, SDL_TEXTUREACCESS_STATIC, pixmap.width, pixmap.height);
    if (!texture) return nullptr;
    SDL_SetTextureScaleMode(texture, filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  }
  SDL_UpdateTexture(texture, nullptr, px.data(), pixmap.width * 4);
  return texture;
}

}  // namespace

SDL_Texture* MakeTexture(const TPixmap& pixmap, bool filtered, bool bleedEdges) {
  if (!Renderer()) return nullptr;
  return Upload(nullptr, pixmap, filtered, bleedEdges, -1);
}

namespace {

// The textures of one frame for the current context, refreshed when a grab
// or an edit changed its pixels. Null when the frame does not exist.
TTextureCache::TEntry* Entry(TImage& image, int frame) {
  if (!Renderer() || frame < 0 || frame >= image.FrameCount() || !image.pixmaps[frame]) return nullptr;
  if (!image.textures) {
    image.textures = std::make_shared<TTextureCache>();
    caches.push_back(image.textures);
  }
  TTextureCache& cache = *image.textures;
  if (cache.generation != GraphicsGeneration()) {
    cache.Release();
    cache.generation = GraphicsGeneration();
  }
  if (cache.entries.size() != image.pixmaps.size()) cache.entries.resize(image.pixmaps.size());
  TTextureCache::TEntry& e = cache.entries[frame];
  const TPixmap& pixmap = *image.pixmaps[frame];
  e.lastUsed = frameClock;
  const bool filtered = (image.flags & kImageFiltered) != 0;
  if (e.stale) {
    // A grab or an edit changed the pixels: the variants in use are filled
    // again in place (a screen grabbed every frame reuses its textures).
    if (e.raw) e.raw = Upload(e.raw, pixmap, filtered, false, -1);
    if (e.bled) e.bled = Upload(e.bled, pixmap, true, true, -1);
    if (e.masked) e.masked = Upload(e.masked, pixmap, filtered, filtered, e.maskedKey);
    if (e.faded) e.faded = Upload(e.faded, pixmap, filtered, filtered, -1, e.fadedKey);
    e.stale = false;
  }
  return &e;
}

}  // namespace

bool TextureOpaque(SDL_Texture* texture) {
  Uint32 format = 0;
  return texture && SDL_QueryTexture(texture, &format, nullptr, nullptr, nullptr) == 0 &&
         format == SDL_PIXELFORMAT_RGB888;
}

SDL_Texture* FadedFrameTexture(TImage& image, int frame, int alphaKey) {
  TTextureCache::TEntry* entry = Entry(image, frame);
  if (!entry) return nullptr;
  TTextureCache::TEntry& e = *entry;
  if (e.faded && e.fadedKey == alphaKey) return e.faded;
  const bool steady = e.lastFadeAsked == alphaKey;
  e.lastFadeAsked = alphaKey;
  if (!steady) return nullptr;
  const bool filtered = (image.flags & kImageFiltered) != 0;
  e.faded = Upload(e.faded, *image.pixmaps[frame], filtered, filtered, -1, alphaKey);
  e.fadedKey = alphaKey;
  return e.faded;
}

SDL_Texture* FrameTexture(TImage& image, int frame, const TPaint& paint) {
  TTextureCache::TEntry* entry = Entry(image, frame);
  if (!entry) return nullptr;
  TTextureCache::TEntry& e = *entry;
  const TPixmap& pixmap = *image.pixmaps[frame];
  const bool filtered = (image.flags & kImageFiltered) != 0;
  if (paint.maskTest) {
    if (!e.masked || e.maskedKey != paint.alphaKey) {
      e.masked = Upload(e.masked, pixmap, filtered, filtered, paint.alphaKey);
      e.maskedKey = paint.alphaKey;
    }
    return e.masked;
  }
  const bool blends = paint.mode == SDL_BLENDMODE_BLEND || paint.mode == SDL_BLENDMODE_ADD;
  if (blends && filtered) {
    if (!e.bled) e.bled = Upload(nullptr, pixmap, true, true, -1);
    return e.bled;
  }
  if (!e.raw) e.raw = Upload(nullptr, pixmap, filtered, false, -1);
  return e.raw;
}

void DropUnusedTextures(bool now) {
  const uint32_t clock = frameClock = MilliSecs();
  if (!swept) lastSweep = clock, swept = true;
  if (!now && clock - lastSweep < kSweepEveryMs) return;
  lastSweep = clock;
  const int generation = GraphicsGeneration();
  std::erase_if(caches, [](const std::weak_ptr<TTextureCache>& cache) { return cache.expired(); });
  if (!Renderer()) return;
  bool dropped = false;
  for (const std::weak_ptr<TTextureCache>& weak : caches) {
    const std::shared_ptr<TTextureCache> cache = weak.lock();
    if (!cache || cache->generation != generation) continue;
    for (TTextureCache::TEntry& e : cache->entries) {
      int w = 0, h = 0;
      SDL_Texture* any = e.raw ? e.raw : e.bled ? e.bled : e.masked ? e.masked : e.faded;
      if (!any || clock - e.lastUsed < kUnusedMs || SDL_QueryTexture(any, nullptr, nullptr, &w, &h) != 0) continue;
      if (static_cast<int64_t>(w) * h < kBigPixels) continue;
      e.DestroyAll();
      dropped = true;
      ++givenBack;
    }
  }
  // The freed pictures lie among memory still in use: hand their pages back
  // to the system, or the game keeps them resident for nothing.
  if (dropped) malloc_trim(0);
}

}  // namespace backend

int64_t PicturesGivenBack() { return backend::givenBack; }
