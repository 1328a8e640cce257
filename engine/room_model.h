#pragma once
// A room at rest as the solver sees it: cells and pieces on the grid, built
// from a live room. It plays by the live room's own rules: the free-cell
// and pit rules and a slide's arrivals (cell_rules.h) and the light tracer
// (light_paths.h) run over its compact positions, with a table per object
// shape of where a ray meets it in place of the pictures.
//
// It says so where it cannot stand for the room: a shape that reaches into a
// neighbouring cell, more pieces than a compact position holds, a room not at
// rest. And a single move says so when its outcome could depend on timing the
// model does not follow (light crossing a decayed wall while a piece is still
// sliding); the solver then plays that move on the engine itself.
#include <array>
#include <cstdint>
#include <utility>
#include <string>
#include <vector>

#include "engine/cell_rules.h"
#include "engine/engine.h"

// One position, packed: each piece's cell and state bits, then the treasures,
// crumbling floors and decayed walls still there. Never more than 32 bytes.
struct TModelKey {
  std::array<uint8_t, 32> bytes{};
  bool operator==(const TModelKey&) const = default;
};

class TRoomModel {
 public:
  static constexpr int kCells = 120;       // the 12 x 10 room
  static constexpr int kMaxPieces = 16;     // movable pieces
  static constexpr int kMaxToggles = 128;   // treasures, crumbling floors, decayed walls

  // The unpacked position.
  struct TState {
    std::array<uint8_t, kMaxPieces> cell{};  // 0..119, row by row
    uint16_t fallen = 0;                     // lies in a pit: not movable, not solid
    uint16_t gone = 0;                       // a crate that took a treasure
    uint16_t turned = 0;                     // a mirror at angle 90
    std::array<uint64_t, 2> present{};       // toggles still in the room
    TRoomTakings takings;                    // not part of the key
  };

  enum class TStep { done, refused, uncertain };

  // A room at one moment, for the light: the solid object in each cell.
  struct TSolid {
    int8_t shape = -1;  // index into shapes_; -1 for no solid object
    uint8_t prism = 0, mirror = 0, decay = 0;  // colour masks
    bool turned = false;
    int16_t still = -1;  // the still object (decayed walls)
    int16_t slot = 0;    // the engine slot: the lowest in a cell is hit first
  };
  using TSolidMap = std::array<TSolid, kCells>;
  using TFogMap = std::array<bool, kCells>;

  // The room must be at rest. ok() tells whether the model can stand for it.
  explicit TRoomModel(const TEngine& room);
  bool ok() const { return problem_.empty(); }
  const std::string& problem() const { return problem_; }

  const TState& initial() const { return initial_; }
  int pieceCount() const { return static_cast<int>(pieces_.size()); }
  int keyBytes() const { return keyBytes_; }
  TModelKey pack(const TState& s) const;
  TState unpack(const TModelKey& key) const;

  // The same key as 64-bit words, the form the search stores: keyWords()
  // words, the last with at least one bit to spare (so that a word of all
  // ones never is a key's last word).
  static constexpr int kMaxKeyWords = 5;
  int keyWords() const { return keyBits_ / 64 + 1; }
  void packWords(const TState& s, uint64_t* words) const;
  TState unpackWords(const uint64_t* words) const;

  // The player's moves in the arrows' order (as legalMoves gives them).
  void moves(const TState& s, std::vector<TRoomMove>& out) const;
  // Plays one move to rest. uncertain: the engine must decide this one.
  TStep apply(const TState& from, const TRoomMove& move, TState& to) const;

  // Every move of moves(), each played as apply plays it (none refused).
  // Slides over plain floor are worked out from row and column masks in a
  // few instructions; anything else goes through apply.
  struct TChild {
    TRoomMove move;
    TStep step = TStep::done;
    TState next;
  };
  void expand(const TState& s, std::vector<TChild>& out) const;
  // Every glyph met by light of its colour.
  bool solved(const TState& s) const;
  // No solution can remain: a glyph wants a colour no gem left can make,
  // or every way light could enter a glyph is shut by a piece that can
  // never move again.
  bool hopeless(const TState& s) const;
  // Bit i set when glyph i (row by row) is lit.
  uint64_t litGlyphs(const TState& s) const;

