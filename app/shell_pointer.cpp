// The shell's calls into the pointer, the text renderer and the widgets:
// creating them with their pictures, sounds and fonts at start-up, and the
// pointer's part of every frame.
#include <string>

#include "app/fatal_error.h"
#include "app/font_pack.h"
#include "app/globals.h"
#include "app/shell_services.h"
#include "data/pack.h"
#include "platform/graphics.h"
#include "platform/log.h"
#include "widgets/button.h"
#include "widgets/mouse.h"
#include "widgets/text.h"

namespace {

// The eight font slots, in the order they are loaded. Colours not set keep
// what a new slot takes: the drawing colour for the normal colour (white
// after the display opened), black for the rest.
struct TFontSlot {
  int slot, size;
  bool setMain;
  int main[6];
  bool setOutline;
};
constexpr TFontSlot kFontSlots[] = {
    {8, 20, false, {}, false},
    {5, 22, true, {255, 255, 200, 255, 255, 255}, true},
    {2, 19, true, {0, 0, 0, 255, 255, 255}, false},
    {7, 28, true, {255, 255, 255, 255, 255, 255}, true},
    {6, 18, false, {}, false},
    // The highlight blue of 256 is clamped to 255 when drawn.
    {3, 18, true, {0, 0, 0, 0, 0, 256}, false},
    {4, 16, true, {255, 255, 255, 0, 0, 256}, false},
    {1, 22, false, {}, true},
};
constexpr int kFontStyle = 1;

// The eight fonts from "font.ttf" in "data1.dat"; false when the font cannot
// be read. Slot 1 is current afterwards.
bool loadFonts() {
  TStreamPtr font = openFontStream();
  if (!font) return false;
  bool ok = true;
  for (const TFontSlot& f : kFontSlots) {
    font->Seek(0);
    if (!text->Load(f.slot, font, f.size, kFontStyle)) {
      ok = false;
      break;
    }
    TFont* slot = text->slot(f.slot);
    if (f.setMain) slot->setMainColour(f.main[0], f.main[1], f.main[2], f.main[3], f.main[4], f.main[5]);
    if (f.setOutline) slot->setOutlineColour(0, 0, 0, 0, 0, 0);
  }
  font->Close();
  return ok;
}

// Buttons and tick boxes are how the game is played: without their
// pictures it cannot go on.
void requirePicture(bool loaded, const std::string& path) {
  if (!loaded) fatalMissingFile(path);
}

TStreamPtr clickSound() { return openPackStream("click.wav", "data1.dat", packKey); }

}  // namespace

bool shellCreatePointerAndText() {
  // A missing pointer strip leaves the system pointer: still playable.
  mouse = TMouse::Create("gfx\\mouse.png", 40, 48, 2, 3, 3).release();
  if (!mouse->mouseImg) LogLine("picture gfx/mouse.png could not be loaded; the system pointer is shown");
  text = TText::Create(mouse).release();
  if (loadFonts()) return true;
  // The message box's words are fixed; the log names the file to look at.
  LogLine("font.ttf could not be read from data1.dat");
  return false;
}

void shellCreateWidgets() {
  buttons = TButton::Create(mouse, text, clickSound()).release();
  requirePicture(buttons->add(1, "gfx\\gui_buttons.png", 8, 171, 42, -2, -1, 0, true), "gfx\\gui_buttons.png");
  requirePicture(buttons->add(2, "gfx\\gui_buttons_sml.png", 4, 88, 28, -2, -1, 0, true),
                 "gfx\\gui_buttons_sml.png");
  tickBoxes = TTickBox::Create(mouse, clickSound()).release();
  requirePicture(tickBoxes->add(1, "gfx\\gui_tickBox.png", 40, 40), "gfx\\gui_tickBox.png");
}

void shellSetClickVolume(float volume) {
  if (buttons) buttons->setClickVol(volume);
  if (tickBoxes) tickBoxes->setClickVol(volume);
}

void shellFrameStartPointer() {
  if (!mouse) return;
  mouse->setImage(0);
  mouse->active = 1;
}

void shellHidePointerThisFrame() {
  if (mouse) mouse->active = 0;
}

void shellUpdatePointer() {
  if (mouse) mouse->update();
}

void shellForgetClicks() {
  if (mouse) mouse->forgetPresses();
}

void shellKeepClicks() {
  if (mouse) mouse->keepPresses();
}

void shellDropFadeClicks() {
  if (mouse) mouse->dropNewPresses();
}

void shellDrawFrameRate(int fps) {
  if (!text || !text->setFont(4)) return;
  text->draw(std::to_string(fps) + " FPS", 640, static_cast<float>(595 - text->getHeight(0)), false, false, 1.0f, 0);
}

void shellDrawCentredText(const std::string& line, int x, int y) {
  if (text) text->draw(line, static_cast<float>(x), static_cast<float>(y), true, false, 1.0f, 0);
}

void shellDestroyWidgetGlobals() {
  delete tickBoxes;
  tickBoxes = nullptr;
  delete buttons;
  buttons = nullptr;
  delete text;
  text = nullptr;
  delete mouse;
  mouse = nullptr;
}
