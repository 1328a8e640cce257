// Light in the solver's model: where each object shape stops a ray, traced
// cell by cell as the engine traces it pixel by pixel.
#include <algorithm>

#include "effects/geometry.h"
#include "engine/light_paths.h"
#include "engine/room_model.h"

namespace {

constexpr int kMirrorShape = 23, kTurnedMirrorShape = 24;
constexpr int kDirs[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};  // right, left, down, up

int dirIndex(int dx, int dy) { return dx > 0 ? 0 : dx < 0 ? 1 : dy > 0 ? 2 : 3; }

}  // namespace

int TRoomModel::shapeOf(int frame, bool turned) const {
  if (frame == kObjMirror) frame = turned ? kTurnedMirrorShape : kMirrorShape;
  return frame >= 0 && frame < static_cast<int>(shapeOfFrame_.size()) ? shapeOfFrame_[frame] : -1;
}

// For every shape a solid object of this room can show: the first pixel each
// probe line meets, probing as the engine does from the cell's near edge to
// one pixel into the next cell. A shape must stay inside its own cell on
// every line, or rays would meet it while crossing a neighbour.
bool TRoomModel::buildShapes(const TEngine& room) {
  shapeOfFrame_.fill(-1);
  const TImagePtr& image = room.pictures.objectImg;
  std::vector<int> frames;
  for (const TPiece& p : pieces_) {
    if (p.mirror) {
      frames.push_back(kMirrorShape);
      frames.push_back(kTurnedMirrorShape);
    } else {
      frames.push_back(p.frame);
    }
  }
  for (const TStill& s : stills_)
    if (s.solid) frames.push_back(s.frame);
  std::sort(frames.begin(), frames.end());
  frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
  if (frames.empty()) return true;
  if (!image) {
    problem_ = "no object shapes to trace light against";
    return false;
  }
  const float ox = 200, oy = 200;  // any place will do; pixels are offsets from it
  for (int frame : frames) {
    if (frame >= image->FrameCount() || frame >= static_cast<int>(shapeOfFrame_.size())) {
      problem_ = "an object without a shape";
      return false;
    }
    auto opaque = [&](int dx, int dy, int w, int h) {
      return imageRectCollide(image, ox, oy, frame, ox + dx, oy + dy, static_cast<float>(w), static_cast<float>(h)) != 0;
    };
    // Nothing on the cell's outermost lines or beyond (the picture reaches
    // 25 pixels left and up of the centre and 34 right and down).
    if (opaque(-25, -25, 1, 60) || opaque(25, -25, 10, 60) || opaque(-25, -25, 60, 1) || opaque(-25, 25, 60, 10)) {
      problem_ = "an object shape reaches into the next cell (frame " + std::to_string(frame) + ")";
      return false;
    }
    THitTable table;
    for (int dir = 0; dir < 4; ++dir)
      for (int line = -25; line <= 25; ++line) {
        int8_t hit = kMiss;
        for (int step = 0; step <= 50 && hit == kMiss; ++step) {
          // Rays going right or down meet the near edge at -25; left or up at +25.
          const int along = (dir == 0 || dir == 2) ? -25 + step : 25 - step;
          const bool horizontal = dir < 2;
          if (opaque(horizontal ? along : line, horizontal ? line : along, 1, 1)) hit = static_cast<int8_t>(along);
        }
        table[dir][line + 25] = hit;
      }
    shapeOfFrame_[frame] = static_cast<int>(shapes_.size());
    shapes_.push_back(table);
  }
  return true;
}

namespace {
// Each thread's map, and the cells written into it since it was last empty.
thread_local std::array<TRoomModel::TSolid, TRoomModel::kCells> scratchMap;
thread_local int scratchCells[TRoomModel::kCells];
thread_local int scratchCount = 0;
}  // namespace

void TRoomModel::clearSolidMap(TSolidMap& map) const {
  for (int i = 0; i < scratchCount; ++i) map[scratchCells[i]] = TSolid();
  scratchCount = 0;
}

