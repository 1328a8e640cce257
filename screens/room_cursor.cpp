#include "screens/room_cursor.h"

#include "engine/room_play.h"
#include "platform/input.h"

void TRoomCursor::reset() {
  cell_.hide();
  placed_ = onButtons_ = false;
  aimDx_ = aimDy_ = 0;
}

bool TRoomCursor::holding(const TEngine& room) const {
  return room.clickedO != 0 && room.clickedC == cell_.column() && room.clickedR == cell_.row();
}

void TRoomCursor::placeOnFirstPiece(const TEngine& room) {
  placed_ = true;
  for (int r = 1; r <= TCellCursor::kLastRow; ++r)
    for (int c = 1; c <= TCellCursor::kLastColumn; ++c)
      if (room.pickObjectAt(c, r) != 0) {
        cell_.place(c, r);
        return;
      }
  cell_.place(1, 1);  // nothing to move yet: the top left cell
}

bool TRoomCursor::push(TEngine& room, int dx, int dy) {
  const TRoomMove move{cell_.column(), cell_.row(), dx, dy, false};
  int stopC = move.c, stopR = move.r;
  const bool stops = slideStop(room, move, stopC, stopR);
  if (!startMove(room, move)) return false;
  room.deselectArrows = 1;
  aimDx_ = aimDy_ = 0;
  // The cursor goes with the object, to push it on from where it stops.
  if (stops) cell_.place(stopC, stopR);
  return true;
}

bool TRoomCursor::keys(TEngine& room, int pointerX, int pointerY) {
  cell_.followPointer(pointerX, pointerY);
  if (onButtons_) {
    // Only Left is the room's: every other key is the buttons' focus.
    if (KeyHit(kKeyLeft) > 0) onButtons_ = false, cell_.showForKey();
    return false;
  }
  const TArrowHits arrows = TArrowHits::read();
  const int pick = KeyHit(kKeyEnter) + KeyHit(kKeySpace), turn = KeyHit('R') + KeyHit(kKeyTab);
  if (arrows.any() + pick + turn == 0) return false;
  if (!placed_) placeOnFirstPiece(room);
  if (cell_.showForKey()) return false;  // the first key only shows where the cursor is
  const int c = cell_.column(), r = cell_.row();
  const int dx = (arrows.right > 0) - (arrows.left > 0), dy = dx != 0 ? 0 : (arrows.down > 0) - (arrows.up > 0);
  const bool atRest = room.objectsMoving == 0;
  if (!holding(room)) {
    aimDx_ = aimDy_ = 0;
    if (turn > 0 && atRest && room.canTurnAt(c, r)) return startMove(room, TRoomMove{c, r, 0, 0, true});
    if (pick > 0 && atRest && room.pickObjectAt(c, r) != 0) {
      room.clickedC = c, room.clickedR = r, room.clickedO = room.pickObjectAt(c, r);
      return false;
    }
    if (c == TCellCursor::kLastColumn && arrows.right > arrows.left) {
      onButtons_ = true;  // off the room's right edge, to the buttons
      cell_.hide();
      return false;
    }
    cell_.step(arrows);
    return false;
  }
  // Holding an object: arrows aim and push, Enter pushes the aimed way or drops it.
  if (!atRest) return false;
  if (pick > 0) {
    if (aimDx_ != 0 || aimDy_ != 0) return push(room, aimDx_, aimDy_);
    room.deselectArrows = 1;
    return false;
  }
  if (turn > 0 && room.canTurnAt(c, r)) {
    room.deselectArrows = 1;
    return startMove(room, TRoomMove{c, r, 0, 0, true});
  }
  if (dx == 0 && dy == 0) return false;
  if (dx == aimDx_ && dy == aimDy_) return push(room, dx, dy);
  if (room.canPush(c, r, dx, dy)) aimDx_ = dx, aimDy_ = dy;
  return false;
}

bool TRoomCursor::aimedPush(const TEngine& room, TRoomMove& push) const {
  if (!cell_.shown() || !holding(room) || (aimDx_ == 0 && aimDy_ == 0) || room.objectsMoving != 0) return false;
  push = TRoomMove{cell_.column(), cell_.row(), aimDx_, aimDy_, false};
  return true;
}

void TRoomCursor::draw(const TEngine& room, uint32_t ms) const {
  TRoomMove aimed;
  if (aimedPush(room, aimed))
    cell_.draw(room, ms, aimed.dx, aimed.dy);
  else
    cell_.draw(room, ms);
}
