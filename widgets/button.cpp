#include "widgets/button.h"

#include <algorithm>
#include <cstdlib>

#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/text_log.h"
#include "widgets/mouse.h"
#include "widgets/text.h"

namespace {
// A press fires only after this long, so the pressed look is seen.
constexpr uint32_t kActivationDelayMs = 100;
// A label keeps a pixel clear of the bevelled frame of the button pictures,
// whose frame is about an eighth of their height.
int labelInset(int faceH) { return std::max(4, faceH / 8); }
// Slots a label too long for its button drops to: 18 and 16 pixels, both
// drawn in the same white as the button fonts. Still too long, it is
// narrowed to fit.
constexpr int kSmallerLabelSlot = 6;
constexpr int kSmallestLabelSlot = 4;
}  // namespace

std::unique_ptr<TButton> TButton::Create(TMouse* mouse, TText* text, const TStreamPtr& soundStream) {
  auto buttons = std::make_unique<TButton>();
  buttons->mouseObj = mouse;
  buttons->textObj = text;
  buttons->click.load(soundStream);
  return buttons;
}

bool TButton::add(int k, const std::string& stripPath, int fontID, int cellWidth, int cellHeight, int labelX,
                  int labelY, int firstCell, bool centreHandle) {
  return add(k, LoadAnimImage(stripPath, cellWidth, cellHeight, firstCell, 4, -1), fontID, labelX, labelY,
             centreHandle);
}

bool TButton::add(int k, const TImagePtr& strip, int fontID, int labelX, int labelY, bool centreHandle) {
  if (k <= 0 || !strip || strip->FrameCount() < 4) return false;
  if (k >= static_cast<int>(but.size())) but.resize(k + 1);
  auto b = std::make_shared<TBut>();
  b->img = strip;
  b->fontID = fontID;
  b->xo = labelX;
  b->yo = labelY;
  b->centred = centreHandle;
  if (centreHandle) MidHandleImage(b->img);
  but[k] = b;
  return true;
}

void TButton::drawLabel(const TBut& b, const std::string& label, int x, int y, float alpha) {
  const int faceW = ImageWidth(b.img), faceH = ImageHeight(b.img);
  const int left = b.centred ? x - faceW / 2 : x;
  const int top = b.centred ? y - faceH / 2 : y;
  const int inset = labelInset(faceH);
  // The label is centred on its offset position: it has the face less the
  // frame on both sides, less twice the offset.
  const int room = faceW - 2 * inset - 2 * std::abs(b.xo);
  const int previous = textObj->curFont;
  textObj->fitFont(label, room, {b.fontID, kSmallerLabelSlot, kSmallestLabelSlot});
  const int width = TextWidth(label);
  float scaleX, scaleY;
  GetScale(scaleX, scaleY);
  if (width > room && width > 0) SetScale(static_cast<float>(room) / static_cast<float>(width), 1);
  const float squeeze = width > room && width > 0 ? static_cast<float>(room) / static_cast<float>(width) : 1.0f;
  SetTextBox(left + inset, top + inset, faceW - 2 * inset, faceH - 2 * inset);
  const float lx = static_cast<float>(x + b.xo) - static_cast<float>(width / 2) * squeeze;
  const float ly = static_cast<float>(y + b.yo - TextHeight() / 2);
  textObj->draw(label, lx, ly, false, false, alpha, 0);
  ResetTextBox();
  SetScale(scaleX, scaleY);
  textObj->setFont(previous);
}

const TBut* TButton::kind(int k) const {
  if (k <= 0 || k >= static_cast<int>(but.size())) return nullptr;
  return but[k].get();
}

