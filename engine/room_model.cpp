// The solver's model of a room: building it from a live room, positions and
// their keys, the player's moves and slides. Light is in model_light.cpp.
#include "engine/room_model.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "engine/cell_rules.h"
#include "engine/room_play.h"

namespace {

constexpr int kSteps[4][2] = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}};  // the arrows' order

int cellIndex(int c, int r) { return (r - 1) * 12 + (c - 1); }
int cellC(int k) { return k % 12 + 1; }
int cellR(int k) { return k / 12 + 1; }

int colourMask(int r, int g, int b) { return (r != 0 ? 1 : 0) | (g != 0 ? 2 : 0) | (b != 0 ? 4 : 0); }
bool plainChannels(int r, int g, int b) {
  auto plain = [](int v) { return v == 0 || v == 255; };
  return plain(r) && plain(g) && plain(b);
}

// Writes and reads a position as a run of bit fields in 64-bit words.
class TBits {
 public:
  explicit TBits(uint64_t* words) : words_(words) {}
  void put(uint64_t value, int bits) {
    const int shift = at_ & 63;
    words_[at_ >> 6] |= value << shift;
    if (shift + bits > 64) words_[(at_ >> 6) + 1] |= value >> (64 - shift);
    at_ += bits;
  }
  void skip(int bits) { at_ += bits; }
  uint32_t get(int bits) {
    const int shift = at_ & 63;
    uint64_t v = words_[at_ >> 6] >> shift;
    if (shift + bits > 64) v |= words_[(at_ >> 6) + 1] << (64 - shift);
    at_ += bits;
    return static_cast<uint32_t>(v & ((uint64_t{1} << bits) - 1));
  }

 private:
  uint64_t* words_;
  int at_ = 0;
};

}  // namespace

