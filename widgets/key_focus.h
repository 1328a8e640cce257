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
//
// A scrolling list offers only the lines it shows, and says of its first
// and last shown line whether more lines lie beyond. Down on such a last
// line (Up on such a first) keeps the focus on that line and asks the list
// to scroll by one instead, so the focus walks the whole list.

class TKeyFocus {
 public:
  struct TOffer {
    bool focused = false;   // draw it marked as the focus
    bool activated = false; // Enter was pressed on it: act as on a click
    int scroll = 0;         // a list's lines to scroll by (+1 on, -1 back) to follow the focus
  };
  // What lies beyond a list's line, for offer.
  enum TBeyond : int { kNothingBeyond = 0, kMoreBelow = 1, kMoreAbove = 2 };
  // Called by each widget as it is drawn, with the rectangle it covers.
  TOffer offer(int left, int top, int width, int height, int beyond = kNothingBeyond);
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
  // Walks the focus at the next frame's end as Down (Up, for a negative
  // count) would: for a screen that lets more keys walk it.
  void step(int steps) { steps_ += steps; }

 private:
  struct TPlace {
    int top, left;
    int beyond;
  };
  // The first key after the focus was hidden or dropped only shows it:
  // true then.
  bool showAgain(bool backwards);
  // One place on (direction 1) or back (-1), or the focused list scrolls.
  void walk(int direction);
  int focus_ = -1;        // place in the reading order, -1 none
  bool shown_ = false;
  bool activate_ = false; // Enter pressed: the focus acts in the next frame
  int scroll_ = 0;        // the focused list scrolls in the next frame
  int steps_ = 0;         // walked by the screen, for the next frame's end
  bool keysLeft_ = false;
  int count_ = 0, lastCount_ = 0;
  uint64_t layout_ = 0, lastLayout_ = 0;  // the offered places, folded: a new layout drops the focus
  std::vector<TPlace> places_;       // this frame's offers, in drawing order
  std::vector<int> lastBeyond_;      // last frame's, by reading order
  std::vector<int> readingPlace_;    // last frame's: drawing order -> reading order
};
