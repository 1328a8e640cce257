#pragma once
// Image buttons and tick boxes, drawn immediately: one shared set draws any
// button of any registered kind anywhere, and the draw call returns what the
// player did. A button is known only by the position it is drawn at.
#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/stream.h"
#include "widgets/click_sound.h"

class TMouse;
class TText;

// Button states returned by TButton::draw.
enum : int {
  kButtonIdle = 0,
  kButtonHover = 1,
  kButtonPressed = 2,
  kButtonDisabled = 3,
  kButtonActivated = 12,
};

// One button kind: a strip of 4 frames (idle, hover, pressed, disabled).
struct TBut {
  TImagePtr img;
  int fontID = 0;
  int xo = 0, yo = 0;  // label offset from the button's position
  bool centred = false;  // drawn around its centre
};

class TButton {
 public:
  std::vector<std::shared_ptr<TBut>> but{2};  // kinds; 0 unused
  TMouse* mouseObj = nullptr;
  TText* textObj = nullptr;
  int clickX = 0, clickY = 0;  // position of the pending press; 0, 0 = none
  int clickTime = 0;
  int clickGeneration = 0;  // the mouse's press generation at that press
  TClickSound click;

  // soundStream may be null: the buttons are then silent.
  static std::unique_ptr<TButton> Create(TMouse* mouse, TText* text, const TStreamPtr& soundStream);
  // Registers a kind. False (and nothing registered) when the strip cannot be
  // loaded or the kind is not positive.
  bool add(int kind, const std::string& stripPath, int fontID, int cellWidth, int cellHeight, int labelX,
           int labelY, int firstCell, bool centreHandle);
  bool add(int kind, const TImagePtr& strip, int fontID, int labelX, int labelY, bool centreHandle);
  void setClickVol(float volume) { click.setVolume(volume); }
  // Draws a button and returns its state: 0 idle, 1 hover, 2 pressed,
  // 3 disabled, 12 activated (once, more than 100 ms after a press on it).
  // An unregistered kind is refused: nothing is drawn and 0 is returned.
  int draw(const std::string& label, int x, int y, int kind, bool disabled = false, bool hold = false);
  const TBut* kind(int k) const;

 private:
  // The label centred on the button face, in a smaller slot when too long.
  void drawLabel(const TBut& b, const std::string& label, int x, int y, float alpha);
};

class TTickBox {
 public:
  std::vector<TImagePtr> img{2};  // kinds: 5 frames, the 5th the tick mark
  TMouse* mouseObj = nullptr;
  TClickSound click;

  static std::unique_ptr<TTickBox> Create(TMouse* mouse, const TStreamPtr& soundStream);
  bool add(int kind, const std::string& stripPath, int cellWidth, int cellHeight);
  bool add(int kind, const TImagePtr& strip);
  void setClickVol(float volume) { click.setVolume(volume); }
  // Returns 1 when the box became ticked this frame, -1 unticked, else 0.
  // The caller keeps the ticked state. An unregistered kind returns 0.
  int draw(int x, int y, bool ticked, int kind, bool disabled = false);
};