TRoomModel::TRoomModel(const TEngine& room) {
  static std::atomic<uint64_t> models{0};
  serial_ = ++models;
  // The cells.
  for (int k = 0; k < kCells; ++k) {
    const TBlock* b = room.cell(cellC(k), cellR(k));
    TCellInfo& info = cells_[k];
    if (!b) continue;
    if (!plainChannels(b->er, b->eg, b->eb) || !plainChannels(b->gr, b->gg, b->gb)) {
      problem_ = "a light colour other than full channels";
      return;
    }
    info.obj = b->obj != 0;
    info.light = b->light != 0;
    info.pit = b->pit != 0;
    info.emitter = colourMask(b->er, b->eg, b->eb);
    info.glyph = colourMask(b->gr, b->gg, b->gb);
    if (info.glyph != 0) info.glyphIndex = glyphCount_++;
    if (info.emitter != 0) emitterCells_.push_back(k);
    if (info.glyph != 0 && std::find(glyphColours_.begin(), glyphColours_.end(), info.glyph) == glyphColours_.end())
      glyphColours_.push_back(info.glyph);
    hasPits_ = hasPits_ || info.pit;
  }
  if (glyphCount_ > 64) {
    problem_ = "more than 64 glyphs";
    return;
  }

  if (!roomAtRest(room)) {
    problem_ = "the room is not at rest";
    return;
  }
  for (int item = 1; item < static_cast<int>(itemWorth_.size()); ++item)
    itemWorth_[item] = TEngine::itemWorth(room.objMaster, item);

  // The objects: movable pieces, and everything else lying still.
  std::vector<int> pieceSlots;
  for (int i = 1; i <= room.roomObjects; ++i) {
    const TObject* o = room.object(i);
    if (!o || o->frame == 0) continue;
    if (o->alpha < 1) continue;  // fading out: gone by the time anything else happens
    if (!TEngine::isInterior(o->c, o->r) || !isObjectId(o->frame) ||
        !plainChannels(o->pr, o->pg, o->pb) || !plainChannels(o->rr, o->rg, o->rb) ||
        !plainChannels(o->dr, o->dg, o->db)) {
      problem_ = "an object the model does not know";
      return;
    }
    if (o->movable != 0) {
      if (o->floorTile != 0 || o->score != 0 || o->solid == 0 || TEngine::isDecayed(*o)) {
        problem_ = "a movable object that is not a plain piece";
        return;
      }
      pieceSlots.push_back(i);
      continue;
    }
    TStill s;
    s.slot = i;
    s.frame = o->frame;
    s.cell = cellIndex(o->c, o->r);
    s.solid = o->solid != 0;
    s.floorTile = o->floorTile != 0;
    s.treasure = o->score != 0;
    s.decayed = TEngine::isDecayed(*o);
    s.decayMask = colourMask(o->dr, o->dg, o->db);
    s.itemID = o->itemID;
    s.score = o->score;
    if ((s.solid && (TEngine::isMirror(*o) || TEngine::isPrism(*o)))) {
      problem_ = "a mirror or gem that cannot move";
      return;
    }
    if (s.treasure || s.floorTile || s.decayed) s.toggle = toggles_++;
    if (s.decayed && s.toggle < kMaxToggles) wallToggles_[s.toggle >> 6] |= uint64_t{1} << (s.toggle & 63);
    if (s.decayed) wallStills_.push_back(static_cast<int>(stills_.size()));
    hasWalls_ = hasWalls_ || s.decayed;
    cells_[s.cell].stills.push_back(static_cast<int>(stills_.size()));
    stills_.push_back(s);
  }
  if (toggles_ > kMaxToggles) {
    problem_ = "more treasures, floors and walls than a position holds";
    return;
  }
  if (static_cast<int>(pieceSlots.size()) > kMaxPieces) {
    problem_ = "more than " + std::to_string(kMaxPieces) + " movable pieces";
    return;
  }

  // Pieces sorted into groups of identical ones.
  std::vector<TPiece> pieces;
  for (int slot : pieceSlots) {
    const TObject& o = *room.object(slot);
    TPiece p;
    p.slot = slot;
    p.frame = o.frame;
    p.crate = o.itemID == kItemCrate;
    p.mirror = TEngine::isMirror(o);
    p.prism = TEngine::isPrism(o) ? colourMask(o.pr, o.pg, o.pb) : 0;
    p.mirrorMask = p.mirror ? colourMask(o.rr, o.rg, o.rb) : 0;
    pieces.push_back(p);
  }
  std::stable_sort(pieces.begin(), pieces.end(), [](const TPiece& a, const TPiece& b) { return a.frame < b.frame; });
  for (size_t k = 0; k < pieces.size(); ++k) {
    if (k == 0 || pieces[k].frame != pieces[k - 1].frame) groupStart_.push_back(static_cast<int>(k));
    pieces[k].group = static_cast<int>(groupStart_.size()) - 1;
  }
  groupStart_.push_back(static_cast<int>(pieces.size()));
  pieces_ = pieces;
  // Gems and mirrors leave play only by falling into a pit (crates go too,
  // but colour nothing).
  coloursFixed_ = !hasPits_;

  // The key's layout: per piece its cell and the state bits it can have.
  keyBits_ = 0;
  for (TPiece& p : pieces_) {
    p.keyAt = keyBits_;
    keyBits_ += 7 + (hasPits_ ? 1 : 0) + (p.crate ? 1 : 0) + (p.mirror ? 1 : 0);
  }
  keyBits_ += toggles_;
  if (keyBits_ > 256) {
    problem_ = "a position of this room needs more than 32 bytes";
    return;
  }
  keyBytes_ = (keyBits_ + 7) / 8;

  if (!buildShapes(room)) return;
  buildSlideMasks();
  buildGlyphEntrances();

  // The starting position, as the room stands.
  for (int k = 0; k < pieceCount(); ++k) {
    const TObject& o = *room.object(pieces_[k].slot);
    initial_.cell[k] = static_cast<uint8_t>(cellIndex(o.c, o.r));
    if (o.angle != 0) initial_.turned |= static_cast<uint16_t>(1u << k);
  }
  for (const TStill& s : stills_)
    if (s.toggle >= 0) initial_.present[s.toggle >> 6] |= uint64_t{1} << (s.toggle & 63);
  initial_.takings = room.takings;
  canonicalise(initial_);

  // The fog: without decayed walls it never changes. The model's flood must
  // agree with the room's own fog, or the room is not what the model thinks.
  fogStatic_ = false;
  fogMap(initial_, staticFog_);
  fogStatic_ = !hasWalls_;
  for (int k = 0; k < kCells; ++k)
    if (staticFog_[k] != (room.cellFog(cellC(k), cellR(k)) >= 1) && cells_[k].obj) {
      problem_ = "the room's fog is not the one its emitters leave";
      return;
    }

  baseObjects_.clear();
  for (int i = 1; i <= room.roomObjects; ++i) baseObjects_.push_back(room.obj[i] ? *room.obj[i] : TObject());
}

