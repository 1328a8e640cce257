#pragma once
// The undo and redo history of the room being played. Every move the player
// starts pushes the room as it stood before it; undo and redo swap snapshots
// between the two stacks. The money, lives and maps of the room follow the
// room back and forth, but time and lives lost never come back.
// The history lives in a file of its own beside the profile (NAME.undo), so
// it survives MENU and RESET; it names the room it belongs to. It also keeps
// the count of moves shown against the par (undo takes moves back, a reset
// starts again from 0) and the hints taken in the room.
#include <string>
#include <vector>

#include "data/status.h"
#include "engine/engine.h"
#include "engine/room_snapshot.h"

// Which room a history belongs to.
// Adds to the room's status what the room's takings gained (or gave back,
// on undo) between two moments: the engine scores what is collected, the
// profile's status follows it.
void addTakingsChange(TStatus& status, const TRoomTakings& before, const TRoomTakings& after);

struct THistoryRoom {
  std::string location;
  int room = 0;
  bool operator==(const THistoryRoom&) const = default;
};

// The room as it stood, and the moves it had taken to get there.
struct THistoryStep {
  TRoomSnapshot room;
  int moves = 0;
};

class TGameHistory {
 public:
  // A hint costs this much of the room's money (never below a purse of 0).
  static constexpr int kHintCost = 50;

  THistoryRoom room;
  std::vector<THistoryStep> undoStack;  // oldest first
  std::vector<THistoryStep> redoStack;  // next redo last
  // Set when the room is reset: the rebuilt room takes the history on.
  bool keepOnRestart = false;
  int moves = 0;  // moves from the room's start to where it stands
  int hints = 0;  // hints taken in this room (never undone)
  int hintCoins = 0;  // what those hints cost (a hint costs less from a thin purse)
  // The player has turned a mirror once: the turning tooltip is not needed
  // any more. It belongs to the player, not the room: clear() keeps it.
  bool mirrorTurned = false;

  // A move is about to change the room: remember it as it stands.
  void recordMove(const TEngine& engine);
  // The room is about to be reset: remember it, and count from 0 again.
  void recordReset(const TEngine& engine);
  // Swap the live room with the last undo (redo) snapshot; the room's
  // takings in status follow the difference. False when there is none.
  bool undo(TEngine& engine, TStatus& status);
  bool redo(TEngine& engine, TStatus& status);
  void clear();

  // The history in a file. write gives false when the file cannot be
  // replaced; read gives false with a message on a damaged file (and with
  // none when there is no file), leaving the history empty.
  bool write(const std::string& path) const;
  bool read(const std::string& path, std::string& error);
  // The same over a stream; readFrom gives false (error empty when the
  // bytes are no history at all) on a damaged one.
  void writeTo(TStream& stream) const;
  bool readFrom(TStream& stream, std::string& error);
};
