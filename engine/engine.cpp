// Building the live room from a stored room, storing it back, and the small
// edits the level editor makes to it.
#include "engine/engine.h"
#include "engine/still_host.h"

#include <algorithm>

#include "platform/random.h"

TEngine::TEngine() : blkMaster(makeBlockCatalogue()), objMaster(makeObjectCatalogue()), host(std::make_shared<TStillHost>()) {
  for (int c = 1; c <= 12; ++c)
    for (int r = 1; r <= 10; ++r) blk[c][r] = std::make_shared<TBlock>();
  obj.resize(kRoomMaxObjects + 1);
  for (int i = 1; i <= kRoomMaxObjects; ++i) obj[i] = std::make_shared<TObject>();
  glyphCh.resize(1);
  loadTemplates();
}

TSpark::TSpark(int atX, int atY) : x(atX), y(atY) {
  scale = static_cast<float>(Rand(50, 65)) / 100.0f;
  angle1 = static_cast<float>(Rand(0, 359));
  angle2 = static_cast<float>(Rand(0, 359));
}

TEnginePtr TEngine::create(const std::string& locationName) {
  auto engine = std::make_shared<TEngine>();
  // A location that cannot be found plays as one without rooms.
  engine->location.load(locationName);
  return engine;
}

void TEngine::setOffset(int x, int y) {
  xOffset = x;
  yOffset = y;
}

void TEngine::setCoords() {
  for (int c = 0; c < kColumns; ++c)
    for (int r = 0; r < kRows; ++r)
      if (TBlock* b = cell(c, r)) {
        b->x = centreX(c);
        b->y = centreY(r);
      }
  for (int i = 1; i <= roomObjects; ++i)
    if (TObject* o = object(i)) {
      o->x = centreX(o->c);
      o->y = centreY(o->r);
    }
}

void TEngine::createRoom(int index, float fog) {
  if (index == 0) index = std::min(location.curRoom, location.roomCount);
  if (index <= 0) index = 1;
  index = std::min(index, kLocationMaxRooms);
  if (!location.room[index]) location.addRoom();
  // A slot beyond the rooms there are cannot be filled by one new room; play
  // the last room instead of reading an empty slot.
  if (!location.room[index]) index = std::max(location.roomCount, 1);
  if (!location.room[index]) return;
  const TRoom& room = *location.room[index];

  host->destroyAllEffects();
  deselectArrows = 1;
  glyphCount = 0;
  glyphCh.assign(1, nullptr);
  takings = TRoomTakings();
  roomName = room.name;
  roomDescription = room.description;

  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c) {
      blk[c][r] = std::make_shared<TBlock>();
      const int id = isInterior(c, r) ? room.blk[c][r] : 0;
      // Ids outside the catalogue leave the cell blank.
      if (id <= 0 || !isBlockId(id)) continue;
      setBlockFromMaster(c, r, id);
      if (isGlyph(*blk[c][r])) {
        ++glyphCount;
        glyphCh.push_back(host->newGlyphChannel());
      }
    }

  placeStoredObjects(room);

  location.curRoom = index;
  setCoords();
  createShadowMap(fog);

  sparkList.clear();
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 12; ++c)
      if (isEmitter(*blk[c][r])) sparkList.emplace_back(static_cast<int>(centreX(c)), static_cast<int>(centreY(r)));
}

int TEngine::countGlyphs() const {
  int n = 0;
  for (int c = 0; c < kColumns; ++c)
    for (int r = 0; r < kRows; ++r)
      if (const TBlock* b = cell(c, r); b && isGlyph(*b)) ++n;
  return n;
}

// Objects are placed so that every crate comes after all other objects (they
// are then drawn over treasures and processed last): non-crates in stored
// order, then crates in stored order. Objects with an id outside the
// catalogue or a cell outside the room are left out.
void TEngine::placeStoredObjects(const TRoom& room) {
  struct TStored {
    int c, r, id;
  };
  std::vector<TStored> kept;
  const int count = std::clamp(room.roomObjects, 0, kRoomMaxObjects);
  for (int k = 1; k <= count; ++k) {
    const TStored s{room.obj[k][0], room.obj[k][1], room.obj[k][2]};
    if (isObjectId(s.id) && isInterior(s.c, s.r)) kept.push_back(s);
  }
  std::stable_partition(kept.begin(), kept.end(),
                        [this](const TStored& s) { return objMaster[s.id]->itemID != kItemCrate; });
  roomObjects = static_cast<int>(kept.size());
  obj.assign(roomObjects + 1, nullptr);
  for (int i = 1; i <= roomObjects; ++i) setObjectInfo(i, kept[i - 1].c, kept[i - 1].r, kept[i - 1].id);
}

