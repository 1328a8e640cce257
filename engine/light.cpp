// Light: every frame the rays are traced afresh from every emitter. They run
// along rows and columns, turn at mirrors, change colour in gems, stop at
// walls and solid objects, and light glyphs and decayed walls of their
// exact colour.
#include <algorithm>
#include <cstdlib>

#include "effects/geometry.h"
#include "engine/engine.h"
#include "platform/graphics.h"

namespace {

constexpr int kMirrorShape = 23;        // collision shape of a mirror at angle 0
constexpr int kTurnedMirrorShape = 24;  // ... and at angle 90
constexpr int kProbeLength = 50;        // pixels probed beyond a segment's end
constexpr int kMaxCellsPerSegment = 12;

bool sameColour(int r1, int g1, int b1, int r2, int g2, int b2) { return r1 == r2 && g1 == g2 && b1 == b2; }

// Each channel lit in the ray takes the filter's value; the others stay dark.
void filterColour(const TLightRay& s, int fr, int fg, int fb, int& r, int& g, int& b) {
  r = s.lr != 0 ? fr : 0;
  g = s.lg != 0 ? fg : 0;
  b = s.lb != 0 ? fb : 0;
}

struct TRect {
  int x = 0, y = 0, w = 0, h = 0;
};

// The band 4 pixels wide and 50 long ahead of the segment's end, in the
// direction its end points show.
TRect probeBand(const TLightRay& s) {
  if (s.x2 < s.x1) return {s.x2 - kProbeLength, s.y2 - 2, kProbeLength, 4};
  if (s.x2 > s.x1) return {s.x2, s.y2 - 2, kProbeLength, 4};
  if (s.y2 < s.y1) return {s.x2 - 2, s.y2 - kProbeLength, 4, kProbeLength};
  if (s.y2 > s.y1) return {s.x2 - 2, s.y2, 4, kProbeLength};
  return {};
}

// A quick rejection before the pixel-exact test: does the rectangle touch
// the picture's quad as the current drawing state would place it?
bool boxesOverlap(const TImagePtr& image, int x, int y, const TRect& band) {
  const auto corners = DrawState().Corners(static_cast<float>(image->width), static_cast<float>(image->height),
                                           image->handle_x, image->handle_y, static_cast<float>(x),
                                           static_cast<float>(y));
  float minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
  for (const TPoint& p : corners) {
    minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  }
  return band.x < maxX && band.x + band.w > minX && band.y < maxY && band.y + band.h > minY;
}

}  // namespace

void TEngine::createRays() {
  lightList.clear();
  traceCutOff_ = 0;
  rayNesting_ = 0;
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 12; ++c)
      if (blk[c][r] && isEmitter(*blk[c][r])) createRay(c, r, 0, 0, 0, 0, 0, 0, 0);
}

void TEngine::createRay(int c, int r, int dx, int dy, int lr, int lg, int lb, int startX, int startY) {
  const TBlock* from = cell(c, r);
  if (!from) return;
  const bool emitter = dx == 0 && dy == 0;
  // A reflection cycle, or objects struck where their pictures overlap the
  // next cell, could otherwise spawn segments without end.
  if (rayNesting_ >= kMaxRayNesting || static_cast<int>(lightList.size()) >= kMaxTraceSegments) {
    ++traceCutOff_;
    return;
  }
  ++rayNesting_;
  const int centreXi = static_cast<int>(centreX(c)), centreYi = static_cast<int>(centreY(r));
  // The four neighbours an emitter shines into: left, right, up, down.
  const int emitSteps[5][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  for (int k = 0; k <= 4; ++k) {
    TLightRay s;
    s.c = c;
    s.r = r;
    s.x1 = startX != 0 ? startX : centreXi;
    s.y1 = startX != 0 ? startY : centreYi;
    s.x2 = s.x1;
    s.y2 = s.y1;
    if (emitter) {
      if (k == 0) continue;
      const int sdx = emitSteps[k][0], sdy = emitSteps[k][1];
      const TBlock* n = cell(c + sdx, r + sdy);
      if (!n || n->light == 0) continue;
      s.dx = sdx;
      s.dy = sdy;
      s.x2 += 25 * sdx;
      s.y2 += 25 * sdy;
      s.lr = from->er, s.lg = from->eg, s.lb = from->eb;
    } else {
      if (k != 0) break;
      s.lr = lr, s.lg = lg, s.lb = lb;
      // The segment runs to the far edge of its cell, and starts one pixel
      // on from the point where it was spawned.
      if (dx != 0) s.x2 = static_cast<int>(centreX(c) + 25.0f * dx);
      if (dy != 0) s.y2 = static_cast<int>(centreY(r) + 25.0f * dy);
      s.dx = dx;
      s.dy = dy;
      s.x1 += dx;
      s.y1 += dy;
    }
    if (s.lr == 0 && s.lg == 0 && s.lb == 0) continue;
    if (static_cast<int>(lightList.size()) >= kMaxTraceSegments) {
      ++traceCutOff_;
      break;
    }
    s.id = ++segmentCounter_;
    lightList.push_back(s);
    updateRay(lightList.back(), 0);
  }
  --rayNesting_;
}

// Pixel-exact: does the object's picture lie on the segment's way? When it
// does, the segment's end moves to the first pixel of the picture met.
bool TEngine::objectHitsSegment(const TObject& o, TLightRay& s) const {
  const TImagePtr& shapes = pictures.objectImg;
  if (!shapes) return false;
  const int frame = isMirror(o) ? (o.angle != 0 ? kTurnedMirrorShape : kMirrorShape) : o.frame;
  if (frame < 0 || frame >= shapes->FrameCount()) return false;
  const int ox = static_cast<int>(o.x), oy = static_cast<int>(o.y);
  const TRect band = probeBand(s);
  if (band.w == 0 || !boxesOverlap(shapes, ox, oy, band)) return false;
  // The probes are the end pixel and the 50 beyond it, along the middle of
  // the band; the first one on the shape is the hit. A shape that touches
  // the band but none of the probes is passed by. Halving the run of probes
  // finds the same pixel as testing them one by one, in a handful of tests.
  auto touches = [&](int from, int to) {  // probes from..to, inclusive
    const int ax = s.x2 + from * s.dx, ay = s.y2 + from * s.dy;
    const int bx = s.x2 + to * s.dx, by = s.y2 + to * s.dy;
    return imageRectCollide(shapes, ox, oy, frame, std::min(ax, bx), std::min(ay, by), std::abs(bx - ax) + 1,
                            std::abs(by - ay) + 1) != 0;
  };
  int lo = 0, hi = kProbeLength;
  if (!touches(lo, hi)) return false;
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (touches(lo, mid))
      hi = mid;
    else
      lo = mid + 1;
  }
  s.x2 += lo * s.dx;
  s.y2 += lo * s.dy;
  return true;
}

