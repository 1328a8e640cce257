#pragma once
// The puzzle engine: one location, one live room built from it, and every
// rule of play. The work is split by concern over several files:
//   engine.cpp       building, storing and editing the live room
//   light.cpp        tracing light rays and lighting glyphs (the tracer itself,
//                    shared with the solver's positions, is light_paths.h)
//   movement.cpp     sliding objects, pits, crumbling floors, treasures
//   free_cell.cpp    which cells an object may enter (the rules themselves,
//                    shared with the solver's positions, are cell_rules.h)
//   arrows.cpp       the movement arrows of the selected object
//   shadow_map.cpp   soft wall shadows and fog
//   room_render.cpp  the drawing passes
//   random_room.cpp  generated rooms and shifting
//   help_tips.cpp    choosing the tutorial tips for a room
//   room_play.cpp    the player's moves, played to rest (tools, solver, undo)
//   room_snapshot.cpp  snapshots of a room that moves can change
#include <array>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "data/location.h"
#include "data/room_pieces.h"
#include "engine/catalogue.h"
#include "engine/engine_host.h"
#include "engine/light_paths.h"
#include "engine/room_move.h"
#include "engine/room_pictures.h"
#include "engine/room_records.h"
#include "engine/room_snapshot.h"

class TEngine;
using TEnginePtr = std::shared_ptr<TEngine>;

class TEngine {
 public:
  static constexpr int kColumns = 14;  // with the border ring
  static constexpr int kRows = 12;
  static constexpr int kCellSize = 50;
  // Where the in-game screen shows the room: the offset every room in play
  // is built at (tools and the solver play at the same place).
  static constexpr int kPlayX = 6, kPlayY = 95;
  static constexpr int kTurnedOffset = 5;  // picture frames of an object turned by 90 degrees
  static constexpr float lightInc = 0.0005f;
  static constexpr int helpX1 = -40, helpY1 = 50, helpX2 = 400, helpY2 = 300;
  // Bounds that keep a trace finite whatever the layout.
  static constexpr int kMaxTraceSegments = TLightBounds::kMaxSegments;
  static constexpr int kMaxRayNesting = TLightBounds::kMaxNesting;

  TBlockCatalogue blkMaster;
  TObjectCatalogue objMaster;
  int xOffset = 0, yOffset = 0;
  TLocation location;
  std::string roomName, roomDescription;
  std::array<std::array<TBlockPtr, kRows>, kColumns> blk;  // [column][row]
  std::vector<TObjectPtr> obj;                             // slots 1..roomObjects
  int roomObjects = 0;
  int glyphCount = 0;
  int activeGlyphs = 0;
  float lightAlpha = 0.8f, lightAlphaInc = 0.0005f;
  std::vector<TChannelPtr> glyphCh;  // glyph sound channels, slots 1..glyphCount
  std::deque<TLightRay> lightList;
  std::list<TShadow> shadowList;
  std::list<TSpark> sparkList;
  std::array<TGrid, 20> gridTemplate;  // 1..19
  std::vector<TGridTile> gridEmitters;
  int clickedC = 0, clickedR = 0, clickedO = 0;
  int mouseC = 0, mouseR = 0;
  int showArrows = 0;
  int deselectArrows = 0;
  int objectsMoving = 0;
  // The game around the engine; tests and tools may put their own here.
  TEngineHostPtr host;
  // The pictures the room is drawn with and light is traced against.
  TRoomPictures pictures;
  // 1 while the pointer is over something drawn above the room (a tip box):
  // objects are then neither picked nor arrows lit.
  int pointerBlocked = 0;
  // Told of every move the player starts, just before it changes the room
  // (the in-game screen keeps its undo history and tips with it).
  std::function<void(const TRoomMove&)> onMoveStart;
  // The tips that apply to this room and have not been seen, made by
  // setHelpTips for the screen's tutorial.
  std::vector<THelpRequest> helpRequests;
  // What has been collected in this room so far (follows undo).
  TRoomTakings takings;

  TEngine();
  TEngine(const TEngine&) = delete;
  TEngine& operator=(const TEngine&) = delete;

  // ---- Room model (engine.cpp) ----
  static TEnginePtr create(const std::string& locationName);
  void setOffset(int x, int y);
  void setCoords();
  void createRoom(int index, float fog);
  void storeRoom();
  void setBlockFromMaster(int c, int r, int id);
  int addObject(int c, int r, int id);
  void deleteObject(int index);
  void setObjectInfo(int index, int c, int r, int id);
  void setObjectFromMaster(int index, int id, int makeNew);
  int isFloorTileObj(int c, int r) const;
  // Glyph cells in the grid as it stands now. glyphCount is only counted when
  // a room is built; the editor paints glyphs after that.
  int countGlyphs() const;
  int objDestructable(int id) const;

  // ---- Tutorial tips (help_tips.cpp) ----
  // Fills helpRequests with the unseen tips that apply to the live room.
  void setHelpTips();
  int getHelpPosX(int x) const { return x > helpX2 ? helpX1 : helpX2; }
  int getHelpPosY(int y) const { return y > helpY2 ? helpY1 : helpY2; }

