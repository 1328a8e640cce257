#pragma once
// A room in play and what follows it from move to move: the undo history,
// the hints and the slide preview. The in-game screen and the editor's test
// play each keep one, so a move, undo and redo, a hint and the preview work
// the same way in both. The owner keeps what differs: the game charges for
// hints and keeps the history in a file; test play collects for no one.
#include <cstdint>
#include <functional>

#include "data/status.h"
#include "engine/engine.h"
#include "screens/game_history.h"
#include "screens/play_aids.h"
#include "screens/room_cursor.h"
#include "screens/room_hints.h"

class TMouse;

class TRoomSession {
 public:
  TGameHistory history;
  TRoomHints hints;
  TRoomCursor cursor;

  // From now on the session hears of every move the player starts in the
  // room (and tells alsoOnMove, when given, afterwards).
  void follow(TEngine& room, std::function<void(const TRoomMove&)> alsoOnMove = {});
  static void stopFollowing(TEngine& room) { room.onMoveStart = nullptr; }

  // Ctrl+Z / Ctrl+Y (keys pressed while something moves are dropped): what
  // undo gives back or redo takes again goes to status. True when the room
  // changed.
  bool undoKeys(TEngine& room, TStatus& status);
  // H, or the HINT button: true when this reveals a new move (the game
  // counts and charges it). The room must be at rest; otherwise nothing.
  bool askHint(TEngine& room);
  // Once a frame: takes a hint search's answer; true when it revealed a
  // move asked for.
  bool update(const TEngine& room) { return hints.update(room); }
  // The keyboard's cursor, once a frame (not while a name is typed); the
  // pointer's position tells it when the mouse moved. The arrows and Enter
  // are the room's, unless the cursor went off the room's edge to the
  // buttons: the focus then starts on the first, and Left takes the keys
  // back. True when it started a move.
  bool cursorKeys(TEngine& room, TMouse& mouse, bool typing);
  // The ghost of a hovered or aimed push, the hint's marks and the cursor,
  // over the drawn room.
  void drawAids(const TEngine& room, uint32_t ms);

 private:
  TSlidePreview preview_;
};
