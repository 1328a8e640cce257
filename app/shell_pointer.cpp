// The shell's calls into the pointer, the text renderer and the widgets.
// Until those join the game, mouse, text, buttons and tickBoxes stay null: the
// system pointer shows and the frame rate is written in the built-in font.
#include <string>

#include "app/globals.h"
#include "app/shell_services.h"
#include "platform/graphics.h"

bool shellCreatePointerAndText() { return true; }
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

void shellDestroyWidgetGlobals() {}
