#include "platform/text_log.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/draw_state.h"
#include "platform/graphics.h"
#include "platform/image_font.h"

namespace {

bool recording = false;
std::vector<TDrawnText> drawn;
std::optional<TTextRect> textBox;

TTextRect clipArea() {
  const TDrawState& s = CurrentDrawState();
  return {s.viewX, s.viewY, s.viewX + s.viewW, s.viewY + s.viewH};
}

TTextRect intersect(const TTextRect& a, const TTextRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

std::string describe(const TTextRect& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}

}  // namespace

void RecordDrawnTexts(bool on) {
  recording = on;
  drawn.clear();
}

bool RecordingDrawnTexts() { return recording; }

namespace {
std::vector<std::string> events;
}  // namespace

void NoteEvent(const std::string& line) {
  if (recording) events.push_back(line);
}

const std::vector<std::string>& NotedEvents() { return events; }

const std::vector<TDrawnText>& DrawnTexts() { return drawn; }

void ClearDrawnTexts() { drawn.clear(); }

void SetTextBox(int x, int y, int w, int h) { textBox = TTextRect{x, y, x + w, y + h}; }

void ResetTextBox() { textBox.reset(); }

void NoteDrawnText(const std::string& text, float penX, float penY) {
  if (!recording) return;
  const TDrawState& s = CurrentDrawState();
  // Turned text is not laid out in lines; it is not checked.
  if (s.iy != 0 || s.jx != 0) return;
  TImageFontPtr font = GetImageFont();
  if (!font) return;
  // Glyph boxes along the line, scaled as the drawing scales them.
  float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
  float pen = penX;
  for (unsigned char ch : text) {
    const TGlyph* glyph = font->Glyph(ch);
    if (!glyph) continue;
    if (glyph->image) {
      left = std::min(left, pen + glyph->xOffset * s.ix);
      right = std::max(right, pen + (glyph->xOffset + glyph->width) * s.ix);
      top = std::min(top, penY + glyph->yOffset * s.jy);
      bottom = std::max(bottom, penY + (glyph->yOffset + glyph->height) * s.jy);
    }
    pen += glyph->advance * s.ix;
  }
  if (left > right) return;  // nothing but spaces
  // Whole pixels touched: a glyph edge inside a pixel colours that pixel.
  const TTextRect ink{static_cast<int>(std::floor(left + 0.01f)), static_cast<int>(std::floor(top + 0.01f)),
                      static_cast<int>(std::ceil(right - 0.01f)), static_cast<int>(std::ceil(bottom - 0.01f))};
  const TTextRect clip = clipArea();
  drawn.push_back({text, ink, textBox ? intersect(*textBox, clip) : clip});
}

std::vector<std::string> TextsOutsideTheirBox(const std::vector<TDrawnText>& texts) {
  std::vector<std::string> faults;
  for (const TDrawnText& t : texts) {
    if (!t.box.contains(t.ink)) faults.push_back("\"" + t.text + "\": ink " + describe(t.ink) + " outside " + describe(t.box));
  }
  return faults;
}
