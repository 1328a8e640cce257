#pragma once
// The per-frame mouse snapshot and the game's own pointer. Every widget of a
// frame reads the same snapshot: clicks collected up to the end of the
// previous frame, visible for exactly one frame.
#include <memory>
#include <string>

#include "platform/image.h"

class TMouse {
 public:
  TImagePtr mouseImg;     // pointer strip; null when it failed to load
  int mousePointer = 0;   // 0 normal pointer, 1 the hand over something interactive
  int mouseShow = 1;      // pointer inside the window
  int x = 0, y = 0;
  int clicked[3] = {};    // new presses per button (1 left, 2 right)
  int down[3] = {};
  int released[3] = {};
  int lastZ = 0;
  int scroll = 0;         // wheel notches this frame; positive = wheel sum went down
  int active = 1;         // 0 freezes the snapshot and hides the pointer for this frame

  // Loads the pointer strip and hides the system pointer. Without the strip
  // the system pointer stays visible so the game remains playable.
  static std::unique_ptr<TMouse> Create(const std::string& path, int cellWidth, int cellHeight, int frames,
                                        float handleX, float handleY);
  void setImage(int frame) { mousePointer = frame; }
  // Once per frame, after the screen has drawn: refresh and draw the pointer.
  void update();
  // 1 when the hot spot lies on an opaque pixel of the image drawn at (x, y).
  int imageCollide(const TImagePtr& image, float x, float y, int frame) const;
  // 1 when left <= x < left + w and top <= y < top + h.
  int rectCollide(int left, int top, int w, int h) const;
};
