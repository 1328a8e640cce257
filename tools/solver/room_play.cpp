// Headless play of a room through the engine's own movement and light.
#include "room_play.h"

#include "app/globals.h"
#include "platform/image.h"

namespace {

constexpr int kSettleFrames = 5000;
constexpr int kShapeCount = 25;

// The selection rule of the engine's object update: a movable object at
// rest, not hidden in fog, and not lying alone in a pit.
bool selectable(const TEngine& e, const TObject& o) {
  if (o.frame == 0 || o.movable == 0 || e.cellFog(o.c, o.r) >= 1 || o.dx != 0 || o.dy != 0) return false;
  const TBlock* here = e.cell(o.c, o.r);
  if (here && here->pit != 0) {
    int standing = 0;
    for (int j = 1; j <= e.roomObjects; ++j) {
      const TObject* other = e.object(j);
      if (other && other->c == o.c && other->r == o.r && other->floorTile == 0) ++standing;
    }
    if (standing <= 1) return false;
  }
  return true;
}

// The object a left click on the cell selects: the last one that may be.
int clickedObject(const TEngine& e, int c, int r) {
  int chosen = 0;
  for (int i = 1; i <= e.roomObjects; ++i) {
    const TObject* o = e.object(i);
    if (o && o->c == c && o->r == r && selectable(e, *o)) chosen = i;
  }
  return chosen;
}

// The arrows' rule: crates may enter treasure cells, nothing else may.
bool mayPush(const TEngine& e, int c, int r, int dx, int dy) {
  int treasuresBlock = 1;
  for (int i = 1; i <= e.roomObjects; ++i) {
    const TObject* o = e.object(i);
    if (o && o->c == c && o->r == r && o->itemID == kItemCrate) treasuresBlock = 0;
  }
  return e.isEmpty(c + dx, r + dy, treasuresBlock, 0) != 0;
}

bool turnableMirrorAt(const TEngine& e, int c, int r) {
  for (int i = 1; i <= e.roomObjects; ++i) {
    const TObject* o = e.object(i);
    if (o && o->c == c && o->r == r && selectable(e, *o) && TEngine::isMirror(*o)) return true;
  }
  return false;
}

// Something will still change without the player: a slide, a floor
// crumbling, a wall glowing, or an object about to fall into the pit a
// crumbled floor has just opened under it.
bool busy(const TEngine& e) {
  if (e.objectsMoving != 0) return true;
  for (int i = 1; i <= e.roomObjects; ++i) {
    const TObject* o = e.object(i);
    if (!o || o->frame == 0) continue;
    if (o->crumbleDelay != 0 || o->glow > 0 || o->glowActive != 0) return true;
    const TBlock* here = e.cell(o->c, o->r);
    if (o->movable != 0 && here && here->pit != 0 && e.isEmpty(o->c, o->r, 1, 1) != 0) return true;
  }
  return false;
}

}  // namespace

bool loadObjectShapes(const std::string& gameDir, TGfx& pictures, std::string& error) {
  const std::string path = gameDir + "/gfx/objects.png";
  // Drawn centred on their cell with the handle 25, 25, as the game loads them.
  pictures.objectImg = LoadAnimImage(path, 60, 60, 0, kShapeCount);
  if (!pictures.objectImg) {
    error = "cannot read " + path + " (the object shapes light is traced against)";
    return false;
  }
  SetImageHandle(pictures.objectImg, 25, 25);
  return true;
}

TEnginePtr startRoom(const TLocation& location, int index, TEngineHostPtr host) {
  auto engine = std::make_shared<TEngine>();
  engine->host = std::move(host);
  engine->location = location;
  engine->setOffset(6, 95);
  engine->createRoom(index, 1.0f);
  return engine;
}

bool roomHasDecayedWalls(const TEngine& engine) {
  for (int i = 1; i <= engine.roomObjects; ++i) {
    const TObject* o = engine.object(i);
    if (o && TEngine::isDecayed(*o)) return true;
  }
  return false;
}

