#include "platform/draw_queue.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/changed_rects.h"
#include "platform/graphics_backend.h"

namespace backend {

namespace {

enum class TKind : int32_t { Clear, Clip, Fill, Point, Line, Copy, Geometry, Kept };

// One recorded command. Every byte is set (no padding), so commands can be
// compared by hashing their bytes.
struct TCommand {
  TKind kind;
  SDL_BlendMode mode;
  SDL_Color color;
  int32_t clipOn;
  SDL_Rect clip;
  float f[4];
  int32_t first, count, indexFirst, indexCount;
  SDL_Texture* texture;
};
static_assert(sizeof(TCommand) == 72, "TCommand must have no padding");

// The picture of a frame's first commands, up to one mark.
struct TKeptLayer {
  // The layer marked last, kept once it comes twice in a row.
  bool lastSeen = false;
  uint64_t lastHash = 0;
  // The kept picture and what drew it.
  SDL_Texture* texture = nullptr;
  std::vector<SDL_Texture*> drawnWith;  // sorted
  bool valid = false;
  uint64_t hash = 0;
};

struct TQueue {
  std::vector<TCommand> commands;
  std::vector<SDL_Vertex> vertices;
  std::vector<int> indices;
  // The clip in force for the next command recorded, and the one the first
  // queued command expects.
  bool clipOn = false;
  SDL_Rect clip{};
  bool startClipOn = false;
  SDL_Rect startClip{};
  // The frame being recorded.
  uint64_t frameHash = 0;
  int64_t frameCommands = 0;
  bool frameStartsClean = false;  // its first command clears the whole view
  bool frameRan = false;          // part of it has run already
  // The frame shown last, when a repeat of it may be skipped.
  bool shownRepeatable = false;
  uint64_t shownHash = 0;
  int64_t finished = 0, repeated = 0;
  // The still layers: what a frame draws from its clear up to a mark. While
  // hashing, every command since the last clear is mixed into the layer's
  // hash and its textures noted; untouched while none of them has run yet.
  bool layerHashing = false;
  bool layerUntouched = false;
  size_t layerStart = 0;
  uint64_t layerHash = 0;
  std::vector<SDL_Texture*> layerTextures;
  TKeptLayer layers[kStillLayerCount];
  bool keepLayers = true;
  int64_t layersReused = 0;
  // Drawing only what changed: the marks of the frame being recorded and of
  // the one in the back buffer, the textures whose pixels changed since it
  // was drawn, and the parts the last frame drew (whole when rects is off).
  bool drawChanged = false;
  bool checkChanged = false;
  std::vector<TCommandMark> frameMarks, shownMarks;
  bool shownMarksValid = false;
  std::vector<SDL_Texture*> changedTextures;
  bool lastInParts = false;
  std::vector<SDL_Rect> lastRects;
  int64_t drawnInParts = 0, partsMismatched = 0;
  SDL_Texture* checkTexture = nullptr;
};

// Never destroyed: pictures held by static objects (the fonts' glyphs) are
// released at exit, after this file's statics would be gone, and releasing a
// texture flushes the queue.
TQueue& queue = *new TQueue;

constexpr uint64_t kHashSeed = 0x84222325cbf29ce4ull;

uint64_t mixWord(uint64_t h, uint64_t w) {
  h ^= w;
  h *= 0x9E3779B97F4A7C15ull;
  return h ^ (h >> 29);
}

uint64_t mixBytes(uint64_t h, const void* data, size_t size) {
  const auto* p = static_cast<const unsigned char*>(data);
  size_t i = 0;
  for (; i + 8 <= size; i += 8) {
    uint64_t w;
    std::memcpy(&w, p + i, 8);
    h = mixWord(h, w);
  }
  uint64_t tail = 0;
  std::memcpy(&tail, p + i, size - i);
  return mixWord(h, tail ^ (static_cast<uint64_t>(size) << 56));
}

TCommand blank(TKind kind) {
  TCommand c;
  std::memset(&c, 0, sizeof c);
  c.kind = kind;
  return c;
}

// A command and the vertices it draws, mixed into a hash.
uint64_t mixCommand(uint64_t h, const TCommand& c) {
  h = mixBytes(h, &c, sizeof c);
  if (c.kind == TKind::Geometry) {
    h = mixBytes(h, &queue.vertices[static_cast<size_t>(c.first)], sizeof(SDL_Vertex) * static_cast<size_t>(c.count));
    h = mixBytes(h, &queue.indices[static_cast<size_t>(c.indexFirst)], sizeof(int) * static_cast<size_t>(c.indexCount));
  }
  return h;
}

int floorOf(float v) { return static_cast<int>(std::floor(v)); }
int ceilOf(float v) { return static_cast<int>(std::ceil(v)); }

// The rectangle a command can paint, a pixel wider on every side than its
// coordinates for the renderer's rounding.
SDL_Rect boundsOf(const TCommand& c) {
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  switch (c.kind) {
    case TKind::Clip:
      return SDL_Rect{};
    case TKind::Clear:
    case TKind::Kept:
      return SDL_Rect{-1, -1, 1 << 16, 1 << 16};  // the whole view, whatever its size
    case TKind::Fill:
    case TKind::Copy:
      x0 = c.f[0], y0 = c.f[1], x1 = c.f[0] + c.f[2], y1 = c.f[1] + c.f[3];
      break;
    case TKind::Point:
      x0 = x1 = c.f[0], y0 = y1 = c.f[1];
      break;
    case TKind::Line:
      x0 = std::min(c.f[0], c.f[2]), x1 = std::max(c.f[0], c.f[2]);
      y0 = std::min(c.f[1], c.f[3]), y1 = std::max(c.f[1], c.f[3]);
      break;
    case TKind::Geometry: {
      const SDL_Vertex* v = &queue.vertices[static_cast<size_t>(c.first)];
      x0 = x1 = v[0].position.x, y0 = y1 = v[0].position.y;
      for (int i = 1; i < c.count; ++i) {
        x0 = std::min(x0, v[i].position.x), x1 = std::max(x1, v[i].position.x);
        y0 = std::min(y0, v[i].position.y), y1 = std::max(y1, v[i].position.y);
      }
      break;
    }
  }
  if (!(x0 > -65536.0f && y0 > -65536.0f && x1 < 65536.0f && y1 < 65536.0f))
    return SDL_Rect{-1, -1, 1 << 16, 1 << 16};  // far off or not a number: take it as anywhere
  const int ix0 = floorOf(x0) - 1, iy0 = floorOf(y0) - 1;
  return SDL_Rect{ix0, iy0, ceilOf(x1) + 2 - ix0, ceilOf(y1) + 2 - iy0};
}

// Clipped to any rectangle, the command paints inside it exactly what it
// paints there unclipped: fills and pictures copied at their own size.
// Scaled pictures, triangles, lines and points are drawn whole instead.
bool exactWhenClipped(const TCommand& c) {
  if (c.kind != TKind::Copy) return c.kind != TKind::Point && c.kind != TKind::Line && c.kind != TKind::Geometry;
  int w = 0, h = 0;
  if (SDL_QueryTexture(c.texture, nullptr, nullptr, &w, &h) != 0) return false;
  return static_cast<int>(c.f[2]) == w && static_cast<int>(c.f[3]) == h;
}

// The command's mark: what it draws, under which clip, and where.
void markCommand(const TCommand& c) {
  TCommandMark m;
  m.hash = mixCommand(kHashSeed, c);
  m.hash = mixBytes(m.hash, &queue.clip, sizeof queue.clip);
  m.hash = mixWord(m.hash, queue.clipOn ? 1 : 0);
  if (c.texture && std::find(queue.changedTextures.begin(), queue.changedTextures.end(), c.texture) !=
                       queue.changedTextures.end())
    m.hash = mixWord(m.hash, static_cast<uint64_t>(queue.finished) + 1);  // new pixels: never the same as before
  m.bounds = boundsOf(c);
  if (queue.clipOn && c.kind != TKind::Clear && c.kind != TKind::Kept) {
    SDL_Rect cut{};
    if (!SDL_IntersectRect(&m.bounds, &queue.clip, &cut)) cut = SDL_Rect{};
    m.bounds = cut;
  }
  m.exact = c.kind == TKind::Clip || exactWhenClipped(c);
  queue.frameMarks.push_back(m);
}

void push(const TCommand& c) {
  if (queue.commands.empty()) {
    queue.startClipOn = queue.clipOn;
    queue.startClip = queue.clip;
  }
  if (queue.frameCommands == 0) {
    queue.frameHash = kHashSeed;
    queue.frameStartsClean = c.kind == TKind::Clear;
  }
  ++queue.frameCommands;
  queue.frameHash = mixCommand(queue.frameHash, c);
  if (c.kind == TKind::Clear) {
    queue.layerHashing = queue.layerUntouched = true;
    queue.layerStart = queue.commands.size();
    queue.layerHash = kHashSeed;
    queue.layerTextures.clear();
  }
  if (queue.layerHashing) {
    queue.layerHash = mixCommand(queue.layerHash, c);
    if (c.texture) queue.layerTextures.push_back(c.texture);
  }
  if (queue.drawChanged) markCommand(c);
  queue.commands.push_back(c);
}

// Copies the back buffer, as the commands run so far left it, into the
// layer's picture.
bool keepBackBuffer(SDL_Renderer* r, TKeptLayer& layer) {
  SDL_Texture* back = BackBuffer();
  int w = 0, h = 0;
  if (!back || SDL_QueryTexture(back, nullptr, nullptr, &w, &h) != 0) return false;
  if (!layer.texture) {
    layer.texture = SDL_CreateTexture(r, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, w, h);
    if (!layer.texture) return false;
  }
  SDL_SetRenderTarget(r, layer.texture);
  SDL_RenderSetClipRect(r, nullptr);
  SDL_SetTextureBlendMode(back, SDL_BLENDMODE_NONE);
  SDL_SetTextureColorMod(back, 255, 255, 255);
  SDL_SetTextureAlphaMod(back, 255);
  const bool copied = SDL_RenderCopy(r, back, nullptr, nullptr) == 0;
  SDL_SetRenderTarget(r, back);
  return copied;
}

void setClip(SDL_Renderer* r, bool on, const SDL_Rect& rect) { SDL_RenderSetClipRect(r, on ? &rect : nullptr); }

void setDrawPaint(SDL_Renderer* r, const TCommand& c) {
  SDL_SetRenderDrawBlendMode(r, c.mode);
  SDL_SetRenderDrawColor(r, c.color.r, c.color.g, c.color.b, c.color.a);
}

void setTexturePaint(const TCommand& c, SDL_Color mod) {
  SDL_SetTextureBlendMode(c.texture, c.mode);
  SDL_SetTextureColorMod(c.texture, mod.r, mod.g, mod.b);
  SDL_SetTextureAlphaMod(c.texture, mod.a);
}

void run(SDL_Renderer* r, const TCommand& c) {
  switch (c.kind) {
    case TKind::Clear:
      SDL_RenderSetClipRect(r, nullptr);
      SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
      SDL_SetRenderDrawColor(r, c.color.r, c.color.g, c.color.b, 255);
      SDL_RenderClear(r);
      setClip(r, c.clipOn != 0, c.clip);
      break;
    case TKind::Clip:
      setClip(r, c.clipOn != 0, c.clip);
      break;
    case TKind::Fill: {
      setDrawPaint(r, c);
      const SDL_FRect rect{c.f[0], c.f[1], c.f[2], c.f[3]};
      SDL_RenderFillRectF(r, &rect);
      break;
    }
    case TKind::Point:
      setDrawPaint(r, c);
      SDL_RenderDrawPointF(r, c.f[0], c.f[1]);
      break;
    case TKind::Line:
      setDrawPaint(r, c);
      SDL_RenderDrawLineF(r, c.f[0], c.f[1], c.f[2], c.f[3]);
      break;
    case TKind::Copy: {
      setTexturePaint(c, c.color);
      const SDL_FRect dst{c.f[0], c.f[1], c.f[2], c.f[3]};
      SDL_RenderCopyF(r, c.texture, nullptr, &dst);
      break;
    }
    case TKind::Geometry:
      if (c.texture) setTexturePaint(c, SDL_Color{255, 255, 255, 255});
      SDL_RenderGeometry(r, c.texture, &queue.vertices[static_cast<size_t>(c.first)], c.count,
                         &queue.indices[static_cast<size_t>(c.indexFirst)], c.indexCount);
      break;
    case TKind::Kept:
      // Like a clear: the whole back buffer, whatever the clip.
      SDL_RenderSetClipRect(r, nullptr);
      SDL_SetTextureBlendMode(c.texture, SDL_BLENDMODE_NONE);
      SDL_SetTextureColorMod(c.texture, 255, 255, 255);
      SDL_SetTextureAlphaMod(c.texture, 255);
      SDL_RenderCopy(r, c.texture, nullptr, nullptr);
      setClip(r, c.clipOn != 0, c.clip);
      break;
  }
}

// Runs the recorded commands once for each rectangle, clipped to it, over
// the back buffer that holds the frame shown: only the commands that reach
// into the rectangle, so a small change costs a few copies.
void runInParts(SDL_Renderer* r, const std::vector<SDL_Rect>& rects) {
  for (const SDL_Rect& part : rects) {
    bool clipOn = queue.startClipOn;
    SDL_Rect clip = queue.startClip;
    for (const TCommand& c : queue.commands) {
      if (c.kind == TKind::Clip || c.kind == TKind::Clear || c.kind == TKind::Kept) {
        if (c.kind == TKind::Clear) {
          SDL_RenderSetClipRect(r, &part);
          SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
          SDL_SetRenderDrawColor(r, c.color.r, c.color.g, c.color.b, 255);
          SDL_RenderFillRect(r, &part);
        } else if (c.kind == TKind::Kept) {
          SDL_RenderSetClipRect(r, &part);
          SDL_SetTextureBlendMode(c.texture, SDL_BLENDMODE_NONE);
          SDL_SetTextureColorMod(c.texture, 255, 255, 255);
          SDL_SetTextureAlphaMod(c.texture, 255);
          SDL_RenderCopy(r, c.texture, &part, &part);
        }
        clipOn = c.clipOn != 0;
        clip = c.clip;
        continue;
      }
      if (!RectsMeet(boundsOf(c), part)) continue;
      SDL_Rect cut = part;
      if (clipOn && !SDL_IntersectRect(&part, &clip, &cut)) continue;
      SDL_RenderSetClipRect(r, &cut);
      run(r, c);
    }
  }
  setClip(r, queue.clipOn, queue.clip);
}

// Runs the recorded commands in full into a picture of their own and tells
// whether it matches the back buffer, drawn in parts, pixel for pixel.
bool partsMatchWhole(SDL_Renderer* r) {
  SDL_Texture* back = BackBuffer();
  int w = 0, h = 0;
  if (!back || SDL_QueryTexture(back, nullptr, nullptr, &w, &h) != 0) return true;
  if (!queue.checkTexture)
    queue.checkTexture = SDL_CreateTexture(r, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, w, h);
  if (!queue.checkTexture) return true;
  std::vector<uint32_t> parts(static_cast<size_t>(w) * h), whole(parts.size());
  SDL_RenderReadPixels(r, nullptr, SDL_PIXELFORMAT_ARGB8888, parts.data(), w * 4);
  SDL_SetRenderTarget(r, queue.checkTexture);
  setClip(r, queue.startClipOn, queue.startClip);
  for (const TCommand& c : queue.commands) run(r, c);
  SDL_RenderReadPixels(r, nullptr, SDL_PIXELFORMAT_ARGB8888, whole.data(), w * 4);
  SDL_SetRenderTarget(r, back);
  setClip(r, queue.clipOn, queue.clip);
  // The back buffer's alpha byte means nothing; only colours are compared.
  for (size_t i = 0; i < parts.size(); ++i)
    if ((parts[i] ^ whole[i]) & 0xFFFFFFu) return false;
  return true;
}

void forgetKeptLayer(TKeptLayer& layer) {
  layer.valid = false;
  layer.lastSeen = false;
}

void dropCommands() {
  queue.commands.clear();
  queue.vertices.clear();
  queue.indices.clear();
}

}  // namespace

void QueueClear(SDL_Color color) {
  TCommand c = blank(TKind::Clear);
  c.color = color;
  c.clipOn = queue.clipOn;
  c.clip = queue.clip;
  push(c);
}

void QueueClip(const SDL_Rect* clip) {
  queue.clipOn = clip != nullptr;
  queue.clip = clip ? *clip : SDL_Rect{};
  TCommand c = blank(TKind::Clip);
  c.clipOn = queue.clipOn;
  c.clip = queue.clip;
  push(c);
}

void QueueFillRect(const SDL_FRect& rect, SDL_Color color, SDL_BlendMode mode) {
  TCommand c = blank(TKind::Fill);
  c.mode = mode;
  c.color = color;
  c.f[0] = rect.x, c.f[1] = rect.y, c.f[2] = rect.w, c.f[3] = rect.h;
  push(c);
}

void QueuePoint(float x, float y, SDL_Color color, SDL_BlendMode mode) {
  TCommand c = blank(TKind::Point);
  c.mode = mode;
  c.color = color;
  c.f[0] = x, c.f[1] = y;
  push(c);
}

void QueueLine(float x1, float y1, float x2, float y2, SDL_Color color, SDL_BlendMode mode) {
  TCommand c = blank(TKind::Line);
  c.mode = mode;
  c.color = color;
  c.f[0] = x1, c.f[1] = y1, c.f[2] = x2, c.f[3] = y2;
  push(c);
}

void QueueCopy(SDL_Texture* texture, const SDL_FRect& dst, SDL_Color color, SDL_BlendMode mode) {
  if (!texture) return;
  TCommand c = blank(TKind::Copy);
  c.texture = texture;
  c.mode = mode;
  c.color = color;
  c.f[0] = dst.x, c.f[1] = dst.y, c.f[2] = dst.w, c.f[3] = dst.h;
  push(c);
}

void QueueGeometry(SDL_Texture* texture, const SDL_Vertex* vertices, int vertexCount, const int* indices,
                   int indexCount, SDL_BlendMode mode) {
  if (vertexCount <= 0 || indexCount <= 0) return;
  TCommand c = blank(TKind::Geometry);
  c.texture = texture;
  c.mode = mode;
  c.first = static_cast<int32_t>(queue.vertices.size());
  c.count = vertexCount;
  c.indexFirst = static_cast<int32_t>(queue.indices.size());
  c.indexCount = indexCount;
  queue.vertices.insert(queue.vertices.end(), vertices, vertices + vertexCount);
  queue.indices.insert(queue.indices.end(), indices, indices + indexCount);
  push(c);
}

void RunQueue() {
  SDL_Renderer* r = Renderer();
  if (!queue.commands.empty() && r) {
    setClip(r, queue.startClipOn, queue.startClip);
    for (const TCommand& c : queue.commands) run(r, c);
    queue.frameRan = true;
    queue.layerUntouched = false;
  }
  dropCommands();
}

void NoteTextureChange(SDL_Texture* changed) {
  // Only commands that use the texture must run before it changes; the
  // others may wait (drawing only where the frame changed needs them all at
  // its end). A texture made anew is in no recorded command.
  const bool used = changed && std::any_of(queue.commands.begin(), queue.commands.end(),
                                           [changed](const TCommand& c) { return c.texture == changed; });
  if (used) RunQueue();
  // The picture shown may have used the texture's old pixels.
  queue.shownRepeatable = false;
  if (changed) queue.changedTextures.push_back(changed);
  // So may the kept layers; a texture made anew is in no picture yet.
  if (!changed) return;
  for (TKeptLayer& layer : queue.layers)
    if (std::binary_search(layer.drawnWith.begin(), layer.drawnWith.end(), changed)) forgetKeptLayer(layer);
}

void QueueStillLayerEnd(int level) {
  SDL_Renderer* r = Renderer();
  if (level < 0 || level >= kStillLayerCount || !queue.layerHashing || !queue.keepLayers || !r) return;
  // Nothing above the topmost mark belongs to a layer.
  if (level == kStillLayerCount - 1) queue.layerHashing = false;
  TKeptLayer& layer = queue.layers[level];
  const uint64_t hash = queue.layerHash;
  const bool keptAlike = layer.valid && hash == layer.hash;
  if (keptAlike && queue.layerUntouched) {
    // The kept picture is what these commands would paint: one copy instead
    // (also of a lower layer's copy). It is not hashed, since the frame's
    // hash already holds the commands.
    TCommand c = blank(TKind::Kept);
    c.texture = layer.texture;
    c.clipOn = queue.clipOn;
    c.clip = queue.clip;
    queue.commands.resize(queue.layerStart);
    queue.commands.push_back(c);
    ++queue.layersReused;
    return;
  }
  // A layer that changes every frame (objects sliding over the floor) is
  // not kept: only one drawn twice in a row is worth the copy.
  if (!keptAlike && layer.lastSeen && hash == layer.lastHash) {
    layer.drawnWith = queue.layerTextures;
    std::sort(layer.drawnWith.begin(), layer.drawnWith.end());
    layer.drawnWith.erase(std::unique(layer.drawnWith.begin(), layer.drawnWith.end()), layer.drawnWith.end());
    RunQueue();
    layer.valid = keepBackBuffer(r, layer);
    layer.hash = hash;
  }
  layer.lastSeen = true;
  layer.lastHash = hash;
}

void SetKeepStillLayers(bool on) {
  // The kept picture stays good while off: texture changes still drop it.
  queue.keepLayers = on;
}

int64_t StillLayersReused() { return queue.layersReused; }

namespace {
// Draws a frame that differs from the one shown: in the parts that changed
// when that is known and pays, otherwise whole.
void finishChangedFrame(bool clean) {
  SDL_Renderer* r = Renderer();
  queue.lastInParts = false;
  int w = 0, h = 0;
  const bool known = queue.drawChanged && clean && queue.shownMarksValid && r && BackBuffer() &&
                     SDL_QueryTexture(BackBuffer(), nullptr, nullptr, &w, &h) == 0;
  if (known && FindChangedRects(queue.shownMarks, queue.frameMarks, w, h, queue.lastRects)) {
    runInParts(r, queue.lastRects);
    queue.lastInParts = true;
    ++queue.drawnInParts;
    if (queue.checkChanged && !partsMatchWhole(r)) ++queue.partsMismatched;
    dropCommands();
  } else {
    RunQueue();
  }
  // A frame partly run before its end was drawn whole; it is the next
  // frame's reference all the same, since the back buffer holds it. One
  // drawn over the last frame without clearing is not described by its
  // marks alone.
  queue.shownMarksValid = queue.drawChanged && queue.frameCommands > 0 && queue.frameStartsClean;
  std::swap(queue.shownMarks, queue.frameMarks);
}
}  // namespace

bool FinishFrame() {
  ++queue.finished;
  const bool clean = queue.frameCommands > 0 && queue.frameStartsClean && !queue.frameRan;
  const bool repeat = clean && queue.shownRepeatable && queue.frameHash == queue.shownHash;
  if (repeat) {
    ++queue.repeated;
    // The back buffer holds this picture; the clip the dropped commands
    // would have left is what the next command recorded expects.
    dropCommands();
  } else {
    finishChangedFrame(clean);
    queue.shownRepeatable = clean;
    queue.shownHash = queue.frameHash;
  }
  queue.frameMarks.clear();
  queue.changedTextures.clear();
  queue.frameCommands = 0;
  queue.frameRan = false;
  queue.frameStartsClean = false;
  return !repeat;
}

void ResetQueue() {
  for (TKeptLayer& layer : queue.layers)
    if (layer.texture && Renderer()) SDL_DestroyTexture(layer.texture);
  if (queue.checkTexture && Renderer()) SDL_DestroyTexture(queue.checkTexture);
  const bool drawChanged = queue.drawChanged, checkChanged = queue.checkChanged;
  const int64_t inParts = queue.drawnInParts, mismatched = queue.partsMismatched;
  const int64_t finished = queue.finished, repeated = queue.repeated, reused = queue.layersReused;
  const bool keepLayers = queue.keepLayers;
  queue = TQueue{};
  queue.finished = finished;
  queue.repeated = repeated;
  queue.layersReused = reused;
  queue.keepLayers = keepLayers;
  queue.drawChanged = drawChanged;
  queue.checkChanged = checkChanged;
  queue.drawnInParts = inParts;
  queue.partsMismatched = mismatched;
}

void SetDrawChanged(bool on) {
  queue.drawChanged = on;
  queue.shownMarksValid = false;
  queue.frameMarks.clear();
}
void SetCheckChanged(bool on) { queue.checkChanged = on; }
const std::vector<SDL_Rect>* LastChangedRects() { return queue.lastInParts ? &queue.lastRects : nullptr; }
int64_t FramesDrawnInParts() { return queue.drawnInParts; }
int64_t PartsMismatched() { return queue.partsMismatched; }

int64_t FramesFinished() { return queue.finished; }
int64_t FramesRepeated() { return queue.repeated; }

}  // namespace backend
