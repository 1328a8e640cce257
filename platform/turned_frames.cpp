// Pictures turned in steps (the emitters' sparks): each step is drawn once
// into a texture of its own and from then on copied upright, which costs a
// fraction of turning the picture on every frame.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <list>
#include <map>
#include <tuple>
#include <vector>

#include "platform/draw_queue.h"
#include "platform/graphics.h"
#include "platform/graphics_backend.h"

namespace {

// Room for the turned steps of one image. A spark is drawn at one strength
// and turns full circle in 10 to 15 seconds, so each of its steps comes
// round again; cut to the glow that shows, the 360 steps of one big and one
// medium spark take about 10 and 5 MB. This room keeps most of them (more
// emitters share it, with fewer of their steps kept); a step found here
// costs a copy instead of a turn drawn anew, the largest part of a resting
// room's drawing.
constexpr size_t kMaxBytesPerImage = 8u << 20;
// A kept step drawn within this many draws of its image may come round
// again (a spark turns full circle in about 900 frames), so it stays; older
// ones (sparks of rooms left behind) make way for new steps.
constexpr uint64_t kStepInUse = 8192;
// Steps that found no room are still drawn once and copied while they last
// (a step shows for two or three frames): the few drawn last are held.
constexpr size_t kPassingSteps = 24;

struct TTurned {
  SDL_Texture* texture = nullptr;
  int w = 0, h = 0;
  float left = 0, top = 0;  // texture corner relative to the drawing position
  uint64_t lastDrawn = 0;   // the image's draw count when last drawn
};

using TKey = std::tuple<int, int, float, float, int, bool>;  // frame, step, scale x, scale y, alpha, cropped
using TSteps = std::list<std::pair<TKey, TTurned>>;     // most recently drawn first

size_t Bytes(const TTurned& t) { return static_cast<size_t>(t.w) * static_cast<size_t>(t.h) * 4; }

struct TTurnedSet {
  int generation = -1;
  std::map<TKey, TSteps::iterator> index;
  TSteps recent;   // kept, within kMaxBytesPerImage
  TSteps passing;  // drawn without room to keep them, the last few
  size_t bytes = 0;
  uint64_t draws = 0;
  std::vector<int> quarterTurnSymmetric;  // per frame: -1 unknown, 0 no, 1 yes

  static void Destroy(TSteps& steps) {
    for (auto& [key, turned] : steps) {
      backend::NoteTextureChange(turned.texture);
      SDL_DestroyTexture(turned.texture);
    }
    steps.clear();
  }
  void Clear() {
    if (generation == GraphicsGeneration() && backend::Renderer()) {
      Destroy(recent);
      Destroy(passing);
    }
    recent.clear();
    passing.clear();
    index.clear();
    bytes = 0;
  }
  // Drops the least recently drawn kept steps that are no longer in use
  // until `more` bytes fit; false when they do not.
  bool MakeRoom(size_t more) {
    while (bytes + more > kMaxBytesPerImage && !recent.empty() && recent.back().second.lastDrawn + kStepInUse < draws) {
      const auto& [oldKey, old] = recent.back();
      backend::NoteTextureChange(old.texture);
      SDL_DestroyTexture(old.texture);
      bytes -= Bytes(old);
      index.erase(oldKey);
      recent.pop_back();
    }
    return bytes + more <= kMaxBytesPerImage;
  }
  // The passing step with this key moved to the front, or end().
  TSteps::iterator FindPassing(const TKey& key) {
    for (auto it = passing.begin(); it != passing.end(); ++it)
      if (it->first == key) {
        passing.splice(passing.begin(), passing, it);
        return passing.begin();
      }
    return passing.end();
  }
  void AddPassing(const TKey& key, const TTurned& turned) {
    passing.emplace_front(key, turned);
    if (passing.size() > kPassingSteps) {
      backend::NoteTextureChange(passing.back().second.texture);
      SDL_DestroyTexture(passing.back().second.texture);
      passing.pop_back();
    }
  }
  ~TTurnedSet() { Clear(); }
};

std::map<const TImage*, std::pair<std::weak_ptr<TImage>, TTurnedSet>> sets;

// A square frame that looks the same turned by 90 degrees needs only the
// steps of a quarter turn.
bool QuarterTurnSymmetric(const TPixmap& p) {
  if (p.width != p.height) return false;
  const int n = p.width;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x)
      if (std::memcmp(p.At(x, y), p.At(n - 1 - y, x), 4) != 0) return false;
  return true;
}

