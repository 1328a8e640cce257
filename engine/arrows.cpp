// The movement arrows around the selected object; clicking one starts a move.
#include "engine/engine.h"
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
    // Crates may be pushed onto treasures; everything else is stopped by them.
    int treasuresBlock = 1;
    for (int i = 1; i <= roomObjects; ++i) {
      const TObject* o = object(i);
      if (o && o->c == clickedC && o->r == clickedR && o->itemID == kItemCrate) treasuresBlock = 0;
    }
    int chosenDx = 0, chosenDy = 0;
    const TImagePtr& arrows = pictures.arrowImg;
    for (const TArrow& a : kArrows) {
      const int c = clickedC + a.dx, r = clickedR + a.dy;
      if (!isEmpty(c, r, treasuresBlock, 0)) continue;
      int frame = a.frame;
      if (c == mouseC && r == mouseR && pointerBlocked == 0) {
        frame += kHighlight;
        showArrows = 1;
        chosenDx = a.dx;
        chosenDy = a.dy;
      }
      if (arrows && frame < arrows->FrameCount()) DrawImage(arrows, centreX(c), centreY(r), frame);
    }
    if ((host->clicked(1) || host->released(1)) && showArrows == 1) {
      if (onMoveStart) onMoveStart(TRoomMove{clickedC, clickedR, chosenDx, chosenDy, false});
      selected->dx = chosenDx;
      selected->dy = chosenDy;
      setObjTarget(clickedO);
      deselectArrows = 1;
    }
  }
  if (deselectArrows == 1) {
    clickedC = clickedR = clickedO = 0;
    showArrows = 0;
    deselectArrows = 0;
  }
}