void TRoomModel::packWords(const TState& s, uint64_t* words) const {
  std::fill_n(words, keyWords(), 0);
  for (int k = 0; k < pieceCount(); ++k) {
    // The cell, then fallen (rooms with pits), gone (crates), turned (mirrors).
    const TPiece& p = pieces_[k];
    uint64_t v = s.cell[k];
    int width = 7;
    if (hasPits_) v |= static_cast<uint64_t>(s.fallen >> k & 1u) << width++;
    if (p.crate) v |= static_cast<uint64_t>(s.gone >> k & 1u) << width++;
    if (p.mirror) v |= static_cast<uint64_t>(s.turned >> k & 1u) << width++;
    const int at = p.keyAt, shift = at & 63;
    words[at >> 6] |= v << shift;
    if (shift + width > 64) words[(at >> 6) + 1] |= v >> (64 - shift);
  }
  if (toggles_ == 0) return;
  TBits bits(words);
  bits.skip(keyBits_ - toggles_);
  for (int t = 0; t < toggles_; t += 32) {
    const int n = std::min(32, toggles_ - t);
    bits.put(s.present[t >> 6] >> (t & 63) & ((uint64_t{1} << n) - 1), n);
  }
}

TRoomModel::TState TRoomModel::unpackWords(const uint64_t* words) const {
  TState s;
  uint64_t copy[kMaxKeyWords] = {};
  std::copy_n(words, keyWords(), copy);
  TBits bits(copy);
  for (int k = 0; k < pieceCount(); ++k) {
    s.cell[k] = static_cast<uint8_t>(bits.get(7));
    if (hasPits_ && bits.get(1)) s.fallen |= static_cast<uint16_t>(1u << k);
    if (pieces_[k].crate && bits.get(1)) s.gone |= static_cast<uint16_t>(1u << k);
    if (pieces_[k].mirror && bits.get(1)) s.turned |= static_cast<uint16_t>(1u << k);
  }
  for (int t = 0; t < toggles_; ++t)
    if (bits.get(1)) s.present[t >> 6] |= uint64_t{1} << (t & 63);
  return s;
}

// The byte form is the words' bytes, lowest first.
TModelKey TRoomModel::pack(const TState& s) const {
  uint64_t words[kMaxKeyWords];
  packWords(s, words);
  TModelKey key;
  for (int i = 0; i < keyBytes_; ++i) key.bytes[i] = static_cast<uint8_t>(words[i >> 3] >> (8 * (i & 7)));
  return key;
}

TRoomModel::TState TRoomModel::unpack(const TModelKey& key) const {
  uint64_t words[kMaxKeyWords] = {};
  for (int i = 0; i < keyBytes_; ++i) words[i >> 3] |= static_cast<uint64_t>(key.bytes[i]) << (8 * (i & 7));
  return unpackWords(words);
}

void TRoomModel::canonicalise(TState& s) const {
  for (size_t g = 0; g + 1 < groupStart_.size(); ++g) sortGroup(s, groupStart_[g], groupStart_[g + 1]);
}

void TRoomModel::canonicalisePiece(TState& s, int k) const {
  // The rest of the group is in order: piece k moves down or up past the
  // pieces it now sorts before or after.
  const int g = pieces_[k].group, first = groupStart_[g], last = groupStart_[g + 1];
  auto record = [&](int i) {
    return static_cast<uint32_t>(s.cell[i]) | (s.fallen >> i & 1u) << 8 | (s.gone >> i & 1u) << 9 |
           (s.turned >> i & 1u) << 10;
  };
  auto swapWithNext = [&](int i) {
    std::swap(s.cell[i], s.cell[i + 1]);
    for (uint16_t* bits : {&s.fallen, &s.gone, &s.turned}) {
      const unsigned pair = *bits >> i & 3u;
      if (pair == 1 || pair == 2) *bits = static_cast<uint16_t>(*bits ^ (3u << i));
    }
  };
  while (k > first && record(k - 1) > record(k)) swapWithNext(--k);
  while (k + 1 < last && record(k + 1) < record(k)) swapWithNext(k++);
}

