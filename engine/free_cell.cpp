// Which cells an object may enter, and the start of one cell of movement.
#include "engine/engine.h"
#include "engine/cell_rules.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
TCellThing thingOf(const TObject& o) { return {o.floorTile != 0, o.score != 0, TEngine::isDecayed(o)}; }
}  // namespace

int TEngine::isEmpty(int c, int r, int treasuresBlock, int floorTilesBlock) const {
  const TBlock* b = cell(c, r);
  if (!b) return 0;
  TFreeCellTally tally(treasuresBlock != 0, floorTilesBlock != 0);
  for (int i = 1; i <= roomObjects; ++i) {
    const TObject* o = object(i);
    // Objects fading out never block.
    if (o && o->c == c && o->r == r && o->alpha == 1.0f) tally.add(thingOf(*o));
  }
  return tally.admits(b->obj != 0, b->pit != 0) ? 1 : 0;
}

bool TEngine::pitTakes(const TObject& o) const {
  const TBlock* here = cell(o.c, o.r);
  return here && here->pit != 0 && isEmpty(o.c, o.r, 1, 1) != 0;
}

void TEngine::setObjTarget(int index) {
  TObject* o = object(index);
  if (!o) return;
  o->c += o->dx;
  o->r += o->dy;
  o->tx = static_cast<int>(centreX(o->c));
  o->ty = static_cast<int>(centreY(o->r));
}

// A movable object at rest, not hidden in fog, and not lying alone in a pit
// (where it has fallen in, or is about to once its crumbling floor goes).
bool TEngine::isPickable(const TObject& o) const {
  if (o.frame == 0 || o.movable == 0 || cellFog(o.c, o.r) >= 1 || o.dx != 0 || o.dy != 0) return false;
  const TBlock* here = cell(o.c, o.r);
  if (here && here->pit != 0) {
    TPitCompany company;
    for (int j = 1; j <= roomObjects; ++j) {
      const TObject* other = object(j);
      if (other && other->c == o.c && other->r == o.r) company.add(thingOf(*other));
    }
    if (company.liesAlone()) return false;
  }
  return true;
}

// A later object in slot order wins, as the click does in the object update.
int TEngine::pickObjectAt(int c, int r) const {
  int chosen = 0;
  for (int i = 1; i <= roomObjects; ++i) {
    const TObject* o = object(i);
    if (o && o->c == c && o->r == r && isPickable(*o)) chosen = i;
  }
  return chosen;
}

// Crates may be pushed onto treasures (they take them); everything else is
// stopped by them.
bool TEngine::pushEnters(int c, int r, int dx, int dy) const {
  int treasuresBlock = 1;
  for (int i = 1; i <= roomObjects; ++i) {
    const TObject* o = object(i);
    if (o && o->c == c && o->r == r && o->itemID == kItemCrate) treasuresBlock = 0;
  }
  return isEmpty(c + dx, r + dy, treasuresBlock, 0) != 0;
}

bool TEngine::canPush(int c, int r, int dx, int dy) const {
  return pickObjectAt(c, r) != 0 && std::abs(dx) + std::abs(dy) == 1 && pushEnters(c, r, dx, dy);
}

bool TEngine::canTurnAt(int c, int r) const {
  for (int i = 1; i <= roomObjects; ++i) {
    const TObject* o = object(i);
    if (o && o->c == c && o->r == r && isPickable(*o) && isMirror(*o)) return true;
  }
  return false;
}

// The in-game screen scores the last item a frame collected: a map fragment,
// an ankh's life, or the money the catalogue gives that kind of treasure.
TRoomTakings TEngine::itemWorth(const TObjectCatalogue& catalogue, int itemID) {
  TRoomTakings worth;
  if (itemID <= 0) return worth;
  if (itemID == kItemMap) {
    worth.maps = 1;
  } else if (itemID == kItemAnkh) {
    worth.lives = 1;
  } else {
    int64_t money = 0;
    for (int id = 0; id < kObjectIds; ++id)
      if (catalogue[id] && catalogue[id]->itemID == itemID) money += catalogue[id]->score;
    worth.money = static_cast<int>(std::min<int64_t>(money, INT32_MAX));
  }
  return worth;
}

void TEngine::addTakings(int itemID) { takings += itemWorth(objMaster, itemID); }
