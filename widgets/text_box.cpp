#include "widgets/text_box.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/text_log.h"
#include "widgets/dialogue.h"
#include "widgets/mouse.h"
#include "widgets/text.h"

std::unique_ptr<TTextBox> TTextBox::Create(int x, int y, int w, const std::string& text, TMouse* mouse,
                                           TText* textObj, int fontID) {
  auto box = std::make_unique<TTextBox>();
  box->x = x, box->y = y, box->w = w;
  box->t1 = text;
  box->mouseObj = mouse;
  box->textObj = textObj;
  box->fontID = fontID;
  box->initialise();
  return box;
}

void TTextBox::initialise() {
  txtLen = cursor = static_cast<int>(t1.size() + t2.size());
  h = textObj ? textObj->getHeight(fontID) : 0;
}

void TTextBox::setProperties(int pad, int most, bool numeric, int cursorWidth, bool isActive, bool isLocked) {
  padding = pad;
  maxChars = most;
  lowVal = numeric ? 48 : 32;
  highVal = numeric ? 57 : 255;
  cursWidth = cursorWidth;
  active = isActive;
  locked = isLocked;
}

void TTextBox::setBg(int r, int g, int b, float alpha) {
  drawBg = 1;
  bgR = r, bgG = g, bgB = b;
  bgA = alpha;
}

void TTextBox::moveCursor(int delta) {
  const std::string all = t1 + t2;
  cursor = std::clamp(cursor + delta, 0, static_cast<int>(all.size()));
  t1 = all.substr(0, static_cast<size_t>(cursor));
  t2 = all.substr(static_cast<size_t>(cursor));
  resetCursor();
}

void TTextBox::resetCursor() {
  timer = static_cast<int>(MilliSecs());
  showCursor = 1;
}

void TTextBox::setActive(int flag) {
  active = flag;
  if (flag) {
    resetCursor();
    FlushKeys();
  }
}

void TTextBox::setText(const std::string& text) {
  t1 = text;
  t2.clear();
  txtLen = cursor = static_cast<int>(text.size());
  setActive(1);
}

void TTextBox::clearText() {
  t1.clear();
  t2.clear();
  txtLen = cursor = 0;
}

void TTextBox::editKeys() {
  // The keys are looked at in this order and the first one that applies
  // acts. A key that was hit but does not apply (Backspace in an empty box)
  // is used up doing nothing, so it never acts later on text typed since.
  if (KeyHit(kKeyBackspace) && !t1.empty()) {
    t1.pop_back();
    --txtLen;
    --cursor;
    resetCursor();
  } else if (KeyHit(kKeyDelete) && !t2.empty()) {
    t2.erase(0, 1);
    --txtLen;
    resetCursor();
  } else if (KeyHit(kKeyLeft) && cursor > 0) {
    moveCursor(-1);
  } else if (KeyHit(kKeyRight) && cursor < txtLen) {
    moveCursor(1);
  } else if (KeyHit(kKeyHome)) {
    moveCursor(-static_cast<int>(t1.size()));
  } else if (KeyHit(kKeyEnd)) {
    moveCursor(static_cast<int>(t2.size()));
  } else if (KeyHit(kKeyEnter)) {
    if (!locked) active = 0;
    returnHit = 1;
  }
}

std::string TTextBox::update() {
  if (!textObj) return t1 + t2;
  const float oldAlpha = GetAlpha();
  const int previousFont = textObj->curFont;
  textObj->setFont(fontID);
  returnHit = 0;
  int bx = x, by = y;
  if (parentDlg) bx += parentDlg->x, by += parentDlg->y;

  if (drawBg) {
    int r, g, b;
    GetColor(r, g, b);
    SetColor(bgR, bgG, bgB);
    SetAlpha(bgA);
    DrawRect(static_cast<float>(bx - padding), static_cast<float>(by - padding), static_cast<float>(w + 2 * padding),
             static_cast<float>(h + 2 * padding));
    SetColor(r, g, b);
    SetAlpha(oldAlpha);
  }

  if (mouseObj && mouseObj->clicked[1] && !locked) {
    active = 0;
    const int px = MouseX(), py = MouseY();
    if (px >= bx && px <= bx + w && py >= by && py <= by + h) setActive(1);
  }

  if (active) {
    const int now = static_cast<int>(MilliSecs());
    if (now - timer > 500) {
      timer = now;
      showCursor = !showCursor;
    }
    const int c = GetChar();
    if (c != 0) resetCursor();
    const bool allowed = (c >= lowVal && c <= highVal) || c == '.';
    if (c > 255) droppedCharacter = 1;
    if (c != 0 && allowed && (txtLen < maxChars || maxChars == 0) &&
        TextWidth(t1 + static_cast<char>(c) + t2) <= w - 2 * padding) {
      t1.push_back(static_cast<char>(c));
      ++txtLen;
      ++cursor;
    }
    editKeys();
    // Letters typed here are text, never hotkeys of the screen or the game.
    DropTypingKeyHits();
    if (showCursor) textObj->setCursor(bx + TextWidth(t1), by + 1, cursWidth, h - 2);
  }

  SetTextBox(bx - padding, by - padding, w + 2 * padding, h + 2 * padding);
  textObj->draw(t1 + t2, static_cast<float>(bx + padding), static_cast<float>(by + padding), false, false, 1.0f, 0);
  ResetTextBox();
  textObj->setFont(previousFont);
  SetAlpha(oldAlpha);
  return t1 + t2;
}
