// The undo and redo history of the room being played, and its file.
#include "screens/game_history.h"

#include <algorithm>
#include <cstdint>

#include "data/safe_file.h"

namespace {

const char* const kHistoryMagic = "TESMORIA UNDO 3";
// Histories written before the hints' price was kept: still read.
const char* const kHistoryMagicV2 = "TESMORIA UNDO 2";
// Histories written before moves and hints were counted: still read.
const char* const kHistoryMagicV1 = "TESMORIA UNDO 1";
// A damaged count must not make us reserve the world; no room is played for
// this many moves.
constexpr int kMaxSnapshots = 1000000;

int clampedSum(int64_t a, int64_t b) {
  return static_cast<int>(std::clamp<int64_t>(a + b, INT32_MIN, INT32_MAX));
}

// Moves the room to snapshot `to`, pushing the room as it stood onto `save`,
// and adds what was collected or given back to the room's status.
void swapRoom(TEngine& engine, TStatus& status, int& moves, std::vector<THistoryStep>& save, const THistoryStep& to) {
  const TRoomTakings before = engine.takings;
  save.push_back({engine.takeSnapshot(), moves});
  engine.restoreSnapshot(to.room);
  moves = to.moves;
  addTakingsChange(status, before, engine.takings);
}

}  // namespace

void addTakingsChange(TStatus& status, const TRoomTakings& before, const TRoomTakings& after) {
  status.money = clampedSum(status.money, int64_t{after.money} - before.money);
  status.lives = clampedSum(status.lives, int64_t{after.lives} - before.lives);
  status.maps = clampedSum(status.maps, int64_t{after.maps} - before.maps);
}

namespace {

bool step(TEngine& engine, TStatus& status, int& moves, std::vector<THistoryStep>& from,
          std::vector<THistoryStep>& to) {
  if (from.empty()) return false;
  const THistoryStep target = std::move(from.back());
  from.pop_back();
  swapRoom(engine, status, moves, to, target);
  return true;
}

void writeStack(TStream& s, const std::vector<THistoryStep>& stack) {
  s.WriteInt(static_cast<int32_t>(stack.size()));
  for (const THistoryStep& step : stack) {
    s.WriteInt(step.moves);
    writeSnapshot(s, step.room);
  }
}

// withMoves false: a first-version file, where the moves are the position
// in the stack.
bool readStack(TStream& s, std::vector<THistoryStep>& stack, bool withMoves, std::string& error) {
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
    THistoryStep step;
    step.moves = withMoves ? std::clamp(s.ReadInt(), 0, kMaxSnapshots) : i;
    if (!readSnapshot(s, step.room, error)) return false;
    stack.push_back(std::move(step));
  }
  return true;
}

}  // namespace

void TGameHistory::recordMove(const TEngine& engine) {
  undoStack.push_back({engine.takeSnapshot(), moves});
  redoStack.clear();
  ++moves;
}

void TGameHistory::recordReset(const TEngine& engine) {
  recordMove(engine);
  moves = 0;
  keepOnRestart = true;
}

bool TGameHistory::undo(TEngine& engine, TStatus& status) { return step(engine, status, moves, undoStack, redoStack); }
bool TGameHistory::redo(TEngine& engine, TStatus& status) { return step(engine, status, moves, redoStack, undoStack); }

void TGameHistory::clear() {
  undoStack.clear();
  redoStack.clear();
  keepOnRestart = false;
  moves = 0;
  hints = 0;
  hintCoins = 0;
}

void TGameHistory::writeTo(TStream& s) const {
  s.WriteLine(kHistoryMagic);
  s.WriteLine(room.location);
  s.WriteInt(room.room);
  s.WriteByte(keepOnRestart ? 1 : 0);
  s.WriteInt(moves);
  s.WriteInt(hints);
  s.WriteInt(hintCoins);
  s.WriteByte(mirrorTurned ? 1 : 0);
  writeStack(s, undoStack);
  writeStack(s, redoStack);
}

bool TGameHistory::write(const std::string& path) const {
  if (path.empty()) return false;
  return writeWholeFile(path, [this](TStream& s) { writeTo(s); });
}

bool TGameHistory::read(const std::string& path, std::string& error) {
  clear();
  std::vector<uint8_t> bytes;
  std::string reason;
  const TFileRead found =
      path.empty() ? TFileRead::missing : ReadFileContents(path, bytes, &reason, file_limits::kHistory);
  if (found != TFileRead::read) {
    // No history yet is nothing to complain of; one that cannot be read is.
    error = found == TFileRead::missing ? std::string() : path + " cannot be read: " + reason;
    return false;
  }
  TMemoryStream s(std::move(bytes));
  if (!readFrom(s, error)) {
    error = path + (error.empty() ? std::string(" is not an undo history") : ": " + error);
    return false;
  }
  return true;
}

bool TGameHistory::readFrom(TStream& s, std::string& error) {
  clear();
  error.clear();
  const std::string magic = s.ReadLine();
  const bool priced = magic == kHistoryMagic;
  const bool counted = priced || magic == kHistoryMagicV2;
  if (!counted && magic != kHistoryMagicV1) return false;
  room.location = s.ReadLine();
  room.room = s.ReadInt();
  keepOnRestart = s.ReadByte() != 0;
  if (counted) {
    moves = std::clamp(s.ReadInt(), 0, kMaxSnapshots);
    hints = std::clamp(s.ReadInt(), 0, kMaxSnapshots);
    if (priced) hintCoins = std::clamp(s.ReadInt(), 0, hints * kHintCost);
    mirrorTurned = s.ReadByte() != 0;
  }
  if (!readStack(s, undoStack, counted, error) || !readStack(s, redoStack, counted, error)) {
    clear();
    return false;
  }
  if (!counted) moves = static_cast<int>(undoStack.size());
  return true;
}