// Pieces first..last-1 ordered by cell, then their state bits. Groups are
// a handful of pieces, so a straight insertion sort.
void TRoomModel::sortGroup(TState& s, int first, int last) const {
  if (last - first < 2) return;
  uint32_t records[kMaxPieces];
  for (int k = first; k < last; ++k) {
    const uint32_t v = static_cast<uint32_t>(s.cell[k]) | (s.fallen >> k & 1u) << 8 | (s.gone >> k & 1u) << 9 |
                       (s.turned >> k & 1u) << 10;
    int at = k - first;
    while (at > 0 && records[at - 1] > v) {
      records[at] = records[at - 1];
      --at;
    }
    records[at] = v;
  }
  for (int k = first; k < last; ++k) {
    const uint32_t v = records[k - first];
    const uint16_t bit = static_cast<uint16_t>(1u << k);
    s.cell[k] = static_cast<uint8_t>(v & 0xff);
    s.fallen = static_cast<uint16_t>((v >> 8 & 1) ? s.fallen | bit : s.fallen & ~bit);
    s.gone = static_cast<uint16_t>((v >> 9 & 1) ? s.gone | bit : s.gone & ~bit);
    s.turned = static_cast<uint16_t>((v >> 10 & 1) ? s.turned | bit : s.turned & ~bit);
  }
}

// The free-cell rule over a position: its pieces, then its stills.
int TRoomModel::emptyCell(const TState& s, int cell, bool treasuresBlock, bool floorsBlock) const {
  const TCellInfo& info = cells_[cell];
  TFreeCellTally tally(treasuresBlock, floorsBlock);
  for (int k = 0; k < pieceCount(); ++k)
    if (s.cell[k] == cell && !(s.gone >> k & 1)) tally.add(TCellThing{});
  for (int i : info.stills)
    if (stillPresent(s, i)) tally.add(thingOf(stills_[i]));
  return tally.admits(info.obj, info.pit) ? 1 : 0;
}

int TRoomModel::emptyAt(const TState& s, int c, int r, bool treasuresBlock, bool floorsBlock) const {
  if (!TEngine::isInterior(c, r)) return 0;
  return emptyCell(s, cellIndex(c, r), treasuresBlock, floorsBlock);
}

// A movable piece at rest in the cell, out of the fog and not lying alone in
// a pit (fallen in, or about to once its crumbling floor goes).
int TRoomModel::pickableAt(const TState& s, const TFogMap& fog, int cell) const {
  int found = -1;
  for (int k = 0; k < pieceCount(); ++k)
    if (s.cell[k] == cell && pieceActive(s, k)) found = k;
  if (found < 0 || fog[cell]) return -1;
  if (cells_[cell].pit) {
    TPitCompany company;
    for (int k = 0; k < pieceCount(); ++k)
      if (s.cell[k] == cell && !(s.gone >> k & 1)) company.add(TCellThing{});
    for (int i : cells_[cell].stills)
      if (stillPresent(s, i)) company.add(thingOf(stills_[i]));
    if (company.liesAlone()) return -1;
  }
  return found;
}

// A position's fog: the flood stops at standing decayed walls.
struct TRoomModel::TPositionFog {
  const TRoomModel& model;
  const std::array<bool, kCells>& wall;
  std::array<bool, kCells>& reached;
  template <class F>
  void forEachEmitter(F f) const {
    for (int k = 0; k < kCells; ++k)
      if (model.cells_[k].emitter != 0) f(cellC(k), cellR(k));
  }
  bool floodsInto(int c, int r) const {
    if (!TEngine::isInterior(c, r)) return false;
    const int n = cellIndex(c, r);
    return !reached[n] && !wall[n] && model.cells_[n].light;
  }
  void lift(int c, int r) {
    if (TEngine::isInterior(c, r)) reached[cellIndex(c, r)] = true;
  }
};