  // ---- Shadows and fog (shadow_map.cpp) ----
  void createShadowMap(float fog);
  int castShadows(int c, int r, int unused = 0) const;
  int hasShadows(int c, int r) const;
  void addShadow(int code, int c, int r);

  // ---- Light (light.cpp) ----
  void createRays();
  // Glow of glyph number i (1..glyphCount) for this frame; part of the block pass.
  void updateGlyph(TBlock& glyph, int i);

  // ---- Movement (movement.cpp) ----
  int updateObjects();
  void drawArrows();
  // The push the pointer's arrow offers the selected object, if any.
  bool hoveredPush(TRoomMove& move) const;
  // The movement arrow for a push (dx, dy), drawn in cell (c, r).
  void drawArrow(int c, int r, int dx, int dy, bool highlighted) const;
  // A faint copy of object slot's picture in cell (c, r): where a push will
  // leave it.
  void drawGhost(int slot, int c, int r, float alpha) const;
  void setObjTarget(int index);
  int isEmpty(int c, int r, int treasuresBlock, int floorTilesBlock) const;
  // The player's view of the rules: the object a left click on the cell
  // picks (0 for none), whether it can be pushed (dx, dy) — an arrow is
  // offered — and whether a right click there turns a mirror.
  int pickObjectAt(int c, int r) const;
  bool isPickable(const TObject& o) const;
  // The object stands alone on an open pit: it falls in (as it arrives, or
  // when the floor that held it crumbles).
  bool pitTakes(const TObject& o) const;
  bool canPush(int c, int r, int dx, int dy) const;
  // Whether the first cell of a push (dx, dy) from (c, r) takes the object
  // there: the arrows' rule, which the push itself follows.
  bool pushEnters(int c, int r, int dx, int dy) const;
  bool canTurnAt(int c, int r) const;
  // A right click turns a mirror between its two angles, 0 and 90.
  static void turnMirror(TObject& o);
  // The item kind collected in a frame added to takings, as the game scores it.
  void addTakings(int itemID);
  // What one item of a kind is worth: a map fragment, a life (an ankh), or
  // the money the catalogue gives that kind of treasure.
  static TRoomTakings itemWorth(const TObjectCatalogue& catalogue, int itemID);

  // ---- Snapshots (room_snapshot.cpp) ----
  TRoomSnapshot takeSnapshot() const;
  void restoreSnapshot(const TRoomSnapshot& snapshot);

  // ---- Drawing (room_render.cpp) ----
  // Every pass of one in-game frame, in the game's order (the object update
  // follows separately, after all drawing).
  void drawRoom();
  void drawGrid();
  void drawBlocks(int lightKey, int trackMouse);
  void drawLight();
  void drawObjects(int solidKey);
  void drawObjectShadows();
  void drawShadowMap();

  // ---- Random rooms and shifting (random_room.cpp) ----
  void shiftMap(int dx, int dy, float fog);
  void randomRoom(int ignored, float fog);
  void insertTemplate(int type, int c, int r, int rotation);
  int getAdjacentWalls(int c, int r) const;
  int getAdjacentLightable(int c, int r, int horizontal, int vertical) const;

  // ---- Helpers ----
  // f(c, r) for every emitter of the room, row by row.
  template <class F>
  void forEachEmitter(F f) const {
    for (int r = 1; r <= 10; ++r)
      for (int c = 1; c <= 12; ++c)
        if (blk[c][r] && isEmitter(*blk[c][r])) f(c, r);
  }
  // The cell at (c, r), or null outside the grid or where there is no block.
  TBlock* cell(int c, int r) const {
    if (c < 0 || c >= kColumns || r < 0 || r >= kRows) return nullptr;
    return blk[c][r].get();
  }
  float cellFog(int c, int r) const {
    const TBlock* b = cell(c, r);
    return b ? b->fog : 0;
  }
  TObject* object(int index) const {
    if (index < 1 || index > roomObjects || index >= static_cast<int>(obj.size())) return nullptr;
    return obj[index].get();
  }
  float centreX(int c) const { return static_cast<float>(c * kCellSize + xOffset - 25); }
  float centreY(int r) const { return static_cast<float>(r * kCellSize + yOffset - 25); }
  static bool isInterior(int c, int r) { return c >= 1 && c <= 12 && r >= 1 && r <= 10; }
  static bool isEmitter(const TBlock& b) { return b.er != 0 || b.eg != 0 || b.eb != 0; }
  static bool isGlyph(const TBlock& b) { return b.gr != 0 || b.gg != 0 || b.gb != 0; }
  static bool isMirror(const TObject& o) { return o.rr != 0 || o.rg != 0 || o.rb != 0; }
  static bool isPrism(const TObject& o) { return o.pr != 0 || o.pg != 0 || o.pb != 0; }
  static bool isDecayed(const TObject& o) { return o.dr != 0 || o.dg != 0 || o.db != 0; }
  // Segments that the bounds of a trace stopped in the last trace (0 normally).
  int traceCutOff() const { return traceCutOff_; }

 private:
  void loadTemplates();
  void drawBlock(TBlock& b, int frameIndex);
  void drawObject(TObject& o, int frameOffset, float fog, int shadowPass);
  void placeStoredObjects(const TRoom& room);

  int segmentCounter_ = 0;
  int traceCutOff_ = 0;
};
