#include "widgets/tooltip.h"

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

int TToolTip::update(const std::string& tip, int x, int y, int w, int h, int position) {
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
      int oldR, oldG, oldB;
      GetColor(oldR, oldG, oldB);
      const float oldAlpha = GetAlpha();
      const int boxW = TextWidth(tip) + 2 * padding + 2 * outlineWidth;
      const int boxH = TextHeight() + 2 * padding + 2 * outlineWidth - 1;
      int left = x, top = y - boxH - 1;
      // Keep the box on screen, at least padding away from the edges.
      if (left + boxW + padding > GraphicsWidth())
        left = GraphicsWidth() - boxW - padding;
      else if (left < padding)
        left = padding;
      if (top + boxH + padding > GraphicsHeight())
        top = GraphicsHeight() - boxH - padding;
      else if (top < padding)
        top = padding;
      const float L = static_cast<float>(left), T = static_cast<float>(top);
      const float W = static_cast<float>(boxW), H = static_cast<float>(boxH);
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
      SetTextBox(left, top, boxW + 1, boxH + 1);
      DrawText(tip, L + outlineWidth + padding, T + outlineWidth + padding);
      ResetTextBox();
      SetColor(oldR, oldG, oldB);
    }
  }
  if (position == pos_last && collisions == 0) lastTxt.clear();
  textObj->setFont(previousFont);
  return 0;
}
