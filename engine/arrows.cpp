// The movement arrows around the selected object; clicking one starts a move.
#include <cstdlib>

#include "engine/engine.h"
#include "engine/room_play.h"
#include "platform/graphics.h"

namespace {
struct TArrow {
  int dx, dy, frame;
};
// Examined in this order; frames of the arrow picture (+4 highlighted).
constexpr TArrow kArrows[4] = {{0, -1, 0}, {0, 1, 2}, {1, 0, 1}, {-1, 0, 3}};
constexpr int kHighlight = 4;
}  // namespace

void TEngine::drawArrows() {
  showArrows = 0;
  TObject* selected = object(clickedO);
  if (clickedC > 0 && objectsMoving == 0 && selected) {
    int chosenDx = 0, chosenDy = 0;
    const TImagePtr& arrows = pictures.arrowImg;
    for (const TArrow& a : kArrows) {
      const int c = clickedC + a.dx, r = clickedR + a.dy;
      if (!pushEnters(clickedC, clickedR, a.dx, a.dy)) continue;
      int frame = a.frame;
      if (c == mouseC && r == mouseR && pointerBlocked == 0) {
        frame += kHighlight;
        showArrows = 1;
        chosenDx = a.dx;
        chosenDy = a.dy;
      }
      if (arrows && frame < arrows->FrameCount()) DrawImage(arrows, centreX(c), centreY(r), frame);
    }
    // A click on a lit arrow is the player's push, started as every push is.
    if ((host->clicked(1) || host->released(1)) && showArrows == 1) {
      startMove(*this, TRoomMove{clickedC, clickedR, chosenDx, chosenDy, false});
      deselectArrows = 1;
    }
  }
  if (deselectArrows == 1) {
    clickedC = clickedR = clickedO = 0;
    showArrows = 0;
    deselectArrows = 0;
  }
}

bool TEngine::hoveredPush(TRoomMove& move) const {
  if (showArrows != 1 || clickedO == 0 || objectsMoving != 0) return false;
  const int dx = mouseC - clickedC, dy = mouseR - clickedR;
  if (std::abs(dx) + std::abs(dy) != 1) return false;
  move = TRoomMove{clickedC, clickedR, dx, dy, false};
  return true;
}

void TEngine::drawGhost(int slot, int c, int r, float alpha) const {
  const TObject* o = object(slot);
  const TImagePtr& image = pictures.objectImg;
  if (!o || o->frame == 0 || !image) return;
  const int frame = o->frame + (o->angle != 0 ? kTurnedOffset : 0);
  if (frame >= image->FrameCount()) return;
  const float before = GetAlpha();
  SetAlpha(alpha);
  DrawImage(image, centreX(c), centreY(r), frame);
  SetAlpha(before);
}

void TEngine::drawArrow(int c, int r, int dx, int dy, bool highlighted) const {
  const TImagePtr& arrows = pictures.arrowImg;
  for (const TArrow& a : kArrows) {
    if (a.dx != dx || a.dy != dy) continue;
    const int frame = a.frame + (highlighted ? kHighlight : 0);
    if (arrows && frame < arrows->FrameCount()) DrawImage(arrows, centreX(c), centreY(r), frame);
  }
}
