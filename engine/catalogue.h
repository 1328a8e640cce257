#pragma once
// The game's vocabulary of pieces: the block catalogue (floors, walls,
// emitters, glyphs...) and the object catalogue (gems, mirrors, treasures...).
// Every block id and object id stored in a room is an index into these.
#include <array>

#include "data/room_pieces.h"

constexpr int kBlockSlots = 26;   // catalogue slots; ids 0..18 are filled
constexpr int kObjectSlots = 24;  // catalogue slots; ids 0..19 are filled
constexpr int kBlockIds = 19;
constexpr int kObjectIds = 20;

// Block ids with a meaning of their own.
enum : int {
  kBlockCursor = 0,
  kBlockFloor1 = 1,
  kBlockPit = 4,
  kBlockWall1 = 7,
  kBlockEmitter = 10,
  kBlockWhiteGlyph = 11,
  kBlockDecoratedWall1 = 15,
};

// Object ids with a meaning of their own.
enum : int {
  kObjDiamond = 1,
  kObjRuby = 2,
  kObjEmerald = 3,
  kObjSaphire = 4,
  kObjSarcophagus = 5,
  kObjWhiteDecayedWall = 6,
  kObjCoins = 10,
  kObjScarab = 12,
  kObjAnkh = 15,
  kObjMirror = 16,
  kObjCrumblingFloor = 17,
  kObjMap = 18,
  kObjCrate = 19,
};

// Item kinds (TObject::itemID).
enum : int {
  kItemNone = 0,
  kItemMap = 1,
  kItemCoins = 2,
  kItemSunDisc = 3,
  kItemScarab = 4,
  kItemVase = 5,
  kItemBracelet = 6,
  kItemAnkh = 7,
  kItemCrate = 8,
};

using TBlockCatalogue = std::array<TBlockPtr, kBlockSlots>;
using TObjectCatalogue = std::array<TObjectPtr, kObjectSlots>;

// Fresh catalogues: every slot holds a piece, the unused ones empty; each
// filled entry's frame is its id.
TBlockCatalogue makeBlockCatalogue();
TObjectCatalogue makeObjectCatalogue();

// Stored ids outside the catalogues are treated as blank, never used as
// indices.
inline bool isBlockId(int id) { return id >= 0 && id < kBlockIds; }
inline bool isObjectId(int id) { return id >= 0 && id < kObjectIds; }