  // Writes the position into a room cloned from the one the model was built
  // from, and reads one back from such a room at rest.
  void toEngine(const TState& s, TEngine& room) const;
  bool fromEngine(const TEngine& room, TState& s) const;

  // Identical pieces are interchangeable: orders them so that equal rooms
  // get equal keys.
  void canonicalise(TState& s) const;
  // The same after a move of piece k alone.
  void canonicalisePiece(TState& s, int k) const;

  std::vector<std::string> mechanics() const;

 private:
  struct TPiece {
    int slot = 0;        // engine slot in the room built from
    int frame = 0;       // object id
    int group = 0;       // pieces of one group are interchangeable
    bool crate = false;
    bool mirror = false;
    int prism = 0;       // colour mask a gem lets through, 0 when none
    int mirrorMask = 0;
    int keyAt = 0;       // where its fields start in a key, in bits
    int stopsLight = 0;  // bit per direction (0 right .. 3 up): no ray gets past it that way
  };
  // An object that never moves: a treasure, a crumbling floor, a decayed
  // wall (toggles, which can go), or anything else lying still for good.
  struct TStill {
    int slot = 0;
    int frame = 0;
    int cell = 0;
    int toggle = -1;     // bit in present, -1 when it never goes
    bool solid = false;
    bool floorTile = false;
    bool treasure = false;
    bool decayed = false;
    int decayMask = 0;
    int itemID = 0;
    int score = 0;
  };
  struct TCellInfo {
    bool obj = false, light = false, pit = false;
    int emitter = 0;  // colour mask
    int glyph = 0;    // colour mask
    int glyphIndex = -1;
    std::vector<int> stills;  // indices into stills_, slot order
  };
  // Where a shape stops a ray: for each direction (0 right, 1 left, 2 down,
  // 3 up) and line offset -25..25 from the cell's centre line, the offset
  // along the ray of the first pixel met, or kMiss.
  static constexpr int kMiss = 127;
  using THitTable = std::array<std::array<int8_t, 51>, 4>;