// Fog lies where no emitter's light could flood, through cells that let
// light pass, without crossing a decayed wall.
void TRoomModel::fogMap(const TState& s, TFogMap& fog) const {
  if (fogStatic_) {
    fog = staticFog_;
    return;
  }
  // The fog depends only on which walls stand, and all the moves from one
  // position ask about the same walls: the last answer is kept.
  struct TLastFog {
    uint64_t model = 0;
    std::array<uint64_t, 2> walls{};
    TFogMap fog{};
  };
  thread_local TLastFog last;
  const std::array<uint64_t, 2> standing = {s.present[0] & wallToggles_[0], s.present[1] & wallToggles_[1]};
  if (last.model == serial_ && last.walls == standing) {
    fog = last.fog;
    return;
  }
  std::array<bool, kCells> wall{}, reached{};
  for (size_t i = 0; i < stills_.size(); ++i)
    if (stills_[i].decayed && stillPresent(s, static_cast<int>(i))) wall[stills_[i].cell] = true;
  TPositionFog position{*this, wall, reached};
  liftFogFromEmitters(position);
  for (int k = 0; k < kCells; ++k) fog[k] = cells_[k].light && !wall[k] && !reached[k];
  last = {serial_, standing, fog};
}

void TRoomModel::moves(const TState& s, std::vector<TRoomMove>& out) const {
  out.clear();
  TFogMap fog;
  fogMap(s, fog);
  // The cells that hold a piece, row by row as the arrows are offered.
  int cells[kMaxPieces], n = 0;
  for (int k = 0; k < pieceCount(); ++k)
    if (pieceActive(s, k)) cells[n++] = s.cell[k];
  std::sort(cells, cells + n);
  n = static_cast<int>(std::unique(cells, cells + n) - cells);
  for (int i = 0; i < n; ++i) {
    const int cell = cells[i];
    const int k = pickableAt(s, fog, cell);
    if (k < 0) continue;
    const int c = cellC(cell), r = cellR(cell);
    const bool treasuresBlock = !pieces_[k].crate;
    for (const auto& d : kSteps)
      if (emptyAt(s, c + d[0], r + d[1], treasuresBlock, false)) out.push_back({c, r, d[0], d[1], false});
    if (pieces_[k].mirror) out.push_back({c, r, 0, 0, true});
  }
}

// A position's side of a sliding piece's arrival at a cell's centre.
struct TRoomModel::TModelArrival {
  const TRoomModel& model;
  TState& to;
  int piece;
  std::vector<int>& crumbling;  // the floors set crumbling, cleared once the slide ends
  int& lastItem;                // the item kind a crate took
  int c = 0, r = 0, dx = 0, dy = 0;

  int cell() const { return cellIndex(c, r); }
  bool pitOpenHere() const { return model.cells_[cell()].pit && model.emptyCell(to, cell(), true, true); }
  bool isCrate() const { return model.pieces_[piece].crate; }
  bool takeTreasures() {
    bool taken = false;
    for (int i : model.cells_[cell()].stills)
      if (model.stillPresent(to, i) && model.stills_[i].treasure) {
        lastItem = model.stills_[i].itemID;
        model.clearToggle(to, i);
        taken = true;
      }
    if (taken) to.gone |= static_cast<uint16_t>(1u << piece);
    return taken;
  }
  void startCrumbling() {
    for (int i : model.cells_[cell()].stills)
      if (model.stillPresent(to, i) && model.stills_[i].floorTile) {
        crumbling.push_back(i);
        return;
      }
  }
  bool nextAdmits(bool treasuresBlock) const { return model.emptyAt(to, c + dx, r + dy, treasuresBlock, false); }
};

