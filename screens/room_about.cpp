#include "screens/room_about.h"

#include <algorithm>

#include "platform/graphics.h"
#include "widgets/text.h"

void TRoomAbout::start(const std::string& line, uint32_t now) {
  line_ = line;
  start_ = now;
}

float TRoomAbout::alphaAt(uint32_t now) const {
  if (line_.empty()) return 0;
  const uint32_t t = now - start_;  // wraps like the clock
  if (t < kFadeInMs) return static_cast<float>(t) / kFadeInMs;
  if (t < kFadeInMs + kHoldMs) return 1;
  const uint32_t out = t - kFadeInMs - kHoldMs;
  return out < kFadeOutMs ? 1 - static_cast<float>(out) / kFadeOutMs : 0;
}

void TRoomAbout::draw(TText& text, uint32_t now) const {
  const float alpha = alphaAt(now);
  if (alpha <= 0) return;
  const int previousFont = text.curFont;
  if (!text.setFont(kFont)) return;
  const std::string shown = text.clipToWidth(line_, kRight - kLeft);
  const int x = std::max(kLeft, kRight - TextWidth(shown));
  text.draw(shown, static_cast<float>(x), kY, false, true, alpha);
  text.setFont(previousFont);
}
