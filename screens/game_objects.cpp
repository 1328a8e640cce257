// Storing the objects of a room in progress into the profile when the
// in-game screen is left, and putting them back when it is entered again.
#include <cmath>

#include "app/globals.h"
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

void TGame::setEngineObjects() {
  if (!profile || !engine) return;
  const int count = std::min(engine->roomObjects, kMaxRoomObjects);
  profile->roomObjects = count;
  for (int i = 1; i <= count; ++i) {
    const TObjectPtr& saved = profile->obj[static_cast<size_t>(i)];
    TObjectPtr restored = saved ? saved->copy() : std::make_shared<TObject>();
    makeSafe(*restored, *engine);
    engine->obj[static_cast<size_t>(i)] = restored;
  }
  engine->createShadowMap(1.0f);
}
