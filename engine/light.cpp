// Light: every frame the rays are traced afresh from every emitter. They run
// along rows and columns, turn at mirrors, change colour in gems, stop at
// walls and solid objects, and light glyphs and decayed walls of their
// exact colour.
#include <algorithm>
#include <cstdlib>

#include "effects/geometry.h"
#include "engine/engine.h"
#include "engine/light_paths.h"
#include "platform/graphics.h"

namespace {

constexpr int kMirrorShape = 23;        // collision shape of a mirror at angle 0
constexpr int kTurnedMirrorShape = 24;  // ... and at angle 90
constexpr int kProbeLength = 50;        // pixels probed beyond a segment's end

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

// The live room as the tracer sees it: blocks from the grid, objects met
// pixel by pixel wherever their pictures are, segments kept for drawing.
class TLiveLight {
 public:
  TLiveLight(TEngine& room, int& segmentCounter) : room_(room), segmentCounter_(segmentCounter) {}

  template <class F>
  void forEachEmitter(F f) const {
    room_.forEachEmitter(f);
  }
  TLightColour emitted(int c, int r) const {
    const TBlock& b = *room_.cell(c, r);
    return {b.er, b.eg, b.eb};
  }
  int centreX(int c) const { return static_cast<int>(room_.centreX(c)); }
  int centreY(int r) const { return static_cast<int>(room_.centreY(r)); }
  bool passes(int c, int r) const {
    const TBlock* b = room_.cell(c, r);
    return b && b->light != 0;
  }
  bool glyphAt(int c, int r, TLightColour& wants) const {
    const TBlock* b = room_.cell(c, r);
    if (!b || !TEngine::isGlyph(*b)) return false;
    wants = {b->gr, b->gg, b->gb};
    return true;
  }
  void glyphLit(int c, int r) { room_.cell(c, r)->glyphActive = 1; }
  void wallLit(int slot) { room_.object(slot)->glowActive = 1; }

  // Objects are tried in slot order and are not tied to the cell ahead: a
  // moving object is hit wherever its picture is.
  bool firstHit(const TLightRay& s, TLightMeeting& met) const {
    for (int i = 1; i <= room_.roomObjects; ++i) {
      const TObject* o = room_.object(i);
      if (!o || o->solid == 0 || o->alpha < 0.9f || !objectOnSegment(*o, s, met.distance)) continue;
      met.handle = i;
      if (TEngine::isMirror(*o)) {
        met.kind = TLightMeeting::mirror;
        met.filter = {o->rr, o->rg, o->rb};
        met.turned = o->angle != 0;
      } else if (TEngine::isPrism(*o)) {
        met.kind = TLightMeeting::gem;
        met.filter = {o->pr, o->pg, o->pb};
      } else if (TEngine::isDecayed(*o)) {
        met.kind = TLightMeeting::decayedWall;
        met.filter = {o->dr, o->dg, o->db};
      }
      return true;
    }
    return false;
  }

  int openSegment(TLightRay s) {
    s.id = ++segmentCounter_;
    room_.lightList.push_back(s);
    return static_cast<int>(room_.lightList.size()) - 1;
  }
  void closeSegment(int handle, const TLightRay& s) {
    TLightRay& kept = room_.lightList[static_cast<size_t>(handle)];
    const int id = kept.id;
    kept = s;
    kept.id = id;
  }

 private:
  // Pixel-exact: does the object's picture lie on the segment's way? When
  // it does, distance is how far on from the segment's end it is first met.
  bool objectOnSegment(const TObject& o, const TLightRay& s, int& distance) const {
    const TImagePtr& shapes = room_.pictures.objectImg;
    if (!shapes) return false;
    const int frame = TEngine::isMirror(o) ? (o.angle != 0 ? kTurnedMirrorShape : kMirrorShape) : o.frame;
    if (frame < 0 || frame >= shapes->FrameCount()) return false;
    const int ox = static_cast<int>(o.x), oy = static_cast<int>(o.y);
    const TRect band = probeBand(s);
    if (band.w == 0 || !boxesOverlap(shapes, ox, oy, band)) return false;
    // The probes are the end pixel and the 50 beyond it, along the middle of
    // the band; the first one on the shape is the hit. A shape that touches
    // the band but none of the probes is passed by. Halving the run of
    // probes finds the same pixel as testing them one by one, in a handful
    // of tests.
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
    distance = lo;
    return true;
  }

  TEngine& room_;
  int& segmentCounter_;
};

}  // namespace

void TEngine::createRays() {
  lightList.clear();
  TLiveLight live(*this, segmentCounter_);
  TLightTracer<TLiveLight> tracer(live);
  tracer.traceRoom();
  traceCutOff_ = tracer.cutOff();
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
