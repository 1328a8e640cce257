#pragma once
// The drawing state that every draw call uses, and the placement rule that
// maps a frame's corners to the screen. It is plain data so that collision
// tests and the renderer agree exactly, with or without a display.
#include <array>

struct TPoint {
  float x = 0, y = 0;
};

struct TDrawState {
  int color[3] = {255, 255, 255};  // as given; drawing clamps to 0..255
  float alpha = 1;                 // clamped to 0..1 when set
  int clsColor[3] = {0, 0, 0};
  int blend = 1;                   // 1 mask, 2 solid, 3 alpha, 4 light, 5 shade
  float lineWidth = 1;
  float rotation = 0;              // degrees, clockwise on screen
  float scaleX = 1, scaleY = 1;
  float ix = 1, iy = 0, jx = 0, jy = 1;  // derived from rotation and scale
  int viewX = 0, viewY = 0, viewW = 800, viewH = 600;
  float originX = 0, originY = 0;
  float handleX = 0, handleY = 0;
  int maskColor[3] = {0, 0, 0};
  bool autoMidHandle = false;
  int autoImageFlags = 3;

  void UpdateTransform();  // recompute ix, iy, jx, jy from rotation and scale

  // Screen position of frame point (u, v) for something drawn at (x, y).
  TPoint Map(float u, float v, float x, float y) const {
    return {u * ix + v * iy + x + originX, u * jx + v * jy + y + originY};
  }
  // The four corners of a w x h quad with handle (hx, hy) drawn at (x, y):
  // top-left, top-right, bottom-right, bottom-left.
  std::array<TPoint, 4> Corners(float w, float h, float hx, float hy, float x, float y) const {
    return {Map(-hx, -hy, x, y), Map(w - hx, -hy, x, y), Map(w - hx, h - hy, x, y),
            Map(-hx, h - hy, x, y)};
  }
};

// The one drawing state shared by the drawing surface, image loading and the
// collision tests. It exists without a display.
TDrawState& CurrentDrawState();

// Image flags.
enum : int {
  kImageMasked = 1,
  kImageFiltered = 2,
  kImageMipMapped = 4,
  kImageDynamic = 8,
};

// Blend modes.
enum : int {
  kBlendMask = 1,
  kBlendSolid = 2,
  kBlendAlpha = 3,
  kBlendLight = 4,
  kBlendShade = 5,
};
