#pragma once
// A one-line text entry field with a blinking cursor, cursor keys and a
// character filter; it may sit inside a dialogue and move with it.
#include <memory>
#include <string>

class TMouse;
class TText;
class TDialogue;

// What a naming box says when a typed character could not be kept.
constexpr const char* kDroppedCharacterNotice =
    "Only the letters of Western European languages can be typed; the others were left out.";

class TTextBox {
 public:
  int x = 0, y = 0, w = 0;
  TMouse* mouseObj = nullptr;
  TText* textObj = nullptr;
  int fontID = 0;
  int padding = 1;
  int maxChars = 0;     // 0 = only the width limits
  int cursWidth = 1;
  int active = 1;
  int locked = 0;       // clicks and Enter never change active
  int drawBg = 0;
  int bgR = 0, bgG = 0, bgB = 0;
  float bgA = 0;
  TDialogue* parentDlg = nullptr;
  std::string t1, t2;   // text left and right of the cursor
  int txtLen = 0;
  int cursor = 0;
  int showCursor = 0;
  int timer = 0;
  int returnHit = 0;
  int h = 0;
  int lowVal = 32, highVal = 255;
  // A character beyond Latin-1 was typed and left out (the files keep one
  // byte a character); the box's owner tells the player.
  int droppedCharacter = 0;

  static std::unique_ptr<TTextBox> Create(int x, int y, int w, const std::string& text, TMouse* mouse,
                                          TText* textObj, int fontID);
  void initialise();
  void setPos(int nx, int ny) { x = nx, y = ny; }
  void setParentDialogue(TDialogue* dialogue) { parentDlg = dialogue; }
  void setProperties(int padding, int maxChars, bool numeric, int cursorWidth, bool active, bool locked);
  void setBg(int r, int g, int b, float alpha);
  // Takes this frame's typing and clicks, draws the box, returns the text.
  std::string update();
  void moveCursor(int delta);
  void resetCursor();
  void setActive(int flag);
  void setText(const std::string& text);
  void clearText();
  int getActive() const { return active; }
  int getReturn() const { return returnHit; }
  std::string getText() const { return t1 + t2; }

 private:
  // Backspace, Delete, the cursor keys and Enter of this frame.
  void editKeys();
};
