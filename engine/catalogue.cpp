// The block and object catalogue tables.
#include "engine/catalogue.h"

namespace {

struct TBlockRow {
  const char* name;
  int obj, light, shadows, pit, floorTile;
  int er, eg, eb;
  int gr, gg, gb;
  int helpID;
};

// Skeletons let light pass but nothing can stand on them; the emitter lets
// no light through itself.
constexpr TBlockRow kBlockTable[kBlockIds] = {
    {"Cursor", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"Floor #1", 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"Floor #2", 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"Floor #3", 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"Pit", 1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 14},
    {"Skeleton #1", 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 15},
    {"Skeleton #2", 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 15},
    {"Wall #1", 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"Wall #2", 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"Wall #3", 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"Light Emitter", 0, 0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0},
    {"White Exit Glyph", 0, 0, 1, 0, 0, 0, 0, 0, 255, 255, 255, 2},
    {"Red Exit Glyph", 0, 0, 1, 0, 0, 0, 0, 0, 255, 0, 0, 8},
    {"Green Exit Glyph", 0, 0, 1, 0, 0, 0, 0, 0, 0, 255, 0, 8},
    {"Blue Exit Glyph", 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 255, 8},
    {"Decorated Wall #1", 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"Decorated Wall #2", 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"Decorated Wall #3", 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};

struct TObjectRow {
  const char* name;
  int movable, solid, shadows, shadowImage, floorTile;
  int pr, pg, pb;
  int rr, rg, rb;
  int dr, dg, db;
  int sx, sy;
  int score, itemID, helpID;
};

// The Map fragment scores 1 but never sparkles; the Golden Scarab is both a
// treasure and a light obstacle; the Crate is item kind 8 without a score.
constexpr TObjectRow kObjectTable[kObjectIds] = {
    {"", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"Diamond", 1, 1, 0, 1, 0, 255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9},
    {"Ruby", 1, 1, 0, 1, 0, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9},
    {"Emerald", 1, 1, 0, 1, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9},
    {"Saphire", 1, 1, 0, 1, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9},
    {"Sarcophagus", 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3},
    {"White Decayed Wall", 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 11},
    {"Red Decayed Wall", 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 11},
    {"Green Decayed Wall", 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0, 11},
    {"Blue Decayed Wall", 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 11},
    {"Coins", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, -18, 100, kItemCoins, 6},
    {"Ra Disc", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -12, -16, 300, kItemSunDisc, 6},
    {"Golden Scarab", 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -5, -7, 125, kItemScarab, 16},
    {"Hes vase", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, -13, 125, kItemVase, 6},
    {"Bracelet", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -14, -18, 150, kItemBracelet, 6},
    {"Ankh", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -7, -19, 1, kItemAnkh, 7},
    {"Mirror", 1, 1, 0, 1, 0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 4},
    {"Crumbling Floor", 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 13},
    {"Map", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, kItemMap, 10},
    {"Crate", 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, kItemCrate, 5},
};

}  // namespace

TBlockCatalogue makeBlockCatalogue() {
  TBlockCatalogue cat;
  for (int id = 0; id < kBlockSlots; ++id) {
    auto b = std::make_shared<TBlock>();
    if (id < kBlockIds) {
      const TBlockRow& row = kBlockTable[id];
      b->name = row.name;
      b->frame = id;
      b->obj = row.obj;
      b->light = row.light;
      b->shadows = row.shadows;
      b->pit = row.pit;
      b->floorTile = row.floorTile;
      b->er = row.er, b->eg = row.eg, b->eb = row.eb;
      b->gr = row.gr, b->gg = row.gg, b->gb = row.gb;
      b->helpID = row.helpID;
    }
    cat[id] = b;
  }
  return cat;
}

TObjectCatalogue makeObjectCatalogue() {
  TObjectCatalogue cat;
  for (int id = 0; id < kObjectSlots; ++id) {
    auto o = std::make_shared<TObject>();
    if (id < kObjectIds) {
      const TObjectRow& row = kObjectTable[id];
      o->name = row.name;
      o->frame = id;
      o->movable = row.movable;
      o->solid = row.solid;
      o->shadows = row.shadows;
      o->shadowImage = row.shadowImage;
      o->floorTile = row.floorTile;
      o->pr = row.pr, o->pg = row.pg, o->pb = row.pb;
      o->rr = row.rr, o->rg = row.rg, o->rb = row.rb;
      o->dr = row.dr, o->dg = row.dg, o->db = row.db;
      o->sx = row.sx, o->sy = row.sy;
      o->score = row.score;
      o->itemID = row.itemID;
      o->helpID = row.helpID;
    }
    cat[id] = o;
  }
  return cat;
}
