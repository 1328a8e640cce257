// Objects: sliding cell by cell until blocked, treasures collected by crates,
// pits filled by the first object in, crumbling floors, decayed walls
// glowing and exploding, sparkles, and the player's selection.
#include <cmath>

#include "effects/geometry.h"
#include "engine/cell_rules.h"
#include "engine/engine.h"
#include "engine/room_play.h"
#include "platform/random.h"

namespace {
constexpr float kSlideSpeed = 4;  // pixels per frame step
constexpr float kCrumbleTime = 45;
constexpr int kSoundSlide = 0, kSoundCoin = 1, kSoundMap = 2, kSoundAnkh = 3;
constexpr int kPointerHand = 1;
constexpr int kCellShape = 1;  // block frame whose outline is a whole cell
constexpr int kButtonLeft = 1, kButtonRight = 2;

// The live room's side of an object's arrival at a cell's centre: each rule
// comes with its sounds, floating texts and fades.
class TLiveArrival {
 public:
  // collected: the item kind a crate takes here, as the object update reports it.
  TLiveArrival(TEngine& room, TObject& o, int& collected) : room_(room), o_(o), collected_(collected) {}

  bool pitOpenHere() const { return room_.pitTakes(o_); }
  bool isCrate() const { return o_.itemID == kItemCrate; }
  bool takeTreasures() {
    bool taken = false;
    TEngineHost& host = *room_.host;
    for (int j = 1; j <= room_.roomObjects; ++j) {
      TObject* t = room_.object(j);
      if (!t || t == &o_ || t->c != o_.c || t->r != o_.r || t->score == 0) continue;
      const int tx = static_cast<int>(t->x), ty = static_cast<int>(t->y);
      if (t->itemID == kItemMap) {
        host.playSound(kSoundMap);
      } else if (t->itemID == kItemAnkh) {
        host.playSound(kSoundAnkh);
        host.textFloat("extra life", tx, ty);
      } else {
        host.playSound(kSoundCoin);
        host.textFloat(std::to_string(t->score), tx, ty);
      }
      collected_ = t->itemID;
      host.removeSparkleAt(static_cast<int>(t->x + t->sx), static_cast<int>(t->y + t->sy));
      t->clear();
      o_.movable = 0;
      o_.alpha = 0.99f;
      taken = true;
    }
    return taken;
  }
  void startCrumbling() {
    if (const int floor = room_.isFloorTileObj(o_.c, o_.r)) room_.object(floor)->crumbleDelay = 1;
  }
  bool nextAdmits(bool treasuresBlock) const {
    return room_.isEmpty(o_.c + o_.dx, o_.r + o_.dy, treasuresBlock ? 1 : 0, 0) != 0;
  }

 private:
  TEngine& room_;
  TObject& o_;
  int& collected_;
};

}  // namespace

void TEngine::turnMirror(TObject& o) { o.angle = wrapOrClamp(o.angle + 90, 0, 90, true, false); }

int TEngine::updateObjects() {
  const float delta = host->delta();
  objectsMoving = 0;
  int result = 0;
  int sc = 0, sr = 0, so = 0;
  const int n = roomObjects;

  for (int i = 1; i <= n; ++i) {
    TObject* o = object(i);
    if (!o) continue;
    bool settle = false;
    if (o->dx != 0 || o->dy != 0) {
      objectsMoving = 1;
      o->x += kSlideSpeed * o->dx * delta;
      o->y += kSlideSpeed * o->dy * delta;
      if ((o->dx > 0 && o->x > o->tx) || (o->dx < 0 && o->x < o->tx)) o->x = static_cast<float>(o->tx);
      if ((o->dy > 0 && o->y > o->ty) || (o->dy < 0 && o->y < o->ty)) o->y = static_cast<float>(o->ty);
      if (o->x == o->tx && o->y == o->ty) {
        TLiveArrival arrival(*this, *o, result);
        switch (arriveAtCell(arrival)) {
          case TArrival::fellIn:
            settle = true;
            break;
          case TArrival::goesOn:
            setObjTarget(i);
            break;
          case TArrival::stops:
            o->dx = 0;
            o->dy = 0;
            break;
        }
      }
    } else {
      const TBlock* here = cell(o->c, o->r);
      // An object standing alone in a pit that has just opened falls in.
      if (o->movable != 0 && pitTakes(*o)) settle = true;
      if (o->scale > o->targetScale) o->scale -= 0.005f * delta;
      if (o->glowActive == 1) {
        if (o->glow >= 0.2f) {
          host->explodeWall(static_cast<int>(o->x), static_cast<int>(o->y), o->dr, o->dg, o->db,
                            here ? here->pit : 0);
          o->clear();
          createShadowMap(1.0f);  // also lifts the fog behind the wall
        } else {
          o->glow = std::min(1.0f, o->glow + 0.01f * delta);
        }
        o->glowActive = 0;
      } else if (o->glow > 0) {
        o->glow = std::max(0.0f, o->glow - 0.01f * delta);
      }
      if (o->sx != 0 && cellFog(o->c, o->r) == 0) {
        o->sparkleTime -= delta;
        if (o->sparkleTime <= 0) {
          host->createSparkle(static_cast<int>(o->x + o->sx), static_cast<int>(o->y + o->sy));
          o->sparkleTime = static_cast<float>(Rand(500, 1000));
        }
      }
    }
    if (settle) {
      // Lying in the pit: sunk a little, no longer an obstacle, never moved.
      o->movable = 0;
      o->solid = 0;
      o->targetScale = 0.9f;
      o->dx = 0;
      o->dy = 0;
    }
    if (o->crumbleDelay != 0) {
      if (o->crumbleDelay > kCrumbleTime) {
        host->crumbleFloor(static_cast<int>(o->x), static_cast<int>(o->y));
        o->clear();
      } else {
        o->crumbleDelay += std::fabs(4 * delta);
      }
    }
  }

  // Selection: only while nothing moves and the pointer is not over a tip.
  if (objectsMoving == 0 && pointerBlocked == 0) {
    const TImagePtr& cellShape = pictures.blockImg;
    int turnC = 0, turnR = 0;
    for (int i = 1; i <= n; ++i) {
      TObject* o = object(i);
      if (!o || !isPickable(*o)) continue;
      if (!host->pointerOver(cellShape, static_cast<int>(o->x), static_cast<int>(o->y), kCellShape)) continue;
      host->setPointerImage(kPointerHand);
      if (host->clicked(kButtonLeft)) sc = o->c, sr = o->r, so = i;
      if (host->clicked(kButtonRight) && isMirror(*o)) turnC = o->c, turnR = o->r;
    }
    // One right click is one move, even over two mirrors in one cell.
    if (turnC != 0) startMove(*this, TRoomMove{turnC, turnR, 0, 0, true});
  }

  if (objectsMoving == 1 && !host->soundPlaying(kSoundSlide)) host->playSound(kSoundSlide);
  if (objectsMoving == 0 && host->soundPlaying(kSoundSlide)) host->fadeOutSound(kSoundSlide, 0.025f);

  if (host->clicked(kButtonLeft) && showArrows == 0) {
    if (sc != clickedC || sr != clickedR) {
      clickedC = sc, clickedR = sr, clickedO = so;  // a click on nothing drops the selection
    } else {
      deselectArrows = 1;  // a second click on the selected object
    }
  }
  addTakings(result);
  return result;
}
