// Headless play of a room through the engine's own movement and light.
#include "engine/room_play.h"

#include "engine/solver.h"

namespace {

constexpr int kSettleFrames = 5000;
constexpr int kShapeCount = 25;
constexpr int kSteps[4][2] = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}};  // the arrows' order

}  // namespace

bool loadObjectShapes(const std::string& gameDir, TRoomPictures& pictures, std::string& error) {
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

TEnginePtr startRoom(const TLocation& location, int index, TEngineHostPtr host, const TRoomPictures& pictures) {
  auto engine = std::make_shared<TEngine>();
  engine->host = std::move(host);
  engine->pictures = pictures;
  engine->location = location;
  engine->setOffset(TEngine::kPlayX, TEngine::kPlayY);
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

bool roomAtRest(const TEngine& e) {
  if (e.objectsMoving != 0) return false;
  for (int i = 1; i <= e.roomObjects; ++i) {
    const TObject* o = e.object(i);
    if (!o || o->frame == 0) continue;
    if (o->dx != 0 || o->dy != 0) return false;
    if (o->crumbleDelay != 0 || o->glow > 0 || o->glowActive != 0) return false;
    if (o->movable != 0 && e.pitTakes(*o)) return false;
  }
  return true;
}

bool settleRoom(TEngine& engine, const std::function<void()>& afterFrame) {
  // Light matters while the room settles only where it can explode walls.
  const bool traceLight = roomHasDecayedWalls(engine);
  for (int frame = 0; frame < kSettleFrames; ++frame) {
    if (traceLight) engine.createRays();
    engine.updateObjects();
    if (afterFrame) afterFrame();
    // A crate that took a treasure fades out as it is drawn; it blocks
    // nothing meanwhile and is cleared at the end of its fade.
    for (int i = 1; i <= engine.roomObjects; ++i) {
      TObject* o = engine.object(i);
      if (o && o->frame != 0 && o->alpha < 1 && o->dx == 0 && o->dy == 0) o->clear();
    }
    if (!roomAtRest(engine)) continue;
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
  bool all = true;
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 12; ++c) {
      TBlock* b = engine.cell(c, r);
      if (b && TEngine::isGlyph(*b) && b->glyphActive == 0) all = false;
      // The question leaves no trace in the room's glow.
      if (b) b->glyphActive = 0;
    }
  for (int i = 1; i <= engine.roomObjects; ++i)
    if (TObject* o = engine.object(i)) o->glowActive = 0;
  return all;
}

TMoveList legalMoves(const TEngine& engine) {
  TMoveList moves;
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 12; ++c) {
      if (engine.pickObjectAt(c, r) == 0) continue;
      for (const auto& s : kSteps)
        if (engine.canPush(c, r, s[0], s[1])) moves.push_back({c, r, s[0], s[1], false});
      if (engine.canTurnAt(c, r)) moves.push_back({c, r, 0, 0, true});
    }
  return moves;
}

bool startMove(TEngine& engine, const TRoomMove& move) {
  if (move.turn) {
    if (!engine.canTurnAt(move.c, move.r)) return false;
    if (engine.onMoveStart) engine.onMoveStart(move);
    // A right click turns every mirror under the pointer that could be picked.
    for (int i = 1; i <= engine.roomObjects; ++i) {
      TObject* o = engine.object(i);
      if (o && o->c == move.c && o->r == move.r && engine.isPickable(*o) && TEngine::isMirror(*o))
        engine.turnMirror(*o);
    }
    return true;
  }
  if (!engine.canPush(move.c, move.r, move.dx, move.dy)) return false;
  if (engine.onMoveStart) engine.onMoveStart(move);
  const int index = engine.pickObjectAt(move.c, move.r);
  TObject* o = engine.object(index);
  o->dx = move.dx;
  o->dy = move.dy;
  engine.setObjTarget(index);
  return true;
}

bool playMove(TEngine& engine, const TRoomMove& move) { return startMove(engine, move) && settleRoom(engine); }

bool slideStop(const TEngine& room, const TRoomMove& move, int& c, int& r) {
  if (move.turn) return false;
  const int slot = room.pickObjectAt(move.c, move.r);
  if (slot == 0) return false;
  const TEnginePtr copy = cloneRoom(room);
  if (!startMove(*copy, move)) return false;
  const TObject* pushed = copy->object(slot);
  c = pushed->c;
  r = pushed->r;
  // The last cell it reached before fading away, if it does.
  settleRoom(*copy, [&] {
    if (pushed->frame == 0) return;
    c = pushed->c;
    r = pushed->r;
  });
  return true;
}

std::string stateKey(const TEngine& engine) {
  std::string key;
  key.reserve(engine.roomObjects * 4);
  for (int i = 1; i <= engine.roomObjects; ++i) {
    const TObject& o = *engine.obj[i];
    // A crate fading out with its treasure is as good as gone: it blocks
    // nothing, and the key must not change when its fade ends.
    if (o.frame == 0 || o.alpha < 1) {
      key.append(3, '\0');
      continue;
    }
    key += static_cast<char>(o.frame);
    key += static_cast<char>(o.c * 16 + o.r);
    key += static_cast<char>((o.angle != 0 ? 1 : 0) | (o.movable != 0 ? 2 : 0) | (o.solid != 0 ? 4 : 0));
  }
  return key;
}
