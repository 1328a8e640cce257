#include "widgets/text.h"

#include "platform/graphics.h"
#include "widgets/mouse.h"

TFont::TFont() { GetColor(r[0], g[0], b[0]); }

void TFont::setMainColour(int r0, int g0, int b0, int r1, int g1, int b1) {
  r[0] = r0, g[0] = g0, b[0] = b0;
  r[1] = r1, g[1] = g1, b[1] = b1;
}

void TFont::setOutlineColour(int r0, int g0, int b0, int r1, int g1, int b1) {
  ro[0] = r0, go[0] = g0, bo[0] = b0;
  ro[1] = r1, go[1] = g1, bo[1] = b1;
}

std::unique_ptr<TText> TText::Create(TMouse* mouse) {
  auto text = std::make_unique<TText>();
  text->mouseObj = mouse;
  return text;
}

bool TText::Load(int index, const TStreamPtr& stream, int size, int style) {
  if (index <= 0 || !stream) return false;
  auto font = LoadImageFont(stream, size, style);
  if (!font) return false;
  if (index >= static_cast<int>(fonts.size())) fonts.resize(index + 1);
  auto slotFont = std::make_shared<TFont>();
  slotFont->font = font;
  fonts[index] = slotFont;
  setFont(index);
  slotFont->height = TextHeight();
  return true;
}

TFont* TText::slot(int index) const {
  if (index <= 0 || index >= static_cast<int>(fonts.size())) return nullptr;
  return fonts[index].get();
}

bool TText::setFont(int index) {
  TFont* f = slot(index);
  if (!f) return false;
  curFont = index;
  SetImageFont(f->font);
  return true;
}

int TText::fitFont(const std::string& line, int maxWidth, std::initializer_list<int> slots) {
  for (int index : slots) {
    if (setFont(index) && TextWidth(line) <= maxWidth) return index;
  }
  return curFont;
}

std::string TText::clipToWidth(const std::string& line, int maxWidth) const {
  if (TextWidth(line) <= maxWidth) return line;
  static const std::string kMore = "...";
  // The longest start that fits beside the dots: found by halving.
  size_t fits = 0, tooLong = line.size();
  while (tooLong - fits > 1) {
    const size_t mid = (fits + tooLong) / 2;
    (TextWidth(line.substr(0, mid) + kMore) <= maxWidth ? fits : tooLong) = mid;
  }
  std::string kept = line.substr(0, fits);
  while (!kept.empty() && kept.back() == ' ') kept.pop_back();
  return kept + kMore;
}

void TText::setCursor(int x, int y, int w, int h) { cursX = x, cursY = y, cursW = w, cursH = h; }

int TText::getHeight(int index) const {
  TFont* f = slot(index == 0 ? curFont : index);
  return f ? f->height : 0;
}

int TText::draw(const std::string& line, float x, float y, bool centred, bool outlined, float alpha,
                int colourIndex) {
  int oldR, oldG, oldB;
  GetColor(oldR, oldG, oldB);
  float oldAlpha = GetAlpha();
  const int ci = colourIndex ? 1 : 0;
  // Without a loaded slot the text is still drawn, white on black outline.
  TFont fallback;
  fallback.setMainColour(255, 255, 255, 255, 255, 255);
  const TFont* f = slot(curFont);
  if (!f) f = &fallback;

  if (centred) x -= static_cast<float>(TextWidth(line) / 2);
  SetAlpha(alpha);
  if (outlined) {
    SetColor(f->ro[ci], f->go[ci], f->bo[ci]);
    DrawText(line, x - 1, y);
    DrawText(line, x + 1, y);
    DrawText(line, x, y + 1);
    DrawText(line, x, y - 1);
  }
  SetColor(f->r[ci], f->g[ci], f->b[ci]);
  DrawText(line, x, y);
  if (cursW > 0) {
    SetAlpha(alpha / 2);
    DrawRect(static_cast<float>(cursX), static_cast<float>(cursY), static_cast<float>(cursW),
             static_cast<float>(cursH));
    resetCursor();
  }
  SetColor(oldR, oldG, oldB);
  SetAlpha(oldAlpha);
  return 0;
}

int TText::menuOption(const std::string& line, int x, int y, bool centred, bool outlined, bool disabled,
                      bool selected, int width) {
  int result = 0;
  float alpha = 1.0f;
  if (width == 0) width = TextWidth(line);
  int left = centred ? x - width / 2 : x;
  int colourIndex;
  if (mouseObj && mouseObj->rectCollide(left, y, width, getHeight(0)) && !disabled) {
    colourIndex = 1;
    if (mouseObj->clicked[1])
      result = -1;
    else if (mouseObj->clicked[2])
      result = 1;
  } else {
    colourIndex = selected ? 1 : 0;
    if (disabled) alpha = 0.25f;
  }
  draw(line, static_cast<float>(x), static_cast<float>(y), centred, outlined, alpha, colourIndex);
  return result;
}
