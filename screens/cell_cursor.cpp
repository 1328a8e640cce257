#include "screens/cell_cursor.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics.h"
#include "platform/input.h"

namespace {

constexpr float kPulseMs = 1100;

// A frame round the cell with short corner marks, so it reads apart from a
// hint's pulse and from the editor's painted cell marks.
void cursorFrame(float x, float y, float half, float corner) {
  const float l = x - half, r = x + half, t = y - half, b = y + half;
  DrawLine(l, t, l + corner, t), DrawLine(l, t, l, t + corner);
  DrawLine(r, t, r - corner, t), DrawLine(r, t, r, t + corner);
  DrawLine(l, b, l + corner, b), DrawLine(l, b, l, b - corner);
  DrawLine(r, b, r - corner, b), DrawLine(r, b, r, b - corner);
}

}  // namespace

TArrowHits TArrowHits::read() {
  TArrowHits keys;
  keys.left = KeyHit(kKeyLeft), keys.right = KeyHit(kKeyRight);
  keys.up = KeyHit(kKeyUp), keys.down = KeyHit(kKeyDown);
  return keys;
}

void TCellCursor::followPointer(int pointerX, int pointerY) {
  if (pointerX == pointerX_ && pointerY == pointerY_) return;
  if (pointerX_ >= 0) shown_ = false;  // the mouse moved: the pointer plays
  pointerX_ = pointerX, pointerY_ = pointerY;
}

bool TCellCursor::showForKey() {
  if (shown_) return false;
  shown_ = true;
  return true;
}

void TCellCursor::place(int c, int r) {
  c_ = std::clamp(c, 1, kLastColumn);
  r_ = std::clamp(r, 1, kLastRow);
}

void TCellCursor::draw(const TEngine& room, uint32_t ms, int arrowDx, int arrowDy) const {
  if (!shown_) return;
  const float pulse = 0.5f + 0.5f * std::sin(static_cast<float>(ms % 100000) * 2 * 3.14159265f / kPulseMs);
  const TKeptLineStyle kept;
  SetBlend(kBlendAlpha);
  SetLineWidth(3);
  SetColor(150, 230, 255);
  SetAlpha(0.7f + 0.3f * pulse);
  cursorFrame(room.centreX(c_), room.centreY(r_), 24, 12);
  if (arrowDx != 0 || arrowDy != 0) {
    SetColor(255, 255, 255);
    room.drawArrow(c_ + arrowDx, r_ + arrowDy, arrowDx, arrowDy, true);
  }
}
