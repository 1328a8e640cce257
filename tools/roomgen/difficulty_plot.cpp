#include "difficulty_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/builtin_font.h"
#include "platform/pixmap.h"

namespace {

constexpr int kWidth = 1200, kHeight = 520;
constexpr int kLeft = 60, kRight = 20, kTop = 40, kBottom = 70;

struct TColour {
  uint8_t r, g, b;
};

const TColour kPalette[] = {{214, 152, 40}, {60, 130, 200}, {120, 90, 170}, {220, 90, 60},
                            {50, 160, 100}, {200, 70, 150}, {100, 110, 120}, {180, 30, 30}};

class TCanvas {
 public:
  explicit TCanvas(TPixmap& p) : p_(p) {}
  void dot(int x, int y, TColour c) {
    if (x < 0 || y < 0 || x >= p_.width || y >= p_.height) return;
    uint8_t* px = p_.At(x, y);
    px[0] = c.r, px[1] = c.g, px[2] = c.b, px[3] = 255;
  }
  void rect(int x, int y, int w, int h, TColour c) {
    for (int j = y; j < y + h; ++j)
      for (int i = x; i < x + w; ++i) dot(i, j, c);
  }
  void line(int x0, int y0, int x1, int y1, TColour c, int thick = 1) {
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int s = 0; s <= steps; ++s) {
      const int x = x0 + (steps ? (x1 - x0) * s / steps : 0), y = y0 + (steps ? (y1 - y0) * s / steps : 0);
      rect(x - thick / 2, y - thick / 2, thick, thick, c);
    }
  }
  void text(int x, int y, const std::string& s, TColour c) {
    for (char ch : s) {
      const uint8_t* rows = BuiltinGlyphRows(static_cast<unsigned char>(ch));
      for (int j = 0; j < kBuiltinFontHeight; ++j)
        for (int i = 0; i < kBuiltinCellWidth; ++i)
          if (rows[j] & (0x80 >> i)) dot(x + i, y + j, c);
      x += kBuiltinAdvance;
    }
  }

 private:
  TPixmap& p_;
};

}  // namespace

bool writeDifficultyPlot(const std::vector<TPlotRoom>& rooms, const std::string& path, const std::string& title) {
  TPixmap picture(kWidth, kHeight);
  TCanvas canvas(picture);
  const TColour white{255, 255, 255}, ink{30, 30, 30}, grid{215, 215, 215};
  canvas.rect(0, 0, kWidth, kHeight, white);
  double top = 10;
  for (const TPlotRoom& r : rooms) top = std::max(top, r.grade);
  top = std::ceil(top / 10) * 10;
  const int plotW = kWidth - kLeft - kRight, plotH = kHeight - kTop - kBottom;
  const int n = std::max<int>(1, static_cast<int>(rooms.size()));
  auto xOf = [&](int i) { return kLeft + (2 * i + 1) * plotW / (2 * n); };
  auto yOf = [&](double g) { return kTop + plotH - static_cast<int>(g / top * plotH); };

  for (double g = 0; g <= top; g += 10) {
    canvas.line(kLeft, yOf(g), kLeft + plotW, yOf(g), grid);
    char label[16];
    std::snprintf(label, sizeof label, "%3.0f", g);
    canvas.text(kLeft - 32, yOf(g) - 6, label, ink);
  }
  canvas.text(kLeft, 12, title.empty() ? "Difficulty grade of every campaign room, in map order" : title, ink);

  // One band per location, labelled under the axis.
  int colour = -1;
  for (size_t i = 0; i < rooms.size(); ++i) {
    if (i == 0 || rooms[i].location != rooms[i - 1].location) {
      ++colour;
      const int x = xOf(static_cast<int>(i)) - plotW / (2 * n);
      canvas.line(x, kTop, x, kTop + plotH, grid);
      canvas.text(x + 2, kTop + plotH + 8 + (colour % 2) * 14, rooms[i].location, kPalette[colour % 8]);
    }
  }
  canvas.line(kLeft, kTop + plotH, kLeft + plotW, kTop + plotH, ink);
  canvas.line(kLeft, kTop, kLeft, kTop + plotH, ink);

  colour = -1;
  for (size_t i = 0; i < rooms.size(); ++i) {
    const bool first = i == 0 || rooms[i].location != rooms[i - 1].location;
    if (first) ++colour;
    const TColour c = kPalette[colour % 8];
    const int x = xOf(static_cast<int>(i)), y = yOf(rooms[i].grade);
    if (!first) canvas.line(xOf(static_cast<int>(i) - 1), yOf(rooms[i - 1].grade), x, y, c, 2);
    canvas.rect(x - 3, y - 3, 7, 7, c);
  }
  canvas.text(kLeft, kHeight - 22,
              title.empty() ? "rooms left to right in map order; each location's rooms in play order"
                            : "rooms left to right in play order",
              ink);
  return SavePixmapPNG(picture, path);
}
