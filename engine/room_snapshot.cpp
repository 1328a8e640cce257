// Taking, restoring and storing snapshots of a live room.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "engine/engine.h"

TRoomTakings& TRoomTakings::operator+=(const TRoomTakings& more) {
  const auto sum = [](int a, int b) { return static_cast<int>(std::clamp<int64_t>(int64_t{a} + b, INT_MIN, INT_MAX)); };
  money = sum(money, more.money);
  lives = sum(lives, more.lives);
  maps = sum(maps, more.maps);
  return *this;
}

TRoomSnapshot TEngine::takeSnapshot() const {
  TRoomSnapshot s;
  s.objects.reserve(roomObjects);
  for (int i = 1; i <= roomObjects; ++i) s.objects.push_back(obj[i] ? *obj[i] : TObject());
  s.cells.reserve(kColumns * kRows);
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c) {
      const TBlock* b = cell(c, r);
      s.cells.push_back(b ? TCellState{b->fog, b->a, b->glyphActive} : TCellState{});
    }
  s.takings = takings;
  return s;
}

void TEngine::restoreSnapshot(const TRoomSnapshot& s) {
  roomObjects = static_cast<int>(s.objects.size());
  obj.assign(roomObjects + 1, nullptr);
  for (int i = 1; i <= roomObjects; ++i) obj[i] = std::make_shared<TObject>(s.objects[i - 1]);
  if (s.cells.size() == static_cast<size_t>(kColumns * kRows)) {
    size_t k = 0;
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kColumns; ++c, ++k)
        if (TBlock* b = cell(c, r)) {
          b->fog = s.cells[k].fog;
          b->a = s.cells[k].glow;
          b->glyphActive = s.cells[k].glyphActive;
        }
  }
  takings = s.takings;
  objectsMoving = 0;
  // The wall shadows follow the objects (a wall may be back after an undo);
  // the fog is the snapshot's own, so only the shadow list is rebuilt.
  std::vector<float> fog;
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c) fog.push_back(cellFog(c, r));
  createShadowMap(0.0f);
  size_t k = 0;
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c, ++k)
      if (TBlock* b = cell(c, r)) b->fog = fog[k];
  deselectArrows = 1;
}

namespace {
constexpr int kMaxSnapshotObjects = 50;

bool finite(float v) { return std::isfinite(v) && std::fabs(v) < 1e6f; }
}  // namespace

void writeSnapshot(TStream& stream, const TRoomSnapshot& s) {
  stream.WriteInt(static_cast<int>(s.objects.size()));
  for (const TObject& o : s.objects) {
    o.save(stream);
    // The record keeps steps as unsigned bytes; the signed steps follow.
    stream.WriteByte(static_cast<uint8_t>(o.dx + 1));
    stream.WriteByte(static_cast<uint8_t>(o.dy + 1));
  }
  stream.WriteInt(static_cast<int>(s.cells.size()));
  for (const TCellState& c : s.cells) {
    stream.WriteFloat(c.fog);
    stream.WriteFloat(c.glow);
    stream.WriteByte(static_cast<uint8_t>(c.glyphActive != 0));
  }
  stream.WriteInt(s.takings.money);
  stream.WriteInt(s.takings.lives);
  stream.WriteInt(s.takings.maps);
}

bool readSnapshot(TStream& stream, TRoomSnapshot& s, std::string& error) {
  s = TRoomSnapshot();
  const int count = stream.ReadInt();
  if (count < 0 || count > kMaxSnapshotObjects) {
    error = "a room snapshot with " + std::to_string(count) + " objects";
    return false;
  }
  for (int i = 0; i < count; ++i) {
    TObject o;
    o.load(stream);
    o.dx = static_cast<int>(stream.ReadByte()) - 1;
    o.dy = static_cast<int>(stream.ReadByte()) - 1;
    if (stream.Eof()) break;
    if (!isObjectId(o.frame) || std::abs(o.dx) + std::abs(o.dy) > 1 || !finite(o.x) || !finite(o.y) ||
        (o.frame != 0 && !TEngine::isInterior(o.c, o.r))) {
      error = "a damaged object in a room snapshot";
      return false;
    }
    s.objects.push_back(o);
  }
  const int cells = stream.ReadInt();
  constexpr int64_t kCellBytes = 9, kTakingsBytes = 12;
  const int64_t size = stream.Size(), at = stream.Pos();
  if (size >= 0 && at >= 0 && size - at < static_cast<int64_t>(cells) * kCellBytes + kTakingsBytes) {
    error = "a room snapshot cut short";
    return false;
  }
  if (cells != TEngine::kColumns * TEngine::kRows) {
    error = "a room snapshot with " + std::to_string(cells) + " cells";
    return false;
  }
  for (int i = 0; i < cells; ++i) {
    TCellState c;
    c.fog = stream.ReadFloat();
    c.glow = stream.ReadFloat();
    c.glyphActive = stream.ReadByte() != 0 ? 1 : 0;
    if (!finite(c.fog) || !finite(c.glow)) {
      error = "a damaged cell in a room snapshot";
      return false;
    }
    s.cells.push_back(c);
  }
  s.takings.money = stream.ReadInt();
  s.takings.lives = stream.ReadInt();
  s.takings.maps = stream.ReadInt();
  if (static_cast<int>(s.objects.size()) != count) {
    error = "a room snapshot cut short";
    return false;
  }
  return true;
}
