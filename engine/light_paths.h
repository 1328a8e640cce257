#pragma once
// How light runs through a room, written once for every room that traces it.
// Rays leave each emitter into its open neighbours (left, right, up, down),
// run cell by cell along rows and columns, and end at walls, glyphs and the
// first solid object they meet: a mirror turns them, a gem lets its own
// colour through, a decayed wall of their exact colour glows. A glyph is lit
// by light of its exact colour.
//
// Two rooms trace with it. The live room has objects anywhere, sliding ones
// too, and meets them pixel by pixel against their pictures; the solver's
// compact position has pieces on cells and a table per shape of where a ray
// meets it. Each is a World that tells the tracer what stands where and
// hears what the light does:
//   void forEachEmitter(F f)                 f(c, r) for each emitter, row by row
//   TLightColour emitted(int c, int r)
//   int centreX(int c), centreY(int r)       a cell's centre in pixels
//   bool passes(int c, int r)                light may enter the cell
//   bool glyphAt(int c, int r, TLightColour& wants)
//   bool firstHit(const TLightRay& s, TLightMeeting& m)
//                                            the first solid object on the segment's way
//                                            through the cell it has just entered
//   void glyphLit(int c, int r), void wallLit(int handle)
//   int openSegment(const TLightRay&), void closeSegment(int handle, const TLightRay&)
#include "engine/room_records.h"

struct TLightColour {
  int r = 0, g = 0, b = 0;
  bool dark() const { return r == 0 && g == 0 && b == 0; }
  bool operator==(const TLightColour&) const = default;
  // Through a mirror or a gem: each channel lit takes the filter's value,
  // the others stay dark.
  TLightColour through(const TLightColour& filter) const {
    return {r != 0 ? filter.r : 0, g != 0 ? filter.g : 0, b != 0 ? filter.b : 0};
  }
};

// What a segment met in the cell it entered.
struct TLightMeeting {
  enum TKind { stops, mirror, gem, decayedWall };
  TKind kind = stops;
  TLightColour filter;  // a mirror's or gem's colours, a decayed wall's own
  bool turned = false;  // a mirror at 90 degrees
  int distance = 0;     // pixels on from the segment's end to the first one met
  int handle = 0;       // the world's name for the object, for wallLit
};

// Bounds that keep a trace finite whatever the layout: a reflection cycle
// could otherwise spawn segments without end.
struct TLightBounds {
  static constexpr int kMaxSegments = 1000;
  static constexpr int kMaxNesting = 100;
  static constexpr int kMaxCellsAhead = 12;  // cells one segment grows through
};

template <class World>
class TLightTracer : TLightBounds {
 public:
  static constexpr int kHalfCell = 25;

  explicit TLightTracer(World& world) : world_(world) {}

  // Every ray of the room. False when the bounds cut the trace short.
  bool traceRoom() {
    world_.forEachEmitter([this](int c, int r) { spawn(c, r, 0, 0, {}, 0, 0); });
    return cutOff_ == 0;
  }
  // The segments the bounds stopped.
  int cutOff() const { return cutOff_; }

 private:
  // The segments leaving a cell: all four ways from an emitter, or one way
  // from the pixel (startX, startY) where a mirror or gem was met.
  void spawn(int c, int r, int dx, int dy, TLightColour colour, int startX, int startY) {
    if (nesting_ >= kMaxNesting || segments_ >= kMaxSegments) {
      ++cutOff_;
      return;
    }
    ++nesting_;
    const bool fromEmitter = dx == 0 && dy == 0;
    const int centreX = world_.centreX(c), centreY = world_.centreY(r);
    static constexpr int kEmitterSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (int k = 0; k < (fromEmitter ? 4 : 1); ++k) {
      TLightRay s;
      s.c = c;
      s.r = r;
      s.x1 = startX != 0 ? startX : centreX;
      s.y1 = startX != 0 ? startY : centreY;
      s.x2 = s.x1;
      s.y2 = s.y1;
      TLightColour light = colour;
      if (fromEmitter) {
        s.dx = kEmitterSteps[k][0];
        s.dy = kEmitterSteps[k][1];
        if (!world_.passes(c + s.dx, r + s.dy)) continue;
        s.x2 += kHalfCell * s.dx;
        s.y2 += kHalfCell * s.dy;
        light = world_.emitted(c, r);
      } else {
        // The segment runs to the far edge of its cell, and starts one
        // pixel on from the point where it was spawned.
        s.dx = dx;
        s.dy = dy;
        if (dx != 0) s.x2 = centreX + kHalfCell * dx;
        if (dy != 0) s.y2 = centreY + kHalfCell * dy;
        s.x1 += dx;
        s.y1 += dy;
      }
      if (light.dark()) continue;
      if (segments_ >= kMaxSegments) {
        ++cutOff_;
        break;
      }
      ++segments_;
      s.lr = light.r, s.lg = light.g, s.lb = light.b;
      run(s, world_.openSegment(s));
    }
    --nesting_;
  }

  // Grows the segment cell by cell until something ends it.
  void run(TLightRay& s, int handle) {
    const TLightColour light{s.lr, s.lg, s.lb};
    for (int depth = 0;; ++depth) {
      const int aheadC = s.c + s.dx, aheadR = s.r + s.dy;
      if (!world_.passes(aheadC, aheadR)) {
        TLightColour wants;
        if (world_.glyphAt(aheadC, aheadR, wants)) {
          s.x2 += s.dx;
          s.y2 += s.dy;
          if (wants == light) world_.glyphLit(aheadC, aheadR);
        }
        break;
      }
      s.c = aheadC;
      s.r = aheadR;
      TLightMeeting met;
      if (!world_.firstHit(s, met)) {
        if (depth >= kMaxCellsAhead) break;
        s.x2 += 2 * kHalfCell * s.dx;
        s.y2 += 2 * kHalfCell * s.dy;
        continue;
      }
      s.x2 += met.distance * s.dx;
      s.y2 += met.distance * s.dy;
      const int hitX = s.x2, hitY = s.y2;
      switch (met.kind) {
        case TLightMeeting::mirror: {
          // Angle 0 turns right-going light down and up-going light left;
          // angle 90 turns right-going light up and down-going light left.
          const int turn = met.turned ? -1 : 1;
          s.x2 -= s.dx;
          s.y2 -= s.dy;
          world_.closeSegment(handle, s);
          spawn(s.c, s.r, turn * s.dy, turn * s.dx, light.through(met.filter), hitX, hitY);
          return;
        }
        case TLightMeeting::gem:
          world_.closeSegment(handle, s);
          spawn(s.c, s.r, s.dx, s.dy, light.through(met.filter), hitX, hitY);
          return;
        case TLightMeeting::decayedWall:
          if (met.filter == light) world_.wallLit(met.handle);
          break;
        case TLightMeeting::stops:
          break;
      }
      break;
    }
    world_.closeSegment(handle, s);
  }

  World& world_;
  int segments_ = 0;
  int nesting_ = 0;
  int cutOff_ = 0;
};