TRoomModel::TStep TRoomModel::apply(const TState& from, const TRoomMove& move, TState& to) const {
  if (!TEngine::isInterior(move.c, move.r)) return TStep::refused;
  const int start = cellIndex(move.c, move.r);
  TFogMap fog;
  fogMap(from, fog);
  const int k = pickableAt(from, fog, start);
  if (k < 0) return TStep::refused;
  to = from;
  if (move.turn) {
    if (!pieces_[k].mirror) return TStep::refused;
    to.turned ^= static_cast<uint16_t>(1u << k);
    if (!lightKnownAfter(from, k, to) && !explodeLitWalls(to)) return TStep::uncertain;
    canonicalise(to);
    return TStep::done;
  }
  const bool crate = pieces_[k].crate;
  if (std::abs(move.dx) + std::abs(move.dy) != 1 || !emptyAt(from, move.c + move.dx, move.r + move.dy, !crate, false))
    return TStep::refused;

  // The slide, one arrival after another.
  const uint16_t bit = static_cast<uint16_t>(1u << k);
  // Cells passed through (the end excluded) and floors set crumbling; kept
  // per thread so that a move costs no allocation.
  thread_local std::vector<int> path, crumbling;
  path.clear();
  crumbling.clear();
  int c = move.c, r = move.r;
  int lastItem = 0;
  TModelArrival arrival{*this, to, k, crumbling, lastItem};
  for (;;) {
    c += move.dx;
    r += move.dy;
    const int cell = cellIndex(c, r);
    to.cell[k] = static_cast<uint8_t>(cell);
    arrival.c = c, arrival.r = r, arrival.dx = move.dx, arrival.dy = move.dy;
    const TArrival outcome = arriveAtCell(arrival);
    if (outcome == TArrival::fellIn) to.fallen |= bit;  // the first object into a pit falls in
    if (outcome != TArrival::goesOn) break;
    path.push_back(cell);
  }
  const int endCell = to.cell[k];
  for (int i : crumbling) clearToggle(to, i);
  // Left alone on a pit whose floor has crumbled, it falls in.
  if (pieceActive(to, k) && arrival.pitOpenHere()) to.fallen |= bit;
  if (lastItem > 0 && lastItem < static_cast<int>(itemWorth_.size())) to.takings += itemWorth_[lastItem];
  if (to.gone & bit) to.cell[k] = 0;  // a crate that went keeps no cell
  return wallsAfterSlide(from, k, path, endCell, move.dx != 0 ? (move.dx > 0 ? 0 : 1) : (move.dy > 0 ? 2 : 3), to);
}

// Light on a wall where the piece came to rest: when nothing but the
// piece changed and no ray of the light with it lifted out looks into its
// cell, that light is the light now, known already, and it lights no wall.
bool TRoomModel::lightKnownAfter(const TState& from, int k, const TState& to) const {
  if (!hasWalls_ || !wallsStanding(from)) return false;
  if (to.present != from.present || ((to.fallen | to.gone) >> k & 1) != 0) return false;
  const TLiftedLight& lifted = liftedLight(from, k);
  return lifted.traced && !lifted.looksInto(to.cell[k]) && lifted.walls.empty();
}

TRoomModel::TStep TRoomModel::wallsAfterSlide(const TState& from, int k, const std::vector<int>& path, int endCell,
                                              int dir, TState& to) const {
  if (!lightKnownAfter(from, k, to) && !explodeLitWalls(to)) return TStep::uncertain;
  if (hasWalls_ && transientTrouble(from, k, path, endCell, dir, to)) return TStep::uncertain;
  canonicalise(to);
  return TStep::done;
}

bool TRoomModel::hopeless(const TState& s) const { return glyphWalledIn(s) || coloursLost(s); }

bool TRoomModel::coloursLost(const TState& s) const {
  if (coloursFixed_) return false;  // what could be made at the start still can
  // The colours light can still take: white from the emitters, narrowed by
  // the gems and mirrors still standing.
  bool reachable[8] = {};
  for (int k : emitterCells_) reachable[cells_[k].emitter] = true;
  for (bool grew = true; grew;) {
    grew = false;
    for (int k = 0; k < pieceCount(); ++k) {
      if (!pieceActive(s, k)) continue;
      const int mask = pieces_[k].prism != 0 ? pieces_[k].prism : pieces_[k].mirrorMask;
      if (mask == 0) continue;
      for (int colour = 1; colour < 8; ++colour)
        if (reachable[colour] && !reachable[colour & mask]) reachable[colour & mask] = grew = true;
    }
  }
  for (int colour : glyphColours_)
    if (!reachable[colour]) return true;
  return false;
}

