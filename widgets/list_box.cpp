#include "widgets/list_box.h"

#include <algorithm>
#include <cmath>

#include "platform/clock.h"
#include "platform/graphics.h"
#include "widgets/button.h"
#include "widgets/mouse.h"
#include "widgets/text.h"

TListBox::~TListBox() = default;

void TListBox::drawSelectionBar(int top) const {
  int r, g, b;
  GetColor(r, g, b);
  const float alpha = GetAlpha();
  SetColor(bar_r, bar_g, bar_b);
  SetAlpha(barAlpha);
  DrawRect(static_cast<float>(x), static_cast<float>(top), static_cast<float>(w - arrW - 2), static_cast<float>(lineH));
  SetAlpha(alpha);
  SetColor(r, g, b);
}

std::unique_ptr<TListBox> TListBox::Create(int x, int y, int w, int h, TMouse* mouse, TText* text, int fontID,
                                           int maxItems) {
  auto box = std::make_unique<TListBox>();
  box->x = x, box->y = y, box->w = w, box->h = h;
  box->mouseObj = mouse;
  box->textObj = text;
  box->fontID = fontID;
  box->maxItems = maxItems;
  box->initialse();
  return box;
}

void TListBox::initialse() {
  if (textObj) {
    const int previous = textObj->curFont;
    textObj->setFont(fontID);
    lineH = TextHeight() - 1;
    textObj->setFont(previous);
  }
  if (lineH <= 0) lineH = 1;  // never divide by a missing font's height
  setPos(-1, -1);
}

void TListBox::addArrows(const std::string& arrowPath, int cellWidth, int cellHeight, const std::string& trackPath) {
  arrows = TButton::Create(mouseObj, textObj, nullptr);
  arrows->add(arr_up, arrowPath, fontID, cellWidth, cellHeight, 0, 0, 0, true);
  arrows->add(arr_down, arrowPath, fontID, cellWidth, cellHeight, 0, 0, 4, true);
  arrW = cellWidth;
  arrH = cellHeight;
  if (!trackPath.empty()) {
    arrTrackImg = LoadAnimImage(trackPath, cellWidth, cellHeight, 0, 1, -1);
    slider = TButton::Create(mouseObj, textObj, nullptr);
    slider->add(arr_slider, trackPath, fontID, cellWidth, cellHeight, 0, 0, 1, false);
  }
  setPos(-1, -1);
}

void TListBox::addItem(const std::string& text) {
  itemList.push_back(text);
  itemCount = static_cast<int>(itemList.size());
}

void TListBox::clearItems() {
  itemList.clear();
  itemCount = 0;
  curItem = 0;
}

void TListBox::setCurView(int n) {
  if (n != 0) curItem = n;
  if (curItem < firstItem)
    firstItem = curItem;
  else if (curItem > firstItem + lines - 1)
    firstItem = curItem - lines + 1;
  if (itemCount <= lines)
    firstItem = 1;
  else if (firstItem + lines - 1 > itemCount)
    firstItem = itemCount - lines + 1;
  if (firstItem < 1) firstItem = 1;
}

void TListBox::setPos(int nx, int ny) {
  if (nx >= 0) x = nx;
  if (ny >= 0) y = ny;
  lines = h / lineH;
  arrX = x + w - arrW / 2;
  arrUpY = y + arrH / 2;
  arrDownY = y + h - arrH / 2 - 1;
  trackH = h - 3 * arrH;
  trackX = x + w - arrW;
  trackY = y + arrH - 1;
  trackScale = arrH > 0 ? static_cast<float>(trackH + arrH) / static_cast<float>(arrH) : 1.0f;
}

void TListBox::setSliderPos() {
  if (itemCount <= lines) {
    sliderPos = 0;
    sliderY = 0;
    return;
  }
  sliderInc = 1.0f / static_cast<float>(itemCount - lines);
  sliderPos = sliderInc * static_cast<float>(firstItem - 1);
  sliderY = static_cast<int>(sliderPos * static_cast<float>(trackH));
  sliderFirstClick = 1;
}

void TListBox::scrollBy(int count) {
  firstItem = std::clamp(firstItem + count, 1, std::max(1, itemCount - lines + 1));
  setSliderPos();
}

void TListBox::setFirstItem() {
  if (trackH <= 0 || sliderInc <= 0) return;
  sliderPos = static_cast<float>(sliderY) / static_cast<float>(trackH);
  firstItem = static_cast<int>(std::ceil(sliderPos / sliderInc)) + 1;
  if (firstItem > itemCount - lines + 1) firstItem = itemCount - lines + 1;
  if (firstItem < 1) firstItem = 1;
}

std::string TListBox::getItem(int n) const {
  if (n < 1 || n > itemCount) return {};
  auto it = itemList.begin();
  std::advance(it, n - 1);
  return *it;
}

