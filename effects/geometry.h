#pragma once
// Small helpers shared by the engine and the profile.
#include "platform/image.h"

// 1 when the image, drawn at (x, y) with the current drawing state, has an
// opaque pixel inside the rectangle; 0 otherwise.
int imageRectCollide(const TImagePtr& image, float x, float y, int frame, float rx, float ry, float rw, float rh);
// 1 when low <= value <= high.
inline int inRange(double value, double low, double high) { return low <= value && value <= high ? 1 : 0; }
// Clamps value into low..high, or wraps it: continuously (modular) or by
// jumping to the other end.
int wrapOrClamp(int value, int low, int high, bool wrap, bool continuous);
