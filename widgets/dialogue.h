#pragma once
// Message boxes drawn from a background picture: word-wrapped text, up to
// two buttons along the bottom, and dragging with the mouse.
#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"

class TMouse;
class TText;
class TButton;

class TDialogue {
 public:
  TMouse* mouseObj = nullptr;
  TText* textObj = nullptr;
  int fontID = 0;
  TImagePtr bgImg;
  int x = 0, y = 0;
  int margin = 0;
  int w = 0, h = 0;          // text area
  float alphaOffset = 0;
  std::vector<std::string> txt{1};  // wrapped lines 1..n; entry 0 unused
  TButton* buttonObj = nullptr;
  int buttonID = 0;
  std::string buttonText[3];
  int bxOffset[3] = {};
  int byOffset = 0;
  int ticks = 0;             // frames shown, up to 10: buttons wait for it
  int fixed = 0;
  int mouseCollide = 0;
  int mouseClicked = 0;
  int mx = -1, my = -1;      // pointer at the previous drag step; -1 = not dragging
  int dragable = 1;
  int locked = 0;

  static std::unique_ptr<TDialogue> Create(int x, int y, int margin, const TImagePtr& picture,
                                           const std::string& text, TMouse* mouse, TText* textObj, int fontID,
                                           float alphaOffset = 0);
  // Wraps the text ("\n" written as backslash + n breaks a line).
  void initialse(const std::string& text);
  void setButtons(TButton* buttons, int kind, int buttonMargin, const std::string& label1,
                  const std::string& label2);
  void lockMove();
  void unlockMove();
  // Draws the dialogue; returns the button (1 or 2) activated this frame, or 0.
  int update();
  int lineCount() const { return static_cast<int>(txt.size()) - 1; }
  // Height the text may fill: the area inside the margins, above the buttons.
  int textAreaHeight() const;
};

// Word wrap into lines no wider than width in the current font; a line with
// nowhere to break is broken at the last character that fits.
std::vector<std::string> wrapText(const std::string& text, int width);
