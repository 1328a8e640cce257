#include "room_grade.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "engine/catalogue.h"
#include "engine/still_host.h"
#include "engine/room_play.h"
#include "engine/solver.h"
#include "tools/roomgen/room_measure.h"

const std::vector<std::string>& mechanicOrder() {
  static const std::vector<std::string> order = {
      "slide",   "mirror",  "turn",     "sarcophagus", "gem",           "glyphs", "crate", "ankh",
      "skeleton", "pit",    "scarab",   "emitters",    "multi-emitter", "decay",  "hidden", "crumbling",
      "map"};
  return order;
}

TRoomFacts roomFacts(const TLocation& location, int index, const TMoveList& solution) {
  TRoomFacts facts;
  std::set<std::string> found;
  const TRoom& room = *location.room[index];
  int glyphs = 0, emitters = 0;
  for (int r = 1; r <= kRoomRows; ++r)
    for (int c = 1; c <= kRoomColumns; ++c) {
      const int id = room.blk[c][r];
      if (id == kBlockPit) found.insert("pit");
      if (id == 5 || id == 6) found.insert("skeleton");
      if (id == kBlockEmitter) ++emitters;
      if (id >= 11 && id <= 14) ++glyphs;
      if (id >= 12 && id <= 14) found.insert("gem");  // a coloured glyph wants a gem's light
    }
  if (glyphs > 1) found.insert("glyphs");
  if (emitters > 1) found.insert("emitters");
  for (int j = 1; j <= room.roomObjects; ++j) {
    const int id = room.obj[j][2];
    if (id >= kObjDiamond && id <= kObjSaphire) found.insert("gem");
    if (id == kObjSarcophagus) found.insert("sarcophagus");
    if (id >= kObjWhiteDecayedWall && id <= 9) found.insert("decay");
    if (id == kObjScarab) found.insert("scarab");
    if (id == kObjAnkh) found.insert("ankh");
    if (id == kObjMirror) found.insert("mirror");
    if (id == kObjCrumblingFloor) found.insert("crumbling");
    if (id == kObjMap) found.insert("map");
    if (id == kObjCrate) found.insert("crate");
  }
  for (const TRoomMove& m : solution)
    if (m.turn) found.insert("turn");

  // The live room: fogged floor is a hidden area; an emitter with more than
  // one open side is a multi-emitter (the help tips judge both the same way).
  TEnginePtr engine = startRoom(location, index, std::make_shared<TStillHost>(), roomShapes());
  for (int r = 1; r <= kRoomRows; ++r)
    for (int c = 1; c <= kRoomColumns; ++c) {
      const TBlock* b = engine->cell(c, r);
      if (!b) continue;
      if (TEngine::isEmitter(*b) && engine->getAdjacentLightable(c, r, 1, 1) > 1) found.insert("multi-emitter");
      if (!TEngine::isEmitter(*b) && !TEngine::isGlyph(*b) && b->fog != 0) found.insert("hidden");
    }
  for (int i = 1; i <= engine->roomObjects; ++i)
    if (const TObject* o = engine->object(i); o && o->movable != 0) ++facts.movables;
  if (facts.movables > 0) found.insert("slide");
  for (const std::string& m : mechanicOrder())
    if (found.count(m)) facts.mechanics.push_back(m);
  return facts;
}

double difficultyGrade(const TRoomMeasure& a, const TRoomFacts& f) {
  const double L = std::max(a.shortest, 0);
  const double P = std::max(a.positions, 1L);
  const double S = std::max(a.solutionsAtShortest, 1L);
  const double g = 5 * L + 1.5 * std::log2(P) + 2 * std::max(a.branching - 1, 0.0) + 10 * a.deadShare() +
                   f.movables + static_cast<double>(f.mechanics.size()) - 3 * std::log2(S);
  return std::max(g, 0.0);
}