  static TCellThing thingOf(const TStill& s) { return {s.floorTile, s.treasure, s.decayed}; }
  bool pieceActive(const TState& s, int k) const { return ((s.fallen | s.gone) >> k & 1) == 0; }
  bool stillPresent(const TState& s, int i) const {
    const int t = stills_[i].toggle;
    return t < 0 || (s.present[t >> 6] >> (t & 63) & 1) != 0;
  }
  void clearToggle(TState& s, int i) const {
    const int t = stills_[i].toggle;
    if (t >= 0) s.present[t >> 6] &= ~(uint64_t{1} << (t & 63));
  }
  int emptyCell(const TState& s, int cell, bool treasuresBlock, bool floorsBlock) const;
  int emptyAt(const TState& s, int c, int r, bool treasuresBlock, bool floorsBlock) const;
  int pickableAt(const TState& s, const TFogMap& fog, int cell) const;  // piece index, -1 none
  void fogMap(const TState& s, TFogMap& fog) const;
  // The solid objects of a position in a map that is empty between uses
  // (one per thread): placed here, cleared again by clearSolidMap.
  TSolidMap& solidMap(const TState& s) const;
  void clearSolidMap(TSolidMap& map) const;
  // Traces the light; sets lit glyph bits and lit decayed walls (still
  // indices). False when the trace ran beyond the engine's own bounds.
  // probed, when given, gets a bit for every cell a ray looked into for an
  // object (the only cells where an object can change the light).
  using TCellSet = std::array<uint64_t, 2>;
  bool trace(const TSolidMap& map, uint64_t& glyphs, std::vector<int>* walls, TCellSet* probed = nullptr) const;
  class TModelLight;     // the tracer's view of a position
  struct TModelArrival;  // a slide's arrivals in a position
  struct TPositionFog;   // the fog's flood over a position
  // The light of a position with one piece lifted out of the room: the
  // walls it lights and the cells its rays look into for an object. With
  // the piece on a cell no ray looks into, the light is just the same.
  struct TLiftedLight {
    bool traced = false;  // within the engine's own bounds
    TCellSet probed{};
    std::vector<int> walls;
    bool looksInto(int cell) const { return (probed[cell >> 6] >> (cell & 63) & 1) != 0; }
  };
  const TLiftedLight& liftedLight(const TState& before, int piece) const;
  bool wallsStanding(const TState& s) const;
  bool lightKnownAfter(const TState& from, int k, const TState& to) const;
  // What the walls make of a slide of piece k that ended in endCell
  // (path: the cells crossed before it), as apply finishes a slide.
  TStep wallsAfterSlide(const TState& from, int k, const std::vector<int>& path, int endCell, int dir,
                        TState& to) const;
  // Clears the walls light of their colour rests on, until none is lit.
  // False when the light ran beyond the engine's own bounds.
  bool explodeLitWalls(TState& s) const;
  bool transientTrouble(const TState& before, int piece, const std::vector<int>& path, int endCell, int dir,
                        const TState& after) const;
  int shapeOf(int frame, bool turned) const;
  bool buildShapes(const TEngine& room);
  void sortGroup(TState& s, int first, int last) const;
  bool coloursLost(const TState& s) const;
  bool glyphWalledIn(const TState& s) const;
  void buildGlyphEntrances();
  void buildSlideMasks();
  // One push worked out from the masks; false when it needs apply.
  bool quickSlide(const TState& s, int k, int cell, int dir, const uint16_t* occRows, const uint16_t* occColumns,
                  std::vector<TChild>& out) const;

  std::string problem_;
  std::vector<TPiece> pieces_;
  std::vector<TStill> stills_;
  std::array<TCellInfo, kCells> cells_;
  std::vector<THitTable> shapes_;
  std::array<int, 32> shapeOfFrame_{};  // picture frame -> index into shapes_, -1 none
  std::vector<int> groupStart_;   // first piece of each group (pieces are sorted by group)
  int glyphCount_ = 0;
  std::vector<int> emitterCells_;
  // For each glyph, the cells light must cross last to reach it, with the
  // direction it then travels (0 right, 1 left, 2 down, 3 up).
  struct TEntrance {
    int cell = 0, dir = 0;
  };
  std::vector<std::vector<TEntrance>> glyphEntrances_;

  std::vector<int> glyphColours_;  // the colours glyphs want, each once
  bool coloursFixed_ = true;       // no gem or mirror can ever leave play
  bool hasPits_ = false, hasWalls_ = false;
  bool fogStatic_ = true;
  TFogMap staticFog_{};
  int keyBits_ = 0, keyBytes_ = 0;
  // Per row (bit c - 1 for column c) and per column (bit r - 1 for row r):
  // cells nothing enters, and cells whose rules need apply (pits, and cells
  // holding treasures, crumbling floors or walls).
  std::array<uint16_t, 10> blockedRows_{}, specialRows_{};
  std::array<uint16_t, 12> blockedColumns_{}, specialColumns_{};
  int toggles_ = 0;
  std::array<uint64_t, 2> wallToggles_{};  // the toggles that are decayed walls
  std::vector<int> wallStills_;            // and the decayed walls among the stills
  uint64_t serial_ = 0;                    // tells models apart in per-thread caches
  TState initial_;
  std::vector<TObject> baseObjects_;  // the room's objects when built
  std::array<TRoomTakings, 16> itemWorth_{};  // by item kind, as the engine scores it
};
