// Generated rooms for the level editor: walls and floors laid from 3 x 3
// templates turned to face outwards, then tidied. Also the one-cell shift of
// a whole room and the neighbour counts used by generation and help tips.
#include "engine/engine.h"
#include "platform/random.h"

namespace {

// Template cells: 0 blank, 1 wall, 2 floor; rows top to bottom. Corners face
// their outside up and left, edges up.
struct TTemplateRow {
  int type;
  int rows[3][3];
};
constexpr TTemplateRow kTemplates[19] = {
    {1, {{1, 1, 1}, {1, 2, 2}, {1, 2, 2}}}, {1, {{0, 1, 1}, {1, 1, 2}, {1, 2, 2}}},
    {1, {{0, 0, 1}, {0, 1, 1}, {1, 1, 2}}}, {1, {{0, 0, 0}, {0, 0, 1}, {0, 1, 1}}},
    {2, {{1, 1, 1}, {2, 2, 2}, {2, 2, 2}}}, {2, {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}}},
    {2, {{1, 1, 1}, {2, 1, 2}, {2, 2, 2}}}, {2, {{1, 1, 0}, {2, 1, 1}, {2, 2, 2}}},
    {2, {{0, 1, 1}, {1, 1, 2}, {2, 2, 2}}}, {3, {{2, 2, 2}, {2, 2, 2}, {2, 2, 2}}},
    {3, {{2, 2, 2}, {2, 1, 2}, {2, 2, 2}}}, {3, {{2, 1, 2}, {2, 2, 2}, {2, 1, 2}}},
    {3, {{2, 2, 1}, {2, 2, 2}, {2, 2, 1}}}, {3, {{2, 1, 2}, {2, 1, 2}, {2, 1, 2}}},
    {3, {{2, 1, 1}, {2, 1, 1}, {2, 1, 1}}}, {3, {{2, 2, 2}, {2, 1, 2}, {2, 1, 2}}},
    {3, {{2, 2, 2}, {2, 2, 1}, {2, 2, 1}}}, {3, {{2, 2, 2}, {2, 2, 1}, {2, 1, 1}}},
    {3, {{2, 2, 2}, {2, 1, 1}, {2, 1, 1}}},
};

constexpr int kTemplateWall = 1, kTemplateFloor = 2;
constexpr int kDecorationChance = 5;  // a roll of 1..100 below this decorates a wall

// The four neighbours in the order left, right, up, down.
constexpr int kSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

int randomWall() { return Rand(kBlockWall1, kBlockWall1 + 2); }

}  // namespace

// Walls and floors are given their variants once per engine, so every use of
// a template by one engine looks the same.
void TEngine::loadTemplates() {
  for (int t = 1; t <= 19; ++t) {
    TGrid& g = gridTemplate[t];
    g.gridType = kTemplates[t - 1].type;
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 3; ++x) {
        int code = kTemplates[t - 1].rows[y][x];
        if (code == kTemplateWall)
          code = randomWall();
        else if (code == kTemplateFloor)
          code = Rand(kBlockFloor1, kBlockFloor1 + 2);
        g.block[x][y] = code;
      }
  }
}

void TEngine::insertTemplate(int type, int c, int r, int rotation) {
  int t = 0;
  do {
    t = Rand(1, 19);
  } while (gridTemplate[t].gridType != type && (type >= 1 && type <= 3));
  const auto& T = gridTemplate[t].block;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) {
      int id = 0;
      switch (rotation & 3) {
        case 0: id = T[x][y]; break;
        case 1: id = T[y][2 - x]; break;
        case 2: id = T[2 - x][2 - y]; break;
        default: id = T[2 - y][x]; break;
      }
      setBlockFromMaster(c + x, r + y, id);
    }
}

