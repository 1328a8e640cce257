// The model played against the engine, move by move.
#include "tools/solver/model_parity.h"

#include <algorithm>
#include <deque>
#include <random>
#include <unordered_set>

#include "engine/room_model.h"
#include "engine/room_play.h"
#include "engine/solver.h"

namespace {

constexpr size_t kMaxDifferences = 10;

// The glyphs the engine lights as the room stands, row by row.
uint64_t engineLitGlyphs(TEngine& e) {
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 12; ++c)
      if (TBlock* b = e.cell(c, r)) b->glyphActive = 0;
  e.createRays();
  uint64_t bits = 0;
  int index = 0;
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 12; ++c) {
      TBlock* b = e.cell(c, r);
      if (!b || !TEngine::isGlyph(*b)) continue;
      if (b->glyphActive != 0) bits |= uint64_t{1} << index;
      b->glyphActive = 0;
      ++index;
    }
  for (int i = 1; i <= e.roomObjects; ++i)
    if (TObject* o = e.object(i)) o->glowActive = 0;
  return bits;
}

std::string keyText(const TModelKey& k, int bytes) {
  static const char* hex = "0123456789abcdef";
  std::string s;
  for (int i = 0; i < bytes; ++i) s += {hex[k.bytes[i] >> 4], hex[k.bytes[i] & 15]};
  return s;
}

struct TKeyHash {
  size_t operator()(const TModelKey& k) const {
    size_t h = 1469598103934665603ull;
    for (uint8_t b : k.bytes) h = (h ^ b) * 1099511628211ull;
    return h;
  }
};

}  // namespace

void checkParity(const TEngine& room, long maxPositions, TParityReport& report) {
  const TEnginePtr engine = cloneRoom(room);
  if (!roomAtRest(*engine)) settleRoom(*engine);
  const TRoomModel model(*engine);
  if (!model.ok()) {
    ++report.roomsRefused;
    return;
  }
  auto differ = [&](const std::string& what) {
    if (report.differences.size() < kMaxDifferences) report.differences.push_back(room.roomName + ": " + what);
  };
  std::unordered_set<TModelKey, TKeyHash> seen;
  std::deque<TRoomModel::TState> queue;
  queue.push_back(model.initial());
  seen.insert(model.pack(model.initial()));
  std::vector<TRoomMove> modelMoves;
  const long limit = report.positions + maxPositions;
  while (!queue.empty() && report.positions < limit) {
    const TRoomModel::TState state = queue.front();
    queue.pop_front();
    ++report.positions;
    model.toEngine(state, *engine);
    if (engineLitGlyphs(*engine) != model.litGlyphs(state)) differ("lit glyphs at " + keyText(model.pack(state), model.keyBytes()));
    const TMoveList engineMoves = legalMoves(*engine);
    model.moves(state, modelMoves);
    if (engineMoves != modelMoves) {
      differ("moves offered at " + keyText(model.pack(state), model.keyBytes()) + ": engine " +
             describeMoves(engineMoves) + "; model " + describeMoves(modelMoves));
      continue;
    }
    for (const TRoomMove& move : engineMoves) {
      TRoomModel::TState next;
      const TRoomModel::TStep step = model.apply(state, move, next);
      model.toEngine(state, *engine);
      if (!playMove(*engine, move)) {
        differ("the engine refused " + describeMove(move));
        continue;
      }
      if (step == TRoomModel::TStep::uncertain) {
        ++report.uncertain;
        TRoomModel::TState played;
        if (model.fromEngine(*engine, played)) {
          model.canonicalise(played);
          if (seen.insert(model.pack(played)).second) queue.push_back(played);
        }
        continue;
      }
      ++report.moves;
      TRoomModel::TState played;
      if (step != TRoomModel::TStep::done || !model.fromEngine(*engine, played)) {
        differ(describeMove(move) + " from " + keyText(model.pack(state), model.keyBytes()) +
               ": the model or the engine could not play it");
        continue;
      }
      model.canonicalise(played);
      const TModelKey expected = model.pack(played), got = model.pack(next);
      if (!(expected == got)) {
        differ(describeMove(move) + " from " + keyText(model.pack(state), model.keyBytes()) + ": engine " +
               keyText(expected, model.keyBytes()) + ", model " + keyText(got, model.keyBytes()));
        continue;
      }
      if (engineLitGlyphs(*engine) != model.litGlyphs(next)) differ(describeMove(move) + ": lit glyphs differ");
      if (!(played.takings == next.takings)) differ(describeMove(move) + ": takings differ");
      if (seen.insert(got).second) queue.push_back(next);
    }
  }
}