void TEngine::updateRay(TLightRay& s, int depth) {
  const int aheadC = s.c + s.dx, aheadR = s.r + s.dy;
  TBlock* ahead = cell(aheadC, aheadR);
  if (!ahead || ahead->light == 0) {
    // Walls, emitters, glyphs and the border stop the ray; a glyph of the
    // ray's exact colour is lit.
    if (ahead && isGlyph(*ahead)) {
      s.x2 += s.dx;
      s.y2 += s.dy;
      if (sameColour(ahead->gr, ahead->gg, ahead->gb, s.lr, s.lg, s.lb)) ahead->glyphActive = 1;
    }
    return;
  }
  s.c = aheadC;
  s.r = aheadR;

  // Objects are tried in slot order and are not tied to the cell ahead: a
  // moving object is hit wherever its picture is.
  TObject* hit = nullptr;
  for (int i = 1; i <= roomObjects && !hit; ++i) {
    TObject* o = object(i);
    if (o && o->solid != 0 && o->alpha >= 0.9f && objectHitsSegment(*o, s)) hit = o;
  }
  if (!hit) {
    if (depth < kMaxCellsPerSegment) {
      s.x2 += kCellSize * s.dx;
      s.y2 += kCellSize * s.dy;
      updateRay(s, depth + 1);
    }
    return;
  }

  // The segment ends at the object. A new segment may start from the hit
  // pixel; copy what is needed, since spawning grows the segment list.
  const int c = s.c, r = s.r, dx = s.dx, dy = s.dy, x2 = s.x2, y2 = s.y2;
  int cr = 0, cg = 0, cb = 0;
  if (isMirror(*hit)) {
    // Angle 0 turns right-going light down and up-going light left;
    // angle 90 turns right-going light up and down-going light left.
    const int turn = hit->angle == 0 ? 1 : -1;
    filterColour(s, hit->rr, hit->rg, hit->rb, cr, cg, cb);
    s.x2 -= dx;
    s.y2 -= dy;
    createRay(c, r, turn * dy, turn * dx, cr, cg, cb, x2, y2);
  } else if (isPrism(*hit)) {
    filterColour(s, hit->pr, hit->pg, hit->pb, cr, cg, cb);
    createRay(c, r, dx, dy, cr, cg, cb, x2, y2);
  } else if (isDecayed(*hit)) {
    if (sameColour(hit->dr, hit->dg, hit->db, s.lr, s.lg, s.lb)) hit->glowActive = 1;
  }
}

void TEngine::updateGlyph(TBlock& g, int i) {
  const float delta = host->delta();
  const TChannelPtr channel = i >= 1 && i < static_cast<int>(glyphCh.size()) ? glyphCh[i] : nullptr;
  if (g.glyphActive == 1) {
    if (g.a >= 1) {
      ++activeGlyphs;
    } else {
      g.a += 0.01f * delta;
      if (g.a >= 1)
        g.a = 1;
      else if (g.a > 0.25f && channel && !host->glyphChannelPlaying(channel))
        host->playGlyphSound(channel);
    }
    g.glyphActive = 0;
  } else if (g.a > 0) {
    g.a -= 0.01f * delta;
    if (g.a <= 0) {
      if (channel) host->pauseGlyphChannel(channel);
      g.a = 0;
    }
  }
}
