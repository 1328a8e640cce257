#include "screens/room_cursor.h"

#include <algorithm>
#include <cmath>

#include "engine/room_play.h"
#include "platform/graphics.h"
#include "platform/input.h"

namespace {

constexpr float kPulseMs = 1100;

// The cursor: a frame round the cell with short corner marks, so it reads
// apart from a hint's pulse.
void cursorFrame(float x, float y, float half, float corner) {
  const float l = x - half, r = x + half, t = y - half, b = y + half;
  DrawLine(l, t, l + corner, t), DrawLine(l, t, l, t + corner);
  DrawLine(r, t, r - corner, t), DrawLine(r, t, r, t + corner);
  DrawLine(l, b, l + corner, b), DrawLine(l, b, l, b - corner);
  DrawLine(r, b, r - corner, b), DrawLine(r, b, r, b - corner);
}

}  // namespace

void TRoomCursor::reset() {
  shown_ = placed_ = onButtons_ = false;
  aimDx_ = aimDy_ = 0;
}

bool TRoomCursor::holding(const TEngine& room) const {
  return room.clickedO != 0 && room.clickedC == c_ && room.clickedR == r_;
}

void TRoomCursor::placeOnFirstPiece(const TEngine& room) {
  placed_ = true;
  for (int r = 1; r <= TEngine::kRows - 2; ++r)
    for (int c = 1; c <= TEngine::kColumns - 2; ++c)
      if (room.pickObjectAt(c, r) != 0) {
        c_ = c, r_ = r;
        return;
      }
  c_ = 1, r_ = 1;  // nothing to move yet: the top left cell
}

bool TRoomCursor::push(TEngine& room, int dx, int dy) {
  const TRoomMove move{c_, r_, dx, dy, false};
  int stopC = c_, stopR = r_;
  const bool stops = slideStop(room, move, stopC, stopR);
  if (!startMove(room, move)) return false;
  room.deselectArrows = 1;
  aimDx_ = aimDy_ = 0;
  // The cursor goes with the object, to push it on from where it stops.
  if (stops) c_ = stopC, r_ = stopR;
  return true;
}

bool TRoomCursor::keys(TEngine& room, int pointerX, int pointerY) {
  if (pointerX != pointerX_ || pointerY != pointerY_) {
    if (pointerX_ >= 0) shown_ = false;  // the mouse moved: the pointer plays
    pointerX_ = pointerX, pointerY_ = pointerY;
  }
  if (onButtons_) {
    // Only Left is the room's: every other key is the buttons' focus.
    if (KeyHit(kKeyLeft) > 0) onButtons_ = false, shown_ = true;
    return false;
  }
  const int left = KeyHit(kKeyLeft), right = KeyHit(kKeyRight), up = KeyHit(kKeyUp), down = KeyHit(kKeyDown);
  const int pick = KeyHit(kKeyEnter) + KeyHit(kKeySpace), turn = KeyHit('R') + KeyHit(kKeyTab);
  if (left + right + up + down + pick + turn == 0) return false;
  if (!placed_) placeOnFirstPiece(room);
  if (!shown_) {
    shown_ = true;  // the first key only shows where the cursor is
    return false;
  }
  const int dx = (right > 0) - (left > 0), dy = dx != 0 ? 0 : (down > 0) - (up > 0);
  const bool atRest = room.objectsMoving == 0;
  if (!holding(room)) {
    aimDx_ = aimDy_ = 0;
    if (turn > 0 && atRest && room.canTurnAt(c_, r_)) return startMove(room, TRoomMove{c_, r_, 0, 0, true});
    if (pick > 0 && atRest && room.pickObjectAt(c_, r_) != 0) {
      room.clickedC = c_, room.clickedR = r_, room.clickedO = room.pickObjectAt(c_, r_);
      return false;
    }
    if (c_ == TEngine::kColumns - 2 && right > left) {
      onButtons_ = true;  // off the room's right edge, to the buttons
      shown_ = false;
      return false;
    }
    // Every key counts, even several pressed within one frame.
    c_ = std::clamp(c_ + right - left, 1, TEngine::kColumns - 2);
    r_ = std::clamp(r_ + down - up, 1, TEngine::kRows - 2);
    return false;
  }
  // Holding an object: arrows aim and push, Enter pushes the aimed way or drops it.
  if (!atRest) return false;
  if (pick > 0) {
    if (aimDx_ != 0 || aimDy_ != 0) return push(room, aimDx_, aimDy_);
    room.deselectArrows = 1;
    return false;
  }
  if (turn > 0 && room.canTurnAt(c_, r_)) {
    room.deselectArrows = 1;
    return startMove(room, TRoomMove{c_, r_, 0, 0, true});
  }
  if (dx == 0 && dy == 0) return false;
  if (dx == aimDx_ && dy == aimDy_) return push(room, dx, dy);
  if (room.canPush(c_, r_, dx, dy)) aimDx_ = dx, aimDy_ = dy;
  return false;
}

bool TRoomCursor::aimedPush(const TEngine& room, TRoomMove& push) const {
  if (!shown_ || !holding(room) || (aimDx_ == 0 && aimDy_ == 0) || room.objectsMoving != 0) return false;
  push = TRoomMove{c_, r_, aimDx_, aimDy_, false};
  return true;
}

void TRoomCursor::draw(const TEngine& room, uint32_t ms) const {
  if (!shown_) return;
  const float pulse = 0.5f + 0.5f * std::sin(static_cast<float>(ms % 100000) * 2 * 3.14159265f / kPulseMs);
  const float alphaBefore = GetAlpha();
  const int blendBefore = GetBlend();
  const float widthBefore = GetLineWidth();
  int red, green, blue;
  GetColor(red, green, blue);
  SetBlend(kBlendAlpha);
  SetLineWidth(3);
  SetColor(150, 230, 255);
  SetAlpha(0.7f + 0.3f * pulse);
  cursorFrame(room.centreX(c_), room.centreY(r_), 24, 12);
  TRoomMove aimed;
  if (aimedPush(room, aimed)) {
    SetColor(255, 255, 255);
    room.drawArrow(c_ + aimed.dx, r_ + aimed.dy, aimed.dx, aimed.dy, true);
  }
  SetColor(red, green, blue);
  SetLineWidth(widthBefore);
  SetBlend(blendBefore);
  SetAlpha(alphaBefore);
}
