#pragma once
// Where the view lands in the window: the largest rectangle of the view's
// shape that fits the window's drawable area, centred, with bars on the
// other two sides. Pure arithmetic, shared by presenting and the pointer.
struct TLetterbox {
  int x = 0, y = 0, w = 0, h = 0;   // in output (drawable) pixels
  float outPerWindowX = 1, outPerWindowY = 1;  // output pixels per window point
  int viewW = 0, viewH = 0;

  // A window point to view pixels; points over a bar fall outside the view.
  void ToView(int wx, int wy, int& vx, int& vy) const;
  // The window point at the centre of view pixel (vx, vy).
  void ToWindow(int vx, int vy, int& wx, int& wy) const;
};

TLetterbox MakeLetterbox(int windowW, int windowH, int outputW, int outputH, int viewW, int viewH);
