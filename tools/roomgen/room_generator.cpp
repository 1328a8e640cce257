#include "room_generator.h"

#include <algorithm>

#include "engine/catalogue.h"
#include "engine/still_host.h"
#include "platform/random.h"
#include "engine/room_play.h"
#include "engine/solver.h"
#include "tools/roomgen/room_measure.h"

namespace {

const TBlockCatalogue& blocks() {
  static const TBlockCatalogue catalogue = makeBlockCatalogue();
  return catalogue;
}

bool takesObjects(const TRoom& room, int c, int r) { return blocks()[room.blk[c][r]]->obj != 0; }
bool isPlainFloor(int id) { return id >= 1 && id <= 3; }
bool isWallBlock(int id) { return (id >= 7 && id <= 9) || (id >= 15 && id <= 17); }
bool isEdge(int c, int r) { return c == 1 || c == kRoomColumns || r == 1 || r == kRoomRows; }

bool objectAt(const TRoom& room, int c, int r) {
  for (int j = 1; j <= room.roomObjects; ++j)
    if (room.obj[j][0] == c && room.obj[j][1] == r) return true;
  return false;
}

int floorNeighbours(const TRoom& room, int c, int r) {
  int n = 0;
  const int steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  for (const auto& s : steps) {
    const int nc = c + s[0], nr = r + s[1];
    if (TEngine::isInterior(nc, nr) && blocks()[room.blk[nc][nr]]->light != 0) ++n;
  }
  return n;
}

// A random free cell that takes objects; false when there is none.
bool randomFreeCell(const TRoom& room, int& c, int& r) {
  for (int tries = 0; tries < 400; ++tries) {
    c = Rand(1, kRoomColumns);
    r = Rand(1, kRoomRows);
    if (takesObjects(room, c, r) && room.blk[c][r] != kBlockPit && !objectAt(room, c, r)) return true;
  }
  return false;
}

// A wall cell on the room's edge with exactly one floor neighbour, where an
// emitter or a glyph can be set into the wall.
bool randomWallSpot(const TRoom& room, int& c, int& r) {
  for (int tries = 0; tries < 400; ++tries) {
    c = Rand(1, kRoomColumns);
    r = Rand(1, kRoomRows);
    if (isEdge(c, r) && isWallBlock(room.blk[c][r]) && floorNeighbours(room, c, r) == 1) return true;
  }
  return false;
}

void moveSomeObject(TRoom& room) {
  if (room.roomObjects == 0) return;
  const int j = Rand(1, room.roomObjects);
  if (room.obj[j][2] == kObjCrumblingFloor || room.obj[j][2] == kObjWhiteDecayedWall) return;
  int c, r;
  if (randomFreeCell(room, c, r)) room.obj[j] = {c, r, room.obj[j][2]};
}

void swapTwoObjects(TRoom& room) {
  if (room.roomObjects < 2) return;
  const int a = Rand(1, room.roomObjects), b = Rand(1, room.roomObjects);
  std::swap(room.obj[a][0], room.obj[b][0]);
  std::swap(room.obj[a][1], room.obj[b][1]);
}

// Raises a pillar on open floor or pulls one down.
void togglePillar(TRoom& room) {
  for (int tries = 0; tries < 100; ++tries) {
    const int c = Rand(2, kRoomColumns - 1), r = Rand(2, kRoomRows - 1);
    if (objectAt(room, c, r)) continue;
    if (isPlainFloor(room.blk[c][r])) {
      room.blk[c][r] = Rand(7, 9);
      return;
    }
    if (isWallBlock(room.blk[c][r])) {
      room.blk[c][r] = Rand(1, 3);
      return;
    }
  }
}

// Moves a glyph or an emitter to another spot in the outer wall.
void moveWallPiece(TRoom& room, bool emitter) {
  std::vector<std::pair<int, int>> spots;
  for (int r = 1; r <= kRoomRows; ++r)
    for (int c = 1; c <= kRoomColumns; ++c) {
      const int id = room.blk[c][r];
      if (emitter ? id == kBlockEmitter : (id >= 11 && id <= 14)) spots.emplace_back(c, r);
    }
  if (spots.empty()) return;
  const auto [c, r] = spots[Rand(0, static_cast<int>(spots.size()) - 1)];
  int nc, nr;
  if (!randomWallSpot(room, nc, nr)) return;
  std::swap(room.blk[c][r], room.blk[nc][nr]);
}

// Fills blank cells with wall so that the room has no holes.
void closeHoles(TRoom& room) {
  for (int r = 1; r <= kRoomRows; ++r)
    for (int c = 1; c <= kRoomColumns; ++c)
      if (room.blk[c][r] == 0) room.blk[c][r] = Rand(7, 9);
}

}  // namespace

void sortObjectsByCell(TRoom& room) {
  std::stable_sort(room.obj.begin() + 1, room.obj.begin() + 1 + room.roomObjects,
                   [](const auto& a, const auto& b) { return a[1] != b[1] ? a[1] < b[1] : a[0] < b[0]; });
}