void TEngine::storeRoom() {
  const int index = location.curRoom;
  if (index < 1 || index > kLocationMaxRooms || !location.room[index]) return;
  TRoom& room = *location.room[index];
  room.name = roomName;
  for (int c = 1; c <= 12; ++c)
    for (int r = 1; r <= 10; ++r) room.blk[c][r] = blk[c][r] ? blk[c][r]->frame : 0;

  // Remove cleared objects; a slot is examined again after a removal so that
  // runs of cleared objects all go.
  const int count = roomObjects;
  for (int i = 1; i <= count && i <= roomObjects;) {
    const TObject* o = object(i);
    if (!o || o->frame == 0)
      deleteObject(i);
    else
      ++i;
  }

  // The room record holds at most 50 objects; the editor never places more.
  room.roomObjects = std::min(roomObjects, kRoomMaxObjects);
  for (int i = 1; i <= room.roomObjects; ++i) {
    const TObject* o = object(i);
    room.obj[i] = {o->c, o->r, o->frame};
  }
}

void TEngine::setBlockFromMaster(int c, int r, int id) {
  if (c < 0 || c >= kColumns || r < 0 || r >= kRows) return;
  if (!isBlockId(id)) id = 0;
  if (!blk[c][r]) blk[c][r] = std::make_shared<TBlock>();
  TBlock& b = *blk[c][r];
  const TBlock& m = *blkMaster[id];
  b.frame = m.frame;
  b.obj = m.obj;
  b.light = m.light;
  b.shadows = m.shadows;
  b.floorTile = m.floorTile;
  b.pit = m.pit;
  b.er = m.er, b.eg = m.eg, b.eb = m.eb;
  b.gr = m.gr, b.gg = m.gg, b.gb = m.gb;
  b.helpID = m.helpID;
  b.empty = 0;
}

int TEngine::addObject(int c, int r, int id) {
  ++roomObjects;
  setObjectInfo(roomObjects, c, r, id);
  return roomObjects;
}

void TEngine::deleteObject(int index) {
  if (index < 1 || index > roomObjects) return;
  for (int k = index; k < roomObjects; ++k) obj[k] = obj[k + 1] ? obj[k + 1]->copy() : nullptr;
  obj[roomObjects] = nullptr;
  --roomObjects;
}

void TEngine::setObjectInfo(int index, int c, int r, int id) {
  obj.resize(roomObjects + 1);
  if (index < 1 || index > roomObjects) return;
  if (id != -1)
    setObjectFromMaster(index, id, 1);
  else if (!obj[index])
    obj[index] = std::make_shared<TObject>();
  TObject& o = *obj[index];
  o.c = c;
  o.r = r;
  o.x = centreX(c);
  o.y = centreY(r);
  o.tx = static_cast<int>(o.x);
  o.ty = static_cast<int>(o.y);
}

void TEngine::setObjectFromMaster(int index, int id, int makeNew) {
  if (index < 1 || index >= static_cast<int>(obj.size())) return;
  if (!isObjectId(id)) id = 0;
  if (makeNew != 0 || !obj[index]) obj[index] = std::make_shared<TObject>();
  TObject& o = *obj[index];
  const TObject& m = *objMaster[id];
  o.frame = m.frame;
  o.movable = m.movable;
  o.solid = m.solid;
  o.shadows = m.shadows;
  o.shadowImage = m.shadowImage;
  o.floorTile = m.floorTile;
  o.pr = m.pr, o.pg = m.pg, o.pb = m.pb;
  o.rr = m.rr, o.rg = m.rg, o.rb = m.rb;
  o.dr = m.dr, o.dg = m.dg, o.db = m.db;
  o.sx = m.sx, o.sy = m.sy;
  o.score = m.score;
  o.itemID = m.itemID;
  o.helpID = m.helpID;
}

int TEngine::isFloorTileObj(int c, int r) const {
  for (int i = 1; i <= roomObjects; ++i) {
    const TObject* o = object(i);
    if (o && o->c == c && o->r == r && o->floorTile != 0) return i;
  }
  return 0;
}

int TEngine::objDestructable(int id) const {
  if (!isObjectId(id)) return 0;
  const TObject& m = *objMaster[id];
  if (m.dr != 0) return m.dr;
  if (m.dg != 0) return m.dg;
  return m.db;
}
