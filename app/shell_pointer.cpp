// The shell's calls into the pointer, the text renderer and the widgets.
// Until those join the game, mouse, text, buttons and tickBoxes stay null: the
// system pointer shows and texts are written in the built-in font.
#include <string>

#include "app/font_pack.h"
#include "app/globals.h"
#include "app/shell_services.h"
#include "platform/graphics.h"

bool shellCreatePointerAndText() {
  // The game cannot show a word without its font, so a missing font is the
  // one asset that stops the start-up. The text renderer rasterises its
  // eight slots from this stream once it is part of the game.
  TStreamPtr font = openFontStream();
  if (!font) return false;
  font->Close();
  return true;
}
void shellCreateWidgets() {}
void shellFrameStartPointer() {}
void shellHidePointerThisFrame() {}
void shellUpdatePointer() {}

void shellDrawFrameRate(int fps) {
  const std::string label = std::to_string(fps) + " FPS";
  SetImageFont(nullptr);
  SetAlpha(1);
  SetColor(0, 0, 0);
  DrawText(label, 640, static_cast<float>(595 - TextHeight()));
  SetColor(255, 255, 255);
}

void shellDrawCentredText(const std::string& line, int x, int y) {
  DrawText(line, static_cast<float>(x - TextWidth(line) / 2), static_cast<float>(y));
}

void shellDestroyWidgetGlobals() {}