void TRoomModel::toEngine(const TState& s, TEngine& room) const {
  room.roomObjects = static_cast<int>(baseObjects_.size());
  room.obj.assign(room.roomObjects + 1, nullptr);
  for (int i = 1; i <= room.roomObjects; ++i) {
    auto o = std::make_shared<TObject>(baseObjects_[i - 1]);
    o->sparkleTime = 1e9f;  // sparkles only draw; a worker never asks for one
    room.obj[i] = o;
  }
  for (int k = 0; k < pieceCount(); ++k) {
    TObject& o = *room.obj[pieces_[k].slot];
    o.c = cellC(s.cell[k]);
    o.r = cellR(s.cell[k]);
    o.x = room.centreX(o.c);
    o.y = room.centreY(o.r);
    o.tx = static_cast<int>(o.x);
    o.ty = static_cast<int>(o.y);
    o.angle = (s.turned >> k & 1) ? 90 : 0;
    if (s.fallen >> k & 1) {
      o.movable = 0;
      o.solid = 0;
      o.targetScale = o.scale = 0.9f;
    }
    if (s.gone >> k & 1) o.clear();
  }
  for (const TStill& st : stills_)
    if (!stillPresent(s, static_cast<int>(&st - stills_.data()))) room.obj[st.slot]->clear();
  room.takings = s.takings;
  room.objectsMoving = 0;
  room.createShadowMap(1.0f);
}

bool TRoomModel::fromEngine(const TEngine& room, TState& s) const {
  s = TState();
  if (room.roomObjects != static_cast<int>(baseObjects_.size())) return false;
  for (int k = 0; k < pieceCount(); ++k) {
    const TObject* o = room.object(pieces_[k].slot);
    const uint16_t bit = static_cast<uint16_t>(1u << k);
    if (!o || o->frame == 0 || o->alpha < 1) {
      s.gone |= bit;
      s.cell[k] = 0;
      if (!pieces_[k].crate) return false;
      // A crate that went keeps the cell where it took its treasure; the
      // engine's cleared record has lost it, so the model's own is used.
      continue;
    }
    if (o->dx != 0 || o->dy != 0) return false;
    s.cell[k] = static_cast<uint8_t>(cellIndex(o->c, o->r));
    if (o->movable == 0) s.fallen |= bit;
    if (o->angle != 0) s.turned |= bit;
  }
  for (const TStill& st : stills_) {
    if (st.toggle < 0) continue;
    const TObject* o = room.object(st.slot);
    if (o && o->frame != 0 && o->alpha >= 1) s.present[st.toggle >> 6] |= uint64_t{1} << (st.toggle & 63);
  }
  s.takings = room.takings;
  return true;
}

std::vector<std::string> TRoomModel::mechanics() const {
  std::vector<std::string> out;
  auto add = [&](const std::string& m) {
    if (std::find(out.begin(), out.end(), m) == out.end()) out.push_back(m);
  };
  for (const TPiece& p : pieces_) {
    if (p.mirror) add("mirror");
    if (p.crate) add("crate");
    if (p.prism != 0 && p.prism != 7) add("gem");
    if (p.prism == 0 && !p.mirror && !p.crate) add("sarcophagus");
  }
  for (const TStill& st : stills_) {
    if (st.decayed) add("decayed wall");
    if (st.floorTile) add("crumbling floor");
    if (st.itemID == kItemMap) add("map");
    if (st.itemID == kItemAnkh) add("ankh");
    if (st.treasure && st.itemID != kItemMap && st.itemID != kItemAnkh) add("treasure");
  }
  int glyphColours = 0, emitters = 0;
  for (const TCellInfo& info : cells_) {
    if (info.glyph != 0 && info.glyph != 7) ++glyphColours;
    if (info.emitter != 0) ++emitters;
    if (info.pit) add("pit");
  }
  if (glyphColours > 0) add("coloured glyph");
  if (glyphCount_ > 1) add("several glyphs");
  if (emitters > 1) add("several emitters");
  return out;
}
