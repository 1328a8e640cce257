#pragma once
// The pieces of a room: TBlock is one cell of the grid, TObject one object
// standing on it. Both are stamped from the engine's catalogues; profiles
// keep objects of a room in progress, which is why they live with the data.
// The engine draws them (engine/room_render.cpp).
#include <memory>
#include <string>

#include "platform/stream.h"

class TTile {
 public:
  std::string name;       // catalogue name; live pieces leave it empty
  float x = 0, y = 0;     // screen position of the centre
  int frame = 0;          // catalogue index = image frame; 0 = no piece
  int shadows = 0;        // casts soft shadows onto neighbouring floor
  int floorTile = 0;      // lies flat on the floor
  int helpID = 0;         // help tip explaining this piece; 0 = none
};

class TBlock : public TTile {
 public:
  int obj = 0;            // objects may stand here
  int light = 0;          // light passes through
  int pit = 0;
  int er = 0, eg = 0, eb = 0;  // emitter colour; any non-zero channel = emitter
  int gr = 0, gg = 0, gb = 0;  // glyph colour; any non-zero channel = exit glyph
  float fog = 0;          // 0 clear .. 1 fully fogged
  int glyphActive = 0;    // lit by a ray of the glyph's colour this trace
  float a = 0;            // glyph glow 0..1
  int empty = 1;          // 1 until stamped from the catalogue

  std::shared_ptr<TBlock> copy() const { return std::make_shared<TBlock>(*this); }
};

class TObject : public TTile {
 public:
  int movable = 0;
  int solid = 0;          // obstacle to light
  int shadowImage = 0;    // has a drop-shadow picture
  int pr = 0, pg = 0, pb = 0;  // prism colour (gems)
  int rr = 0, rg = 0, rb = 0;  // reflection colour (mirrors)
  int dr = 0, dg = 0, db = 0;  // decay colour (decayed walls)
  int sx = 0, sy = 0;     // sparkle offset; sx 0 = never sparkles
  int score = 0;          // value of a collectable item
  int itemID = 0;         // 1 map .. 8 crate; 0 none
  int dx = 0, dy = 0;     // movement step; 0, 0 at rest
  int tx = 0, ty = 0;     // pixel target of the move
  int c = 0, r = 0;       // grid cell (the destination while moving)
  int angle = 0;          // mirror orientation 0 or 90
  float alpha = 1;
  float scale = 1;
  float targetScale = 1;
  float sparkleTime = 0;  // countdown to the next sparkle
  int glowActive = 0;
  float glow = 0;
  float crumbleDelay = 0;

  // A new object: opaque, full size, next sparkle in 100..1000 frames.
  TObject();
  std::shared_ptr<TObject> copy() const { return std::make_shared<TObject>(*this); }
  // Leaves an empty piece (frame 0) in the slot: not drawn, blocks nothing.
  void clear();
  // The 37-field object record used by profiles.
  void load(TStream& stream);
  void save(TStream& stream) const;
};

using TBlockPtr = std::shared_ptr<TBlock>;
using TObjectPtr = std::shared_ptr<TObject>;