TRoomModel::TSolidMap& TRoomModel::solidMap(const TState& s) const {
  TSolidMap& map = scratchMap;
  clearSolidMap(map);
  // Objects are tried in slot order: the lowest slot in a cell is the one hit.
  auto place = [&](int cell, int slot, TSolid solid) {
    solid.slot = static_cast<int16_t>(slot);
    if (map[cell].shape < 0) {
      scratchCells[scratchCount++] = cell;
      map[cell] = solid;
    } else if (slot < map[cell].slot) {
      map[cell] = solid;
    }
  };
  for (int k = 0; k < pieceCount(); ++k) {
    if (!pieceActive(s, k)) continue;
    const TPiece& p = pieces_[k];
    TSolid solid;
    solid.turned = (s.turned >> k & 1) != 0;
    solid.shape = static_cast<int8_t>(shapeOf(p.frame, solid.turned));
    solid.prism = static_cast<uint8_t>(p.prism);
    solid.mirror = static_cast<uint8_t>(p.mirrorMask);
    place(s.cell[k], p.slot, solid);
  }
  for (size_t i = 0; i < stills_.size(); ++i) {
    const TStill& st = stills_[i];
    if (!st.solid || !stillPresent(s, static_cast<int>(i))) continue;
    TSolid solid;
    solid.shape = static_cast<int8_t>(shapeOf(st.frame, false));
    solid.decay = static_cast<uint8_t>(st.decayMask);
    solid.still = static_cast<int16_t>(i);
    place(st.cell, st.slot, solid);
  }
  return map;
}

namespace {
TLightColour maskColour(int mask) { return {mask & 1, mask >> 1 & 1, mask >> 2 & 1}; }
}  // namespace

// A compact position as the tracer sees it: pieces on cells, each met where
// its shape's table says, colours as masks.
class TRoomModel::TModelLight {
 public:
  TModelLight(const TRoomModel& model, const TSolidMap& map, std::vector<int>* walls, TCellSet* probed)
      : model_(model), map_(map), walls_(walls), probed_(probed) {}
  uint64_t glyphs = 0;

  template <class F>
  void forEachEmitter(F f) const {
    for (int k : model_.emitterCells_) f(k % 12 + 1, k / 12 + 1);
  }
  TLightColour emitted(int c, int r) const { return maskColour(info(c, r).emitter); }
  static int centreX(int c) { return c * 50 - 25; }
  static int centreY(int r) { return r * 50 - 25; }
  bool passes(int c, int r) const { return TEngine::isInterior(c, r) && info(c, r).light; }
  bool glyphAt(int c, int r, TLightColour& wants) const {
    if (!TEngine::isInterior(c, r) || info(c, r).glyph == 0) return false;
    wants = maskColour(info(c, r).glyph);
    return true;
  }
  void glyphLit(int c, int r) { glyphs |= uint64_t{1} << info(c, r).glyphIndex; }
  void wallLit(int still) {
    if (walls_) walls_->push_back(still);
  }
  static int openSegment(const TLightRay&) { return 0; }
  static void closeSegment(int, const TLightRay&) {}

  bool firstHit(const TLightRay& s, TLightMeeting& met) const {
    const int cell = (s.r - 1) * 12 + s.c - 1;
    if (probed_) (*probed_)[cell >> 6] |= uint64_t{1} << (cell & 63);
    const TSolid& solid = map_[cell];
    if (solid.shape < 0) return false;
    // The ray's line across the cell, from its centre line.
    const int line = s.dx != 0 ? s.y2 - centreY(s.r) : s.x2 - centreX(s.c);
    if (line < -25 || line > 25) return false;
    const int along = model_.shapes_[solid.shape][dirIndex(s.dx, s.dy)][line + 25];
    if (along == kMiss) return false;
    // Going right or down the segment's end stands on the cell's near edge
    // at -25; going left or up at +25.
    met.distance = 25 + along * (s.dx + s.dy);
    met.handle = solid.still;
    if (solid.mirror != 0) {
      met.kind = TLightMeeting::mirror;
      met.filter = maskColour(solid.mirror);
      met.turned = solid.turned;
    } else if (solid.prism != 0) {
      met.kind = TLightMeeting::gem;
      met.filter = maskColour(solid.prism);
    } else if (solid.decay != 0) {
      met.kind = TLightMeeting::decayedWall;
      met.filter = maskColour(solid.decay);
    }
    return true;
  }

 private:
  const TCellInfo& info(int c, int r) const { return model_.cells_[(r - 1) * 12 + c - 1]; }

  const TRoomModel& model_;
  const TSolidMap& map_;
  std::vector<int>* walls_;
  TCellSet* probed_;
};

bool TRoomModel::trace(const TSolidMap& map, uint64_t& glyphs, std::vector<int>* walls, TCellSet* probed) const {
  TModelLight world(*this, map, walls, probed);
  TLightTracer<TModelLight> tracer(world);
  const bool whole = tracer.traceRoom();
  glyphs = world.glyphs;
  return whole;
}

uint64_t TRoomModel::litGlyphs(const TState& s) const {
  TSolidMap& map = solidMap(s);
  uint64_t glyphs = 0;
  trace(map, glyphs, nullptr);
  clearSolidMap(map);
  return glyphs;
}

bool TRoomModel::solved(const TState& s) const {
  if (glyphCount_ == 0) return false;
  const uint64_t all = glyphCount_ == 64 ? ~uint64_t{0} : (uint64_t{1} << glyphCount_) - 1;
  return litGlyphs(s) == all;
}

