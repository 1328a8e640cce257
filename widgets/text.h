#pragma once
// Outlined text in the game's eight font slots. Each slot holds one size of
// the game font with a normal and a highlight colour and matching outlines.
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/image_font.h"
#include "platform/stream.h"

class TMouse;

class TFont {
 public:
  TImageFontPtr font;
  int height = 0;  // height of "Testing" in this font
  int r[2] = {}, g[2] = {}, b[2] = {};
  int ro[2] = {}, go[2] = {}, bo[2] = {};

  // Takes the drawing colour current at creation as its normal colour.
  TFont();
  void setMainColour(int r0, int g0, int b0, int r1, int g1, int b1);
  void setOutlineColour(int r0, int g0, int b0, int r1, int g1, int b1);
};

class TText {
 public:
  TMouse* mouseObj = nullptr;
  std::vector<std::shared_ptr<TFont>> fonts{1};  // slot 0 is never loaded
  int curFont = 0;
  int cursX = 0, cursY = 0, cursW = 0, cursH = 0;

  static std::unique_ptr<TText> Create(TMouse* mouse);
  // Loads a slot from a font file stream and makes it current. False when
  // the font could not be read (the slot stays empty).
  bool Load(int slot, const TStreamPtr& stream, int size, int style);
  // Selects a loaded slot. An empty or unknown slot is refused: the current
  // font stays as it was and false is returned.
  bool setFont(int slot);
  // The slot's object, or null when it was never loaded.
  TFont* slot(int index) const;
  void setCursor(int x, int y, int w, int h);
  void resetCursor() { cursX = cursY = cursW = cursH = 0; }
  // Selects the first of the slots in which the text is at most maxWidth
  // pixels wide, or the last of them when it fits none; returns that slot.
  // Long labels and names drop to a smaller size instead of leaving their box.
  int fitFont(const std::string& text, int maxWidth, std::initializer_list<int> slots);
  // The line as it fits maxWidth pixels in the current font: whole when it
  // fits, else cut and ended with "..." (just "..." when not even a letter
  // fits beside it).
  std::string clipToWidth(const std::string& line, int maxWidth) const;
  // Height of a slot; 0 = the current slot. 0 for an empty slot.
  int getHeight(int index = 0) const;
  // One line of text, optionally centred on x and outlined. colourIndex 0
  // normal, 1 highlight. Draws the armed cursor once.
  int draw(const std::string& text, float x, float y, bool centred = false, bool outlined = false,
           float alpha = 1.0f, int colourIndex = 0);
  // A clickable menu line: -1 left-clicked this frame, 1 right-clicked, else 0.
  int menuOption(const std::string& text, int x, int y, bool centred, bool outlined, bool disabled, bool selected,
                 int width = 0);
};
