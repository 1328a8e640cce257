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
      clicked[b] = MouseHit(b);
      int isDown = MouseDown(b) ? 1 : 0;
      released[b] = (!isDown && down[b]) ? 1 : 0;
      down[b] = isDown;
    }
  }
  int z = MouseZ();
  scroll = lastZ - z;
  lastZ = z;
}

int TMouse::imageCollide(const TImagePtr& image, float ix, float iy, int frame) const {
  if (!image) return 0;
  return imageRectCollide(image, ix, iy, frame, static_cast<float>(x), static_cast<float>(y), 1, 1);
}

int TMouse::rectCollide(int left, int top, int w, int h) const {
  return (x >= left && x < left + w && y >= top && y < top + h) ? 1 : 0;
}
