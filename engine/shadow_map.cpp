// Soft shadows that walls throw onto the floor, and the fog over the parts of
// the room that light cannot reach yet.
#include <algorithm>

#include "engine/cell_rules.h"
#include "engine/engine.h"

namespace {
constexpr int kShadeUp = 1, kShadeUpRight = 2, kShadeRight = 4, kShadeDownRight = 8, kShadeDown = 16,
              kShadeDownLeft = 32, kShadeLeft = 64, kShadeUpLeft = 128;
// The live room's fog: cells already clear, or more than half clear,
// stop the flood.
struct TLiveFog {
  TEngine& room;
  template <class F>
  void forEachEmitter(F f) const {
  room.forEachEmitter(f);
  }
  bool floodsInto(int c, int r) const {
    const TBlock* b = room.cell(c, r);
    return b && b->light != 0 && b->fog >= 0.5f;
  }
  void lift(int c, int r) { room.cell(c, r)->fog = 0; }
};
}  // namespace

int TEngine::castShadows(int c, int r, int /*unused*/) const {
  const TBlock* b = cell(c, r);
  if (!b) return 0;
  if (b->shadows != 0) return b->shadows;
  for (int i = 1; i <= roomObjects; ++i) {
    const TObject* o = object(i);
    if (o && o->c == c && o->r == r && o->shadows != 0) return 1;
  }
  return 0;
}

// 1 for a cell that can be shaded: it lets light pass and holds nothing that
// casts shadows itself (a decayed wall).
int TEngine::hasShadows(int c, int r) const {
  const TBlock* b = cell(c, r);
  if (!b || b->light == 0) return 0;
  for (int i = 1; i <= roomObjects; ++i) {
    const TObject* o = object(i);
    if (o && o->c == c && o->r == r && o->shadows != 0) return 0;
  }
  return 1;
}

void TEngine::createShadowMap(float fog) {
  shadowList.clear();
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c) {
      TBlock* b = cell(c, r);
      if (!b) continue;
      if (hasShadows(c, r) == 0) {
        b->fog = 0;
        continue;
      }
      if (b->fog == 0) b->fog = fog;
      const bool up = castShadows(c, r - 1) != 0, right = castShadows(c + 1, r) != 0;
      const bool down = castShadows(c, r + 1) != 0, left = castShadows(c - 1, r) != 0;
      int code = (up ? kShadeUp : 0) | (right ? kShadeRight : 0) | (down ? kShadeDown : 0) | (left ? kShadeLeft : 0);
      if (code != 0) {
        // A cell closed on all four sides uses the above-and-left sprite.
        if (code == (kShadeUp | kShadeRight | kShadeDown | kShadeLeft)) code = kShadeUp | kShadeLeft;
        addShadow(code, c, r);
      }
      // Corner sprites where neither side next to the corner already casts.
      if (!(code & (kShadeUp | kShadeRight)) && castShadows(c + 1, r - 1)) addShadow(kShadeUpRight, c, r);
      if (!(code & (kShadeRight | kShadeDown)) && castShadows(c + 1, r + 1)) addShadow(kShadeDownRight, c, r);
      if (!(code & (kShadeDown | kShadeLeft)) && castShadows(c - 1, r + 1)) addShadow(kShadeDownLeft, c, r);
      if (!(code & (kShadeUp | kShadeLeft)) && castShadows(c - 1, r - 1)) addShadow(kShadeUpLeft, c, r);
    }
  if (fog == 0) return;
  TLiveFog live{*this};
  liftFogFromEmitters(live);
}

void TEngine::addShadow(int code, int c, int r) {
  // Opposite sides have no sprite of their own: two sprites instead.
  if (code == (kShadeUp | kShadeDown)) {
    addShadow(kShadeUp, c, r);
    addShadow(kShadeDown, c, r);
    return;
  }
  if (code == (kShadeLeft | kShadeRight)) {
    addShadow(kShadeLeft, c, r);
    addShadow(kShadeRight, c, r);
    return;
  }
  const auto it = std::find(kShadowMasks.begin(), kShadowMasks.end(), code);
  if (it == kShadowMasks.end()) return;
  TShadow s;
  s.x = static_cast<int>(centreX(c));
  s.y = static_cast<int>(centreY(r));
  s.shade = code;
  s.frame = static_cast<int>(it - kShadowMasks.begin());
  shadowList.push_back(s);
}