// Shrinks the turned picture, the render target, to the rectangle of its
// pixels that are not wholly transparent. A round glow turned keeps its
// corners empty: the step then takes half the memory and half the area of
// the view that changes when it turns. Blended or added, a transparent pixel
// leaves the view as it is, so the picture drawn is the same.
void CropToVisible(SDL_Renderer* r, TTurned& turned) {
  std::vector<uint32_t> px(static_cast<size_t>(turned.w) * static_cast<size_t>(turned.h));
  if (SDL_RenderReadPixels(r, nullptr, SDL_PIXELFORMAT_ARGB8888, px.data(), turned.w * 4) != 0) return;
  int x0 = turned.w, y0 = turned.h, x1 = -1, y1 = -1;
  for (int y = 0; y < turned.h; ++y)
    for (int x = 0; x < turned.w; ++x)
      if (px[static_cast<size_t>(y) * turned.w + x] >> 24) {
        x0 = std::min(x0, x), x1 = std::max(x1, x);
        y0 = std::min(y0, y), y1 = std::max(y1, y);
      }
  if (x1 < 0) x0 = y0 = x1 = y1 = 0;  // nothing shows: one transparent pixel
  const int w = x1 - x0 + 1, h = y1 - y0 + 1;
  if (w == turned.w && h == turned.h) return;
  SDL_Texture* cropped = SDL_CreateTexture(r, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, w, h);
  if (!cropped) return;
  SDL_UpdateTexture(cropped, nullptr, &px[static_cast<size_t>(y0) * turned.w + x0], turned.w * 4);
  SDL_DestroyTexture(turned.texture);
  turned.texture = cropped;
  turned.left += static_cast<float>(x0);
  turned.top += static_cast<float>(y0);
  turned.w = w;
  turned.h = h;
}

// Draws the frame turned by degrees and scaled into a new texture, its
// alpha multiplied by alphaKey / 255 (the strength it is always drawn at);
// cropped to what shows when it is only blended or added.
TTurned Render(TImage& image, int frame, float degrees, float sx, float sy, int alphaKey, bool crop) {
  TTurned out;
  SDL_Renderer* r = backend::Renderer();
  backend::TPaint plain;
  plain.mode = SDL_BLENDMODE_BLEND;
  SDL_Texture* source = backend::FrameTexture(image, frame, plain);
  if (!r || !source) return out;
  TDrawState turn;
  turn.rotation = degrees;
  turn.scaleX = sx;
  turn.scaleY = sy;
  turn.UpdateTransform();
  const auto corners =
      turn.Corners(static_cast<float>(image.width), static_cast<float>(image.height), image.handle_x, image.handle_y, 0, 0);
  float x0 = corners[0].x, y0 = corners[0].y, x1 = x0, y1 = y0;
  for (const TPoint& c : corners) {
    x0 = std::min(x0, c.x), y0 = std::min(y0, c.y);
    x1 = std::max(x1, c.x), y1 = std::max(y1, c.y);
  }
  out.left = std::floor(x0);
  out.top = std::floor(y0);
  out.w = static_cast<int>(std::ceil(x1) - out.left) + 1;
  out.h = static_cast<int>(std::ceil(y1) - out.top) + 1;
  backend::NoteTextureChange();
  out.texture = SDL_CreateTexture(r, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, out.w, out.h);
  if (!out.texture) return out;
  SDL_SetRenderTarget(r, out.texture);
  SDL_RenderSetClipRect(r, nullptr);
  SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
  SDL_SetRenderDrawColor(r, 0, 0, 0, 0);
  SDL_RenderClear(r);
  SDL_SetTextureBlendMode(source, SDL_BLENDMODE_NONE);
  SDL_SetTextureColorMod(source, 255, 255, 255);
  SDL_SetTextureAlphaMod(source, 255);
  const SDL_Color white{255, 255, 255, static_cast<Uint8>(alphaKey)};
  const float u[4] = {0, 1, 1, 0}, v[4] = {0, 0, 1, 1};
  SDL_Vertex vertices[4];
  for (int i = 0; i < 4; ++i)
    vertices[i] = SDL_Vertex{{corners[i].x - out.left, corners[i].y - out.top}, white, {u[i], v[i]}};
  static const int indices[6] = {0, 1, 2, 0, 2, 3};
  SDL_RenderGeometry(r, source, vertices, 4, indices, 6);
  if (crop) CropToVisible(r, out);
  SDL_SetRenderTarget(r, backend::BackBuffer());
  return out;
}

}  // namespace

