#pragma once
#include <cstdint>
#include <vector>
// The keyboard's (and a pad's) way through a screen's buttons, tick boxes
// and other things to click: Down or Tab moves a visible focus to the next
// one as the eye reads the screen (top to bottom, then left to right), Up
// or Shift+Tab to the one before, and Enter activates it as a click would.
// Widgets are drawn anew every frame, so each one offers itself as it is
// drawn and learns whether it has the focus.
//
// A screen that takes those keys itself (a room, the editor, a text box
// being typed in) leaves them alone for the frame. Moving the mouse hides
// the focus; the next key shows it again where it was. From nothing, Down
// shows it on the first widget and Up on the last.

class TKeyFocus {
 public:
  struct TOffer {
    bool focused = false;   // draw it marked as the focus
    bool activated = false; // Enter was pressed on it: act as on a click
  };
  // Called by each widget as it is drawn, with the rectangle it covers.
  TOffer offer(int left, int top, int width, int height);
  // This frame the screen takes the keys itself.
  void leaveKeys() { keysLeft_ = true; }
  // Once a frame, after the screen has drawn: reads the keys for the next
  // frame. pointerMoved hides the focus.
  void endFrame(bool pointerMoved);
  bool shown() const { return shown_ && focus_ >= 0; }
  int focusIndex() const { return focus_; }
  // Back to nothing focused (a new screen).
  void reset();
  // Shows the focus on the widget at place in the reading order (a screen
  // handing its keys to its buttons).
  void showAt(int place);

 private:
  struct TPlace {
    int top, left;
  };
  int focus_ = -1;        // place in the reading order, -1 none
  bool shown_ = false;
  bool activate_ = false; // Enter pressed: the focus acts in the next frame
  bool keysLeft_ = false;
  int count_ = 0, lastCount_ = 0;
  uint64_t layout_ = 0, lastLayout_ = 0;  // the offered places, folded: a new layout drops the focus
  std::vector<TPlace> places_;       // this frame's offers, in drawing order
  std::vector<int> readingPlace_;    // last frame's: drawing order -> reading order
};