namespace {
// A held arrow starts repeating after this long, then steps at this pace.
constexpr uint32_t kRepeatDelayMs = 400;
constexpr uint32_t kRepeatStepMs = 60;

std::string collapseDoubleSpaces(std::string s) {
  for (size_t at = s.find("  "); at != std::string::npos; at = s.find("  ", at + 1)) s.erase(at, 1);
  return s;
}
}  // namespace

int TListBox::arrowSteps(int state, int arrowY, int arrow) {
  // The arrows are drawn in hold mode: pressed while the button is down on
  // them, so every press scrolls at once and a held arrow repeats.
  if (state != kButtonPressed) {
    if (heldArrow == arrow) heldArrow = 0;
    return 0;
  }
  const bool over = mouseObj->rectCollide(arrX - arrW / 2, arrowY - arrH / 2, arrW, arrH) != 0;
  const uint32_t now = MilliSecs();
  if (mouseObj->clicked[1] && over) {
    heldArrow = arrow;
    repeatAt = now + kRepeatDelayMs;
    return mouseObj->clicked[1];
  }
  if (heldArrow != arrow || !over || !mouseObj->down[1] || static_cast<int32_t>(now - repeatAt) < 0) return 0;
  repeatAt = now + kRepeatStepMs;
  return 1;
}

int TListBox::update(bool disabled) {
  if (!textObj || !mouseObj) return 0;
  int result = 0;
  const int previous = textObj->curFont;
  textObj->setFont(fontID);

  SetViewport(x, y, w - arrW - 2, h);
  int n = 0, row = 0, keyScroll = 0;
  for (const std::string& item : itemList) {
    ++n;
    if (n < firstItem) continue;
    if (++row > lines) break;
    if (selectionBar && n == curItem) drawSelectionBar(y + lineH * (row - 1));
    const int top = y + lineH * (row - 1);
    // The keyboard's focus walks the items shown, and past the first or last
    // one shown the list scrolls under it; Enter chooses as a click does.
    const int beyond = (row == lines && n < itemCount ? TKeyFocus::kMoreBelow : TKeyFocus::kNothingBeyond) |
                       (row == 1 && firstItem > 1 ? TKeyFocus::kMoreAbove : TKeyFocus::kNothingBeyond);
    const TKeyFocus::TOffer focus =
        disabled ? TKeyFocus::TOffer{} : mouseObj->keyFocus.offer(x, top, w - arrW - 2, lineH, beyond);
    keyScroll += focus.scroll;
    int clicked = textObj->menuOption(collapseDoubleSpaces(item), x, top, false, false, disabled,
                                      n == curItem || focus.focused, w - arrW);
    if (clicked == -1 || focus.activated) {
      result = n;
      curItem = n;
    }
  }
  SetViewport(0, 0, kViewWidth, kViewHeight);
  if (keyScroll != 0) scrollBy(keyScroll);
  arrStatus1 = arrStatus2 = 0;

  if (arrows) {
    bool off = disabled;
    if (itemCount <= lines) {
      off = true;
    } else if (mouseObj->rectCollide(trackX, trackY - arrH, arrW, h)) {
      sliderCollide = 1;
    } else if (!mouseObj->down[1]) {
      sliderCollide = 0;
    }

    if (arrTrackImg && slider) {
      float sx, sy;
      GetScale(sx, sy);
      SetScale(1, trackScale);
      DrawImage(arrTrackImg, static_cast<float>(trackX), static_cast<float>(trackY), 0);
      SetScale(1, 1);
      sliderStatus = slider->draw("", trackX, trackY + sliderY, arr_slider, off, true);
      if (mouseObj->clicked[1] && sliderStatus == kButtonPressed) {
        sliderActive = 1;
        sliderBaseY = mouseObj->y;
        if (!sliderFirstClick) setSliderPos();
      } else if (mouseObj->released[1]) {
        sliderActive = 0;
        sliderBaseY = 0;
      }
      if (sliderActive && sliderStatus == kButtonPressed && mouseObj->y >= trackY &&
          mouseObj->y <= trackY + trackH + arrH) {
        int moved = sliderY + mouseObj->y - sliderBaseY;
        if (moved >= 0 && moved <= trackH) {
          sliderY = moved;
          setFirstItem();
        }
        sliderBaseY = mouseObj->y;
      }
    }

    mouseCollide = mouseObj->rectCollide(x, y, w, h);
    arrStatus1 = arrows->draw("", arrX, arrUpY, arr_up, off, true);
    int up = off ? 0 : arrowSteps(arrStatus1, arrUpY, arr_up);
    if (!off && mouseObj->scroll < 0 && mouseCollide) ++up;
    arrStatus2 = arrows->draw("", arrX, arrDownY, arr_down, off, true);
    int down = off ? 0 : arrowSteps(arrStatus2, arrDownY, arr_down);
    if (!off && mouseObj->scroll > 0 && mouseCollide) ++down;
    if (up > 0 || down > 0) scrollBy(down - up);
  }
  textObj->setFont(previous);
  return result;
}
