#pragma once
// Play without a mouse: a cursor cell in the room, moved by the arrow keys
// (or a pad's D-pad and stick). Enter or Space picks up the object under it,
// as a click does, and drops it again; with an object picked up, an arrow
// first aims the push that way (the slide preview shows where it stops) and
// the same arrow again, or Enter, pushes it, exactly as a click on that
// arrow. R or Tab turns the mirror under the cursor. The cursor starts on
// the first object the player can move.
//
// Moving right off the room's last column hands the keys to the buttons
// beside the room (the screen's key focus walks them); Left there brings
// the cursor back.
//
// The mouse keeps working beside it: moving the pointer hides the cursor,
// and the next key shows it again where it was (that key does nothing else).
#include <cstdint>

#include "engine/engine.h"
#include "engine/room_move.h"
#include "screens/cell_cursor.h"

class TRoomCursor {
 public:
  // One frame of keys; pointerX and pointerY tell whether the mouse moved.
  // True when a move was started.
  bool keys(TEngine& room, int pointerX, int pointerY);
  bool shown() const { return cell_.shown(); }
  // The keys are the buttons' now, until Left brings the cursor back.
  bool onButtons() const { return onButtons_; }
  int column() const { return cell_.column(); }
  int row() const { return cell_.row(); }
  // The push aimed at, while an object is held and an arrow was pressed.
  bool aimedPush(const TEngine& room, TRoomMove& push) const;
  // The cursor's frame and the aimed arrow, over the drawn room.
  void draw(const TEngine& room, uint32_t ms) const;
  // A different room (or the same rebuilt): back to its first movable object.
  void reset();

 private:
  bool holding(const TEngine& room) const;
  void placeOnFirstPiece(const TEngine& room);
  bool push(TEngine& room, int dx, int dy);

  TCellCursor cell_;
  bool placed_ = false, onButtons_ = false;
  int aimDx_ = 0, aimDy_ = 0;
};
