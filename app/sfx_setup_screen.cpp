#include "app/sfx_setup_screen.h"

#include "platform/graphics.h"

namespace {

// Centred on x, with the current font and colour, no outline.
void drawCentred(const std::string& line, int x, int y) {
  DrawText(line, static_cast<float>(x - TextWidth(line) / 2), static_cast<float>(y));
}

}  // namespace

void drawSfxSetupScreen(const std::string& title, const std::string& detail) {
  if (!GraphicsOpen()) return;
  Cls();
  SetAlpha(1);
  const int centre = GraphicsWidth() / 2;
  drawCentred(title, centre, 400);
  drawCentred(detail, centre, 450);
  Flip(-1);
}
