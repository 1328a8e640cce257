#include "app/credits_screen.h"

#include "app/gfx_set.h"
#include "app/globals.h"
#include "app/menu_layout.h"
#include "platform/graphics.h"
#include "widgets/button.h"
#include "widgets/text.h"

namespace {

struct TCreditLine {
  const char* heading;  // empty: a further name under the heading above
  int y;
  const char* name;
};

// Headings at x 100, names at x 500.
constexpr TCreditLine kCredits[] = {
    {"Design & Programming", 160, "The Tesmoria Team"},
    {"Graphics", 190, "The Tesmoria Team (drawn in code)"},
    {"Music & Sound", 220, "Synthesised; FluidR3 GM soundfont (MIT)"},
    {"Level Design", 250, "The Tesmoria Team"},
    {"", 280, "Rooms proven by our own solver"},
    {"", 310, "Typeface: Linux Libertine (SIL OFL 1.1 / GPL)"},
};

}  // namespace

TCreditsScreen::TCreditsScreen() { musicTrack = kMusicKeep; }

void TCreditsScreen::update() {
  menu::drawBackground(gfx ? gfx->mainBg : nullptr, false);
  menu::drawTitle("CREDITS", 70);
  if (text) {
    text->setFont(1);
    for (const TCreditLine& line : kCredits) {
      if (line.heading[0]) text->draw(line.heading, 100, static_cast<float>(line.y));
      text->draw(line.name, 500, static_cast<float>(line.y));
    }
    text->draw("Beta Testers:", 100, 430);
    text->draw("Everyone who played the early builds", 100, 460);
  }
  if (buttons && buttons->draw("MENU", 745, 575, menu::smallButton) == kButtonActivated) gameState = kScreenMainMenu;
}