bool settleRoom(TEngine& engine, bool traceLight) {
  for (int frame = 0; frame < kSettleFrames; ++frame) {
    if (traceLight) engine.createRays();
    engine.updateObjects();
    if (busy(engine)) continue;
    // A crate that took a treasure fades out as it is drawn; it blocks
    // nothing meanwhile and is cleared at the end of its fade.
    for (int i = 1; i <= engine.roomObjects; ++i) {
      TObject* o = engine.object(i);
      if (o && o->frame != 0 && o->alpha < 1) o->clear();
    }
    if (!traceLight) return true;
    // One more trace: light now resting on a decayed wall starts its glow.
    engine.createRays();
    bool lit = false;
    for (int i = 1; i <= engine.roomObjects; ++i) {
      const TObject* o = engine.object(i);
      if (o && o->glowActive != 0) lit = true;
    }
    if (!lit) return true;
  }
  return false;
}

bool glyphsAllLit(TEngine& engine) {
  if (engine.glyphCount == 0) return false;
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 12; ++c)
      if (TBlock* b = engine.cell(c, r)) b->glyphActive = 0;
  engine.createRays();
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 12; ++c) {
      const TBlock* b = engine.cell(c, r);
      if (b && TEngine::isGlyph(*b) && b->glyphActive == 0) return false;
    }
  return true;
}

TMoveList legalMoves(const TEngine& engine) {
  constexpr int kSteps[4][2] = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}};
  TMoveList moves;
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 12; ++c) {
      if (clickedObject(engine, c, r) == 0) continue;
      for (const auto& s : kSteps)
        if (mayPush(engine, c, r, s[0], s[1])) moves.push_back({c, r, s[0], s[1], false});
      if (turnableMirrorAt(engine, c, r)) moves.push_back({c, r, 0, 0, true});
    }
  return moves;
}

bool startMove(TEngine& engine, const TRoomMove& move) {
  if (move.turn) {
    // A right click turns every mirror under the pointer that could be picked.
    bool turned = false;
    for (int i = 1; i <= engine.roomObjects; ++i) {
      TObject* o = engine.object(i);
      if (o && o->c == move.c && o->r == move.r && selectable(engine, *o) && TEngine::isMirror(*o)) {
        o->angle = o->angle == 0 ? 90 : 0;
        turned = true;
      }
    }
    return turned;
  }
  const int index = clickedObject(engine, move.c, move.r);
  if (index == 0 || !mayPush(engine, move.c, move.r, move.dx, move.dy)) return false;
  TObject* o = engine.object(index);
  o->dx = move.dx;
  o->dy = move.dy;
  engine.setObjTarget(index);
  return true;
}

TRoomSnapshot takeSnapshot(const TEngine& engine, const TRoomSnapshot* sameFogAs) {
  TRoomSnapshot s;
  s.objects.reserve(engine.roomObjects);
  for (int i = 1; i <= engine.roomObjects; ++i) s.objects.push_back(*engine.obj[i]);
  std::vector<float> fog;
  fog.reserve(10 * 12);
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 12; ++c) fog.push_back(engine.cellFog(c, r));
  if (sameFogAs && sameFogAs->fog && *sameFogAs->fog == fog)
    s.fog = sameFogAs->fog;
  else
    s.fog = std::make_shared<const std::vector<float>>(std::move(fog));
  return s;
}

void restoreSnapshot(TEngine& engine, const TRoomSnapshot& s) {
  for (int i = 1; i <= engine.roomObjects; ++i) *engine.obj[i] = s.objects[i - 1];
  size_t k = 0;
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 12; ++c, ++k)
      if (TBlock* b = engine.cell(c, r)) b->fog = (*s.fog)[k];
  engine.objectsMoving = 0;
}

std::string stateKey(const TEngine& engine) {
  std::string key;
  key.reserve(engine.roomObjects * 4);
  for (int i = 1; i <= engine.roomObjects; ++i) {
    const TObject& o = *engine.obj[i];
    key += static_cast<char>(o.frame);
    key += static_cast<char>(o.c * 16 + o.r);
    key += static_cast<char>((o.angle != 0 ? 1 : 0) | (o.movable != 0 ? 2 : 0) | (o.solid != 0 ? 4 : 0));
  }
  return key;
}
