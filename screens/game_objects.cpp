// Storing the objects of a room in progress into the profile when the
// in-game screen is left, and putting them back when it is entered again.
#include <cmath>

#include "data/profile.h"
#include "screens/game_screen.h"

namespace {

// A saved object comes from a file that may be damaged. A piece the
// catalogue does not know, or one standing outside the room, becomes an
// empty piece; a move that is not one cell step along a row or column is
// stopped at the object's cell.
void makeSafe(TObject& o, const TEngine& engine) {
  if (!isObjectId(o.frame) || (o.frame != 0 && !TEngine::isInterior(o.c, o.r))) {
    o.clear();
    return;
  }
  const bool unitStep = (std::abs(o.dx) + std::abs(o.dy)) <= 1;
  const bool placed = std::isfinite(o.x) && std::isfinite(o.y) && std::fabs(o.x) < 10000 && std::fabs(o.y) < 10000;
  if (!unitStep || !placed) {
    o.dx = o.dy = 0;
    o.x = engine.centreX(o.c);
    o.y = engine.centreY(o.r);
    o.tx = static_cast<int>(o.x);
    o.ty = static_cast<int>(o.y);
  }
}

// Whether the saved objects belong to the room as it is now built. A location
// edited since its game was saved may have other objects, or walls where the
// saved pieces stand: such a room starts afresh rather than put pieces into
// walls. Pieces that never move must stand where the room puts them; those
// that move must stand on a cell objects may stand on.
bool savedObjectsFit(const TProfile& saved, const TEngine& fresh) {
  if (saved.roomObjects != std::min(fresh.roomObjects, kMaxRoomObjects)) return false;
  for (int i = 1; i <= saved.roomObjects; ++i) {
    const TObjectPtr& o = saved.obj[static_cast<size_t>(i)];
    const TObject* built = fresh.object(i);
    if (!o || o->frame == 0 || !built) continue;  // gone (collected, exploded) or empty
    // A damaged record (no such piece, off the grid) is emptied by makeSafe.
    if (!isObjectId(o->frame) || !TEngine::isInterior(o->c, o->r)) continue;
    if (o->frame != built->frame) return false;
    if (!built->movable) {
      if (o->c != built->c || o->r != built->r) return false;
      continue;
    }
    const TBlock* under = fresh.cell(o->c, o->r);
    if (!under || under->obj == 0) return false;
  }
  return true;
}

}  // namespace

void TGame::getEngineObjects() {
  if (!profile || !engine) return;
  const int count = std::min(engine->roomObjects, kMaxRoomObjects);
  profile->roomObjects = count;
  for (int i = 1; i <= count; ++i) {
    const TObject* o = engine->object(i);
    profile->obj[static_cast<size_t>(i)] = o ? o->copy() : std::make_shared<TObject>();
  }
}

bool TGame::setEngineObjects() {
  if (!profile || !engine) return true;
  if (!savedObjectsFit(*profile, *engine)) return false;
  const int count = std::min(engine->roomObjects, kMaxRoomObjects);
  profile->roomObjects = count;
  for (int i = 1; i <= count; ++i) {
    const TObjectPtr& saved = profile->obj[static_cast<size_t>(i)];
    TObjectPtr restored = saved ? saved->copy() : std::make_shared<TObject>();
    makeSafe(*restored, *engine);
    engine->obj[static_cast<size_t>(i)] = restored;
  }
  engine->createShadowMap(1.0f);
  return true;
}
