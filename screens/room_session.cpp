#include "screens/room_session.h"

#include "engine/room_play.h"
#include "widgets/mouse.h"

void TRoomSession::follow(TEngine& room, std::function<void(const TRoomMove&)> alsoOnMove) {
  room.onMoveStart = [this, &room, alsoOnMove = std::move(alsoOnMove)](const TRoomMove& move) {
    history.recordMove(room);
    hints.moveStarted(move);
    if (move.turn) history.mirrorTurned = true;
    if (alsoOnMove) alsoOnMove(move);
  };
}

bool TRoomSession::undoKeys(TEngine& room, TStatus& status) {
  const TUndoKey key = undoKeyPressed();
  if (key == TUndoKey::none || !roomAtRest(room)) return false;
  const bool changed = key == TUndoKey::undo ? history.undo(room, status) : history.redo(room, status);
  if (changed) hints.forget();
  return changed;
}

bool TRoomSession::askHint(TEngine& room) { return roomAtRest(room) && hints.ask(room); }

void TRoomSession::drawAids(const TEngine& room, uint32_t ms) {
  TRoomMove aimed;
  preview_.draw(room, cursor.aimedPush(room, aimed) ? &aimed : nullptr);
  hints.draw(room, ms);
  cursor.draw(room, ms);
}

bool TRoomSession::cursorKeys(TEngine& room, TMouse& mouse, bool typing) {
  const bool wasOnButtons = cursor.onButtons();
  const bool moved = !typing && cursor.keys(room, mouse.x, mouse.y);
  if (!cursor.onButtons()) mouse.keyFocus.leaveKeys();
  if (cursor.onButtons() && !wasOnButtons) mouse.keyFocus.showAt(0);
  if (!cursor.onButtons() && wasOnButtons) mouse.keyFocus.reset();
  return moved;
}
