#include "widgets/tooltip.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/text_log.h"
#include "widgets/mouse.h"
#include "widgets/text.h"

std::unique_ptr<TToolTip> TToolTip::Create(TMouse* mouse, TText* text, int fontID) {
  auto tip = std::make_unique<TToolTip>();
  tip->mouseObj = mouse;
  tip->textObj = text;
  tip->fontID = fontID;
  return tip;
}

namespace {
// Breaks text at spaces into lines no wider than maxWidth in the current
// font (a single word wider than that keeps a line of its own).
std::vector<std::string> wrapToWidth(const std::string& text, int maxWidth) {
  std::vector<std::string> lines;
  std::string line;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    const std::string longer = line.empty() ? word : line + " " + word;
    if (!line.empty() && TextWidth(longer) > maxWidth) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
    start = end + 1;
  }
  lines.push_back(line);
  return lines;
}
}  // namespace

int TToolTip::update(const std::string& tip, int x, int y, int w, int h, int position, TPlace place) {
  if (delayTime == 0 || tip.empty() || !mouseObj || !textObj) return 0;
  const int previousFont = textObj->curFont;
  textObj->setFont(fontID);
  if (position == pos_first) collisions = 0;

  if (mouseObj->rectCollide(x, y, w, h)) {
    ++collisions;
    const int now = static_cast<int>(MilliSecs());
    if (tip != lastTxt) {
      lastTxt = tip;
      msecs = now;
    } else if (now - msecs > delayTime) {
      TBox box;
      box.text = tip;
      // A tip wider than the screen goes on as many lines as it needs.
      const int frame = 2 * padding + 2 * outlineWidth;
      box.lines = wrapToWidth(tip, GraphicsWidth() - 2 * padding - frame);
      int widest = 0;
      for (const std::string& line : box.lines) widest = std::max(widest, TextWidth(line));
      box.w = widest + frame;
      box.h = static_cast<int>(box.lines.size()) * TextHeight() + frame - 1;
      box.x = place == TPlace::aboveRight ? x + w : x;
      box.y = place == TPlace::below ? y + h + 1 : y - box.h - 1;
      // Keep the box on screen, at least padding away from the edges.
      if (box.x + box.w + padding > GraphicsWidth())
        box.x = GraphicsWidth() - box.w - padding;
      else if (box.x < padding)
        box.x = padding;
      if (box.y + box.h + padding > GraphicsHeight())
        box.y = GraphicsHeight() - box.h - padding;
      else if (box.y < padding)
        box.y = padding;
      shown_ = box;
    }
  }
  if (position == pos_last && collisions == 0) lastTxt.clear();
  textObj->setFont(previousFont);
  return 0;
}

void TToolTip::drawShown() {
  if (shown_.w == 0 || !textObj) return;
  const int previousFont = textObj->curFont;
  textObj->setFont(fontID);
  int oldR, oldG, oldB;
  GetColor(oldR, oldG, oldB);
  const float oldAlpha = GetAlpha();
  const float L = static_cast<float>(shown_.x), T = static_cast<float>(shown_.y);
  const float W = static_cast<float>(shown_.w), H = static_cast<float>(shown_.h);
  SetColor(out_r, out_g, out_b);
  DrawLine(L, T, L + W, T);
  DrawLine(L + W, T, L + W, T + H);
  DrawLine(L + W, T + H, L, T + H);
  DrawLine(L, T + H, L, T);
  SetAlpha(alpha);
  SetColor(bg_r, bg_g, bg_b);
  DrawRect(L + outlineWidth, T + outlineWidth, W - outlineWidth, H - outlineWidth);
  SetAlpha(oldAlpha);
  SetColor(text_r, text_g, text_b);
  SetTextBox(shown_.x, shown_.y, shown_.w + 1, shown_.h + 1);
  for (size_t i = 0; i < shown_.lines.size(); ++i)
    DrawText(shown_.lines[i], L + outlineWidth + padding,
             T + outlineWidth + padding + static_cast<float>(i) * static_cast<float>(TextHeight()));
  ResetTextBox();
  SetColor(oldR, oldG, oldB);
  textObj->setFont(previousFont);
  lastDrawn_ = shown_;
  shown_ = TBox();
}
