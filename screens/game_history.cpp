// The undo and redo history of the room being played, and its file.
#include "screens/game_history.h"

#include <algorithm>
#include <cstdint>

#include "data/safe_file.h"

namespace {

const char* const kHistoryMagic = "TESMORIA UNDO 1";
// A damaged count must not make us reserve the world; no room is played for
// this many moves.
constexpr int kMaxSnapshots = 1000000;

int clampedSum(int64_t a, int64_t b) {
  return static_cast<int>(std::clamp<int64_t>(a + b, INT32_MIN, INT32_MAX));
}

// Moves the room to snapshot `to`, pushing the room as it stood onto `save`,
// and adds what was collected or given back to the room's status.
void swapRoom(TEngine& engine, TStatus& status, std::vector<TRoomSnapshot>& save, const TRoomSnapshot& to) {
  const TRoomTakings before = engine.takings;
  save.push_back(engine.takeSnapshot());
  engine.restoreSnapshot(to);
  const TRoomTakings& after = engine.takings;
  status.money = clampedSum(status.money, int64_t{after.money} - before.money);
  status.lives = clampedSum(status.lives, int64_t{after.lives} - before.lives);
  status.maps = clampedSum(status.maps, int64_t{after.maps} - before.maps);
}

bool step(TEngine& engine, TStatus& status, std::vector<TRoomSnapshot>& from, std::vector<TRoomSnapshot>& to) {
  if (from.empty()) return false;
  const TRoomSnapshot target = std::move(from.back());
  from.pop_back();
  swapRoom(engine, status, to, target);
  return true;
}

void writeStack(TStream& s, const std::vector<TRoomSnapshot>& stack) {
  s.WriteInt(static_cast<int32_t>(stack.size()));
  for (const TRoomSnapshot& snapshot : stack) writeSnapshot(s, snapshot);
}

bool readStack(TStream& s, std::vector<TRoomSnapshot>& stack, std::string& error) {
  const int count = s.ReadInt();
  if (count < 0 || count > kMaxSnapshots) {
    error = "bad number of moves: " + std::to_string(count);
    return false;
  }
  for (int i = 0; i < count; ++i) {
    if (s.Eof()) {
      error = "the file ends after " + std::to_string(i) + " of " + std::to_string(count) + " moves";
      return false;
    }
    TRoomSnapshot snapshot;
    if (!readSnapshot(s, snapshot, error)) return false;
    stack.push_back(std::move(snapshot));
  }
  return true;
}

}  // namespace

void TGameHistory::recordMove(const TEngine& engine) {
  undoStack.push_back(engine.takeSnapshot());
  redoStack.clear();
}

bool TGameHistory::undo(TEngine& engine, TStatus& status) { return step(engine, status, undoStack, redoStack); }
bool TGameHistory::redo(TEngine& engine, TStatus& status) { return step(engine, status, redoStack, undoStack); }

void TGameHistory::clear() {
  undoStack.clear();
  redoStack.clear();
  keepOnRestart = false;
}

bool TGameHistory::write(const std::string& path) const {
  if (path.empty()) return false;
  return writeWholeFile(path, [this](TStream& s) {
    s.WriteLine(kHistoryMagic);
    s.WriteLine(room.location);
    s.WriteInt(room.room);
    s.WriteByte(keepOnRestart ? 1 : 0);
    writeStack(s, undoStack);
    writeStack(s, redoStack);
  });
}

bool TGameHistory::read(const std::string& path, std::string& error) {
  clear();
  std::vector<uint8_t> bytes;
  if (path.empty() || !readWholeFile(path, bytes)) {
    error.clear();  // no history yet: nothing to complain of
    return false;
  }
  TMemoryStream s(std::move(bytes));
  if (s.ReadLine() != kHistoryMagic) {
    error = path + " is not an undo history";
    return false;
  }
  room.location = s.ReadLine();
  room.room = s.ReadInt();
  keepOnRestart = s.ReadByte() != 0;
  if (!readStack(s, undoStack, error) || !readStack(s, redoStack, error)) {
    error = path + ": " + error;
    clear();
    return false;
  }
  return true;
}