void TEngine::randomRoom(int /*ignored*/, float fog) {
  struct TStamp {
    int type, c, r, rotation;
  };
  const TStamp stamps[12] = {
      {1, 1, 1, 0},  {2, 4, 1, 0},  {2, 7, 1, 0},  {1, 10, 1, 1},
      {2, 1, 4, 3},  {3, 4, 4, -1}, {3, 7, 4, -1}, {2, 10, 4, 1},
      {1, 1, 7, 3},  {2, 4, 7, 2},  {2, 7, 7, 2},  {1, 10, 7, 2},
  };
  for (const TStamp& s : stamps) insertTemplate(s.type, s.c, s.r, s.rotation < 0 ? Rand(0, 3) : s.rotation);

  // Tidy the walls: drop stray ones, join lone ones to their neighbours, and
  // decorate a few.
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 12; ++c) {
      const TBlock* b = cell(c, r);
      if (!b || b->shadows == 0) continue;
      int blank = 0;
      for (const auto& s : kSteps) {
        const TBlock* n = cell(c + s[0], r + s[1]);
        if (!n || n->frame == 0) ++blank;
      }
      if (blank > 2) {
        setBlockFromMaster(c, r, kBlockCursor);
        continue;
      }
      if (getAdjacentWalls(c, r) <= 1) {
        for (const auto& s : kSteps) {
          const TBlock* n = cell(c + s[0], r + s[1]);
          if (n && n->frame == 0 && getAdjacentWalls(c + s[0], r + s[1]) > 1) {
            setBlockFromMaster(c + s[0], r + s[1], randomWall());
            break;
          }
        }
      } else if (Rand(1, 100) < kDecorationChance) {
        setBlockFromMaster(c, r, Rand(kBlockDecoratedWall1, kBlockDecoratedWall1 + 2));
      }
    }
  createShadowMap(fog);
}

void TEngine::shiftMap(int dx, int dy, float fog) {
  if (dx < -1 || dx > 1 || dy < -1 || dy > 1) return;
  // Visit cells so that each is read before it is overwritten.
  const int rowFirst = dy <= 0 ? 1 : 10, rowLast = dy <= 0 ? 11 : 0, rowStep = dy <= 0 ? 1 : -1;
  const int colFirst = dx <= 0 ? 1 : 12, colLast = dx <= 0 ? 13 : 0, colStep = dx <= 0 ? 1 : -1;
  for (int r = rowFirst; r != rowLast + rowStep; r += rowStep)
    for (int c = colFirst; c != colLast + colStep; c += colStep) {
      const int toC = c + dx, toR = r + dy;
      if (toC < 0 || toC >= kColumns || toR < 0 || toR >= kRows) continue;
      if (isInterior(toC, toR))
        blk[toC][toR] = blk[c][r] ? blk[c][r]->copy() : std::make_shared<TBlock>();
      else
        blk[toC][toR] = std::make_shared<TBlock>();
    }
  for (int i = 1; i <= roomObjects; ++i) {
    TObject* o = object(i);
    if (!o) continue;
    o->c += dx;
    o->r += dy;
    if (!isInterior(o->c, o->r)) o->clear();
  }
  setCoords();
  createShadowMap(fog);
}

int TEngine::getAdjacentWalls(int c, int r) const {
  auto wall = [this](int nc, int nr) {
    const TBlock* n = cell(nc, nr);
    return n && n->shadows != 0 ? 1 : 0;
  };
  int count = 0;
  if (c >= 1) count += wall(c - 1, r);
  if (c <= 12) count += wall(c + 1, r);
  if (r > 0) count += wall(c, r - 1);
  if (r <= 10) count += wall(c, r + 1);
  return count;
}

int TEngine::getAdjacentLightable(int c, int r, int horizontal, int vertical) const {
  auto open = [this](int nc, int nr) {
    const TBlock* n = cell(nc, nr);
    return n && n->light != 0 && isEmpty(nc, nr, 1, 0) ? 1 : 0;
  };
  int count = 0;
  if (horizontal != 0) {
    if (c >= 1) count += open(c - 1, r);
    if (c <= 12) count += open(c + 1, r);
  }
  if (vertical != 0) {
    if (r > 0) count += open(c, r - 1);
    if (r <= 10) count += open(c, r + 1);
  }
  return count;
}
