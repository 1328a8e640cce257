#pragma once
// The per-frame mouse snapshot and the game's own pointer. Every widget of a
// frame reads the same snapshot: clicks collected up to the end of the
// previous frame, visible for exactly one frame.
#include <memory>
#include <string>

#include "platform/image.h"
#include "widgets/key_focus.h"

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
  // Presses made before the last forgetPresses never act: a button still
  // held then reads up until it is released, and its release is not
  // reported. Widgets keeping a press of their own compare this number.
  int pressGeneration = 0;
  int ignoreUntilUp[3] = {};
  // A click series (single, double, ...) began on the current screen. The
  // second click of a double click whose first opened this screen never
  // acts here, however slowly it followed.
  int seriesHere[3] = {1, 1, 1};
  // Presses taken by keepPresses, reported by the next update.
  int keptHits[3] = {};
  int keptFirstClicks[3] = {};
  int keptDown[3] = {};
  // The keyboard's focus over the frame's widgets, moved on in update.
  TKeyFocus keyFocus;
  int focusX_ = 0, focusY_ = 0;  // where the pointer was when the focus last looked

  // Loads the pointer strip and hides the system pointer. Without the strip
  // the system pointer stays visible so the game remains playable.
  static std::unique_ptr<TMouse> Create(const std::string& path, int cellWidth, int cellHeight, int frames,
                                        float handleX, float handleY);
  void setImage(int frame) { mousePointer = frame; }
  // Once per frame, after the screen has drawn: refresh and draw the pointer.
  void update();
  // Drops every press made so far, the ones not yet collected included: the
  // main loop calls it when the screen changes, so a click meant for the old
  // screen (or made during the cross-fade) never acts on the new one, and
  // neither do the later clicks of a double click begun there.
  void forgetPresses();
  // Around a cross-fade: keepPresses takes the presses made so far (after
  // the switch, before the fade) for the next update; dropNewPresses then
  // drops the ones made while the fade ran, which the player made on a
  // picture that was changing under the pointer.
  void keepPresses();
  void dropNewPresses();
  // 1 when the hot spot lies on an opaque pixel of the image drawn at (x, y).
  int imageCollide(const TImagePtr& image, float x, float y, int frame) const;
  // 1 when left <= x < left + w and top <= y < top + h.
  int rectCollide(int left, int top, int w, int h) const;
};