bool TRoomModel::wallsStanding(const TState& s) const {
  return ((s.present[0] & wallToggles_[0]) | (s.present[1] & wallToggles_[1])) != 0;
}

const TRoomModel::TLiftedLight& TRoomModel::liftedLight(const TState& before, int piece) const {
  // Every move of one piece from one position asks the same: the last
  // answer is kept per thread.
  struct TCache {
    uint64_t model = 0;
    TState from;
    int piece = -1;
    TLiftedLight light;
  };
  thread_local TCache cache;
  const TState& c = cache.from;
  if (cache.model == serial_ && cache.piece == piece && c.cell == before.cell && c.fallen == before.fallen &&
      c.gone == before.gone && c.turned == before.turned && c.present == before.present)
    return cache.light;
  cache.model = serial_;
  cache.from = before;
  cache.piece = piece;
  TState lifted = before;
  lifted.gone |= static_cast<uint16_t>(1u << piece);
  cache.light.probed = {};
  cache.light.walls.clear();
  TSolidMap& map = solidMap(lifted);
  uint64_t glyphs = 0;
  cache.light.traced = trace(map, glyphs, &cache.light.walls, &cache.light.probed);
  clearSolidMap(map);
  return cache.light;
}

bool TRoomModel::explodeLitWalls(TState& s) const {
  if (!hasWalls_ || !wallsStanding(s)) return true;
  thread_local std::vector<int> walls;
  for (size_t round = 0; round <= stills_.size(); ++round) {
    TSolidMap& map = solidMap(s);
    uint64_t glyphs = 0;
    walls.clear();
    const bool traced = trace(map, glyphs, &walls);
    clearSolidMap(map);
    if (!traced) return false;
    if (walls.empty()) return true;
    for (int i : walls) clearToggle(s, i);
  }
  return true;
}

// While a piece slides, light can rest on a decayed wall for a moment. The
// engine lets a wall explode after about 20 frames of light, and the slide
// takes 12.5 frames a cell, so a wall lit on the way may or may not go, and
// one that goes while the piece is still moving may open its way. Where
// that could matter, the model leaves the move to the engine.
bool TRoomModel::transientTrouble(const TState& before, int piece, const std::vector<int>& path, int endCell,
                                  int dir, const TState& after) const {
  thread_local std::vector<int> standing, exploded, lit;  // kept per thread: no allocation per move
  thread_local std::vector<std::pair<int, const TState*>> places;
  standing.clear();
  exploded.clear();
  places.clear();
  // Walls there before the move.
  for (int i : wallStills_)
    if (stillPresent(before, i)) standing.push_back(i);
  if (standing.empty()) return false;
  for (int i : standing)
    if (!stillPresent(after, i)) exploded.push_back(i);
  const bool othersStand = exploded.size() < standing.size();
  const int blockC = endCell % 12 + 1 + kDirs[dir][0], blockR = endCell / 12 + 1 + kDirs[dir][1];
  const int blocker = TEngine::isInterior(blockC, blockR) ? (blockR - 1) * 12 + blockC - 1 : -1;

  const uint16_t bit = static_cast<uint16_t>(1u << piece);
  auto trouble = [&](const std::vector<int>& walls) {
    for (int i : walls) {
      const bool goesAnyway = std::find(exploded.begin(), exploded.end(), i) != exploded.end();
      if (!goesAnyway || stills_[i].cell == blocker || othersStand) return true;
    }
    return false;
  };
  // The light with the piece lifted out of the room, and the cells its rays
  // look into: with the piece on any other cell the light is the same.
  const TLiftedLight& lifted = liftedLight(before, piece);
  uint64_t glyphs = 0;
  // On the way everything else is as before; a piece that fell or went
  // stood for a moment where it ended, solid, with the rest as after.
  for (int cell : path) {
    if (lifted.traced && !lifted.looksInto(cell)) {
      if (trouble(lifted.walls)) return true;
      continue;
    }
    places.push_back({cell, &before});
  }
  if ((after.fallen | after.gone) & bit) places.push_back({endCell, &after});
  for (const auto& [place, base] : places) {
    TState moment = *base;
    for (int i : standing) moment.present[stills_[i].toggle >> 6] |= uint64_t{1} << (stills_[i].toggle & 63);
    moment.cell[piece] = static_cast<uint8_t>(place);
    moment.fallen &= static_cast<uint16_t>(~bit);
    moment.gone &= static_cast<uint16_t>(~bit);
    TSolidMap& map = solidMap(moment);
    lit.clear();
    const bool traced = trace(map, glyphs, &lit);
    clearSolidMap(map);
    if (!traced || trouble(lit)) return true;
  }
  return false;
}
