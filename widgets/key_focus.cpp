#include "widgets/key_focus.h"

#include <algorithm>

#include "platform/graphics.h"
#include "platform/input.h"

namespace {

// The focus mark: a bright frame just outside the widget.
void markFocus(int left, int top, int width, int height) {
  const TKeptLineStyle kept;
  SetBlend(kBlendAlpha);
  SetAlpha(0.9f);
  SetLineWidth(2);
  SetColor(150, 230, 255);
  const float l = static_cast<float>(left - 3), t = static_cast<float>(top - 3);
  const float rt = static_cast<float>(left + width + 2), bt = static_cast<float>(top + height + 2);
  DrawLine(l, t, rt, t);
  DrawLine(rt, t, rt, bt);
  DrawLine(rt, bt, l, bt);
  DrawLine(l, bt, l, t);
}

}  // namespace

TKeyFocus::TOffer TKeyFocus::offer(int left, int top, int width, int height, int beyond) {
  const int index = count_++;
  layout_ = layout_ * 31 + static_cast<uint64_t>(left) * 7919 + static_cast<uint64_t>(top);
  places_.push_back({top, left, beyond});
  TOffer o;
  const int reading = index < static_cast<int>(readingPlace_.size()) ? readingPlace_[index] : -1;
  if (reading != focus_ || !shown_) return o;
  o.focused = true;
  o.activated = activate_;
  o.scroll = scroll_;
  activate_ = false;
  scroll_ = 0;
  markFocus(left, top, width, height);
  return o;
}

void TKeyFocus::showAt(int place) {
  focus_ = place;
  shown_ = true;
}

void TKeyFocus::reset() {
  focus_ = -1;
  shown_ = activate_ = false;
  scroll_ = steps_ = 0;
}

void TKeyFocus::endFrame(bool pointerMoved) {
  lastCount_ = count_;
  // Another set of widgets (another screen, a box opened): the focus starts again.
  if (layout_ != lastLayout_) focus_ = -1;
  lastLayout_ = layout_;
  std::vector<int> byReading(places_.size());
  for (size_t i = 0; i < byReading.size(); ++i) byReading[i] = static_cast<int>(i);
  std::stable_sort(byReading.begin(), byReading.end(), [this](int a, int b) {
    return places_[a].top != places_[b].top ? places_[a].top < places_[b].top : places_[a].left < places_[b].left;
  });
  readingPlace_.assign(places_.size(), 0);
  lastBeyond_.assign(places_.size(), kNothingBeyond);
  for (size_t k = 0; k < byReading.size(); ++k) {
    readingPlace_[byReading[k]] = static_cast<int>(k);
    lastBeyond_[k] = places_[byReading[k]].beyond;
  }
  places_.clear();
  count_ = 0;
  layout_ = 0;
  activate_ = false;
  scroll_ = 0;
  if (pointerMoved) shown_ = false;
  const bool left = keysLeft_;
  const int steps = steps_;
  keysLeft_ = false;
  steps_ = 0;
  if (left || lastCount_ == 0) return;
  const bool shift = KeyDown(kKeyLShift) || KeyDown(kKeyRShift);
  const int tab = KeyHit(kKeyTab);
  const int next = KeyHit(kKeyDown) + (tab > 0 && !shift ? 1 : 0) + std::max(steps, 0);
  const int back = KeyHit(kKeyUp) + (tab > 0 && shift ? 1 : 0) + std::max(-steps, 0);
  const int enter = KeyHit(kKeyEnter);
  if (next + back + enter == 0) return;
  if (showAgain(back > 0 && next == 0)) return;
  if (next > 0) walk(1);
  if (back > 0) walk(-1);
  if (enter > 0) activate_ = true;
}

bool TKeyFocus::showAgain(bool backwards) {
  if (shown_ && focus_ >= 0 && focus_ < lastCount_) return false;
  // The focus shows where it was, or on the first widget (the last, going
  // back: the way on that sits at a screen's foot).
  shown_ = true;
  if (focus_ < 0 || focus_ >= lastCount_) focus_ = backwards ? lastCount_ - 1 : 0;
  return true;
}

void TKeyFocus::walk(int direction) {
  const int beyond = lastBeyond_[static_cast<size_t>(focus_)];
  if ((beyond & (direction > 0 ? kMoreBelow : kMoreAbove)) != 0) {
    scroll_ = direction;  // the list brings its next line under the focus
    return;
  }
  focus_ = (focus_ + direction + lastCount_) % lastCount_;
}