TRoom mutateRoom(const TRoom& seed) {
  TRoom room = seed;
  const int changes = Rand(1, 3);
  for (int i = 0; i < changes; ++i) {
    switch (Rand(0, 5)) {
      case 0:
      case 1: moveSomeObject(room); break;
      case 2: swapTwoObjects(room); break;
      case 3: togglePillar(room); break;
      case 4: moveWallPiece(room, false); break;
      default: moveWallPiece(room, true); break;
    }
  }
  sortObjectsByCell(room);
  return room;
}

TRoom templateRoom(const TRoom& seed) {
  // The editor's generator lays the walls and floors.
  TLocation scratch;
  scratch.addRoom();
  TEngine engine;
  engine.host = std::make_shared<TStillHost>();
  engine.location = scratch;
  engine.createRoom(1, 0);
  engine.randomRoom(0, 0);
  TRoom room;
  room.name = seed.name;
  room.description = seed.description;
  for (int r = 1; r <= kRoomRows; ++r)
    for (int c = 1; c <= kRoomColumns; ++c) {
      const TBlock* b = engine.cell(c, r);
      room.blk[c][r] = b ? b->frame : 0;
    }
  // Row 10 is left blank by the generator: the bottom wall goes there.
  for (int c = 1; c <= kRoomColumns; ++c)
    if (room.blk[c][kRoomRows - 1] != 0 && !isWallBlock(room.blk[c][kRoomRows - 1])) room.blk[c][kRoomRows] = Rand(7, 9);
  closeHoles(room);
  // Open floor lets everything slide from wall to wall; pillars give the
  // pieces places to stop.
  for (int pillars = Rand(6, 14); pillars > 0; --pillars) togglePillar(room);
  // The seed's emitters and glyphs go into the outer wall, its objects onto
  // free floor (a crumbling floor may lie under another object: it keeps
  // the seed's cell-mate rule by being placed first).
  for (int r = 1; r <= kRoomRows; ++r)
    for (int c = 1; c <= kRoomColumns; ++c) {
      const int id = seed.blk[c][r];
      if (id != kBlockEmitter && !(id >= 11 && id <= 14)) continue;
      int nc, nr;
      if (randomWallSpot(room, nc, nr)) room.blk[nc][nr] = id;
    }
  // A crumbling floor keeps its pit: both move together.
  auto crumblingOn = [&](int c, int r) {
    for (int j = 1; j <= seed.roomObjects; ++j)
      if (seed.obj[j][0] == c && seed.obj[j][1] == r && seed.obj[j][2] == kObjCrumblingFloor) return true;
    return false;
  };
  for (int r = 1; r <= kRoomRows; ++r)
    for (int c = 1; c <= kRoomColumns; ++c)
      if ((seed.blk[c][r] == kBlockPit && !crumblingOn(c, r)) || seed.blk[c][r] == 5 || seed.blk[c][r] == 6) {
        int nc, nr;
        if (randomFreeCell(room, nc, nr)) room.blk[nc][nr] = seed.blk[c][r];
      }
  for (int j = 1; j <= seed.roomObjects; ++j) {
    int c, r;
    if (!randomFreeCell(room, c, r)) continue;
    const int id = seed.obj[j][2];
    if (id == kObjCrumblingFloor && seed.blk[seed.obj[j][0]][seed.obj[j][1]] == kBlockPit) room.blk[c][r] = kBlockPit;
    room.obj[++room.roomObjects] = {c, r, id};
  }
  sortObjectsByCell(room);
  return room;
}

TCandidate judgeRoom(const TRoom& room, const TMeasureBudget& budget) {
  TLocation location;
  location.name = "Candidate";
  location.addRoom();
  *location.room[1] = room;
  TCandidate c;
  c.room = room;
  c.analysis = measureRoom(location, 1, budget);
  c.facts = roomFacts(location, 1, c.analysis.moves);
  c.grade = difficultyGrade(c.analysis, c.facts);
  return c;
}

bool keepCandidate(const TCandidate& c, const TCandidateRules& rules, const TRoomFacts& seedFacts) {
  const auto has = [](const TRoomFacts& f, const char* m) {
    return std::find(f.mechanics.begin(), f.mechanics.end(), m) != f.mechanics.end();
  };
  if (!c.analysis.solved) return false;  // breadth-first: a solution found is a shortest one
  if (c.analysis.shortest < rules.minShortest || c.analysis.oneMoveShortcut) return false;
  if (c.analysis.solutionsAtShortest > rules.maxWaysAtShortest) return false;
  if (has(c.facts, "hidden") && !has(seedFacts, "hidden") && !rules.allowHidden) return false;
  if (has(c.facts, "multi-emitter") && !has(seedFacts, "multi-emitter") && !rules.allowMultiEmitter) return false;
  return true;
}
