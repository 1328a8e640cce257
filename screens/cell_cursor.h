#pragma once
// The keyboard's cursor cell over a room's floor, for play and for the
// editor alike: the arrow keys step it from cell to cell within the walls,
// moving the mouse hides it (the pointer plays then), and the next key shows
// it again where it was, doing nothing else.
#include <cstdint>

#include "engine/engine.h"

// This frame's hits of the four arrow keys (several may come in one frame).
struct TArrowHits {
  int left = 0, right = 0, up = 0, down = 0;
  static TArrowHits read();
  int any() const { return left + right + up + down; }
};

class TCellCursor {
 public:
  static constexpr int kLastColumn = TEngine::kColumns - 2, kLastRow = TEngine::kRows - 2;

  // Once a frame, with the pointer's place: a moved mouse hides the cursor.
  void followPointer(int pointerX, int pointerY);
  // A key meant for the cursor: true when that key only showed it.
  bool showForKey();
  void hide() { shown_ = false; }
  bool shown() const { return shown_; }
  int column() const { return c_; }
  int row() const { return r_; }
  // To cell (c, r), kept within the floor.
  void place(int c, int r);
  // Every hit counts, so a quick run of presses is never lost.
  void step(const TArrowHits& keys) { place(c_ + keys.right - keys.left, r_ + keys.down - keys.up); }
  // Its frame over the drawn room, and an arrow from the cell toward
  // (arrowDx, arrowDy) when one is given.
  void draw(const TEngine& room, uint32_t ms, int arrowDx = 0, int arrowDy = 0) const;

 private:
  bool shown_ = false;
  int c_ = 1, r_ = 1;
  int pointerX_ = -1, pointerY_ = -1;
};