void TurnInSteps(const TImagePtr& image, float stepDegrees) {
  if (image) image->turnStep = std::max(stepDegrees, 0.0f);
}

namespace backend {

bool DrawTurnedFrame(const TImagePtr& picture, int frame, float x, float y) {
  TImage& image = *picture;
  const TDrawState& s = CurrentDrawState();
  TPaint paint = CurrentPaint();
  if (!Renderer() || !paint.visible || paint.maskTest || image.turnStep <= 0) return false;
  auto& [owner, set] = sets[&image];
  if (owner.expired() || set.generation != GraphicsGeneration()) {
    // A new image at a recycled address, or a new display: start afresh.
    set.Clear();
    set.quarterTurnSymmetric.clear();
    set.generation = GraphicsGeneration();
    owner = picture;
  }
  if (set.quarterTurnSymmetric.size() != image.pixmaps.size()) set.quarterTurnSymmetric.assign(image.pixmaps.size(), -1);
  int& symmetric = set.quarterTurnSymmetric[static_cast<size_t>(frame)];
  if (symmetric < 0) symmetric = QuarterTurnSymmetric(*image.pixmaps[static_cast<size_t>(frame)]) ? 1 : 0;
  const float period = symmetric ? 90.0f : 360.0f;
  const int steps = std::max(static_cast<int>(std::lround(period / image.turnStep)), 1);
  float turn = std::fmod(s.rotation, period);
  if (turn < 0) turn += period;
  const int step = static_cast<int>(std::lround(turn / period * static_cast<float>(steps))) % steps;
  // Drawn white at a partial strength (the sparks), the strength goes into
  // the turned picture, which is then blended without the slower modulation.
  const bool fade = paint.mode == SDL_BLENDMODE_BLEND && paint.color.r == 255 && paint.color.g == 255 &&
                    paint.color.b == 255 && paint.color.a < 255;
  const int alphaKey = fade ? paint.color.a : 255;
  if (fade) paint.color.a = 255;
  const bool crop = paint.mode == SDL_BLENDMODE_BLEND || paint.mode == SDL_BLENDMODE_ADD;
  const TKey key{frame, step, s.scaleX, s.scaleY, alphaKey, crop};

  ++set.draws;
  TTurned* turned = nullptr;
  auto found = set.index.find(key);
  if (found != set.index.end()) {
    set.recent.splice(set.recent.begin(), set.recent, found->second);
    turned = &set.recent.front().second;
  } else if (auto passing = set.FindPassing(key); passing != set.passing.end()) {
    turned = &passing->second;
  } else {
    const TTurned made = Render(image, frame, period * static_cast<float>(step) / static_cast<float>(steps),
                                s.scaleX, s.scaleY, alphaKey, crop);
    if (!made.texture) return false;
    if (set.MakeRoom(Bytes(made))) {
      set.recent.emplace_front(key, made);
      set.index[key] = set.recent.begin();
      set.bytes += Bytes(made);
      turned = &set.recent.front().second;
    } else {
      set.AddPassing(key, made);
      turned = &set.passing.front().second;
    }
  }
  turned->lastDrawn = set.draws;
  const SDL_FRect dst{x + s.originX + turned->left, y + s.originY + turned->top, static_cast<float>(turned->w),
                      static_cast<float>(turned->h)};
  QueueCopy(turned->texture, dst, paint.color, paint.mode);
  return true;
}

void ForgetTurnedFrames() { sets.clear(); }

}  // namespace backend
