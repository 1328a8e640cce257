#include "platform/collision.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/draw_state.h"

namespace {

// A placed image frame (or an opaque rectangle when pixmap is null), kept
// with the inverse of its placement so that a screen point maps straight
// back to a frame pixel.
struct TQuad {
  TPixmapPtr pixmap;
  TCollisionId id = nullptr;
  float w = 0, h = 0;           // frame size
  float ox = 0, oy = 0;         // screen position of frame point (0, 0)
  float uX = 0, uY = 0;         // change of u per screen pixel in x and in y
  float vX = 0, vY = 0;         // change of v per screen pixel in x and in y
  bool degenerate = false;      // scaled to nothing: covers no pixel
  float minX = 0, minY = 0, maxX = 0, maxY = 0;

  bool OpaqueAt(float u, float v) const {
    if (u < 0 || v < 0 || u >= w || v >= h) return false;
    if (!pixmap) return true;
    const int px = static_cast<int>(u), py = static_cast<int>(v);
    if (px >= pixmap->width || py >= pixmap->height) return false;
    return pixmap->Alpha(px, py) >= 128;
  }
};

// Per thread: the solver traces light on a worker while the game tests the
// pointer against its pictures.
thread_local std::array<std::vector<TQuad>, 32> layers;

TQuad MakeQuad(const TDrawState& s, const TPixmapPtr& pixmap, float w, float h, float hx, float hy, float x, float y,
               TCollisionId id) {
  TQuad q;
  q.pixmap = pixmap;
  q.id = id;
  q.w = w;
  q.h = h;
  const auto corners = s.Corners(w, h, hx, hy, x, y);
  q.minX = q.maxX = corners[0].x;
  q.minY = q.maxY = corners[0].y;
  for (const TPoint& c : corners) {
    q.minX = std::min(q.minX, c.x);
    q.maxX = std::max(q.maxX, c.x);
    q.minY = std::min(q.minY, c.y);
    q.maxY = std::max(q.maxY, c.y);
  }
  const TPoint origin = s.Map(0, 0, x, y);
  // Frame point (0, 0) sits at -handle.
  q.ox = origin.x - hx * s.ix - hy * s.iy;
  q.oy = origin.y - hx * s.jx - hy * s.jy;
  const double det = static_cast<double>(s.ix) * s.jy - static_cast<double>(s.iy) * s.jx;
  if (std::fabs(det) < 1e-12 || w <= 0 || h <= 0) {
    q.degenerate = true;
    return q;
  }
  q.uX = static_cast<float>(s.jy / det);
  q.uY = static_cast<float>(-s.iy / det);
  q.vX = static_cast<float>(-s.jx / det);
  q.vY = static_cast<float>(s.ix / det);
  return q;
}

// Bounding boxes first (touching edges count), then a walk over the pixel
// centres both boxes cover, looking for one that is opaque in both.
bool QuadsCollide(const TQuad& a, const TQuad& b) {
  if (a.degenerate || b.degenerate) return false;
  if (a.maxX < b.minX || b.maxX < a.minX || a.maxY < b.minY || b.maxY < a.minY) return false;
  const int x0 = static_cast<int>(std::floor(std::max(a.minX, b.minX)));
  const int x1 = static_cast<int>(std::ceil(std::min(a.maxX, b.maxX)));
  const int y0 = static_cast<int>(std::floor(std::max(a.minY, b.minY)));
  const int y1 = static_cast<int>(std::ceil(std::min(a.maxY, b.maxY)));
  for (int py = y0; py < y1; ++py) {
    const float sy = py + 0.5f, sx = x0 + 0.5f;
    float au = (sx - a.ox) * a.uX + (sy - a.oy) * a.uY, av = (sx - a.ox) * a.vX + (sy - a.oy) * a.vY;
    float bu = (sx - b.ox) * b.uX + (sy - b.oy) * b.uY, bv = (sx - b.ox) * b.vX + (sy - b.oy) * b.vY;
    for (int px = x0; px < x1; ++px) {
      if (a.OpaqueAt(au, av) && b.OpaqueAt(bu, bv)) return true;
      au += a.uX;
      av += a.vX;
      bu += b.uX;
      bv += b.vX;
    }
  }
  return false;
}

std::vector<TCollisionId> Collide(const TQuad& quad, uint32_t testMask, uint32_t writeMask) {
  std::vector<TCollisionId> hits;
  for (int layer = 0; layer < 32; ++layer) {
    if (!(testMask & (1u << layer))) continue;
    for (const TQuad& other : layers[layer])
      if (QuadsCollide(quad, other)) hits.push_back(other.id);
  }
  for (int layer = 0; layer < 32; ++layer)
    if (writeMask & (1u << layer)) layers[layer].push_back(quad);
  return hits;
}

}  // namespace

std::vector<TCollisionId> CollideImage(const TImagePtr& image, float x, float y, int frame, uint32_t testMask,
                                       uint32_t writeMask, TCollisionId id) {
  if (!image || frame < 0 || frame >= image->FrameCount()) return {};
  const TQuad quad = MakeQuad(CurrentDrawState(), image->pixmaps[frame], static_cast<float>(image->width),
                              static_cast<float>(image->height), image->handle_x, image->handle_y, x, y, id);
  return Collide(quad, testMask, writeMask);
}

namespace {
// Rectangles are screen areas (a ray, the pointer): shifted by the origin
// but never turned or scaled with the images.
TQuad RectQuad(float x, float y, float w, float h, TCollisionId id) {
  TDrawState upright;
  upright.originX = CurrentDrawState().originX;
  upright.originY = CurrentDrawState().originY;
  return MakeQuad(upright, nullptr, w, h, 0, 0, x, y, id);
}
}  // namespace

std::vector<TCollisionId> CollideRect(float x, float y, float w, float h, uint32_t testMask, uint32_t writeMask,
                                      TCollisionId id) {
  return Collide(RectQuad(x, y, w, h, id), testMask, writeMask);
}

bool ImageMeetsRect(const TImagePtr& image, float x, float y, int frame, float rx, float ry, float rw, float rh) {
  if (!image || frame < 0 || frame >= image->FrameCount()) return false;
  const TQuad quad = MakeQuad(CurrentDrawState(), image->pixmaps[frame], static_cast<float>(image->width),
                              static_cast<float>(image->height), image->handle_x, image->handle_y, x, y, nullptr);
  return QuadsCollide(RectQuad(rx, ry, rw, rh, nullptr), quad);
}

void ResetCollisions(uint32_t mask) {
  for (int layer = 0; layer < 32; ++layer)
    if (mask == 0 || (mask & (1u << layer))) layers[layer].clear();
}

bool ImagesCollide(const TImagePtr& image1, float x1, float y1, int frame1, const TImagePtr& image2, float x2,
                   float y2, int frame2) {
  constexpr uint32_t kLayer31 = 1u << 31;
  ResetCollisions(kLayer31);
  CollideImage(image1, x1, y1, frame1, 0, kLayer31);
  return !CollideImage(image2, x2, y2, frame2, kLayer31, 0).empty();
}
