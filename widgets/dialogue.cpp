#include "widgets/dialogue.h"

#include <algorithm>

#include "platform/graphics.h"
#include "platform/text_log.h"
#include "widgets/button.h"
#include "widgets/mouse.h"
#include "widgets/text.h"

namespace {

std::string trimSpaces(const std::string& s) {
  size_t begin = s.find_first_not_of(' ');
  if (begin == std::string::npos) return {};
  size_t end = s.find_last_not_of(' ');
  return s.substr(begin, end - begin + 1);
}

bool isBreakable(char c) { return c == ' ' || c == '.' || c == ','; }

}  // namespace

// Positions are 1-based as in the wrapping rule: the line runs from start,
// pos is the character being looked at, prev the one before it.
std::vector<std::string> wrapText(const std::string& text, int width) {
  std::vector<std::string> lines;
  const int length = static_cast<int>(text.size());
  auto at = [&](int p) { return text[static_cast<size_t>(p - 1)]; };
  auto span = [&](int from, int count) {
    return count <= 0 ? std::string() : text.substr(static_cast<size_t>(from - 1), static_cast<size_t>(count));
  };
  int start = 1, pos = 1;
  char prev = 0;
  while (pos <= length) {
    const char ch = at(pos);
    int extra = 0;
    if (TextWidth(span(start, pos - start + 1)) > width) {
      int back = pos;
      while (back > start && !isBreakable(at(back))) --back;
      if (back != pos && isBreakable(at(back))) {
        pos = back;
        extra = 2;
      } else if (pos > start && !isBreakable(at(pos))) {
        // Nowhere to break: cut before the character that overflowed.
        lines.push_back(trimSpaces(span(start, pos - start)));
        start = pos;
        prev = 0;
        continue;
      }
    }
    const bool breakSequence = prev == '\\' && ch == 'n';
    if (breakSequence || extra != 0 || pos >= length) {
      if (pos >= length && !breakSequence) {
        pos = length;
        extra = 2;
      }
      lines.push_back(trimSpaces(span(start, pos - start - 1 + extra)));
      ++pos;
      start = pos;
    } else {
      ++pos;
    }
    prev = ch;
  }
  return lines;
}

std::unique_ptr<TDialogue> TDialogue::Create(int x, int y, int margin, const TImagePtr& picture,
                                             const std::string& text, TMouse* mouse, TText* textObj, int fontID,
                                             float alphaOffset) {
  auto d = std::make_unique<TDialogue>();
  d->x = x, d->y = y, d->margin = margin;
  d->bgImg = picture;
  d->mouseObj = mouse;
  d->textObj = textObj;
  d->fontID = fontID;
  d->alphaOffset = alphaOffset;
  d->initialse(text);
  return d;
}

void TDialogue::initialse(const std::string& text) {
  const int pw = bgImg ? bgImg->width : 0, ph = bgImg ? bgImg->height : 0;
  w = pw - 2 * margin - 1;
  h = ph - 2 * margin - 1;
  int previous = textObj ? textObj->curFont : 0;
  if (textObj) textObj->setFont(fontID);
  txt.assign(1, std::string());
  for (auto& line : wrapText(text, w)) txt.push_back(line);
  if (textObj) textObj->setFont(previous);
}

void TDialogue::setButtons(TButton* buttons, int kind, int buttonMargin, const std::string& label1,
                           const std::string& label2) {
  buttonObj = buttons;
  buttonID = kind;
  buttonText[1] = label1;
  buttonText[2] = label2;
  const TBut* b = buttons ? buttons->kind(kind) : nullptr;
  const int bw = b ? b->img->width : 0, bh = b ? b->img->height : 0;
  const int pw = bgImg ? bgImg->width : 0, ph = bgImg ? bgImg->height : 0;
  if (!label2.empty()) {
    bxOffset[1] = buttonMargin + bw / 2;
    bxOffset[2] = pw - buttonMargin - bw / 2;
  } else {
    bxOffset[1] = pw / 2;
  }
  byOffset = ph - buttonMargin - bh / 2;
}

void TDialogue::lockMove() {
  dragable = 0;
  locked = 1;
}

void TDialogue::unlockMove() {
  dragable = 1;
  locked = 0;
  if (mouseObj) mx = mouseObj->x, my = mouseObj->y;
}

int TDialogue::textAreaHeight() const {
  int height = h + 1;
  const TBut* b = buttonObj && !buttonText[1].empty() ? buttonObj->kind(buttonID) : nullptr;
  if (b) height = std::min(height, byOffset - b->img->height / 2 - margin);
  return height;
}

int TDialogue::update() {
  if (!textObj || !mouseObj) return 0;
  const int previous = textObj->curFont;
  textObj->setFont(fontID);
  const float A = GetAlpha();
  SetAlpha(A - alphaOffset);
  if (ticks < 10) ++ticks;
  const int pw = bgImg ? bgImg->width : 0, ph = bgImg ? bgImg->height : 0;

  if (!fixed) {
    mouseCollide = 0;
    if (dragable && !locked && ticks >= 10) {
      if (bgImg && mouseObj->imageCollide(bgImg, static_cast<float>(x), static_cast<float>(y), 0)) {
        mouseCollide = 1;
        if (mx >= 0 && mouseObj->x != mx) {
          x = std::clamp(x + mouseObj->x - mx, 0, std::max(0, GraphicsWidth() - pw));
          mx = mouseObj->x;
        }
        if (my >= 0 && mouseObj->y != my) {
          y = std::clamp(y + mouseObj->y - my, 0, std::max(0, GraphicsHeight() - ph));
          my = mouseObj->y;
        }
        if (mouseObj->clicked[1]) mouseClicked = 1;
        if (mouseObj->down[1] && mouseClicked) {
          if (mx < 0) mx = mouseObj->x, my = mouseObj->y;
        } else {
          mx = my = -1;
        }
      } else {
        mouseClicked = 0;
      }
    } else if (!mouseObj->down[1] && !locked) {
      dragable = 1;
      mx = my = -1;
    }
  }

  if (bgImg) DrawImage(bgImg, static_cast<float>(x), static_cast<float>(y), 0);
  const int lineHeight = textObj->getHeight(0);
  // The text belongs inside the margins of the picture, above its buttons.
  SetTextBox(x + margin, y + margin, w + 1, textAreaHeight());
  for (int i = 1; i <= lineCount(); ++i)
    textObj->draw(txt[i], static_cast<float>(x + margin), static_cast<float>(y + margin + (i - 1) * lineHeight),
                  false, false, 1.0f, 0);
  ResetTextBox();
  SetColor(255, 255, 255);
  SetAlpha(A);
  textObj->setFont(previous);

  int result = 0;
  if (buttonObj && ticks >= 10) {
    for (int b = 1; b <= 2; ++b) {
      if (buttonText[b].empty()) continue;
      int state = buttonObj->draw(buttonText[b], x + bxOffset[b], y + byOffset, buttonID, false, false);
      if (state == kButtonActivated) result = b;
      if (state == kButtonPressed) dragable = 0;
    }
  }
  return result;
}