int TButton::draw(const std::string& label, int x, int y, int k, bool disabled, bool hold) {
  const TBut* b = kind(k);
  if (!b || !mouseObj) return kButtonIdle;
  int state;
  float labelAlpha = 1.0f;
  const uint32_t now = MilliSecs();
  // A press from before the mouse last forgot its presses is dropped.
  if (clickGeneration != mouseObj->pressGeneration) clickX = clickY = 0;
  if (disabled) {
    state = kButtonDisabled;
    labelAlpha = 0.5f;
  } else if (mouseObj->imageCollide(b->img, static_cast<float>(x), static_cast<float>(y), 0)) {
    if (mouseObj->clicked[1]) {
      state = kButtonPressed;
      clickX = x, clickY = y;
      clickTime = static_cast<int>(now);
      clickGeneration = mouseObj->pressGeneration;
      click.play();
    } else if (hold) {
      state = mouseObj->down[1] ? kButtonPressed : kButtonHover;
    } else if (x == clickX && y == clickY) {
      if (now - static_cast<uint32_t>(clickTime) > kActivationDelayMs) {
        state = kButtonActivated;
        clickX = clickY = 0;
      } else {
        state = kButtonPressed;
      }
    } else {
      state = kButtonHover;
    }
  } else {
    state = kButtonIdle;
    if (hold) {
      // A dragged thumb stays pressed while the button is held anywhere.
      if (mouseObj->down[1] && clickX != 0)
        state = kButtonPressed;
      else
        clickX = clickY = 0;
    }
  }

  if (!disabled && !hold && b->img) {
    const int left = x - static_cast<int>(b->img->handle_x), top = y - static_cast<int>(b->img->handle_y);
    const TKeyFocus::TOffer focus = mouseObj->keyFocus.offer(left, top, b->img->width, b->img->height);
    if (focus.activated) {
      state = kButtonActivated;
      click.play();
    } else if (focus.focused && state == kButtonIdle) {
      state = kButtonHover;
    }
  }
  DrawImage(b->img, static_cast<float>(x), static_cast<float>(y), state == kButtonActivated ? 2 : state);
  if (!label.empty() && textObj) drawLabel(*b, label, x, y, labelAlpha);
  return state;
}

std::unique_ptr<TTickBox> TTickBox::Create(TMouse* mouse, const TStreamPtr& soundStream) {
  auto boxes = std::make_unique<TTickBox>();
  boxes->mouseObj = mouse;
  boxes->click.load(soundStream);
  return boxes;
}

bool TTickBox::add(int k, const std::string& stripPath, int cellWidth, int cellHeight) {
  return add(k, LoadAnimImage(stripPath, cellWidth, cellHeight, 0, 5, -1));
}

bool TTickBox::add(int k, const TImagePtr& strip) {
  if (k <= 0 || !strip || strip->FrameCount() < 5) return false;
  if (k >= static_cast<int>(img.size())) img.resize(k + 1);
  MidHandleImage(strip);
  img[k] = strip;
  return true;
}

int TTickBox::draw(int x, int y, bool ticked, int k, bool disabled) {
  if (k <= 0 || k >= static_cast<int>(img.size()) || !img[k] || !mouseObj) return 0;
  const TImagePtr& strip = img[k];
  int result = 0, frame = 0, tick = ticked ? 1 : -1;
  float tickAlpha = 1.0f;
  const float fx = static_cast<float>(x), fy = static_cast<float>(y);
  if (disabled) {
    frame = 3;
    tickAlpha = 0.65f;
  } else if (mouseObj->imageCollide(strip, fx, fy, 0)) {
    if (mouseObj->clicked[1]) click.play();
    frame = mouseObj->down[1] ? 2 : 1;
    if (mouseObj->released[1]) {
      tick = -tick;
      result = tick;
    }
  }
  if (!disabled) {
    const int left = x - static_cast<int>(strip->handle_x), top = y - static_cast<int>(strip->handle_y);
    const TKeyFocus::TOffer focus = mouseObj->keyFocus.offer(left, top, strip->width, strip->height);
    if (focus.activated && result == 0) {
      click.play();
      tick = -tick;
      result = tick;
    } else if (focus.focused && frame == 0) {
      frame = 1;
    }
  }
  DrawImage(strip, fx, fy, frame);
  if (tick == 1) {
    float oldAlpha = GetAlpha();
    SetAlpha(tickAlpha);
    DrawImage(strip, fx, fy, 4);
    SetAlpha(oldAlpha);
  }
  return result;
}
