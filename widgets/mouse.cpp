#include "widgets/mouse.h"

#include "effects/geometry.h"
#include "platform/graphics.h"
#include "platform/input.h"

std::unique_ptr<TMouse> TMouse::Create(const std::string& path, int cellWidth, int cellHeight, int frames,
                                       float handleX, float handleY) {
  auto mouse = std::make_unique<TMouse>();
  mouse->mouseImg = LoadAnimImage(path, cellWidth, cellHeight, 0, frames, -1);
  if (mouse->mouseImg) {
    SetImageHandle(mouse->mouseImg, handleX, handleY);
    HidePointer();
  }
  return mouse;
}

void TMouse::update() {
  // The pointer entering or leaving the window arrives as an event.
  int event = PollEvent();
  if (event == kEventMouseEnter) mouseShow = 1;
  if (event == kEventMouseLeave) mouseShow = 0;

  if (mouseShow && active) {
    x = MouseX();
    y = MouseY();
    if (mouseImg) DrawImage(mouseImg, static_cast<float>(x), static_cast<float>(y), mousePointer);
    for (int b = 1; b <= 2; ++b) {
      const int hits = MouseHit(b) + keptHits[b];
      const int firstClicks = MouseFirstClicks(b) + keptFirstClicks[b];
      // A press kept over a cross-fade shows down at least once.
      const int isDown = (MouseDown(b) || keptDown[b]) ? 1 : 0;
      keptHits[b] = keptFirstClicks[b] = keptDown[b] = 0;
      // A forgotten press ends when its button goes up; a new press ends it too.
      if (ignoreUntilUp[b] && (hits > 0 || !isDown)) ignoreUntilUp[b] = 0;
      if (firstClicks > 0) seriesHere[b] = 1;
      // The rest of a double click begun on an earlier screen: ignored, its
      // release too.
      if (hits > 0 && !seriesHere[b]) ignoreUntilUp[b] = isDown;
      if (ignoreUntilUp[b] || (hits > 0 && !seriesHere[b])) {
        clicked[b] = released[b] = down[b] = 0;
        continue;
      }
      clicked[b] = hits;
      released[b] = (!isDown && down[b]) ? 1 : 0;
      down[b] = isDown;
    }
  }
  int z = MouseZ();
  scroll = lastZ - z;
  lastZ = z;
  keyFocus.endFrame(x != focusX_ || y != focusY_);
  focusX_ = x, focusY_ = y;
}

void TMouse::forgetPresses() {
  ++pressGeneration;
  for (int b = 1; b <= 2; ++b) {
    MouseHit(b);  // presses not yet collected belong to the old screen too
    MouseFirstClicks(b);
    const bool held = MouseDown(b);
    ignoreUntilUp[b] = (held || down[b]) ? 1 : 0;
    seriesHere[b] = 0;
    clicked[b] = released[b] = down[b] = 0;
    keptHits[b] = keptFirstClicks[b] = keptDown[b] = 0;
  }
}

void TMouse::keepPresses() {
  for (int b = 1; b <= 2; ++b) {
    keptHits[b] += MouseHit(b);
    keptFirstClicks[b] += MouseFirstClicks(b);
    keptDown[b] = MouseDown(b) ? 1 : keptDown[b];
  }
}

void TMouse::dropNewPresses() {
  for (int b = 1; b <= 2; ++b) {
    MouseHit(b);
    MouseFirstClicks(b);
    // A button pressed during the fade and still held is ignored until let go.
    if (MouseDown(b) && !keptDown[b] && !down[b]) ignoreUntilUp[b] = 1;
  }
}

int TMouse::imageCollide(const TImagePtr& image, float ix, float iy, int frame) const {
  if (!image) return 0;
  return imageRectCollide(image, ix, iy, frame, static_cast<float>(x), static_cast<float>(y), 1, 1);
}

int TMouse::rectCollide(int left, int top, int w, int h) const {
  return (x >= left && x < left + w && y >= top && y < top + h) ? 1 : 0;
}
