// Positions from which no solution can remain because a glyph is walled
// in: every cell light must cross last to reach it holds a crate or a
// sarcophagus that no ray gets past and that can never move again.
#include <algorithm>

#include "engine/room_model.h"

namespace {

constexpr int kColumns = 12, kRows = 10;
constexpr int kDirs[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};  // right, left, down, up

}  // namespace

void TRoomModel::buildGlyphEntrances() {
  glyphEntrances_.assign(glyphCount_, {});
  for (int k = 0; k < kCells; ++k) {
    if (cells_[k].glyphIndex < 0) continue;
    const int c = k % kColumns + 1, r = k / kColumns + 1;
    for (int dir = 0; dir < 4; ++dir) {
      // The neighbour on the side the light comes from.
      const int nc = c - kDirs[dir][0], nr = r - kDirs[dir][1];
      if (!TEngine::isInterior(nc, nr)) continue;
      const int n = (nr - 1) * kColumns + nc - 1;
      if (cells_[n].light) glyphEntrances_[cells_[k].glyphIndex].push_back({n, dir});
    }
  }
  // The lines (offsets from a cell's centre line) light can travel on:
  // the centre line from an emitter, and wherever a mirror can be hit, as
  // the reflected ray leaves from the hit pixel; a gem keeps the line.
  std::array<bool, 51> line{};
  line[25] = true;
  const int mirrorShapes[2] = {shapeOf(kObjMirror, false), shapeOf(kObjMirror, true)};
  for (bool grew = true; grew;) {
    grew = false;
    for (int shape : mirrorShapes) {
      if (shape < 0) continue;
      for (int dir = 0; dir < 4; ++dir)
        for (int l = 0; l < 51; ++l) {
          const int hit = shapes_[shape][dir][l];
          if (line[l] && hit != kMiss && !line[hit + 25]) line[hit + 25] = grew = true;
        }
    }
  }
  for (TPiece& p : pieces_) {
    p.stopsLight = 0;
    if (p.mirror || p.prism != 0) continue;
    const int shape = shapeOf(p.frame, false);
    if (shape < 0) continue;
    for (int dir = 0; dir < 4; ++dir) {
      bool every = true;
      for (int l = 0; l < 51; ++l) every = every && (!line[l] || shapes_[shape][dir][l] != kMiss);
      if (every) p.stopsLight |= 1 << dir;
    }
  }
}

bool TRoomModel::glyphWalledIn(const TState& s) const {
  // Cheap first: a glyph whose every entrance holds a light-stopping piece
  // with no free side (each side shut by the room or holding a piece).
  auto pieceAt = [&](int cell) {
    for (int k = 0; k < pieceCount(); ++k)
      if (s.cell[k] == cell && pieceActive(s, k)) return k;
    return -1;
  };
  auto boxedIn = [&](int cell) {
    const int c = cell % kColumns + 1, r = cell / kColumns + 1;
    for (const auto& d : kDirs) {
      const int nc = c + d[0], nr = r + d[1];
      if (!TEngine::isInterior(nc, nr)) continue;
      const int n = (nr - 1) * kColumns + nc - 1;
      if (cells_[n].obj && pieceAt(n) < 0) return false;
    }
    return true;
  };
  int walledGlyph = -1;
  for (size_t g = 0; g < glyphEntrances_.size() && walledGlyph < 0; ++g) {
    bool shut = !glyphEntrances_[g].empty();
    for (size_t i = 0; i < glyphEntrances_[g].size() && shut; ++i) {
      const TEntrance& e = glyphEntrances_[g][i];
      const int k = pieceAt(e.cell);
      shut = k >= 0 && (pieces_[k].stopsLight >> e.dir & 1) != 0 && boxedIn(e.cell);
    }
    if (shut) walledGlyph = static_cast<int>(g);
  }
  if (walledGlyph < 0) return false;
  // The piece standing alone on each plain cell (none on pits and cells
  // with treasures, floors or walls: those can change under a piece).
  int8_t at[kCells];
  std::fill_n(at, kCells, int8_t{-1});
  for (int k = 0; k < pieceCount(); ++k)
    if (pieceActive(s, k) && !cells_[s.cell[k]].pit && cells_[s.cell[k]].stills.empty()) at[s.cell[k]] = static_cast<int8_t>(k);
  // Pieces that can never move: start from all of them and drop any with a
  // side onto a cell that is neither shut for good nor held by one still
  // kept, until none is dropped. Nothing enters a cell outside the room or
  // one without the object flag, ever.
  bool frozen[kCells] = {};
  for (int k = 0; k < kCells; ++k) frozen[k] = at[k] >= 0;
  auto shutForGood = [&](int c, int r) {
    if (!TEngine::isInterior(c, r)) return true;
    const int n = (r - 1) * kColumns + c - 1;
    return !cells_[n].obj || frozen[n];
  };
  for (bool dropped = true; dropped;) {
    dropped = false;
    for (int k = 0; k < kCells; ++k) {
      if (!frozen[k]) continue;
      const int c = k % kColumns + 1, r = k / kColumns + 1;
      for (const auto& d : kDirs)
        if (!shutForGood(c + d[0], r + d[1])) {
          frozen[k] = false;
          dropped = true;
          break;
        }
    }
  }
  for (size_t g = walledGlyph; g < glyphEntrances_.size(); ++g) {
    bool walled = !glyphEntrances_[g].empty();
    for (const TEntrance& e : glyphEntrances_[g])
      walled = walled && frozen[e.cell] && (pieces_[at[e.cell]].stopsLight >> e.dir & 1) != 0;
    if (walled) return true;
  }
  return false;
}
