// Moves in the solver's model, all of a position at once. Most pushes cross
// plain floor and stop at a wall or another piece; those are found with a
// few bit operations on the row or column the piece slides along. Pits,
// treasures, crumbling floors and decayed walls keep the full rules.
#include <algorithm>
#include <bit>

#include "engine/room_model.h"

namespace {

constexpr int kSteps[4][2] = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}};  // the arrows' order
constexpr int kColumns = 12, kRows = 10;

}  // namespace

void TRoomModel::buildSlideMasks() {
  for (int k = 0; k < kCells; ++k) {
    const int x = k % kColumns, y = k / kColumns;
    const TCellInfo& info = cells_[k];
    const bool blocked = !info.obj;
    const bool special = info.obj && (info.pit || !info.stills.empty());
    if (blocked) blockedRows_[y] |= static_cast<uint16_t>(1u << x), blockedColumns_[x] |= static_cast<uint16_t>(1u << y);
    if (special) specialRows_[y] |= static_cast<uint16_t>(1u << x), specialColumns_[x] |= static_cast<uint16_t>(1u << y);
  }
}

// Along the line the piece slides on, position `at` of `length`: the first
// cell that is not free plain floor, in direction +1 or -1; -1 or `length`
// for the room's edge.
static int firstStop(uint32_t stops, int at, int length, int sign) {
  if (sign > 0) return at + 1 + std::countr_zero((stops | 1u << length) >> (at + 1));
  const uint32_t before = stops & ((1u << at) - 1);
  return before == 0 ? -1 : 31 - std::countl_zero(before);
}

bool TRoomModel::quickSlide(const TState& s, int k, int cell, int dir, const uint16_t* occRows,
                            const uint16_t* occColumns, std::vector<TChild>& out) const {
  const int dx = kSteps[dir][0], dy = kSteps[dir][1];
  const int x = cell % kColumns, y = cell / kColumns;
  const bool horizontal = dx != 0;
  const int line = horizontal ? y : x, at = horizontal ? x : y, length = horizontal ? kColumns : kRows;
  const uint32_t special = horizontal ? specialRows_[line] : specialColumns_[line];
  const uint32_t stops = special | (horizontal ? blockedRows_[line] | occRows[line] : blockedColumns_[line] | occColumns[line]);
  const int sign = horizontal ? dx : dy;
  const int first = firstStop(stops, at, length, sign);
  // A pit, a treasure, a floor or a wall ahead: the full rules decide.
  if (first >= 0 && first < length && (special >> first & 1)) return false;
  const int end = first - sign;
  if (end == at) return true;  // no arrow that way
  TChild& child = out.emplace_back();
  child.move = {cell % kColumns + 1, cell / kColumns + 1, dx, dy, false};
  child.step = TStep::done;
  child.next = s;
  const int endCell = horizontal ? line * kColumns + end : end * kColumns + line;
  child.next.cell[k] = static_cast<uint8_t>(endCell);
  if (!hasWalls_ || !wallsStanding(s)) {
    canonicalisePiece(child.next, k);
    return true;
  }
  // Light may rest on a wall on the way or where it stops.
  thread_local std::vector<int> path;
  path.clear();
  const int step = horizontal ? dx : dy * kColumns;
  for (int crossed = cell + step; crossed != endCell; crossed += step) path.push_back(crossed);
  const int lightDir = dx > 0 ? 0 : dx < 0 ? 1 : dy > 0 ? 2 : 3;
  child.step = wallsAfterSlide(s, k, path, endCell, lightDir, child.next);
  return true;
}

void TRoomModel::expand(const TState& s, std::vector<TChild>& out) const {
  out.clear();
  auto played = [&](const TRoomMove& move) {
    TChild& child = out.emplace_back();
    child.move = move;
    child.step = apply(s, move, child.next);
    if (child.step == TStep::refused) out.pop_back();
  };
  // The fog as the standing walls leave it.
  TFogMap fog;
  fogMap(s, fog);
  uint16_t occRows[kRows] = {}, occColumns[kColumns] = {};
  int8_t top[kCells];
  std::fill_n(top, kCells, int8_t{-1});
  int cells[kMaxPieces], n = 0;
  for (int k = 0; k < pieceCount(); ++k) {
    if (s.gone >> k & 1) continue;
    const int cell = s.cell[k];
    occRows[cell / kColumns] |= static_cast<uint16_t>(1u << (cell % kColumns));
    occColumns[cell % kColumns] |= static_cast<uint16_t>(1u << (cell / kColumns));
    if (s.fallen >> k & 1) continue;
    top[cell] = static_cast<int8_t>(k);  // the highest slot in a cell is the one picked
    cells[n++] = cell;
  }
  std::sort(cells, cells + n);
  n = static_cast<int>(std::unique(cells, cells + n) - cells);
  for (int i = 0; i < n; ++i) {
    const int cell = cells[i];
    const int k = cells_[cell].pit ? pickableAt(s, fog, cell) : fog[cell] ? -1 : top[cell];
    if (k < 0) continue;
    const int c = cell % kColumns + 1, r = cell / kColumns + 1;
    for (int dir = 0; dir < 4; ++dir) {
      if (quickSlide(s, k, cell, dir, occRows, occColumns, out)) continue;
      const TRoomMove move{c, r, kSteps[dir][0], kSteps[dir][1], false};
      if (emptyAt(s, c + move.dx, r + move.dy, !pieces_[k].crate, false)) played(move);
    }
    if (pieces_[k].mirror && hasWalls_ && wallsStanding(s)) {
      played({c, r, 0, 0, true});  // a turn can light a wall
    } else if (pieces_[k].mirror) {
      TChild& child = out.emplace_back();
      child.move = {c, r, 0, 0, true};
      child.next = s;
      child.next.turned ^= static_cast<uint16_t>(1u << k);
      canonicalisePiece(child.next, k);
    }
  }
}
