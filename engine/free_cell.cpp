// Which cells an object may enter, and the start of one cell of movement.
#include "engine/engine.h"

int TEngine::isEmpty(int c, int r, int treasuresBlock, int floorTilesBlock) const {
  const TBlock* b = cell(c, r);
  if (!b || b->obj == 0) return 0;
  int blockers = 0, pitCount = 0;
  for (int i = 1; i <= roomObjects; ++i) {
    const TObject* o = object(i);
    // Objects fading out never block.
    if (!o || o->c != c || o->r != r || o->alpha != 1.0f) continue;
    if (o->floorTile != 0 && floorTilesBlock == 0) continue;
    if (treasuresBlock == 0 && o->score != 0) continue;
    ++blockers;
    if (b->pit != 0) pitCount += isDecayed(*o) ? 2 : 1;
  }
  // A pit stays open until it holds one object; objects then pass over it.
  if (blockers == 0) return 1;
  return b->pit != 0 && pitCount <= 1 ? 1 : 0;
}

void TEngine::setObjTarget(int index) {
  TObject* o = object(index);
  if (!o) return;
  o->c += o->dx;
  o->r += o->dy;
  o->tx = static_cast<int>(centreX(o->c));
  o->ty = static_cast<int>(centreY(o->r));
}
