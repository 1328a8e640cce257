#include "effects/geometry.h"

#include "platform/collision.h"

int imageRectCollide(const TImagePtr& image, float x, float y, int frame, float rx, float ry, float rw, float rh) {
  return ImageMeetsRect(image, x, y, frame, rx, ry, rw, rh) ? 1 : 0;
}

int wrapOrClamp(int v, int low, int high, bool wrap, bool continuous) {
  if (!wrap) {
    if (v < low) v = low;
    if (v > high) v = high;
    return v;
  }
  if (continuous) {
    if (high < low) return v;  // callers must give a proper range; never loop forever
    const int span = high - low + 1;
    v = low + ((v - low) % span + span) % span;
    return v;
  }
  if (v < low) v = high;
  if (v > high) v = low;
  return v;
}
