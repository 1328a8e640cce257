#pragma once
// A delayed tip shown just above a hovered rectangle (the editor's toolbar,
// the game's buttons, the map's locked places). update only notes the tip of
// the hovered rectangle; drawShown draws it over everything drawn before, so
// a widget drawn later in the frame never covers it.
#include <memory>
#include <string>
#include <vector>

#include "platform/image_font.h"

class TMouse;
class TText;

class TToolTip {
 public:
  // Where a call stands in the frame's sequence of update calls.
  static constexpr int pos_inbetween = 0;
  static constexpr int pos_first = 1;
  static constexpr int pos_last = 2;

  TMouse* mouseObj = nullptr;
  TText* textObj = nullptr;
  int fontID = 0;
  int delayTime = 500;  // ms of hovering before the tip shows; 0 = tips off
  int msecs = 0;
  std::string lastTxt;
  int collisions = 0;
  TImageFontPtr font;
  float alpha = 0.85f;
  int padding = 2;
  int bg_r = 255, bg_g = 255, bg_b = 255;
  int out_r = 0, out_g = 0, out_b = 0;
  int outlineWidth = 1;
  int text_r = 0, text_g = 0, text_b = 0;

  // Where the box goes: above the rectangle from its left edge, above and
  // to the right of it (clear of what sits right above the rectangle), or
  // below it (for a rectangle at the top of the screen).
  enum class TPlace { above, aboveRight, below };
  // The box of the tip noted this frame, on screen; w is 0 when none.
  struct TBox {
    int x = 0, y = 0, w = 0, h = 0;
    std::string text;
    std::vector<std::string> lines;  // the text as shown: wrapped when wider than the screen
  };

  static std::unique_ptr<TToolTip> Create(TMouse* mouse, TText* text, int fontID);
  void setDelay(int ms) { delayTime = ms; }
  void setBgColour(int r, int g, int b) { bg_r = r, bg_g = g, bg_b = b; }
  void setOutlineColour(int r, int g, int b, int width) { out_r = r, out_g = g, out_b = b, outlineWidth = width; }
  void setTextColour(int r, int g, int b) { text_r = r, text_g = g, text_b = b; }
  void setLook(const TImageFontPtr& f, float a, int pad) { font = f, alpha = a, padding = pad; }
  // Called every frame for every rectangle that has a tip.
  int update(const std::string& tip, int x, int y, int w, int h, int position, TPlace place = TPlace::above);
  // Draws the tip noted this frame, if any, and forgets it. Owners call it
  // once a frame, after the last widget they draw.
  void drawShown();
  const TBox& shown() const { return shown_; }
  // The box drawShown drew last (tests look at what went on screen).
  const TBox& lastDrawn() const { return lastDrawn_; }

 private:
  TBox shown_, lastDrawn_;
};