TLocation randomPuzzleRoom(uint32_t seed) {
  std::mt19937 rng(seed);
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  auto room = std::make_shared<TRoom>();
  room->name = "Random " + std::to_string(seed);
  for (int c = 1; c <= 12; ++c)
    for (int r = 1; r <= 10; ++r) {
      const bool edge = c == 1 || c == 12 || r == 1 || r == 10;
      int id = edge ? kBlockWall1 : pick(1, 3);
      if (!edge) {
        const int roll = pick(1, 100);
        if (roll <= 10) id = kBlockWall1 + pick(0, 2);
        else if (roll <= 16) id = kBlockPit;
        else if (roll <= 18) id = 5 + pick(0, 1);  // skeletons
      }
      room->blk[c][r] = id;
    }
  auto edgeCell = [&](int& c, int& r) {
    do {
      c = pick(1, 12);
      r = pick(1, 10);
    } while (!(c == 1 || c == 12 || r == 1 || r == 10) || ((c == 1 || c == 12) && (r == 1 || r == 10)));
  };
  for (int i = pick(1, 2); i > 0; --i) {
    int c, r;
    edgeCell(c, r);
    room->blk[c][r] = kBlockEmitter;
  }
  for (int i = pick(1, 3); i > 0; --i) {
    int c, r;
    edgeCell(c, r);
    if (room->blk[c][r] != kBlockEmitter) room->blk[c][r] = kBlockWhiteGlyph + pick(0, 3);
  }
  std::vector<std::pair<int, int>> used;
  auto freeCell = [&](bool wantPit, int& c, int& r) {
    for (int tries = 0; tries < 200; ++tries) {
      c = pick(2, 11);
      r = pick(2, 9);
      const int id = room->blk[c][r];
      const bool floor = id >= 1 && id <= 3, pit = id == kBlockPit;
      if ((wantPit ? pit : floor) && std::find(used.begin(), used.end(), std::make_pair(c, r)) == used.end()) {
        used.push_back({c, r});
        return true;
      }
    }
    return false;
  };
  auto place = [&](int id, bool onPit) {
    int c, r;
    if (!freeCell(onPit, c, r)) return;
    ++room->roomObjects;
    room->obj[room->roomObjects] = {c, r, id};
  };
  const int pieces[] = {kObjMirror, kObjMirror, kObjRuby, kObjEmerald, kObjSaphire, kObjDiamond, kObjSarcophagus,
                        kObjCrate};
  for (int i = pick(3, 7); i > 0; --i) place(pieces[pick(0, 7)], false);
  const int treasures[] = {kObjCoins, 11, kObjScarab, 13, 14, kObjAnkh, kObjMap};
  for (int i = pick(0, 3); i > 0; --i) place(treasures[pick(0, 6)], false);
  for (int i = pick(0, 2); i > 0; --i) place(kObjWhiteDecayedWall + pick(0, 3), pick(0, 3) == 0);
  for (int i = pick(0, 2); i > 0; --i) place(kObjCrumblingFloor, true);
  TLocation location;
  location.name = room->name;
  location.roomCount = 1;
  location.room[1] = room;
  return location;
}
